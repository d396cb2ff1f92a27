#!/usr/bin/env bash
# Draws on the canvas of the real kinsketch in free mode as a person would:
# the switch bar's "自由線" opens the Tool Box, a pen stroke is dragged, a
# free figure is drawn as a triangle and closed at its start, and "一つ戻る"
# takes back the closing segment only; 保存, 決定 and はい then write them into
# the document and the picture. The child windows are reached at
# their places in the main window: the canvas client at (729, 170), the
# switch bar's third button at (184, 45), the Tool Box's figure button at
# (785, 58) and its undo button at (933, 39).
source "$(dirname "$0")/e2e_lib.sh"
binary="$1"
doc_tool="$2"
render_tool="$3"

use_program_folder "$binary"

# A press at $1,$2, moves through the points that follow, a release at the last.
drag() {
  xdotool mousemove "$1" "$2" mousedown 1
  shift 2
  while [ $# -ge 2 ]; do
    sleep 0.03
    xdotool mousemove "$1" "$2"
    shift 2
  done
  sleep 0.05
  xdotool mouseup 1
  sleep 0.3
}

"$program/kinsketch" new & pid=$!
wait_for_window "Kin Sketch" >/dev/null
sleep 2
xdotool mousemove 184 45 click 1 # 自由線
sleep 0.7
canvas_shot "$program/empty.png"

drag 760 190 780 200 800 210 820 220 840 230 860 240
canvas_shot "$program/stroke.png"
changed=$(differing_pixels "$program/empty.png" "$program/stroke.png")
[ "$changed" -gt 60 ] || fail "the pen stroke did not appear ($changed pixels changed)"
echo "stroke drawn: $changed pixels changed"

xdotool mousemove 785 58 click 1 # 自由図形
sleep 0.3
drag 800 400 850 400 900 400
drag 900 400 900 430 900 460
drag 900 460 850 430 803 403 # within 150 twips of the start: closes
canvas_shot "$program/triangle.png"
triangle=$(differing_pixels "$program/stroke.png" "$program/triangle.png")
[ "$triangle" -gt 200 ] || fail "the triangle did not appear ($triangle pixels changed)"
echo "triangle closed: $triangle pixels changed"

xdotool mousemove 933 39 click 1 # 一つ戻る
sleep 0.7
canvas_shot "$program/undone.png"
left=$(differing_pixels "$program/stroke.png" "$program/undone.png")
[ "$left" -gt 100 ] && [ "$left" -lt "$triangle" ] ||
  fail "one undo should take the closing segment only ($left of $triangle pixels left)"
[ "$(differing_pixels "$program/empty.png" "$program/undone.png")" -gt "$changed" ] || fail "undo took the pen stroke"
echo "undone: $left of $triangle pixels of the triangle left"

save_and_confirm
work="$program/imgTmp"
"$doc_tool" dump "$work/kinsketch.gdr" >"$program/saved.json"
python3 - "$program/saved.json" <<'PY' || fail "the saved strokes are not the ones drawn"
import json, sys
records = [r for r in json.load(open(sys.argv[1]))["FreeLine"]["Items"] if r["BorderWidth"]]
pen = [r for r in records if r["StrokeNo"] < 0]
figure = [r for r in records if r["StrokeNo"] > 0]
assert len(pen) == 7 and len({r["StrokeNo"] for r in pen}) == 1, pen   # press, five moves, release
assert len(figure) == 2 and len({r["StrokeNo"] for r in figure}) == 1, figure  # three sides, one undone
assert len(records) == len(pen) + len(figure), records
PY
"$render_tool" "$work/kinsketch.gdr" "$program/rendered.bmp"
cmp -s "$program/rendered.bmp" "$work/kinsketch.bmp" || fail "the picture differs from the saved document's"
echo "saved: the stroke and the two sides left of the triangle, in the document and the picture"
echo "1 passed, 0 failed"
