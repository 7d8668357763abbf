# Shared by the end-to-end scripts: an Xvfb of our own on a free display.
# Sourcing it starts the server, exports DISPLAY and stops it on exit.
qv_tmp="$(mktemp -d)"
qv_xvfb_pid=""
qv_cleanup() {
  [[ -n "${qv_program_pid:-}" ]] && kill "$qv_program_pid" 2>/dev/null || true
  [[ -n "$qv_xvfb_pid" ]] && kill "$qv_xvfb_pid" 2>/dev/null || true
  wait 2>/dev/null || true
  rm -rf "$qv_tmp"
}
trap qv_cleanup EXIT

# Xvfb chooses a free display number itself and writes it to the file.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$qv_tmp/display" 2>"$qv_tmp/xvfb.log" &
qv_xvfb_pid=$!
for _ in $(seq 100); do
  [[ -s "$qv_tmp/display" ]] && break
  sleep 0.05
done
[[ -s "$qv_tmp/display" ]] || { echo "Xvfb did not start:"; cat "$qv_tmp/xvfb.log"; exit 1; }
export DISPLAY=":$(head -n1 "$qv_tmp/display")"
unset QT_QPA_PLATFORM WAYLAND_DISPLAY QT_SCALE_FACTOR

fail() { echo "FAIL: $*" >&2; exit 1; }

# Polls a command until it succeeds; false after the timeout in seconds.
poll() {
  local timeout=$1; shift
  local end=$((SECONDS + timeout))
  until "$@" >/dev/null 2>&1; do
    (( SECONDS < end )) || return 1
    sleep 0.05
  done
}

# The id of the mapped top-level window with exactly this title.
find_window() {
  timeout 10 xdotool search --sync --onlyvisible --name "^$1\$" | head -n1
}

is_unmapped() {  # gone or no longer viewable
  ! xwininfo -id "$1" 2>/dev/null | grep -q 'Map State: IsViewable'
}

geometry_of() {  # "x y width height" of a top-level window
  xwininfo -id "$1" | awk '/Absolute upper-left X/{x=$4} /Absolute upper-left Y/{y=$4}
    /Width:/{w=$2} /Height:/{h=$2} END{print x, y, w, h}'
}

# Waits for the program to end and sets exit_status, or fails after the timeout.
wait_exit() {
  local timeout=$1 end=$((SECONDS + $1))
  while kill -0 "$qv_program_pid" 2>/dev/null; do
    (( SECONDS < end )) || fail "the program did not end within ${timeout}s"
    sleep 0.05
  done
  exit_status=0
  wait "$qv_program_pid" || exit_status=$?
  qv_program_pid=""
}
