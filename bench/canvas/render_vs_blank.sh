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

# Mean wall time of one run in microseconds, after one warm-up run.
mean_us() {
  "$@" >/dev/null 2>&1
  local start end
  start=$(date +%s%N)
  for ((i = 0; i < runs; i++)); do "$@" >/dev/null 2>&1; done
  end=$(date +%s%N)
  echo $(( (end - start) / runs / 1000 ))
}

render_us=$(mean_us "$render" "$document" "$out/render.bmp")
blank_us=$(mean_us "$blank" "$out/blank.bmp")
ratio=$(awk -v r="$render_us" -v b="$blank_us" 'BEGIN { printf "%.2f", r / b }')
echo "kinsketch-render: ${render_us} us   blank bitmap: ${blank_us} us   ratio: ${ratio} (budget 1.30)"
awk -v x="$ratio" 'BEGIN { exit !(x <= 1.30) }'
