#pragma once
// The box a slot occupies on the frame lattice, found from the canvas
// geometry alone: the band of horizontal runs around the cell's centre and
// the nearest vertical segments of that band to its left and right.

#include "genogram/canvas_geometry.h"

#include <algorithm>
#include <iterator>
#include <set>
#include <vector>

namespace kinsketch::test {

struct Box {
    int left, top, right, bottom;
};

inline std::vector<Box> slotBoxes(const CanvasGeometry& g)
{
    std::set<int> runs;
    for (const auto& s : g.frameSegments)
        if (s.y1 == s.y2) runs.insert(s.y1);
    std::vector<Box> boxes;
    for (int slot = 0; slot < g.slotCount; ++slot) {
        const TwipsPlace cell = g.cells[static_cast<std::size_t>(slot)];
        const int cx = cell.left + kCellSize / 2;
        const int cy = cell.top + kCellSize / 2;
        const int top = *std::prev(runs.upper_bound(cy));
        const int bottom = *runs.upper_bound(cy);
        int left = -1, right = 1 << 30;
        for (const auto& s : g.frameSegments) {
            if (s.x1 != s.x2 || s.y1 != top || s.y2 != bottom) continue;
            if (s.x1 < cx) left = std::max(left, s.x1);
            if (s.x1 > cx) right = std::min(right, s.x1);
        }
        boxes.push_back({left, top, right, bottom});
    }
    return boxes;
}

} // namespace kinsketch::test
