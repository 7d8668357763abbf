#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${QUORVANE_BUILD_DIR:-$root/build}"
bash "$root/tools/install-deps.sh"
bash "$root/tools/build.sh"
cd "$build"
ctest --output-on-failure -j"$(nproc)" --timeout 300
