#!/usr/bin/env bash
# Times kinsketch-render on the WIDE fixture against the blank-bitmap program,
# as whole processes, and checks the ratio against the budget of 1.3.
# Usage: bench/canvas/render_vs_blank.sh BUILD_DIR [RUNS]
set -euo pipefail
build="${1:?build directory}"
runs="${2:-30}"
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
document="$here/../../tests/fixtures/canvas/wide_every_layer.gdr"
render="$build/cli/render/kinsketch-render"
blank="$build/bench/canvas/blank_bmp"
out="$(mktemp -d)"
trap 'rm -rf "$out"' EXIT
export QT_QPA_PLATFORM=offscreen

# The two programs run alternately, so that a busy machine slows both alike;
# one warm-up run each first. Totals are in nanoseconds.
"$render" "$document" "$out/render.bmp" >/dev/null 2>&1
"$blank" "$out/blank.bmp" >/dev/null 2>&1
render_ns=0
blank_ns=0
for ((i = 0; i < runs; i++)); do
  start=$(date +%s%N)
  "$render" "$document" "$out/render.bmp" >/dev/null 2>&1
  middle=$(date +%s%N)
  "$blank" "$out/blank.bmp" >/dev/null 2>&1
  end=$(date +%s%N)
  render_ns=$((render_ns + middle - start))
  blank_ns=$((blank_ns + end - middle))
done
render_us=$((render_ns / runs / 1000))
blank_us=$((blank_ns / runs / 1000))
ratio=$(awk -v r="$render_us" -v b="$blank_us" 'BEGIN { printf "%.2f", r / b }')
echo "kinsketch-render: ${render_us} us   blank bitmap: ${blank_us} us   ratio: ${ratio} (budget 1.30)"
awk -v x="$ratio" 'BEGIN { exit !(x <= 1.30) }'
