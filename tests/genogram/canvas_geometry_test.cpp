#include "genogram/canvas_geometry.h"
#include "genogram/cohabit_lattice.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <vector>

namespace kinsketch {
namespace {

// The box a slot occupies on the frame lattice, found from the canvas
// geometry alone: the band of horizontal runs around the cell's centre and
// the nearest vertical segments of that band to its left and right.
struct Box {
    int left, top, right, bottom;
};

std::vector<Box> slotBoxes(const CanvasGeometry& g)
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

bool liesOnBoundary(const TwipsLine& s, const Box& b)
{
    if (s.y1 == s.y2)
        return (s.y1 == b.top || s.y1 == b.bottom) && std::min(s.x1, s.x2) >= b.left && std::max(s.x1, s.x2) <= b.right;
    return (s.x1 == b.left || s.x1 == b.right) && std::min(s.y1, s.y2) >= b.top && std::max(s.y1, s.y2) <= b.bottom;
}

class BothSizes : public ::testing::TestWithParam<CanvasSize> {};

TEST_P(BothSizes, EveryFrameSegmentBordersExactlyTheSlotsItsTableNames)
{
    const CanvasGeometry& g = canvasGeometry(GetParam());
    const auto lattice = cohabitLattice(GetParam());
    ASSERT_EQ(lattice.size(), g.frameSegments.size());
    const auto boxes = slotBoxes(g);
    for (std::size_t s = 0; s < lattice.size(); ++s) {
        std::set<int> bordering;
        for (int slot = 0; slot < g.slotCount; ++slot)
            if (liesOnBoundary(g.frameSegments[s], boxes[static_cast<std::size_t>(slot)])) bordering.insert(slot);
        std::set<int> named{lattice[s].a};
        if (lattice[s].shared()) named.insert(lattice[s].b);
        EXPECT_EQ(bordering, named) << "segment " << s;
    }
}

INSTANTIATE_TEST_SUITE_P(Canvas, BothSizes, ::testing::Values(CanvasSize::Normal, CanvasSize::Wide));

} // namespace
} // namespace kinsketch
