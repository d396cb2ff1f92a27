#include "full_wide_document.h"

#include "genogram/symbol_choices.h"

#include "document/gdr_conversion.h"

#include <algorithm>
#include <random>
#include <string>

namespace kinsketch::bench {
namespace {

void addPenStrokes(GdrRecord& d, int records)
{
    std::mt19937 random(42);
    std::uniform_real_distribution<float> x(0, 7050), y(0, 6195), step(-90, 90);
    const std::int32_t widths[] = {1, 1, 2, 3, 10};
    d.strokes.mutableItems().reserve(static_cast<std::size_t>(records));
    float px = 0, py = 0;
    std::int32_t stroke = 0;
    for (int i = 0; i < records; ++i) {
        const bool first = i % kPointsPerStroke == 0;
        if (first) {
            --stroke;
            px = x(random);
            py = y(random);
        } else {
            px = std::clamp(px + step(random), 0.F, 7050.F);
            py = std::clamp(py + step(random), 0.F, 6195.F);
        }
        const std::int32_t width = widths[static_cast<std::size_t>(-stroke) % 5];
        d.strokes.mutableItems().push_back(
            {px, py, first ? px : 0, first ? py : 0, width, width == 10 ? 0xFFFFFFU : 0x0000FFU, stroke});
    }
}

} // namespace

GdrRecord fullWideDocument(int penRecords)
{
    GdrRecord d;
    makeNewDocument(d);
    d.screenMode = "WIDE";
    for (int i = 0; i < kSlotCount; ++i) {
        const auto slot = static_cast<std::size_t>(i);
        // Keys the chooser offers, so that loading the panel writes nothing back.
        d.symbols[slot] = std::string(kSymbolChoiceKeys[static_cast<std::size_t>(1 + i % (kSymbolChoiceCount - 1))]);
        d.ages[slot] = std::to_string(20 + i) + "歳";
        d.remarks[slot] = "長男の妻";
    }
    for (int k = 0; k < kLineCount; ++k)
        d.lineStyles[static_cast<std::size_t>(k)] = static_cast<std::uint8_t>(1 + k % 7);
    for (int s = 0; s < kCohabitSegCount; s += 2) d.frameSegments[static_cast<std::size_t>(s)] = 1;
    for (int n = 1; n < kTextLabelCount; ++n) {
        TextLabelRecord& text = d.texts[static_cast<std::size_t>(n)];
        text.caption = "注記 " + std::to_string(n);
        text.fontName = "ＭＳ Ｐゴシック";
        text.fontSize = 9;
        text.left = static_cast<float>(n % 10 * 650);
        text.top = static_cast<float>(n / 10 * 600);
        text.width = 900;
        text.height = 230;
        text.used = kTrue;
    }
    for (int n = 0; n < kAddLineCount; ++n)
        d.addedLines[static_cast<std::size_t>(n)] = {kTrue, static_cast<float>(n * 70),
                                                     7000.F - static_cast<float>(n * 70), 100, 6100};
    d.strokes = {true, 1, {}};
    addPenStrokes(d, penRecords);
    return d;
}

std::int32_t lastStrokeNumber(int penRecords) { return -((penRecords + kPointsPerStroke - 1) / kPointsPerStroke); }

} // namespace kinsketch::bench
