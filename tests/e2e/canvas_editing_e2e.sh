#!/usr/bin/env bash
# Edits the canvas of the real kinsketch as a person would: a click on the
# canvas opens the text dialog, Escape cancels it without a trace, "決定"
# puts the text on the canvas; the switch bar's "線追加" and the line tool's
# button then draw a line, one of its handles is dragged, and 保存, 決定 and
# はい write a document and a picture that hold both. The child windows are not windows of their own
# to the X server, so they are reached at their places in the main window:
# the canvas client at (729, 170), the switch bar's second button at
# (112, 45) and the line tool's button at (673, 41) — the twips places of
# the windows plus their MDI frames.
source "$(dirname "$0")/e2e_lib.sh"
binary="$1"
doc_tool="$2"
render_tool="$3"

use_program_folder "$binary"


"$program/kinsketch" new & pid=$!
wait_for_window "Kin Sketch" >/dev/null
sleep 2
canvas_shot "$program/empty.png"

xdotool mousemove 760 195 click 1
dialog=$(wait_for_window "文字の指定" 5)
press_in_window "$dialog" Escape
sleep 0.5
[ -z "$(windows_named "文字の指定")" ] || fail "Escape left the text dialog open"
canvas_shot "$program/cancelled.png"
[ "$(differing_pixels "$program/empty.png" "$program/cancelled.png")" = 0 ] || fail "a cancelled text changed the canvas"

xdotool mousemove 760 195 click 1
dialog=$(wait_for_window "文字の指定" 5)
sleep 0.3
xdotool type --delay 30 "家族Kazoku"
eval "$(xdotool getwindowgeometry --shell "$dialog")"
xdotool mousemove $((X + 420)) $((Y + 135)) click 1 # 決定
sleep 0.7
[ -z "$(windows_named "文字の指定")" ] || fail "決定 left the text dialog open"
canvas_shot "$program/text.png"
changed=$(differing_pixels "$program/empty.png" "$program/text.png")
[ "$changed" -gt 50 ] || fail "the text did not appear on the canvas ($changed pixels changed)"
echo "text placed: $changed pixels changed"

xdotool mousemove 112 45 click 1 # 線追加 on the switch bar
sleep 0.5
xdotool mousemove 673 41 click 1 # 線追加 in the line tool window
sleep 0.7
canvas_shot "$program/line.png"
changed=$(differing_pixels "$program/text.png" "$program/line.png")
[ "$changed" -gt 100 ] || fail "no line appeared on the canvas ($changed pixels changed)"
echo "line added: $changed pixels changed"

# The new line runs from (1000, 1000) to (3500, 3500) twips; its second
# handle is dragged left and down.
xdotool mousemove 966 407 mousedown 1
sleep 0.1
xdotool mousemove 930 430
sleep 0.1
xdotool mousemove 900 450 mouseup 1
sleep 0.5

save_and_confirm
work="$program/imgTmp"
"$doc_tool" dump "$work/kinsketch.gdr" >"$program/saved.json"
python3 - "$program/saved.json" <<'PY' || fail "the saved document does not hold the text and the line"
import json, sys
doc = json.load(open(sys.argv[1]))
text = doc["TextLabel"][1]
assert text["Used"] and text["Caption"] == "家族Kazoku", text
assert (text["Left"], text["Top"]) == (435, 360), text  # the click, in twips of the canvas
assert not doc["TextLabel"][2]["Used"]
line = doc["AddLine"][0]
assert line["Used"] and (line["X1"], line["Y1"]) == (1000, 1000), line
assert line["X2"] < 3500 and line["Y2"] > 3500, line
assert not doc["AddLine"][1]["Used"]
PY
"$render_tool" "$work/kinsketch.gdr" "$program/rendered.bmp"
cmp -s "$program/rendered.bmp" "$work/kinsketch.bmp" || fail "the picture differs from the saved document's"
echo "saved: the document and the picture hold the text and the moved line"
echo "1 passed, 0 failed"
