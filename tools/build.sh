#!/usr/bin/env bash
# Configures and builds the project into build/ (release with debug info).
# Usage: tools/build.sh [target...]   (no target: everything, tests included)
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${QUORVANE_BUILD_DIR:-$root/build}"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
if [[ $# -gt 0 ]]; then
  cmake --build "$build" --target "$@" -- -j"$(nproc)"
else
  cmake --build "$build" -- -j"$(nproc)"
fi
