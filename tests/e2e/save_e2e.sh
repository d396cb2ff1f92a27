#!/usr/bin/env bash
# Saves from the real kinsketch as the host uses it: a handed-in document,
# 保存, 決定 and はい; then the program has ended and left the document and the
# picture the tools predict. Then キャンセル back to editing and 終了; then a
# working document that cannot be written, reported with editing resumed.
# The child windows are reached at their places in the maximised main window:
# 保存 (251, 52), 終了 (300, 52), and in the confirmation 決定 (425, 647) and
# キャンセル (563, 647).
source "$(dirname "$0")/e2e_lib.sh"
binary="$1"
fixtures="$2"
doc_tool="$3"
render_tool="$4"

use_program_folder "$binary"
work="$program/imgTmp"

start_client() {
  cp "$fixtures/sample_family.gdr" "$work/client.gdr"
  "$program/kinsketch" client & pid=$!
  wait_for_window "Kin Sketch" >/dev/null
  sleep 2
}
click() { xdotool mousemove "$1" "$2" click 1; sleep 1; }

# 1. 保存, 決定, はい: the program ends with both files written.
start_client
save_and_confirm
[ "$exit_status" = 0 ] || fail "the program ended with status $exit_status"
[ -f "$work/kinsketch.bmp" ] || fail "no picture written"
"$doc_tool" dump "$work/client.gdr" >"$program/handed_in.json"
"$doc_tool" dump "$work/kinsketch.gdr" >"$program/saved.json"
python3 - "$program/handed_in.json" "$program/saved.json" <<'PY' || fail "the saved document is not the one predicted"
import json, sys
handed_in, saved = (json.load(open(p)) for p in sys.argv[1:3])
assert saved["Version"] == "300", saved["Version"]
assert any(saved["CohabitSeg"]), "the cohabitation frame was not rebuilt from the marks"
for doc in (handed_in, saved):
    del doc["CohabitSeg"]
assert handed_in == saved, [k for k in saved if saved[k] != handed_in.get(k)]
PY
"$render_tool" "$work/kinsketch.gdr" "$program/rendered.bmp"
cmp -s "$program/rendered.bmp" "$work/kinsketch.bmp" || fail "the picture differs from kinsketch-render of the saved document"
echo "saved and confirmed: document and picture as predicted"

# 2. キャンセル returns to editing; 終了 and はい end without a picture.
rm -f "$work"/kinsketch.*
start_client
click 251 52 # 保存
click 563 647 # キャンセル
[ -f "$work/kinsketch.gdr" ] || fail "保存 did not write the working document"
click 300 52 # 終了, on the menu bar that キャンセル brought back
answer_yes
wait_for_exit "$pid"
status=$exit_status
pid=""
[ ! -f "$work/kinsketch.bmp" ] || fail "終了 after キャンセル wrote a picture"
echo "cancelled, then ended without a picture"

# 3. A working document that cannot be written: the error, then editing again.
rm -f "$work"/kinsketch.*
start_client
mkdir -p "$work/kinsketch.gdr/in-the-way" # the save cannot replace a folder
click 251 52 # 保存
box=$(wait_for_window "Error At clsGdrOpe.WriteGdrFile" 5)
press_in_window "$box" Return
sleep 0.5
rm -rf "$work/kinsketch.gdr"
click 251 52 # 保存 again, from the menu bar still on show
click 425 647 # 決定
answer_yes
wait_for_exit "$pid"
status=$exit_status
pid=""
[ -f "$work/kinsketch.gdr" ] && [ -f "$work/kinsketch.bmp" ] || fail "the second save did not write both files"
echo "a failed write was reported and the next save succeeded"
echo "1 passed, 0 failed"
