#!/usr/bin/env bash
# Undo and redo with the real keyboard: on the handed-in sample a symbol is
# chosen, an age typed, a text added, an added line's end dragged and a pen
# stroke drawn; Ctrl+Z five times and a save write what saving the untouched
# document writes, and Ctrl+Z five times, Ctrl+Y five times and a save write
# what saving the five edits writes.
source "$(dirname "$0")/e2e_lib.sh"

keys() {
  for _ in 1 2 3 4 5; do
    xdotool key "$1"
    sleep 0.6
  done
}

# Saves what the run shows and keeps the document as $1.
save_as() {
  save_and_confirm
  cp "$work/kinsketch.gdr" "$program/$1.gdr"
}

start_editing client sample_family.gdr
save_as untouched

start_editing client sample_family.gdr
edit_five_times
save_as edited
"$doc_tool" dump "$program/untouched.gdr" >"$program/untouched.json"
"$doc_tool" dump "$program/edited.gdr" >"$program/edited.json"
python3 - "$program/untouched.json" "$program/edited.json" <<'PY' || fail "not every one of the five edits reached the document"
import json, sys
before, after = (json.load(open(p)) for p in sys.argv[1:3])
assert before["SymbolKey"][0] == "i000" and after["SymbolKey"][0] != "i000", "symbol"
assert after["AgeText"][3] == "42", "age"
assert "Memo" in [t["Caption"] for t in after["TextLabel"] if t["Used"]], "text"
assert after["AddLine"][0]["X2"] < before["AddLine"][0]["X2"], "line"
count = lambda doc: sum(1 for r in doc["FreeLine"]["Items"] if r["BorderWidth"])
assert count(after) > count(before), "stroke"
PY

start_editing client sample_family.gdr
edit_five_times
keys ctrl+z
save_as undone
cmp -s "$program/untouched.gdr" "$program/undone.gdr" || fail "five undos did not give back the handed-in document"

start_editing client sample_family.gdr
edit_five_times
keys ctrl+z
keys ctrl+y
save_as redone
cmp -s "$program/edited.gdr" "$program/redone.gdr" || fail "five redos did not give back the edited document"
