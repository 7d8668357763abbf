#!/usr/bin/env bash
# Builds the libFuzzer targets with clang in a build folder of their own and
# runs each, one at a time on one core, for the given number of seconds.
# Findings land in <build>/imaging/findings-<target>/; new corpus entries in
# <build>/imaging/corpus-<target>/. Exit status 1 when any target failed.
#   fuzz/run-fuzzers.sh <seconds> [target...]      (FUZZ_BUILD_DIR overrides the folder)
# Targets: DisplayDecoder, ConverterReader, SkinDecode; no target: all three.
set -euo pipefail
seconds=${1:?usage: run-fuzzers.sh <seconds-per-target> [target...]}
shift
root=$(cd "$(dirname "$0")/.." && pwd)
build=${FUZZ_BUILD_DIR:-$root/build-fuzz}
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(DisplayDecoder ConverterReader SkinDecode)

CC=clang CXX=clang++ cmake -S "$root/fuzz/imaging" -B "$build/imaging" -G Ninja \
  -DQUORVANE_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build/imaging"

status=0
for target in "${targets[@]}"; do
  if [[ "$target" == SkinDecode ]]; then
    echo "== $target for ${seconds}s"
    QUORVANE_FUZZ_BUILD_DIR="$build/skinengine" bash "$root/fuzz/skinengine/run.sh" "$seconds" \
      2>"$build/skinengine.log" || { status=1; echo "   FAILED: see $build/skinengine.log"; }
    grep -E "^stat::(number_of_executed_units|peak_rss_mb|new_units_added)|^(==|SUMMARY)" \
      "$build/skinengine.log" | sed 's/^/   /' || true
    continue
  fi
  corpus="$build/imaging/corpus-$target"
  findings="$build/imaging/findings-$target"
  mkdir -p "$corpus" "$findings"
  echo "== $target for ${seconds}s"
  if ! "$build/imaging/imaging_fuzz_$target" -max_total_time="$seconds" -timeout=10 \
      -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$findings/" \
      "$corpus" "$root/fuzz/imaging/corpus" "$root/fuzz/imaging/regressions" \
      2>"$build/imaging/$target.log"; then
    status=1
    echo "   FAILED: see $build/imaging/$target.log and $findings/"
  fi
  grep -E "^stat::(number_of_executed_units|peak_rss_mb|new_units_added)|^(==|SUMMARY)" \
    "$build/imaging/$target.log" | sed 's/^/   /' || true
done
exit $status
