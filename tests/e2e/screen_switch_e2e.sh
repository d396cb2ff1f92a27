#!/usr/bin/env bash
# Switches a WIDE document to the normal screen in the real kinsketch: 小⇔大,
# はい to both questions, then the save. The saved document is the handed-in
# one without what lay beyond the normal screen, and the picture has the
# normal canvas's size.
source "$(dirname "$0")/e2e_lib.sh"

start_editing client wide_family.gdr
click 422 43 # 小⇔大
answer_yes
answer_yes
save_and_confirm
dump client.gdr
dump kinsketch.gdr
python3 - "$program/client.json" "$program/kinsketch.json" "$work/kinsketch.bmp" <<'PY' || fail "the saved document or picture is not the one predicted"
import json, struct, sys
handed_in, saved = (json.load(open(p)) for p in sys.argv[1:3])
assert struct.unpack("<ii", open(sys.argv[3], "rb").read(26)[18:26]) == (286, 338), "not the normal canvas's size"
outside = lambda x, y: x > 4300 or y > 5070
predicted = dict(handed_in, ScreenMode="")
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
