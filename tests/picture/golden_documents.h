#pragma once
// The documents of the reference pictures, built in code to be read here; regeneration writes them to
// tests/fixtures/canvas as .gdr files (the README and the benchmarks use them).

#include "document/gdr_conversion.h"
#include "document/gdr_record.h"

#include <array>
#include <ostream>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace kinsketch::test {

struct GoldenDocument {
    std::string name;
    GdrRecord document;
    double scale = 1.0;
};

inline void PrintTo(const GoldenDocument& golden, std::ostream* out) { *out << golden.name; }

namespace golden {

struct Point {
    float x, y;
};

// A pen or eraser stroke as drawn: the first record starts at its own point, the others join the one before.
inline void addStroke(GdrRecord& d, std::int32_t strokeNo, std::int32_t width, Colour colour,
                      std::initializer_list<Point> points)
{
    auto& list = d.strokes.mutableItems();
    if (list.size() == 1 && list[0].width == 0) list.clear();
    bool first = true;
    for (const Point& p : points) {
        list.push_back({p.x, p.y, first ? p.x : 0, first ? p.y : 0, width, colour, strokeNo});
        first = false;
    }
}

// Bold, italic, strikethrough and underline, in the record's order.
inline TextLabelRecord text(const std::string& caption, const std::string& font, std::uint8_t size, Colour colour,
                            float left, float top, float width, float height, std::uint8_t alignment = 0,
                            std::array<std::int16_t, 4> style = {})
{
    return {caption,  alignment, font, size, style[0], style[1], style[2],
            style[3], colour,    left, top,  width,    height,   kTrue};
}

inline GdrRecord newDocument()
{
    GdrRecord d;
    makeNewDocument(d);
    std::tie(d.isNew, d.version) = std::tuple(kFalse, kVersionText);
    return d;
}

// Symbols 1–14 and every line style: 0–9 on the ten marriage lines, slashes and an unknown code on plain lines.
inline GdrRecord normalStylesAndSymbols()
{
    GdrRecord d = newDocument();
    for (int i = 0; i < 14; ++i) d.symbols[static_cast<std::size_t>(i)] = "i" + std::to_string(101 + i);
    d.symbols[14] = "i000";
    const char* ages[] = {"82", "80", "７５歳", "70", "55", "53", "50", "48", "46",
                          "28", "26", "24",     "22", "3",  "",   "1",  "0",  "99"};
    for (int i = 0; i < 18; ++i) d.ages[static_cast<std::size_t>(i)] = ages[i];
    for (auto [slot, remark] :
         {std::pair<std::size_t, const char*>{0, "祖父"}, {1, "祖母"}, {6, "本人"}, {13, "長い備考の文字列です"}})
        d.remarks[slot] = remark;
    const int marriages[] = {7, 8, 9, 22, 23, 24, 25, 37, 38, 39};
    for (int s = 0; s < 10; ++s) d.lineStyles[static_cast<std::size_t>(marriages[s])] = static_cast<std::uint8_t>(s);
    const std::pair<int, int> plain[] = {{0, 1},  {1, 2},  {2, 3},  {3, 1},  {4, 4},  {5, 6},  {6, 8},
                                         {10, 1}, {11, 2}, {12, 3}, {13, 5}, {14, 7}, {15, 9}, {16, 12},
                                         {17, 1}, {18, 1}, {19, 2}, {26, 3}, {27, 1}, {30, 1}, {33, 1},
                                         {34, 1}, {40, 2}, {43, 1}, {47, 1}};
    for (auto [line, style] : plain) d.lineStyles[static_cast<std::size_t>(line)] = static_cast<std::uint8_t>(style);
    return d;
}

// The large screen with every layer: frame from the marks, texts, added lines, pen and eraser strokes, a figure.
inline GdrRecord wideEveryLayer()
{
    GdrRecord d = newDocument();
    d.screenMode = "WIDE";
    const std::pair<int, const char*> symbols[] = {{0, "i101"},  {1, "i102"},  {18, "i107"}, {19, "i108"}, {20, "i103"},
                                                   {7, "i101"},  {8, "i102"},  {21, "i109"}, {22, "i110"}, {23, "i104"},
                                                   {12, "i111"}, {24, "i112"}, {25, "i113"}, {26, "i114"}, {27, "i101"},
                                                   {28, "i102"}, {33, "i101"}, {34, "i102"}, {36, "i108"}};
    for (auto [slot, key] : symbols) d.symbols[static_cast<std::size_t>(slot)] = key;
    std::tie(d.ages[21], d.ages[22], d.remarks[21], d.remarks[36]) = std::tuple("本人 78", "76", "要介護3", "孫");
    const std::pair<int, int> lines[] = {{7, 1},   {58, 4},  {59, 5},  {60, 9},  {61, 1},  {62, 1},  {64, 1},
                                         {65, 1},  {67, 1},  {68, 1},  {70, 7},  {71, 1},  {72, 6},  {73, 2},
                                         {74, 3},  {76, 1},  {77, 1},  {78, 1},  {80, 1},  {81, 1},  {82, 8},
                                         {97, 3},  {98, 2},  {99, 1},  {100, 5}, {104, 1}, {106, 1}, {107, 1},
                                         {111, 1}, {112, 1}, {113, 1}, {117, 1}, {118, 1}, {119, 1}, {120, 1}};
    for (auto [line, style] : lines) d.lineStyles[static_cast<std::size_t>(line)] = static_cast<std::uint8_t>(style);
    for (int slot : {21, 22, 25}) d.cohabitMarks[static_cast<std::size_t>(slot)] = 1;
    d.frameSegments[0] = 1; // stale: the opening rebuilds the frame from the marks

    d.texts[1] = text("田中家 ジェノグラム", "ＭＳ Ｐゴシック", 14, 0x000000, 240, 5800, 2800, 330, 0, {kTrue});
    d.texts[2] = text("同居", "ＭＳ 明朝", 11, 0x0000FF, 6100, 2000, 600, 280, 0, {kFalse, kTrue});
    d.texts[3] = text("2024年6月\r\n作成", "ＭＳ Ｐゴシック", 9, 0x800000, 5800, 5500, 1100, 420, 1, {0, 0, 0, kTrue});
    d.texts[4] = text("離婚", "ＭＳ ゴシック", 9, 0x008000, 4560, 780, 600, 230, 2, {0, 0, kTrue, 0});
    d.addedLines[0] = {kTrue, 950.5F, 2900.25F, 2300, 1500};
    d.addedLines[1] = {kFalse, 100, 200, 300, 400};
    d.addedLines[2] = {kTrue, 6500, 6800, 3300, 4700};

    addStroke(d, -1, 1, 0x000000, {{300, 3300}, {450, 3250}, {600, 3330}, {760, 3280}, {900, 3360}});
    addStroke(d, -2, 3, 0x0000FF, {{3000, 5450}, {3300, 5600}, {3700, 5480}, {4100, 5620}});
    addStroke(d, -3, 10, 0xFFFFFF, {{4100, 1380}, {4350, 1500}}); // eraser across a sibling bar
    // A closed figure: each record one side, from the vertex before to its own.
    d.strokes.mutableItems().insert(d.strokes.mutableItems().end(), {{5200, 4350, 5480, 4900, 2, 0x00A000, 1},
                                                                     {5750, 4350, 5200, 4350, 2, 0x00A000, 1},
                                                                     {5480, 4900, 5750, 4350, 2, 0x00A000, 1}});
    return d;
}

// The normal screen with a frame, texts, an added line and strokes.
inline GdrRecord normalFrameAndTexts()
{
    GdrRecord d = newDocument();
    const std::pair<int, const char*> symbols[] = {{0, "i101"}, {1, "i102"},  {5, "i101"},  {6, "i108"},
                                                   {7, "i102"}, {10, "i107"}, {11, "i102"}, {15, "i101"}};
    for (auto [slot, key] : symbols) d.symbols[static_cast<std::size_t>(slot)] = key;
    std::tie(d.ages[5], d.ages[6], d.remarks[6]) = std::tuple("52", "本人", "独居");
    const std::pair<int, int> lines[] = {{7, 1},  {11, 1}, {14, 1}, {15, 1}, {19, 1}, {20, 1}, {18, 1}, {24, 5},
                                         {28, 1}, {31, 1}, {34, 1}, {35, 1}, {38, 1}, {41, 1}, {49, 1}};
    for (auto [line, style] : lines) d.lineStyles[static_cast<std::size_t>(line)] = static_cast<std::uint8_t>(style);
    for (int slot : {6, 7, 11}) d.cohabitMarks[static_cast<std::size_t>(slot)] = 1;
    d.texts[1] = text("キーパーソン：長女", "ＭＳ Ｐゴシック", 9, 0x0000C0, 2500, 3450, 1600, 230);
    d.texts[2] = text("右寄せ", "ＭＳ Ｐゴシック", 12, 0x000000, 100, 4650, 1500, 300, 1);
    d.addedLines[0] = {kTrue, 3900, 200, 3900, 2300};
    addStroke(d, -1, 2, 0x0000FF, {{200, 200}, {400, 260}, {600, 230}});
    addStroke(d, -2, 1, 0x000000, {{3000, 4800}, {3400, 4950}});
    return d;
}

} // namespace golden

inline std::vector<GoldenDocument> goldenDocuments()
{
    return {
        {"normal_styles_symbols", golden::normalStylesAndSymbols(), 1.0},
        {"normal_styles_symbols_200", golden::normalStylesAndSymbols(), 2.0},
        {"wide_every_layer", golden::wideEveryLayer(), 1.0},
        {"wide_every_layer_150", golden::wideEveryLayer(), 1.5},
        {"normal_frame_texts", golden::normalFrameAndTexts(), 1.0},
    };
}

} // namespace kinsketch::test
