#!/usr/bin/env python3
"""Writes the sample and fixture documents byte by byte from the file layout.

This writer is independent of the program's codec on purpose: the tests read
its output, so the two implementations check each other. Run it again after
changing a document here:  python3 scripts/make_fixture_documents.py
"""
import pathlib
import struct

ROOT = pathlib.Path(__file__).resolve().parent.parent


def text(s):
    b = s.encode("cp932")
    return struct.pack("<H", len(b)) + b


def boolean(v):
    return struct.pack("<h", -1 if v else 0)


def text_label(caption="", alignment=0, font="", size=0, bold=False, italic=False, strike=False,
               underline=False, colour=0, left=0.0, top=0.0, width=0.0, height=0.0, used=False):
    return (text(caption) + bytes([alignment]) + text(font) + bytes([size]) + boolean(bold) + boolean(italic)
            + boolean(strike) + boolean(underline) + struct.pack("<I4f", colour, left, top, width, height)
            + boolean(used))


def add_line(used=False, x1=0.0, x2=0.0, y1=0.0, y2=0.0):
    return boolean(used) + struct.pack("<4f", x1, x2, y1, y2)


def dynamic(items, lower=1):
    if items is None:
        return struct.pack("<h", 0)
    return struct.pack("<hii", 1, len(items), lower) + b"".join(items)


def free_line(x1, y1, x2, y2, width, colour, stroke):
    return struct.pack("<4fiIi", x1, y1, x2, y2, width, colour, stroke)


def document(slots, lines, labels, add_lines, cohabit_flags, screen_mode="", strokes=None, version="300",
             slot_count=37, line_count=121, seg_count=120, with_tail=True, with_free_line=True, is_new=False):
    keys = ["i000"] * slot_count
    ages = [""] * slot_count
    rels = [""] * slot_count
    for i, (key, age, rel) in slots.items():
        keys[i], ages[i], rels[i] = key, age, rel
    tags = [0] * line_count
    for k, style in lines.items():
        tags[k] = style
    out = b"".join(text(k) for k in keys) + b"".join(text(a) for a in ages) + b"".join(text(r) for r in rels)
    out += bytes(tags)
    label_bytes = [text_label() for _ in range(101)]
    for i, label in labels.items():
        label_bytes[i] = text_label(**label)
    out += b"".join(label_bytes)
    line_bytes = [add_line() for _ in range(100)]
    for i, line in enumerate(add_lines):
        line_bytes[i] = add_line(True, *line)
    out += b"".join(line_bytes)
    out += bytes(10 * 100)               # WakuPoint: no drawn frames
    out += dynamic(None)                 # WakuDots undimensioned
    out += bytes(seg_count)              # CohabitSeg: rebuilt from the marks when opened
    out += bytes([0]) + boolean(is_new)  # DocWakuMode, IsNew
    if not with_tail:
        return out
    flags = [0] * 37
    for i in cohabit_flags:
        flags[i] = 1
    out += bytes(flags) + text(screen_mode)
    if with_free_line:
        out += dynamic(strokes if strokes else [free_line(0, 0, 0, 0, 0, 0, 0)])
    return out + text(version)


FONT = "ＭＳ Ｐゴシック"

SAMPLE_FAMILY = dict(
    slots={1: ("i107", "享年80", "夫"), 2: ("i104", "85歳", "本人"), 5: ("i101", "60歳", "長男"),
           6: ("i102", "58歳", "長男の妻"), 7: ("i102", "55歳", "長女"), 10: ("i101", "30歳", "孫")},
    lines={8: 1, 11: 1, 14: 1, 15: 1, 18: 1, 20: 1, 23: 1, 27: 1, 34: 1},
    labels={1: dict(caption="主介護者：長男の妻", font=FONT, size=9, colour=0, left=2300.0, top=3650.0,
                    width=1725.0, height=180.0, used=True),
            2: dict(caption="長女は市内在住（週1回訪問）", font=FONT, size=9, colour=0x0000C0, left=100.0,
                    top=4860.0, width=1950.0, height=180.0, used=True)},
    add_lines=[(2900.0, 3600.0, 3300.0, 3300.0)],
    cohabit_flags=[2, 5, 6],
)


def strokes_triangle():
    pts = [(5200.0, 5400.0), (5800.0, 5400.0), (5500.0, 5900.0)]
    recs = []
    for n, (x, y) in enumerate(pts):
        nx, ny = pts[(n + 1) % 3]
        recs.append(free_line(x, y, nx, ny, 2, 0x0000FF, -1))
    recs.append(free_line(600.0, 5500.0, 600.0, 5500.0, 3, 0xFF0000, 1))
    recs.append(free_line(700.0, 5600.0, 0.0, 0.0, 3, 0xFF0000, 1))
    recs.append(free_line(800.0, 5650.0, 0.0, 0.0, 3, 0xFF0000, 1))
    return recs


WIDE_FAMILY = dict(
    slots={**SAMPLE_FAMILY["slots"], 20: ("i108", "70歳", "妹"), 25: ("i111", "", "不明"), 33: ("i113", "5歳", "ひ孫")},
    lines={**SAMPLE_FAMILY["lines"], 60: 5, 110: 2},
    labels={**SAMPLE_FAMILY["labels"], 3: dict(caption="WIDE のみの注記", font=FONT, size=11, bold=True,
                                               left=5200.0, top=4800.0, width=1500.0, height=220.0, used=True)},
    add_lines=SAMPLE_FAMILY["add_lines"] + [(4500.0, 6500.0, 4400.0, 4400.0)],
    cohabit_flags=[2, 5, 6, 20],
    screen_mode="WIDE",
    strokes=strokes_triangle(),
)


def write(path, data):
    path.parent.mkdir(parents=True, exist_ok=True)
    path.write_bytes(data)
    print(f"{path.relative_to(ROOT)}: {len(data)} bytes")


def main():
    sample = document(**SAMPLE_FAMILY)
    write(ROOT / "samples" / "sample_family.gdr", sample)
    fixtures = ROOT / "tests" / "fixtures" / "documents"
    write(fixtures / "sample_family.gdr", sample)
    write(fixtures / "wide_family.gdr", document(**WIDE_FAMILY))
    write(fixtures / "pre202_family.gdr", document(**SAMPLE_FAMILY, version="NEW", with_free_line=False))
    rows18 = {k: v for k, v in SAMPLE_FAMILY.items()}
    write(fixtures / "rows18_family.gdr",
          document(**rows18, slot_count=18, line_count=52, seg_count=61, with_tail=False))


if __name__ == "__main__":
    main()
