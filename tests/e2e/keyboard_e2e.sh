#!/usr/bin/env bash
# The same drawing made with the mouse, then with the keyboard alone: a symbol, age and remark for slot 0 (its boxes
# at (168, 221), (168, 244) and (168, 261)), the three input modes in turn, a text placed and moved, 保存 and 決定;
# the two documents must be the same byte for byte. With no window manager, the script gives the focus to each new
# top-level window (the main window, the text dialog, the question box), as one would.
source "$(dirname "$0")/e2e_lib.sh"

main_window() { wait_for_window "Kin Sketch" 5; }

start_editing new
click 168 221 0.6 && xdotool key --delay 100 Down Down Return && sleep 0.6
click 168 244 0.4 && xdotool type --delay 60 "42"
click 168 261 0.4 && xdotool type --delay 60 "nagao"
click 112 45 0.5 # 線追加
click 184 45 0.5 # 自由線
click 40 45 0.5  # 文字追加
click 761 191 0  # the text at (450, 195) twips
enter_text Memo
save_and_confirm
cp "$work/kinsketch.gdr" "$program/by_mouse.gdr"
rm -f "$work/kinsketch.gdr" "$work/kinsketch.bmp"

start_editing new
# F6 three times from the screen switch, opened last, reaches slot 0's symbol chooser; Space opens its list.
press_in_window "$(main_window)" --delay 150 F6 F6 F6 space Down Down Return Down 4 2 Down n a g a o
# F6 to the canvas; Insert places a text, which the arrows move from (150, 150) twips 20 px right and 3 down.
press_in_window "$(main_window)" --delay 150 F6 Insert
dialog=$(wait_for_window "文字の指定" 5)
# Tab from the text past the four style boxes to 決定.
press_in_window "$dialog" --delay 60 M e m o Tab Tab Tab Tab Tab space
sleep 0.7
press_in_window "$(main_window)" --delay 150 shift+Right shift+Right Down Down Down ctrl+2 ctrl+3 ctrl+1 ctrl+s
sleep 1
press_in_window "$(main_window)" Return # 決定, where the confirmation puts the focus
answer_yes
ended_well
cmp "$program/by_mouse.gdr" "$work/kinsketch.gdr" ||
  fail "the document made with the keyboard differs from the one made with the mouse: $("$doc_tool" dump "$work/kinsketch.gdr" | head -c 600)"
echo "the keyboard alone made the mouse's document"
