#!/usr/bin/env bash
# Switches a WIDE document to the normal screen in the real kinsketch: 小⇔大,
# はい to both questions, then 保存, 決定 and はい. The saved document is the
# handed-in one without what lay beyond the normal screen, and the picture has
# the normal canvas's size. In the maximised main window 小⇔大 stands at
# (422, 43), 保存 at (251, 52) and the confirmation's 決定 at (425, 647).
source "$(dirname "$0")/e2e_lib.sh"
binary="$1"
fixtures="$2"
doc_tool="$3"
render_tool="$4"

program="$(make_program_folder "$binary")"
pid=""
cleanup() {
  [ -n "$pid" ] && kill "$pid" 2>/dev/null || true
  rm -rf "$program"
}
trap cleanup EXIT
work="$program/imgTmp"

click() { xdotool mousemove "$1" "$2" click 1; sleep 1; }
# Answers the open question with はい (the default button is いいえ).
answer_yes() {
  local box
  box=$(wait_for_window "Kinsketch" 5)
  press_in_window "$box" shift+Tab space
  sleep 1
}

cp "$fixtures/wide_family.gdr" "$work/client.gdr"
"$program/kinsketch" client & pid=$!
wait_for_window "Kin Sketch" >/dev/null
sleep 2
click 422 43 # 小⇔大
answer_yes
answer_yes
click 251 52 # 保存
click 425 647 # 決定
answer_yes
wait_for_exit "$pid"
status=$exit_status
pid=""
[ "$status" = 0 ] || fail "the program ended with status $status"
[ -f "$work/kinsketch.bmp" ] || fail "no picture written"

"$doc_tool" dump "$work/client.gdr" >"$program/handed_in.json"
"$doc_tool" dump "$work/kinsketch.gdr" >"$program/saved.json"
python3 - "$program/handed_in.json" "$program/saved.json" <<'PY' || fail "the saved document is not the one predicted"
import json, sys
handed_in, saved = (json.load(open(p)) for p in sys.argv[1:3])
outside = lambda x, y: x > 4300 or y > 5070
predicted = dict(handed_in)
predicted["ScreenMode"] = ""
for row in range(18, 37):
    predicted["SymbolKey"][row] = "i000"
    predicted["AgeText"][row] = predicted["RelText"][row] = ""
    predicted["CohabitFlag"][row] = 0
predicted["LineTag"][52:] = [0] * 69
empty_text = dict(handed_in["TextLabel"][0])
texts = [t for t in handed_in["TextLabel"][1:] if t["Used"] and not outside(t["Left"], t["Top"])]
assert len(texts) < sum(t["Used"] for t in handed_in["TextLabel"]), "the fixture has no text to drop"
predicted["TextLabel"] = [empty_text] + texts + [empty_text] * (100 - len(texts))
empty_line = {"Used": False, "X1": 0, "X2": 0, "Y1": 0, "Y2": 0}
lines = [l for l in handed_in["AddLine"] if l["Used"] and not (outside(l["X1"], l["Y1"]) and outside(l["X2"], l["Y2"]))]
predicted["AddLine"] = lines + [empty_line] * (100 - len(lines))
# Every stroke of the fixture lies outside: the list keeps its length, cleared.
strokes = handed_in["FreeLine"]["Items"]
assert all(outside(s["X1"], s["Y1"]) for s in strokes), "the fixture has a stroke inside"
predicted["FreeLine"]["Items"] = [dict({k: 0 for k in s}, StrokeNo=s["StrokeNo"]) for s in strokes]
assert not any(saved["CohabitSeg"][66:]), "a large-only frame segment was kept"
for doc in (predicted, saved):
    del doc["CohabitSeg"], doc["FreeLineCount"]
assert predicted == saved, [k for k in saved if saved[k] != predicted.get(k)]
PY
"$render_tool" "$work/kinsketch.gdr" "$program/rendered.bmp"
cmp -s "$program/rendered.bmp" "$work/kinsketch.bmp" || fail "the picture differs from kinsketch-render of the saved document"
"$render_tool" "$fixtures/sample_family.gdr" "$program/normal.bmp"
size() { python3 -c "import struct,sys; d=open(sys.argv[1],'rb').read(26); print(struct.unpack('<ii', d[18:26]))" "$1"; }
[ "$(size "$work/kinsketch.bmp")" = "$(size "$program/normal.bmp")" ] || fail "the picture is not of the normal size"
echo "switched to the normal screen, saved and confirmed: document and picture as predicted"
echo "1 passed, 0 failed"
