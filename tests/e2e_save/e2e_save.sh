#!/usr/bin/env bash
# End-to-end save: starts the program on a private Xvfb display, types three
# lines, applies them, saves twice and closes; checks both files each time.
set -euo pipefail
program="$1"
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
source "$here/../e2e/xvfb-session.sh"
work="$qv_tmp"

# The program runs from its own folder (it installs its skin engine there)
# and saves into a temporary drive map.
mkdir -p "$work/bin" "$work/drives" "$work/home"
cp "$program" "$work/bin/quorvane"
export QUORVANE_DRIVES="$work/drives" HOME="$work/home"
"$work/bin/quorvane" >"$work/app.log" 2>&1 &
qv_program_pid=$!

# Waits for a top-level window by exact name; prints its id.
window() {
  local id=""
  for _ in $(seq 200); do
    id="$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1 || true)"
    [[ -n "$id" ]] && { echo "$id"; return 0; }
    kill -0 "$qv_program_pid" 2>/dev/null || fail "program ended early: $(cat "$work/app.log")"
    sleep 0.05
  done
  fail "no window named $1"
}
# Clicks a control: window origin + client origin (3, 25) + centre of its rectangle.
click() {  # window-id left top width height
  eval "$(xdotool getwindowgeometry --shell "$1")"
  xdotool mousemove --sync $((X + 3 + $2 + $4 / 2)) $((Y + 25 + $3 + $5 / 2)) click 1
}
# Waits for the message box, answers it with Enter, prints nothing.
answer_message() {
  local box
  box="$(window "信息：")"
  xdotool windowfocus --sync "$box" 2>/dev/null || true
  xdotool key Return
  for _ in $(seq 100); do
    xdotool search --onlyvisible --name "^信息：\$" >/dev/null 2>&1 || return 0
    sleep 0.05
  done
  fail "message box stayed"
}
# Pixels of the caption grey in a BMP.
grey_pixels() {
  convert "$1" -fill black +opaque "rgb(205,205,205)" -fill white -opaque "rgb(205,205,205)" \
    -format "%[fx:round(mean*w*h)]" info:
}
check_files() {
  local bmp="$work/drives/D/1.bmp" jpg="$work/drives/C/1.jpg"
  [[ -f "$bmp" ]] || fail "no d:\\1.bmp"
  [[ "$(stat -c %s "$bmp")" == 616758 ]] || fail "d:\\1.bmp is $(stat -c %s "$bmp") bytes"
  [[ -f "$jpg" ]] || fail "no c:\\1.jpg"
  [[ "$(identify -format '%m %wx%h' "$jpg")" == "JPEG 352x584" ]] || fail "c:\\1.jpg is not 352x584"
}

toolbar="$(window "编辑 工具栏")"
stage="$(window "Quorvane")"
sleep 0.3

# A save of the bare picture, for comparison.
click "$stage" 136 600 112 32          # 保存图片
answer_message
check_files
bare="$(grey_pixels "$work/drives/D/1.bmp")"

click "$toolbar" 56 8 256 24           # 编辑框1
xdotool type --delay 5 "First line of talk"
click "$toolbar" 56 48 256 24          # 编辑框2
xdotool type --delay 5 "Second line"
click "$toolbar" 56 96 256 24          # 编辑框3
xdotool type --delay 5 "And the third"
click "$toolbar" 16 136 232 24         # 生成效果
sleep 0.2
click "$stage" 136 600 112 32          # 保存图片
answer_message
check_files
captioned="$(grey_pixels "$work/drives/D/1.bmp")"
(( captioned > bare + 100 )) || fail "the lines are not in the saved picture ($bare -> $captioned)"

click "$toolbar" 264 136 48 24         # 关闭
wait_exit 5
[[ "$exit_status" == 0 ]] || fail "exit status $exit_status: $(cat "$work/app.log")"
echo "e2e save: ok (caption pixels $bare -> $captioned)"
