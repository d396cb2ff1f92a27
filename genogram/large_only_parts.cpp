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

// Hides (or only looks for) the items outside the normal area; true when any was met.
bool visitItemsOutsideNormalArea(GenoCanvas& canvas, bool hide)
{
    bool found = false;
    trapErrors(canvas.reporter(), "xfnc_DelOutControl", [&] {
        for (int i = 1; i <= canvas.addedLines.upperBound(); ++i) {
            LineWidget* line = canvas.addedLines.find(i);
            if (!line || !line->visible) continue;
            LabelWidget& end1 = canvas.startHandles[i];
            LabelWidget& end2 = canvas.endHandles[i];
            if (!outside(end1.left, end1.top) || !outside(end2.left, end2.top)) continue;
            // The line goes with its handles: storing the lines first shows
            // the handles of every line on show.
            if (hide) end1.visible = end2.visible = line->visible = false;
            found = true;
        }
        for (int i = 0; i <= canvas.textLabels.upperBound(); ++i) {
            LabelWidget* text = canvas.textLabels.find(i);
            if (!text || !text->visible || !outside(text->left, text->top)) continue;
            if (hide) text->visible = false;
            if (i != 0) found = true;
        }
        for (int i = 0; i <= canvas.strokes.upperBound(); ++i) {
            LineWidget* stroke = canvas.strokes.find(i);
            if (!stroke || !outside(stroke->x1, stroke->y1) || !outside(stroke->x2, stroke->y2)) continue;
            if (hide) stroke->visible = false;
            found = true;
        }
    });
    return found;
}

} // namespace

bool hasItemsOutsideNormalArea(GenoCanvas& canvas) { return visitItemsOutsideNormalArea(canvas, false); }

bool hideItemsOutsideNormalArea(GenoCanvas& canvas) { return visitItemsOutsideNormalArea(canvas, true); }

} // namespace kinsketch
