#!/usr/bin/env python3
"""Writes the edge-case seed documents of the document fuzz targets into
fuzz/corpus/gdr, with the fixture writer, so that the fuzzers start from the
corners a damaged or hand-made document reaches: stroke arrays numbered near
the ends of the 32-bit range, a byte pair the code page holds no character
for, coordinates no painter can convert, and files cut short.
Run again after changing a seed:  python3 scripts/make_fuzz_seeds.py
"""
import pathlib
import struct
import sys

ROOT = pathlib.Path(__file__).resolve().parent.parent
sys.path.insert(0, str(ROOT / "scripts"))
import make_fixture_documents as gdr  # noqa: E402

NAN, INF, HUGE = float("nan"), float("inf"), 3.0e38


def raw_text(b):
    return struct.pack("<H", len(b)) + b


def with_strokes(strokes, lower):
    doc = gdr.document(**{**gdr.WIDE_FAMILY, "strokes": None})
    tail = gdr.dynamic([gdr.free_line(0, 0, 0, 0, 0, 0, 0)]) + gdr.text("300")
    assert doc.endswith(tail)
    return doc[: -len(tail)] + gdr.dynamic(strokes, lower) + gdr.text("300")


def main():
    out = ROOT / "fuzz" / "corpus" / "gdr"
    triangle = gdr.strokes_triangle()
    seeds = {
        "strokes_lower_bound_near_max.gdr": with_strokes(triangle, 2**31 - 6),
        "strokes_upper_bound_past_max.gdr": with_strokes(triangle, 2**31 - 3),
        "strokes_lower_bound_min.gdr": with_strokes(triangle, -(2**31)),
        "strokes_count_beyond_file.gdr": with_strokes(triangle, 1)[:-4 - 6 * 28]
        .replace(struct.pack("<hii", 1, 6, 1), struct.pack("<hii", 1, 2**31 - 1, 1)),
        "strokes_not_finite.gdr": with_strokes(
            [gdr.free_line(NAN, 100.0, INF, -INF, 2, 0xFF, -1), gdr.free_line(HUGE, -HUGE, 1e9, 5.0, 2**31 - 1, 0, 1),
             gdr.free_line(5.0, 5.0, 6.0, 6.0, -(2**31), 0, 1)], 1),
        "cut_short_in_strokes.gdr": gdr.document(**gdr.WIDE_FAMILY)[:-40],
        "cut_short_in_version.gdr": gdr.document(**gdr.SAMPLE_FAMILY)[:-2],
    }
    labels = {**gdr.SAMPLE_FAMILY["labels"],
              3: dict(caption="x", font=gdr.FONT, size=255, left=NAN, top=INF, width=-INF, height=HUGE, used=True),
              4: dict(caption="y", font=gdr.FONT, size=9, left=-HUGE, top=1e10, width=1e10, height=-1.0, used=True)}
    seeds["not_finite_texts_and_lines.gdr"] = gdr.document(
        **{**gdr.WIDE_FAMILY, "labels": labels,
           "add_lines": [(NAN, INF, -INF, HUGE), (-HUGE, 1e10, 0.0, -1e10), (1.0, 1.0, 1.0, 1.0)]})
    for name, base in (("current", {}), ("pre202", dict(version="NEW", with_free_line=False)),
                       ("rows18", dict(slot_count=18, line_count=52, seg_count=61, with_tail=False))):
        doc = gdr.document(**{**gdr.SAMPLE_FAMILY, **base})
        caption = gdr.text("長女は市内在住（週1回訪問）")
        assert caption in doc
        seeds[f"unreadable_caption_{name}.gdr"] = doc.replace(caption, raw_text(b"ab\x82\x20cd\x82"), 1)
    for name, data in seeds.items():
        gdr.write(out / name, data)


if __name__ == "__main__":
    main()
