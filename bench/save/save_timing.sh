#!/usr/bin/env bash
# Times the save of a full WIDE document in the real program under Xvfb:
# from the click on 保存 to the confirmation on show (the working document is
# written just before it appears), and from はい to the end of the process;
# next to the time kinsketch-render takes for the same document.
# Usage: bench/save/save_timing.sh [build folder]   (run it under xvfb-run)
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
build="${1:-$here/../../build}"
source "$here/../../tests/e2e/e2e_lib.sh"
runs=5

program="$(make_program_folder "$build/app/kinsketch")"
trap 'rm -rf "$program"' EXIT
python3 "$here/full_wide_document.py" "$build/cli/doc/kinsketch-doc" "$program/full.gdr"

render_ms=()
save_ms=()
exit_ms=()
for _ in $(seq "$runs"); do
  start=$(now_ms)
  "$build/cli/render/kinsketch-render" "$program/full.gdr" "$program/render.bmp"
  render_ms+=($(($(now_ms) - start)))

  rm -f "$program"/imgTmp/*
  cp "$program/full.gdr" "$program/imgTmp/client.gdr"
  "$program/kinsketch" client & pid=$!
  wait_for_window "Kin Sketch" >/dev/null
  sleep 3
  start=$(now_ms)
  xdotool mousemove 251 52 click 1 # 保存
  while [ ! -f "$program/imgTmp/kinsketch.gdr" ]; do sleep 0.005; done
  save_ms+=($(($(now_ms) - start)))
  sleep 1
  xdotool mousemove 425 647 click 1 # 決定
  box=$(wait_for_window "Kinsketch" 5)
  sleep 0.3
  xdotool windowfocus --sync "$box"
  start=$(now_ms)
  xdotool key shift+Tab space # はい
  wait_for_exit "$pid" 30
  exit_ms+=($(($(now_ms) - start)))
done
median() { printf '%s\n' "$@" | sort -n | sed -n "$((($# + 1) / 2))p"; }
echo "kinsketch-render:            median $(median "${render_ms[@]}") ms (${render_ms[*]})"
echo "保存 → confirmation on show: median $(median "${save_ms[@]}") ms (${save_ms[*]})"
echo "はい → process ended:        median $(median "${exit_ms[@]}") ms (${exit_ms[*]})"
