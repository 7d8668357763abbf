#!/usr/bin/env bash
# Imaging benchmarks against libjpeg-turbo's own tools, on the same files:
#   display decode of the stage picture and of a 6000 x 4000 photo (decode plus
#   the first smooth stretch to the 342 x 574 client area) vs `djpeg` full decode,
#   and the save's conversion of a 352 x 584 snapshot BMP vs
#   `cjpeg -quality 30 -optimize -baseline`.
# Every figure is the best CPU time (user + system) of RUNS separate
# processes, less the best time of the same program doing the same with an
# 8 x 8 picture (start-up, libraries paged in), then the ratio
# ours / reference; below 1 is faster. CPU time and the best of many runs stay
# steady on a shared machine; gross figures are printed as well. The in-process
# figures at the end leave start-up out altogether.
#   bench/imaging/run.sh [build-folder]   (default build-bench; built when missing)
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=${1:-$root/build-bench}
runs=${RUNS:-21}

bench=$build/bench/imaging/imaging_bench
[ -x "$bench" ] ||
  bench=$(find "$build" -name imaging_bench -type f -perm -u+x 2>/dev/null | head -1)
if [ -z "$bench" ] || [ ! -x "$bench" ]; then
  cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
  cmake --build "$build" --target imaging_bench >/dev/null
  bench=$build/bench/imaging/imaging_bench
fi
for tool in djpeg cjpeg; do
  command -v $tool >/dev/null || { echo "$tool not found (libjpeg-turbo-progs)"; exit 1; }
done

data=$build/imaging-bench-data
mkdir -p "$data"
[ -f "$data/tiny.bmp" ] || "$bench" generate "$data" >/dev/null
stage=$data/stage.jpg
[ -f "$root/assets/stage-picture.jpg" ] && stage=$root/assets/stage-picture.jpg

# Best CPU milliseconds (user + system, from the child's own accounting) of
# $runs runs of the command, each in a process of its own.
best_ms() {
  "$bench" spawn "$runs" "$@" | awk '{printf "%.2f", $1}'
}

startup_decode=$(best_ms "$bench" decode "$data/tiny.jpg" 0 0 1)
startup_convert=$(best_ms "$bench" convert "$data/tiny.bmp" "$data/tiny-ours.jpg" 1)
startup_djpeg=$(best_ms djpeg -outfile /dev/null "$data/tiny.jpg")
startup_cjpeg=$(best_ms cjpeg -quality 30 -optimize -baseline -outfile "$data/tiny-theirs.jpg" \
  "$data/tiny.bmp")

compare() {  # label, ours ms, reference ms, reference name
  local startup_ours=$startup_decode startup_ref=$startup_djpeg
  if [ "$4" = cjpeg ]; then startup_ours=$startup_convert startup_ref=$startup_cjpeg; fi
  awk -v l="$1" -v o="$2" -v r="$3" -v n="$4" -v so="$startup_ours" -v sr="$startup_ref" \
    'BEGIN {
       no = o - so; nr = r - sr; if (no < 0.01) no = 0.01; if (nr < 0.01) nr = 0.01
       printf "%-50s ours %7.2f ms  %s %7.2f ms  ratio %.2f   (gross %.2f / %.2f ms)\n",
              l, no, n, nr, no / nr, o, r
     }'
}

echo "stage picture: $stage ($(stat -c %s "$stage") bytes); $runs runs each"
echo "8x8 baselines: decode ours $startup_decode / djpeg $startup_djpeg ms," \
  "convert ours $startup_convert / cjpeg $startup_cjpeg ms"
djpeg_stage=$(best_ms djpeg -outfile /dev/null "$stage")
compare "stage picture, decode + stretch to 342x574" \
  "$(best_ms "$bench" decode "$stage" 342 574 1)" "$djpeg_stage" djpeg
compare "stage picture, full decode only" "$(best_ms "$bench" decode "$stage" 0 0 1)" \
  "$djpeg_stage" djpeg

runs_big=$(( runs > 7 ? 7 : runs ))
saved_runs=$runs; runs=$runs_big
djpeg_big=$(best_ms djpeg -outfile /dev/null "$data/photo24mp.jpg")
compare "6000x4000 photo, decode (DCT-scaled) + stretch" \
  "$(best_ms "$bench" decode "$data/photo24mp.jpg" 342 574 1)" "$djpeg_big" djpeg
compare "6000x4000 photo, full decode only" \
  "$(best_ms "$bench" decode "$data/photo24mp.jpg" 0 0 1)" "$djpeg_big" djpeg
runs=$saved_runs

compare "352x584 snapshot BMP to JPEG q30 (file to file)" \
  "$(best_ms "$bench" convert "$data/snapshot.bmp" "$data/ours.jpg" 1)" \
  "$(best_ms cjpeg -quality 30 -optimize -baseline -outfile "$data/theirs.jpg" \
    "$data/snapshot.bmp")" cjpeg
if cmp -s "$data/ours.jpg" "$data/theirs.jpg"; then
  echo "converter output identical to cjpeg's"
else
  echo "converter output DIFFERS from cjpeg's"
fi

echo "in-process figures and peak RSS:"
"$bench" decode "$stage" 342 574 30 | sed 's/^/  /'
"$bench" decode "$data/photo24mp.jpg" 342 574 3 | sed 's/^/  /'
"$bench" decode "$data/photo24mp.jpg" 0 0 3 | sed 's/^/  /'
"$bench" convert "$data/snapshot.bmp" "$data/ours.jpg" 30 | sed 's/^/  /'
