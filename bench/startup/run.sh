#!/usr/bin/env bash
# Start-up time: from exec to both windows mapped, over several runs under an
# Xvfb of our own, next to a minimal Qt program that shows one frameless
# window the same way. Prints both medians and their ratio (goal: <= 1.3),
# and the same for the time until the windows have also been drawn into.
# For scale, each figure comes with that of the minimal window holding one
# edit box, which shows what the first text control alone costs before a
# window can be mapped (fontconfig, the font database, the face).
# All of it first with a session bus of its own (as in a desktop session,
# when dbus-run-session is there), then without one (as under a bare
# xvfb-run, where Qt's accessibility bridge forks D-Bus's autolaunch helper
# in vain).
# Usage: bench/startup/run.sh [build directory] [runs]
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
build="$(realpath "${1:-$root/build}")"
runs="${2:-10}"
watcher="$build/bench/startup/startup_map_watcher"

median() { sort -n | awk '{a[NR]=$1} END{print (NR%2 ? a[(NR+1)/2] : (a[NR/2]+a[NR/2+1])/2)}'; }

# Prints the medians of both programs under the current environment.
measure() {
  local label="$1" out
  out="$(mktemp -d)"
  # One warm-up run each, so that neither pays for a cold file cache.
  "$watcher" "Minimal" "$build/bench/startup/startup_minimal_window" >/dev/null
  "$watcher" "Minimal" "$build/bench/startup/startup_minimal_window" --edit-box >/dev/null
  (cd "$out" && "$watcher" "Quorvane,编辑 工具栏" "$build/quorvane") >/dev/null
  # Runs alternate, so that a busy moment of the machine weighs on both alike.
  for _ in $(seq "$runs"); do
    "$watcher" "Minimal" "$build/bench/startup/startup_minimal_window" >>"$out/minimal.txt"
    "$watcher" "Minimal" "$build/bench/startup/startup_minimal_window" --edit-box \
      >>"$out/edit-box.txt"
    (cd "$out" && "$watcher" "Quorvane,编辑 工具栏" "$build/quorvane") >>"$out/program.txt"
  done
  echo "$label:"
  report "mapped" 1 "$out" "(goal <= 1.30)"
  report "drawn" 2 "$out" ""
  rm -rf "$out"
}

# Prints the medians of one column of the watcher's output and their ratio.
report() {
  local what="$1" column="$2" out="$3" goal="$4" minimal program editBox
  minimal=$(cut -d' ' -f"$column" <"$out/minimal.txt" | median)
  program=$(cut -d' ' -f"$column" <"$out/program.txt" | median)
  echo "  $what: minimal Qt window ${minimal} ms, quorvane (both windows) ${program} ms" \
    "(medians of $runs)"
  awk -v p="$program" -v m="$minimal" -v g="$goal" 'BEGIN{printf "    ratio: %.2f %s\n", p / m, g}'
  editBox=$(cut -d' ' -f"$column" <"$out/edit-box.txt" | median)
  awk -v e="$editBox" -v m="$minimal" \
    'BEGIN{printf "    for scale: the minimal window with one edit box %s ms, ratio %.2f\n", e, e / m}'
}

if [[ "${QV_STARTUP_BENCH_INNER:-}" == 1 ]]; then
  measure "$QV_STARTUP_BENCH_LABEL"
  exit 0
fi

cmake --build "$build" --target quorvane skinengine startup_minimal_window startup_map_watcher \
  >/dev/null
source "$root/tests/e2e/xvfb-session.sh"
export XDG_RUNTIME_DIR="$qv_tmp/runtime"
mkdir -p -m 700 "$XDG_RUNTIME_DIR"
if command -v dbus-run-session >/dev/null; then
  QV_STARTUP_BENCH_INNER=1 QV_STARTUP_BENCH_LABEL="With a session bus (as on a desktop)" \
    dbus-run-session -- bash "${BASH_SOURCE[0]}" "$build" "$runs" 2>/dev/null
else
  echo "(dbus-run-session is missing: no run with a session bus)"
fi
(unset DBUS_SESSION_BUS_ADDRESS; measure "Without a session bus")
