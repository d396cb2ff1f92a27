#pragma once
// Where everything of the genogram canvas stands, in twips, for both screen
// sizes. The tables are data: the WIDE canvas extends the normal one (cells
// 0–17, connector lines 0–51 and frame segments 0–65 are the same places in
// both), so each table is written once and each size takes its first n rows.

#include "canvas_size.h"
#include "twips.h"

#include <span>

namespace kinsketch {

// Age and remark labels stand 360 twips left of their cell; these cells differ.
struct LabelLeftOverride {
    int slot;
    int ageLeft;
    int remarkLeft;
};

constexpr int kCellSize = 240;   // person symbol, square
constexpr int kLabelWidth = 855; // age and remark labels
constexpr int kLabelHeight = 270;

struct CanvasGeometry {
    CanvasSize size;
    int clientWidth;
    int clientHeight;
    TwipsPlace previewPlace; // where the window stands beside the input panel
    int slotCount;
    std::span<const TwipsPlace> cells;
    std::span<const LabelLeftOverride> labelOverrides;
    std::span<const TwipsLine> connectorLines;
    std::span<const int> marriageLines;
    std::span<const TwipsLine> frameSegments;

    int connectorCount() const { return static_cast<int>(connectorLines.size()); }
    int frameSegmentCount() const { return static_cast<int>(frameSegments.size()); }
    bool isMarriageLine(int line) const;
    TwipsPlace ageLabel(int slot) const;
    TwipsPlace remarkLabel(int slot) const;
    // The first and second slash across marriage line `line`.
    TwipsLine slashS(int line) const;
    TwipsLine slashW(int line) const;
};

const CanvasGeometry& canvasGeometry(CanvasSize size);

} // namespace kinsketch
