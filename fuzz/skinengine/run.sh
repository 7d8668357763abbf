#!/usr/bin/env bash
# Builds the skin decoder fuzzer with clang (libFuzzer, ASan, UBSan) in its own
# build directory and runs it for the given number of seconds (default 60).
# New crashes land in <build>/artifacts; copy them to regressions/ once fixed.
set -euo pipefail
seconds="${1:-60}"
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
root="$(cd "$here/../.." && pwd)"
build="${QUORVANE_FUZZ_BUILD_DIR:-$root/build-fuzz-skinengine}"
mkdir -p "$build/work-corpus" "$build/artifacts"

flags=(-std=c++20 -O1 -g -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined
       -I"$root/skinengine")
sources=("$here/FuzzSkinDecode.cpp" "$root/skinengine/format/SkinDecoder.cpp"
         "$root/skinengine/format/LzmaCodec.cpp")
if [[ ! -x "$build/skin_decode_fuzzer" ]] || [[ -n "$(find "${sources[@]}" "$root/skinengine" \
      -name '*.h' -newer "$build/skin_decode_fuzzer" 2>/dev/null)" ]] ||
   [[ -n "$(find "${sources[@]}" -newer "$build/skin_decode_fuzzer")" ]]; then
  clang++ "${flags[@]}" "${sources[@]}" $(pkg-config --libs liblzma) -o "$build/skin_decode_fuzzer"
fi

cp -n "$here/corpus/"* "$build/work-corpus/" 2>/dev/null || true
cp -n "$here/regressions/"* "$build/work-corpus/" 2>/dev/null || true
exec "$build/skin_decode_fuzzer" -max_total_time="$seconds" \
  -rss_limit_mb=1024 -max_len=65536 -artifact_prefix="$build/artifacts/" \
  -print_final_stats=1 "$build/work-corpus"
