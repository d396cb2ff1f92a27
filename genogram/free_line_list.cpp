#include "free_line_list.h"

#include <algorithm>
#include <cmath>

namespace kinsketch {

bool isEmptyFreeLineList(const FreeLineList& list)
{
    return !list.dimensioned || list.items().empty() || (list.items().size() == 1 && list.items()[0].width == 0);
}

std::int32_t appendFreeLineRecord(FreeLineList& list)
{
    if (!isEmptyFreeLineList(list)) return growFreeLineList(list);
    if (!list.dimensioned || list.items().empty()) list = {true, 1, {FreeLineRecord{}}};
    list.mutableItems()[0] = FreeLineRecord{};
    return list.lowerBound;
}

std::int32_t growFreeLineList(FreeLineList& list)
{
    if (!list.dimensioned) list = {true, 1, {}};
    list.mutableItems().emplace_back();
    return list.upperBound();
}

std::int32_t lastDrawnFreeLine(const FreeLineList& list)
{
    if (!list.dimensioned) return 0;
    for (std::int32_t k = list.upperBound(); k >= std::max(list.lowerBound, 1); --k)
        if (list[k].width != 0) return k;
    return 0;
}

std::int32_t lastFigureNo(const FreeLineList& list)
{
    for (auto it = list.items().rbegin(); it != list.items().rend(); ++it)
        if (it->strokeNumber > 0) return it->strokeNumber;
    return 0;
}

std::int32_t highestStrokeNo(const FreeLineList& list)
{
    std::int32_t n = 0;
    for (const FreeLineRecord& r : list.items()) n = std::max(n, r.strokeNumber);
    return n;
}

std::int32_t lowestStrokeNo(const FreeLineList& list)
{
    std::int32_t n = 0;
    for (const FreeLineRecord& r : list.items()) n = std::min(n, r.strokeNumber);
    return n;
}

FreeLinePoint clampFreeLinePoint(CanvasSize size, float x, float y)
{
    const float right = size == CanvasSize::Wide ? 7050 : 4300;
    const float bottom = size == CanvasSize::Wide ? 6195 : 5070;
    return {std::clamp(x, 0.0F, right), std::clamp(y, 0.0F, bottom)};
}

bool closesFigure(FreeLinePoint start, FreeLinePoint point)
{
    return std::fabs(point.x - start.x) <= kFigureCloseDistance && std::fabs(point.y - start.y) <= kFigureCloseDistance;
}

FreeLineRange undoFreeLine(FreeLineList& list, std::int32_t kept)
{
    const std::int32_t i = lastDrawnFreeLine(list);
    if (i == 0 || i <= kept) return {};
    const std::int32_t g = list[i].strokeNumber;
    std::int32_t first = i;
    if (g < 0)
        while (first - 1 >= list.lowerBound && first - 1 > kept && list[first - 1].strokeNumber == g) --first;
    const FreeLineRange removed{first, list.upperBound()};
    if (first - 1 < 1)
        clearFreeLines(list);
    else
        list.mutableItems().resize(static_cast<std::size_t>(first - list.lowerBound));
    return removed;
}

void clearFreeLines(FreeLineList& list) { list = {true, 1, {FreeLineRecord{}}}; }

std::int32_t closeFreeFigure(FreeLineList& list, std::int32_t figureNo, std::int32_t width, Colour colour)
{
    const auto first = std::find_if(list.items().begin(), list.items().end(), [figureNo](const FreeLineRecord& r) {
        return r.strokeNumber == figureNo && r.width != 0;
    });
    if (first == list.items().end()) return 0;
    const FreeLineRecord start = *first;
    std::int32_t k = list.upperBound();
    if (list[k].width != 0) k = growFreeLineList(list);
    const FreeLineRecord& last = list[k - 1];
    // A box emptied since the figure began must not leave it open.
    list[k] = {last.x1, last.y1, start.x2, start.y2, width > 0 ? width : start.width, colour, start.strokeNumber};
    return k;
}

} // namespace kinsketch
