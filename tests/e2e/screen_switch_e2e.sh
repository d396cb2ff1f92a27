#!/usr/bin/env bash
# 小⇔大 on a WIDE document in the real kinsketch, はい to both questions, then the save: the handed-in document
# without what lay beyond the normal screen, in a picture of the normal canvas's size. The same switch then Ctrl+Z
# gives back the WIDE screen whole: the save writes what saving the untouched document writes, byte for byte.
source "$(dirname "$0")/e2e_lib.sh"

start_editing client wide_family.gdr
click 625 51 # 小⇔大
answer_yes
answer_yes
save_and_confirm
dump client.gdr
dump kinsketch.gdr
python3 - "$program/client.json" "$program/kinsketch.json" "$work/kinsketch.bmp" <<'PY' || fail "the saved document or picture is not the one predicted"
import json, struct, sys
handed_in, saved = (json.load(open(p)) for p in sys.argv[1:3])
assert struct.unpack("<ii", open(sys.argv[3], "rb").read(26)[18:26]) == (286, 338), "not the normal canvas's size"
for key, empty, kept in (("SymbolKey", "i000", 18), ("AgeText", "", 18), ("RelText", "", 18), ("CohabitFlag", 0, 18),
                         ("LineTag", 0, 52), ("CohabitSeg", 0, 66)):
    assert saved[key][kept:] == [empty] * (len(saved[key]) - kept), key
    assert key == "CohabitSeg" or saved[key][:kept] == handed_in[key][:kept], key
inside = lambda x, y: x <= 4300 and y <= 5070
used = lambda doc, key: [t for t in doc[key] if t["Used"]]
assert used(saved, "TextLabel") == [t for t in used(handed_in, "TextLabel") if inside(t["Left"], t["Top"])]
assert used(saved, "AddLine") == [l for l in used(handed_in, "AddLine") if inside(l["X1"], l["Y1"]) or inside(l["X2"], l["Y2"])]
assert not any(s["BorderWidth"] for s in saved["FreeLine"]["Items"]), "a stroke outside the normal screen was kept"
assert saved.pop("ScreenMode") == "" and len(used(saved, "AddLine")) < len(used(handed_in, "AddLine"))
for doc in (handed_in, saved):
    for key in ("ScreenMode", "SymbolKey", "AgeText", "RelText", "CohabitFlag", "LineTag", "CohabitSeg", "TextLabel",
                "AddLine", "FreeLine", "FreeLineCount"):
        doc.pop(key, None)
assert handed_in == saved, [k for k in saved if saved[k] != handed_in.get(k)]
PY

cp "$work/kinsketch.gdr" "$program/switched.gdr"
start_editing client wide_family.gdr
save_and_confirm
cp "$work/kinsketch.gdr" "$program/untouched.gdr"
start_editing client wide_family.gdr
click 625 51 # 小⇔大
answer_yes
answer_yes
press_in_window "$(wait_for_window "Kin Sketch")" ctrl+z
sleep 1.5
save_and_confirm
cmp -s "$program/untouched.gdr" "$work/kinsketch.gdr" || fail "Ctrl+Z after 小⇔大 did not give back the WIDE document whole"
