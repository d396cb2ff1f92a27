#pragma once
// The rules of the document's free-line list (the document's `strokes`, indices from 1):
// pen and eraser strokes are runs of records with one negative stroke number,
// free figures runs of straight segments with one positive figure number.
// A list whose only record has width 0 is empty, and the next record reuses
// that element. Empty records elsewhere (the spare slot a figure keeps for
// its next vertex) are passed over by every rule that looks for drawn ones.

#include "geometry/canvas_size.h"

#include "document/gdr_record.h"

#include <cstdint>

namespace kinsketch {

using FreeLineList = DynamicArray<FreeLineRecord>;

struct FreeLinePoint {
    float x = 0, y = 0;
};

// Records first … last; empty when first > last.
struct FreeLineRange {
    std::int32_t first = 1, last = 0;
    bool empty() const { return first > last; }
};

// A figure segment released this close to the figure's start, on both axes, closes it.
constexpr float kFigureCloseDistance = 150;

bool isEmptyFreeLineList(const FreeLineList& list);
// Where the next record goes: the element of an empty list, otherwise a new last one.
std::int32_t appendFreeLineRecord(FreeLineList& list);
std::int32_t growFreeLineList(FreeLineList& list);
// The highest record with a width, 0 when there is none.
std::int32_t lastDrawnFreeLine(const FreeLineList& list);
// The number of the last figure in list order, 0 when there is none.
std::int32_t lastFigureNo(const FreeLineList& list);
std::int32_t highestStrokeNo(const FreeLineList& list);
std::int32_t lowestStrokeNo(const FreeLineList& list);

FreeLinePoint clampFreeLinePoint(CanvasSize size, float x, float y);
bool closesFigure(FreeLinePoint start, FreeLinePoint point);

// Removes the last drawn piece: the whole stroke, or one figure segment,
// with the empty records after it. Records 1 … `kept` came with the document
// and are never removed. Returns the indices that left the list.
FreeLineRange undoFreeLine(FreeLineList& list, std::int32_t kept);
// One empty record.
void clearFreeLines(FreeLineList& list);
// Closes figure `figureNo` with a segment from its last point back to its
// start, written into the spare record at the end (a new one if the last
// record is drawn). Returns the closing record's index, 0 when the figure
// has no segment.
std::int32_t closeFreeFigure(FreeLineList& list, std::int32_t figureNo, std::int32_t width, Colour colour);

} // namespace kinsketch
