#!/usr/bin/env bash
# Saves from the real kinsketch as the host uses it: a handed-in document saved and confirmed is the document and the
# picture the tools predict; キャンセル goes back to editing and 終了 ends without a picture; a working document that cannot
# be written is reported with editing resumed.
source "$(dirname "$0")/e2e_lib.sh"

start_editing client sample_family.gdr
save_and_confirm
dump client.gdr
dump kinsketch.gdr
python3 - "$program/client.json" "$program/kinsketch.json" <<'PY' || fail "the saved document is not the one predicted"
import json, sys
handed_in, saved = (json.load(open(p)) for p in sys.argv[1:3])
assert saved["Version"] == "300", saved["Version"]
assert any(saved["CohabitSeg"]), "the cohabitation frame was not rebuilt from the marks"
for doc in (handed_in, saved):
    del doc["CohabitSeg"]
assert handed_in == saved, [k for k in saved if saved[k] != handed_in.get(k)]
PY

rm -f "$work"/kinsketch.*
start_editing client
click 256 51 # 保存
click 563 647 # キャンセル
[ -f "$work/kinsketch.gdr" ] || fail "保存 did not write the working document"
click 306 51 # 終了, on the menu bar that キャンセル brought back
answer_yes
ended_well
[ ! -f "$work/kinsketch.bmp" ] || fail "終了 after キャンセル wrote a picture"

rm -f "$work"/kinsketch.*
start_editing client
mkdir -p "$work/kinsketch.gdr/in-the-way" # the save cannot replace a folder
click 256 51 # 保存
press_in_window "$(wait_for_window "Error At clsGdrOpe.WriteGdrFile" 5)" Return
sleep 0.5
rm -rf "$work/kinsketch.gdr"
save_and_confirm # from the menu bar still on show
