#!/usr/bin/env bash
# Times the real program with a full WIDE document, under Xvfb: from the start
# to the editing screen on show (its last window, the screen switch, painted),
# and from the click on 保存 to the confirmation (the working document is
# written just before it appears); the Linux program, and kinsketch.exe under
# wine from the Windows package beside it on the same document.
# Usage: xvfb-run -a -s "-screen 0 1600x1200x24" bench/save/save_timing.sh BUILD_DIR [kinsketch-windows-x64.zip] [RUNS]
set -euo pipefail
bench_dir="$(cd "$(dirname "$0")" && pwd)"
build="$(realpath "${1:?usage: $0 BUILD_DIR [kinsketch-windows-x64.zip] [RUNS]}")"
zip="${2:-}"
runs="${3:-5}"
if [ -n "$zip" ]; then
  source "$bench_dir/../../tests/windows/windows_e2e_lib.sh" "$(realpath "$zip")" "$build" "$bench_dir/../../tests/fixtures/documents"
else
  source "$bench_dir/../../tests/e2e/e2e_lib.sh" "$build/app/kinsketch" "$bench_dir/../../tests/fixtures/documents" \
    "$build/cli/doc/kinsketch-doc" "$build/cli/render/kinsketch-render"
fi
python3 "$bench_dir/full_wide_document.py" "$doc_tool" "$program/full.gdr"

# A pixel of the screen switch's button, and where 保存 and 決定 are, per platform.
declare -A linux_places=([switch]="600 62" [save]="256 51" [confirm]="425 647")
declare -A windows_places=([switch]="620 82" [save]="267 65" [confirm]="432 674")

pixel_is_light() { import -window root -crop 1x1+"$1"+"$2" -depth 8 txt:- 2>/dev/null | grep -Eq '#(E|F)[0-9A-F](E|F)[0-9A-F](E|F)'; }

# One run on platform $1, started by the command that follows; appends the
# start and save times in ms to start_ms and save_ms.
time_run() {
  local -n places="$1_places"
  local work_folder="$2" started switch_x switch_y
  shift 2
  rm -f "$work_folder"/kinsketch.* && cp "$program/full.gdr" "$work_folder/client.gdr"
  read -r switch_x switch_y <<<"${places[switch]}"
  started=$(now_ms)
  "$@" &
  run_pid=$!
  until [ -n "$(windows_named "Kin Sketch")" ] && pixel_is_light "$switch_x" "$switch_y"; do sleep 0.02; done
  start_ms+=($(($(now_ms) - started)))
  sleep 3
  # shellcheck disable=SC2086 # "x y" is two arguments
  xdotool mousemove ${places[save]} click 1
  started=$(now_ms)
  while [ ! -f "$work_folder/kinsketch.gdr" ]; do sleep 0.005; done
  save_ms+=($(($(now_ms) - started)))
  sleep 2
  kill -9 "$run_pid" 2>/dev/null || true
  wait "$run_pid" 2>/dev/null || true
  sleep 1
}

median() { printf '%s\n' "$@" | sort -n | sed -n "$((($# + 1) / 2))p"; }
report() {
  echo "$1 start → editing screen: median $(median "${start_ms[@]}") ms (${start_ms[*]})"
  echo "$1 保存 → confirmation:    median $(median "${save_ms[@]}") ms (${save_ms[*]})"
}

start_ms=() save_ms=()
for _ in $(seq "$runs"); do time_run linux "$work" "$program/kinsketch" client; done
report "Linux"
if [ -n "$zip" ]; then
  start_ms=() save_ms=()
  windows_start() { cd "$windows_program" && exec wine kinsketch.exe client; }
  for _ in $(seq "$runs"); do time_run windows "$windows_work" windows_start; done
  report "wine "
fi
