#include "genogram/canvas_geometry.h"
#include "genogram/cohabit_lattice.h"
#include "slot_boxes.h"

#include <gtest/gtest.h>

#include <set>

namespace kinsketch {
namespace {

using test::Box;
using test::slotBoxes;

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
