#pragma once
// Which person slots each segment of the automatic cohabitation frame
// borders: one slot for a border segment, two for a segment shared by
// neighbours. Indices match the canvas's frame segment table.

#include "geometry/canvas_size.h"

#include <span>

namespace kinsketch {

struct SegmentSlots {
    int a;
    int b; // -1 for a border segment

    bool shared() const { return b >= 0; }
    bool operator==(const SegmentSlots&) const = default;
};

std::span<const SegmentSlots> cohabitLattice(CanvasSize size);

} // namespace kinsketch
