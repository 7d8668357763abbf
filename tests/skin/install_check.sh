#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks that the installed
# program starts skinned with the engine from its private library folder when
# its own folder offers no usable "SkinH_EL.dll".
#   install_check.sh <build dir> <libdir> <built engine>
set -euo pipefail
build="$1" libdir="$2" engine="$3"
prefix="$(mktemp -d "${TMPDIR:-/tmp}/qv-install-XXXXXX")"
pid=""
cleanup() {
  if [[ -n "$pid" ]]; then kill "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true; fi
  rm -rf "$prefix"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$prefix" >/dev/null
program="$prefix/bin/quorvane"
installed="$prefix/$libdir/quorvane/SkinH_EL.dll"
[[ -x "$program" ]] || fail "no installed program"
[[ -f "$installed" ]] || fail "no installed engine at $installed"
cmp -s "$installed" "$engine" || fail "installed engine differs from the built one"
[[ -f "$prefix/share/applications/quorvane.desktop" ]] || fail "no desktop entry"
ls "$prefix"/share/icons/hicolor/*/apps/quorvane.* >/dev/null 2>&1 || fail "no icon"
runpath="$(readelf -d "$program" | sed -n 's/.*(RUNPATH).*\[\(.*\)\]/\1/p')"
[[ ":$runpath:" == *":\$ORIGIN/../$libdir/quorvane:"* ]] || fail "RUNPATH is '$runpath'"

# Starts the installed program and waits until it has loaded library $1.
expect_load() {
  QT_QPA_PLATFORM=offscreen "$program" >/dev/null 2>&1 &
  pid=$!
  for _ in $(seq 1 200); do
    if grep -qF "$1" "/proc/$pid/maps" 2>/dev/null; then
      kill "$pid"; wait "$pid" 2>/dev/null || true; pid=""
      return 0
    fi
    if ! kill -0 "$pid" 2>/dev/null; then
      wait "$pid" && status=0 || status=$?
      pid=""
      fail "installed program ended (status $status) before loading $1"
    fi
    sleep 0.05
  done
  fail "installed program did not load $1 within 10 s"
}

# A folder of the engine's name stands for a run directory the program cannot
# use: nothing is written there and the bare-name load must find the engine.
mkdir "$prefix/bin/SkinH_EL.dll"
expect_load "$installed"
[[ -z "$(ls -A "$prefix/bin/SkinH_EL.dll")" ]] || fail "wrote into the folder"

# A writable program folder gets its own hidden copy, which is then used.
rmdir "$prefix/bin/SkinH_EL.dll"
expect_load "$prefix/bin/SkinH_EL.dll"
cmp -s "$prefix/bin/SkinH_EL.dll" "$engine" || fail "written engine differs from the built one"
echo "installed program found its engine in both layouts"
