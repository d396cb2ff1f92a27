#!/usr/bin/env bash
# Five edits and a switch to WIDE on the handed-in sample, each a step of the history: six Ctrl+Z and a save write
# what saving the untouched document writes; six Ctrl+Z then six Ctrl+Y, what saving the edits writes. After the
# same edits and kill -9 the next start with the same name asks: Enter (復元する) brings the edits back; 破棄する
# asks once more, where Enter keeps the copy and only はい removes it. A new drawing's copy is offered, with its
# picture and no default, to the next new drawing; a start with another name asks nothing.
source "$(dirname "$0")/e2e_lib.sh"

copy="$work/.kinsketch-recovery/client.gdr"

edit_and_switch() { edit_five_times; click 625 51 2; } # the five edits, then 小⇔大

save_as() { save_and_confirm; cp "$work/kinsketch.gdr" "$program/$1.gdr"; }

# Presses $1 on the main window once for each step of edit_and_switch.
keys() { for _ in 1 2 3 4 5 6; do press_in_window "$(wait_for_window "Kin Sketch")" "$1"; sleep 1; done; }

start_editing client sample_family.gdr
save_as untouched
start_editing client sample_family.gdr
edit_and_switch
save_as edited
[ ! -e "$copy" ] || fail "a completed save left the recovery copy"
for run in untouched edited; do "$doc_tool" dump "$program/$run.gdr" >"$program/$run.json"; done
python3 - "$program/untouched.json" "$program/edited.json" <<'PY' || fail "not every one of the five edits reached the document"
import json, sys
before, after = (json.load(open(p)) for p in sys.argv[1:3])
assert before["SymbolKey"][0] == "i000" and after["SymbolKey"][0] != "i000", "symbol"
assert after["AgeText"][3] == "42", "age"
assert "Memo" in [t["Caption"] for t in after["TextLabel"] if t["Used"]], "text"
assert after["AddLine"][0]["X2"] < before["AddLine"][0]["X2"], "line"
count = lambda doc: sum(1 for r in doc["FreeLine"]["Items"] if r["BorderWidth"])
assert count(after) > count(before), "stroke"
assert before["ScreenMode"] == "" and after["ScreenMode"] == "WIDE", "小⇔大"
PY

for run in undone redone; do
  start_editing client sample_family.gdr
  edit_and_switch
  keys ctrl+z
  [ "$run" = undone ] || keys ctrl+y
  save_as "$run"
done
cmp -s "$program/untouched.gdr" "$program/undone.gdr" || fail "six undos did not give back the handed-in document"
cmp -s "$program/edited.gdr" "$program/redone.gdr" || fail "six redos did not give back the edited document"

start_editing client sample_family.gdr
edit_and_switch
sleep 2
[ -s "$copy" ] || fail "no recovery copy two seconds after the last edit"
kill_now
cp "$copy.from" "$program/origin" # what the edits started from: the copy is this document's own
launch client # the recovery question comes before the editing screen
answer Return # 復元する, the default
editing_screen_up
save_as recovered
cmp -s "$program/edited.gdr" "$program/recovered.gdr" || fail "the recovered edits saved otherwise than the edits"

mkdir -p "$(dirname "$copy")"
cp "$program/edited.gdr" "$copy"
cp "$program/origin" "$copy.from"
launch client
answer Tab space # 破棄する
answer Return # いいえ, the default of the second question
[ -e "$copy" ] || fail "破棄する and Enter removed the copy"
answer Tab space # 破棄する, asked anew
answer_yes
editing_screen_up
[ ! -e "$copy" ] || fail "the recovery copy discarded twice is still there"
save_as declined
cmp -s "$program/untouched.gdr" "$program/declined.gdr" || fail "破棄する did not open the handed-in document"

new_copy="$work/.kinsketch-recovery/new..drawing.gdr"
start_editing new
click 576 244 0.6 && xdotool type --delay 100 "42" && sleep 2.5
[ -s "$new_copy" ] || fail "a new drawing has no recovery copy two seconds after an edit"
kill_now
launch new
question="$(wait_for_window "Kinsketch")"
answer Return
[ -n "$(windows_named Kinsketch)" ] || fail "Enter answered the new drawing's question"
height="$(xdotool getwindowgeometry "$question" | sed -n 's/.*Geometry: [0-9]*x\([0-9]*\).*/\1/p')"
[ "$height" -ge 300 ] || fail "the new drawing's question is ${height}px tall: no picture in it"
press_in_window "$question" shift+Tab space # 復元する
editing_screen_up
save_and_confirm
dump kinsketch.gdr
grep -q '"42"' "$program/kinsketch.json" || fail "復元する did not bring back the new drawing's age"
[ ! -e "$new_copy" ] || fail "the new drawing's copy outlived its save"

cp "$program/edited.gdr" "$copy"
cp "$fixtures/sample_family.gdr" "$work/other.gdr"
start_editing other
[ -z "$(windows_named Kinsketch)" ] || fail "a start with 'other' asked about client's edits"
kill_now
cmp -s "$program/edited.gdr" "$copy" || fail "a start with another name touched client's recovery copy"
