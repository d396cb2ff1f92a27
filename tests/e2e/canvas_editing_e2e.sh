#!/usr/bin/env bash
# Edits the canvas of the real kinsketch: a click opens the text dialog, Escape cancels it without a trace, 決定
# puts the text on the canvas; the switch bar's 線追加 and the line tool's button (1011, 41) draw a line, one of
# its handles is dragged, and the save writes a document and a picture that hold both.
source "$(dirname "$0")/e2e_lib.sh"

start_editing new
canvas_shot empty

click 760 202 0
press_in_window "$(wait_for_window "文字の指定" 5)" Escape
sleep 0.5
[ -z "$(windows_named "文字の指定")" ] || fail "Escape left the text dialog open"
canvas_shot cancelled
[ "$(differing_pixels empty cancelled)" = 0 ] || fail "a cancelled text changed the canvas"

click 760 202 0
enter_text "家族Kazoku"
[ -z "$(windows_named "文字の指定")" ] || fail "決定 left the text dialog open"
canvas_shot text
changed=$(differing_pixels empty text)
[ "$changed" -gt 50 ] || fail "the text did not appear on the canvas ($changed pixels changed)"

click 112 45 0.5 # 線追加 on the switch bar
click 1011 41 0.7 # 線追加 in the line tool window
canvas_shot line
changed=$(differing_pixels text line)
[ "$changed" -gt 100 ] || fail "no line appeared on the canvas ($changed pixels changed)"

# The new line runs from (1000, 1000) to (3500, 3500) twips; its second handle is dragged left and down.
xdotool mousemove 966 414 mousedown 1 sleep 0.1 mousemove 930 437 sleep 0.1 mousemove 900 457 mouseup 1
sleep 0.5

save_and_confirm
dump kinsketch.gdr
python3 - "$program/kinsketch.json" <<'PY' || fail "the saved document does not hold the text and the line"
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
