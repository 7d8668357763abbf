#!/usr/bin/env bash
# End-to-end journeys of the real program under an Xvfb of our own:
#   1. both windows appear centred, the toolbar on top and focused; Esc closes
#      the toolbar alone; "关闭" on the stage ends the program with status 0;
#   2. Enter does nothing, five Tabs bring the focus back to "关闭", and Space
#      on it ends the program with status 0;
#   3. with no display at all the program says how to run it.
set -euo pipefail
program="$(realpath "$1")"
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
source "$here/xvfb-session.sh"

start_program() {
  (cd "$qv_tmp" && exec "$program") >"$qv_tmp/out.log" 2>&1 &
  qv_program_pid=$!
  toolbar=$(find_window "编辑 工具栏") || true
  stage=$(find_window "Quorvane") || true
  [[ -n "$toolbar" && -n "$stage" ]] || { cat "$qv_tmp/out.log"; fail "windows not found"; }
}

echo "== journey 1: start-up, Esc, stage close"
start_program
[[ "$(geometry_of "$toolbar")" == "474 414 331 196" ]] ||
  fail "toolbar geometry $(geometry_of "$toolbar")"
[[ "$(geometry_of "$stage")" == "450 178 379 668" ]] || fail "stage geometry $(geometry_of "$stage")"
poll 5 test "$(xdotool getwindowfocus)" = "$toolbar" || fail "toolbar has not the focus"
# xwininfo lists the root's children top-most first.
order=""
for id in $(xwininfo -root -children | grep -oE '^ +0x[0-9a-f]+'); do
  if (( id == toolbar )); then order+="toolbar "; fi
  if (( id == stage )); then order+="stage "; fi
done
[[ "$order" == "toolbar stage " ]] || fail "stacking order: $order"
xdotool key Escape
poll 5 is_unmapped "$toolbar" || fail "Esc did not close the toolbar"
sleep 0.2
is_unmapped "$stage" && fail "Esc closed the stage too"
kill -0 "$qv_program_pid" || fail "the program ended on Esc"
# "关闭" on the stage: (256 + 52, 600 + 16) in the client area at (3, 25).
xdotool mousemove --window "$stage" $((3 + 256 + 52)) $((25 + 600 + 16)) click 1
wait_exit 5
[[ "$exit_status" == 0 ]] || fail "exit status $exit_status"

echo "== journey 2: Enter, Tab cycle, Space on 关闭"
start_program
poll 5 test "$(xdotool getwindowfocus)" = "$toolbar" || fail "toolbar has not the focus"
xdotool key Return
sleep 0.2
kill -0 "$qv_program_pid" || fail "Enter ended the program"
# From "关闭": 编辑框1, 生成效果, 编辑框2, 编辑框3, and back to "关闭".
for _ in 1 2 3 4 5; do xdotool key Tab; done
xdotool key space
wait_exit 5
[[ "$exit_status" == 0 ]] || fail "exit status $exit_status"

echo "== journey 3: no display"
status=0
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" >"$qv_tmp/nodisplay.log" 2>&1 ||
  status=$?
[[ "$status" == 1 ]] || fail "no-display exit status $status"
grep -q "needs a graphical display" "$qv_tmp/nodisplay.log" || fail "no plain message"
grep -q "xvfb-run -a" "$qv_tmp/nodisplay.log" || fail "no hint how to run it"
if grep -qiE 'qt\.qpa|abort|core dumped' "$qv_tmp/nodisplay.log"; then fail "Qt noise"; fi

echo "all journeys passed"
