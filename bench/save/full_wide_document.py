#!/usr/bin/env python3
"""Writes the JSON of a full WIDE document for kinsketch-doc write: every slot
and line used, 99 texts, 100 added lines and 50 000 pen-stroke records."""
import json
import subprocess
import sys

doc_tool, out = sys.argv[1], sys.argv[2]
subprocess.run([doc_tool, "new", out], check=True)
doc = json.loads(subprocess.run([doc_tool, "dump", out], check=True, capture_output=True).stdout)
doc["ScreenMode"] = "WIDE"
doc["SymbolKey"] = ["i1%02d" % (1 + i % 14 if 1 + i % 14 not in (5, 6) else 1) for i in range(37)]
doc["AgeText"] = ["%d歳" % (20 + i) for i in range(37)]
doc["RelText"] = ["続柄%d" % i for i in range(37)]
doc["LineTag"] = [1 + i % 9 for i in range(121)]
doc["CohabitFlag"] = [1 if i % 3 == 0 else 0 for i in range(37)]
for i in range(1, 100):
    doc["TextLabel"][i].update(Caption="注記%02d 長男の妻が主介護者" % i, FontName="ＭＳ Ｐゴシック", FontSize=9,
                               Left=float(60 * (i % 100)), Top=float(55 * i), Width=1800.0, Height=200.0, Used=True)
for i in range(100):
    doc["AddLine"][i].update(Used=True, X1=float(60 * i), Y1=100.0, X2=float(60 * i + 500), Y2=6000.0)
doc["FreeLine"] = {"LowerBound": 1, "Items": [
    {"X1": float(i % 7000), "Y1": float((i * 7) % 6100), "X2": 0.0, "Y2": 0.0, "BorderWidth": 2,
     "BorderColor": 255, "StrokeNo": -(1 + i // 50)} for i in range(50000)]}
json.dump(doc, open(out + ".json", "w"), ensure_ascii=False)
subprocess.run([doc_tool, "write", out + ".json", out], check=True)
