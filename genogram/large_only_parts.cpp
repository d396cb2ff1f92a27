#include "large_only_parts.h"

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

// Looks at every item outside the normal area, for `visit` to tell whether it
// counts; true when any was met.
template <class Document, class Visit>
bool visitItemsOutsideNormalArea(Document& document, Visit visit)
{
    bool found = false;
    for (auto& line : document.addedLines)
        if (line.used != kFalse && outside(line.x1, line.y1) && outside(line.x2, line.y2))
            found = visit(line.used) || found;
    for (std::size_t i = 1; i < document.texts.size(); ++i) {
        auto& text = document.texts[i];
        if (text.used != kFalse && outside(text.left, text.top)) found = visit(text.used) || found;
    }
    return found;
}

bool drawsOutside(const FreeLineRecord& stroke)
{
    return stroke.width != 0 && outside(stroke.x1, stroke.y1) && outside(stroke.x2, stroke.y2);
}

} // namespace

bool hasItemsOutsideNormalArea(const GdrRecord& document)
{
    const auto& strokes = document.strokes.items();
    return visitItemsOutsideNormalArea(document, [](auto) { return true; }) ||
           std::any_of(strokes.begin(), strokes.end(), drawsOutside);
}

// Texts and added lines are taken out of use, pen records lose their width
// (every record the canvas drew holds both ends of its segment).
bool dropItemsOutsideNormalArea(GdrRecord& document)
{
    bool found = visitItemsOutsideNormalArea(document, [](Bool16& used) {
        used = kFalse;
        return true;
    });
    if (!std::any_of(document.strokes.items().begin(), document.strokes.items().end(), drawsOutside)) return found;
    for (FreeLineRecord& stroke : document.strokes.mutableItems())
        if (drawsOutside(stroke)) stroke.width = 0;
    return true;
}

} // namespace kinsketch
