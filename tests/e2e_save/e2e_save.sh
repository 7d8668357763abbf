#!/usr/bin/env bash
# End-to-end save: starts the program on a private Xvfb display, types three
# lines, applies them, saves twice and closes; checks both files each time.
set -euo pipefail
program="$1"
work="$(mktemp -d /tmp/qv-e2e-save-XXXXXX)"
xvfb_pid=""
app_pid=""
cleanup() {
  [[ -n "$app_pid" ]] && kill "$app_pid" 2>/dev/null || true
  [[ -n "$xvfb_pid" ]] && kill "$xvfb_pid" 2>/dev/null || true
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# A display number nobody uses.
display=""
for n in $(seq 140 199); do
  if [[ ! -e /tmp/.X$n-lock && ! -e /tmp/.X11-unix/X$n ]]; then display=":$n"; break; fi
done
[[ -n "$display" ]] || fail "no free display"
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
export DISPLAY="$display"
for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.05; done
xdpyinfo >/dev/null 2>&1 || fail "Xvfb did not start"

# The program runs from its own folder (it installs its skin engine there)
# and saves into a temporary drive map.
mkdir -p "$work/bin" "$work/drives" "$work/home"
cp "$program" "$work/bin/quorvane"
export QUORVANE_DRIVES="$work/drives" HOME="$work/home"
unset QT_QPA_PLATFORM
"$work/bin/quorvane" >"$work/app.log" 2>&1 &
app_pid=$!

# Waits for a top-level window by exact name; prints its id.
window() {
  local id=""
  for _ in $(seq 200); do
    id="$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1 || true)"
    [[ -n "$id" ]] && { echo "$id"; return 0; }
    kill -0 "$app_pid" 2>/dev/null || fail "program ended early: $(cat "$work/app.log")"
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
for _ in $(seq 100); do kill -0 "$app_pid" 2>/dev/null || break; sleep 0.05; done
kill -0 "$app_pid" 2>/dev/null && fail "program still running after 关闭"
status=0
wait "$app_pid" || status=$?
app_pid=""
[[ "$status" == 0 ]] || fail "exit status $status: $(cat "$work/app.log")"
echo "e2e save: ok (caption pixels $bare -> $captioned)"
