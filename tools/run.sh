#!/usr/bin/env bash
# Installs what is missing, builds, and starts Quorvane.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
bash "$root/tools/install-deps.sh"
bash "$root/tools/build.sh" quorvane
exec "${QUORVANE_BUILD_DIR:-$root/build}/quorvane"
