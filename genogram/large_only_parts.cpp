#include "large_only_parts.h"

#include "document/error_trap.h"

#include <algorithm>

namespace kinsketch {
namespace {

constexpr float kNormalAreaRight = 4300.0F; // twips
constexpr float kNormalAreaBottom = 5070.0F;
constexpr const char* kNoPerson = "i000";

bool outside(float x, float y) { return x > kNormalAreaRight || y > kNormalAreaBottom; }

template <class Array>
bool anySetFrom(const Array& values, std::size_t first)
{
    return std::any_of(values.begin() + static_cast<std::ptrdiff_t>(first), values.end(),
                       [](auto v) { return v != 0; });
}

} // namespace

bool hasLargeOnlyRecordData(const GdrRecord& document)
{
    for (std::size_t i = kNormalSlotCount; i < kSlotCount; ++i)
        if (!document.ages[i].empty() || !document.remarks[i].empty() || document.symbols[i] != kNoPerson ||
            document.cohabitMarks[i] != 0)
            return true;
    return anySetFrom(document.lineStyles, kNormalLineCount) ||
           anySetFrom(document.frameSegments, kNormalCohabitSegCount);
}

void resetLargeOnlyParts(GdrRecord& document)
{
    for (std::size_t i = kNormalSlotCount; i < kSlotCount; ++i) {
        document.symbols[i] = kNoPerson;
        document.ages[i].clear();
        document.remarks[i].clear();
        document.cohabitMarks[i] = 0;
    }
    std::fill(document.lineStyles.begin() + kNormalLineCount, document.lineStyles.end(), 0);
    std::fill(document.frameSegments.begin() + kNormalCohabitSegCount, document.frameSegments.end(), 0);
}

namespace {

// Drops (or only looks for) the items outside the normal area; true when
// any was met. Texts and added lines are taken out of use in the document,
// pen segments hidden, so that storing the layers leaves them out.
bool visitItemsOutsideNormalArea(GenoCanvas& canvas, bool drop)
{
    bool found = false;
    trapErrors(canvas.reporter(), "xfnc_DelOutControl", [&] {
        GdrRecord& document = canvas.document();
        for (AddLineRecord& line : document.addedLines) {
            if (line.used == kFalse || !outside(line.x1, line.y1) || !outside(line.x2, line.y2)) continue;
            if (drop) line.used = kFalse;
            found = true;
        }
        for (std::size_t i = 1; i < document.texts.size(); ++i) {
            TextLabelRecord& text = document.texts[i];
            if (text.used == kFalse || !outside(text.left, text.top)) continue;
            if (drop) text.used = kFalse;
            found = true;
        }
        for (int i = 0; i <= canvas.strokes.upperBound(); ++i) {
            LineWidget* stroke = canvas.strokes.find(i);
            if (!stroke || !outside(stroke->x1, stroke->y1) || !outside(stroke->x2, stroke->y2)) continue;
            if (drop) stroke->visible = false;
            found = true;
        }
    });
    return found;
}

} // namespace

bool hasItemsOutsideNormalArea(GenoCanvas& canvas) { return visitItemsOutsideNormalArea(canvas, false); }

bool dropItemsOutsideNormalArea(GenoCanvas& canvas) { return visitItemsOutsideNormalArea(canvas, true); }

} // namespace kinsketch
