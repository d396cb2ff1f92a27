#!/usr/bin/env bash
# 表示サイズ 自動 on 1366×768 and 1920×1080, each on an X server of its own, at 100 % and under Qt's scale factor 1.25
# and 1.5 (for the system's scaling), in both screen sizes and every input mode: no window may lie outside the main
# window's child area, or its scroll bars show. Read from a screenshot: a scroll bar spans the area's edge, so its
# last column shows some workspace grey, and the rows below the last grey row are the status bar alone (one colour).
source "$(dirname "$0")/e2e_lib.sh"
rm -f "$XDG_CONFIG_HOME/Kinsketch/Kinsketch.conf" # 自動, as for a new user

fits_without_scrolling() {
  import -window root "$program/fit.png"
  convert "$program/fit.png" -depth 8 rgb:- | python3 -c '
import sys
width, height = map(int, sys.argv[1].split("x"))
pixels = sys.stdin.buffer.read()
at = lambda x, y: pixels[3 * (y * width + x):3 * (y * width + x) + 3]
grey = bytes((0xAB, 0xAB, 0xAB))
rows = [y for y in range(height) if any(at(x, y) == grey for x in range(0, width, 2))]
if not rows: sys.exit("no workspace grey on the screen")
if not any(at(width - 1, y) == grey for y in range(rows[-1] + 1)): sys.exit("a vertical scroll bar")
for y in range(rows[-1] + 1, height):
    if len({at(x, y) for x in range(0, width - 40)}) > 1: sys.exit("a horizontal scroll bar at row %d" % y)
' "$1" || {
    cp "$program/fit.png" "${KINSKETCH_E2E_SHOTS:-/tmp}/screen_fit_failed.png" 2>/dev/null || true
    fail "$2: a window lies outside the screen"
  }
}

for screen in 1366x768 1920x1080; do
  # The server takes a display number that is free and says which.
  rm -f "$program/display"
  Xvfb -displayfd 5 -screen 0 "${screen}x24" -nolisten tcp -noreset 5>"$program/display" >/dev/null 2>&1 &
  server=$!
  for _ in $(seq 100); do [ -s "$program/display" ] && break; sleep 0.1; done
  display=":$(cat "$program/display")"
  for scale in 1 1.25 1.5; do
    for fixture in sample_family.gdr wide_family.gdr; do
      DISPLAY="$display" QT_SCALE_FACTOR="$scale" start_editing client "$fixture"
      for mode in 2 3 1; do
        DISPLAY="$display" xdotool key "ctrl+$mode"
        sleep 1
        DISPLAY="$display" fits_without_scrolling "$screen" "$screen at $scale, $fixture, input mode $mode"
      done
      kill_now
    done
  done
  kill "$server" 2>/dev/null || true
done
echo "自動 fits every window on both screens at every scaling, in both screen sizes and every input mode"
