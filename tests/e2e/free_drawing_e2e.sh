#!/usr/bin/env bash
# Draws on the canvas of the real kinsketch in free mode as a person would:
# the switch bar's "自由線" opens the Tool Box, a pen stroke is dragged, a
# free figure is drawn as a triangle and closed at its start, and "一つ戻る"
# takes back the closing segment only; the save then writes them into the
# document and the picture. The Tool Box's figure button stands at (1097, 58)
# and its undo button at (1233, 39).
source "$(dirname "$0")/e2e_lib.sh"

start_editing new
click 184 45 0.7 # 自由線
canvas_shot empty

drag 760 197 780 207 800 217 820 227 840 237 860 247
canvas_shot stroke
changed=$(differing_pixels empty stroke)
[ "$changed" -gt 60 ] || fail "the pen stroke did not appear ($changed pixels changed)"

click 1097 58 0.3 # 自由図形
drag 800 407 850 407 900 407
drag 900 407 900 437 900 467
drag 900 467 850 437 803 410 # within 150 twips of the start: closes
canvas_shot triangle
triangle=$(differing_pixels stroke triangle)
[ "$triangle" -gt 200 ] || fail "the triangle did not appear ($triangle pixels changed)"

click 1233 39 0.7 # 一つ戻る
canvas_shot undone
left=$(differing_pixels stroke undone)
[ "$left" -gt 100 ] && [ "$left" -lt "$triangle" ] ||
  fail "one undo should take the closing segment only ($left of $triangle pixels left)"
[ "$(differing_pixels empty undone)" -gt "$changed" ] || fail "undo took the pen stroke"

save_and_confirm
dump kinsketch.gdr
python3 - "$program/kinsketch.json" <<'PY' || fail "the saved strokes are not the ones drawn"
import json, sys
records = [r for r in json.load(open(sys.argv[1]))["FreeLine"]["Items"] if r["BorderWidth"]]
pen = [r for r in records if r["StrokeNo"] < 0]
figure = [r for r in records if r["StrokeNo"] > 0]
assert len(pen) == 7 and len({r["StrokeNo"] for r in pen}) == 1, pen   # press, five moves, release
assert len(figure) == 2 and len({r["StrokeNo"] for r in figure}) == 1, figure  # three sides, one undone
assert len(records) == len(pen) + len(figure), records
PY
