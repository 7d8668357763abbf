#!/usr/bin/env bash
# Start-up time: from exec to both windows mapped, over several runs under an
# Xvfb of our own, next to a minimal Qt program that shows one frameless
# window the same way. Prints both medians and their ratio (goal: <= 1.3).
# Usage: bench/startup/run.sh [build directory] [runs]
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
build="$(realpath "${1:-$root/build}")"
runs="${2:-10}"
cmake --build "$build" --target quorvane startup_minimal_window startup_map_watcher >/dev/null
source "$root/tests/e2e/xvfb-session.sh"
watcher="$build/bench/startup/startup_map_watcher"

median() { sort -n | awk '{a[NR]=$1} END{print (NR%2 ? a[(NR+1)/2] : (a[NR/2]+a[NR/2+1])/2)}'; }


# One warm-up run each, so that neither pays for a cold file cache.
"$watcher" "Minimal" "$build/bench/startup/startup_minimal_window" >/dev/null
(cd "$qv_tmp" && "$watcher" "Quorvane,编辑 工具栏" "$build/quorvane") >/dev/null

# Runs alternate, so that a busy moment of the machine weighs on both alike.
: >"$qv_tmp/minimal.txt"
: >"$qv_tmp/program.txt"
for _ in $(seq "$runs"); do
  "$watcher" "Minimal" "$build/bench/startup/startup_minimal_window" >>"$qv_tmp/minimal.txt"
  (cd "$qv_tmp" && "$watcher" "Quorvane,编辑 工具栏" "$build/quorvane") >>"$qv_tmp/program.txt"
done
minimal=$(median <"$qv_tmp/minimal.txt")
program=$(median <"$qv_tmp/program.txt")
echo "minimal Qt window: ${minimal} ms (median of $runs)"
echo "quorvane, both windows: ${program} ms (median of $runs)"
awk -v p="$program" -v m="$minimal" 'BEGIN{printf "ratio: %.2f (goal <= 1.30)\n", p / m}'
