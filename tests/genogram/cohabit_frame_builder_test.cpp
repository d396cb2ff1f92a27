#include "genogram/canvas_geometry.h"
#include "genogram/cohabit_frame_builder.h"
#include "slot_boxes.h"
#include "tests/support/recording_reporter.h"

#include "document/run_time_error.h"

#include <gtest/gtest.h>

#include <random>
#include <set>
#include <utility>
#include <vector>

namespace kinsketch {
namespace {

using test::RecordingReporter;
using Flags = std::array<std::uint8_t, kSlotCount>;

std::set<int> drawn(const std::array<std::uint8_t, kCohabitSegCount>& segments)
{
    std::set<int> out;
    for (std::size_t s = 0; s < segments.size(); ++s)
        if (segments[s] == 1) out.insert(static_cast<int>(s));
    return out;
}

Flags marked(std::initializer_list<int> slots)
{
    Flags flags{};
    for (int s : slots) flags[static_cast<std::size_t>(s)] = 1;
    return flags;
}

TEST(CohabitSegments, OutlinesOfSmallGroups)
{
    EXPECT_EQ(drawn(cohabitSegments(CanvasSize::Normal, marked({0}))), (std::set<int>{0, 4, 5, 10, 11}));
    EXPECT_EQ(drawn(cohabitSegments(CanvasSize::Normal, marked({0, 1}))), (std::set<int>{0, 1, 4, 6, 10, 11, 12, 13}));
    const auto zeroAndFour = drawn(cohabitSegments(CanvasSize::Normal, marked({0, 4})));
    EXPECT_FALSE(zeroAndFour.contains(10));
    EXPECT_TRUE(zeroAndFour.contains(9));
    EXPECT_TRUE(drawn(cohabitSegments(CanvasSize::Normal, Flags{})).empty());
    EXPECT_TRUE(drawn(cohabitSegments(CanvasSize::Wide, Flags{})).empty());
    const auto threeAnd18 = drawn(cohabitSegments(CanvasSize::Wide, marked({3, 18})));
    EXPECT_FALSE(threeAnd18.contains(8));
    EXPECT_TRUE(threeAnd18.contains(66));
    // On the normal canvas slot 3 ends the row, so its right edge is drawn.
    EXPECT_TRUE(drawn(cohabitSegments(CanvasSize::Normal, marked({3, 18}))).contains(8));
}

// Property: a segment is drawn exactly when the points just either side of
// its middle differ in lying inside the marked slots' boxes. The boxes come
// from the canvas geometry (the lattice lines around each cell), so
// the tables, the builder and the canvas are checked against one another.
class RandomGroups : public ::testing::TestWithParam<CanvasSize> {};

bool insideMarked(const std::vector<test::Box>& boxes, const Flags& flags, int x2, int y2)
{
    // Points are in half twips so that "just beside" a lattice line is exact.
    for (std::size_t slot = 0; slot < boxes.size(); ++slot) {
        const test::Box& b = boxes[slot];
        if (flags[slot] == 1 && x2 > 2 * b.left && x2 < 2 * b.right && y2 > 2 * b.top && y2 < 2 * b.bottom) return true;
    }
    return false;
}

TEST_P(RandomGroups, TheFrameIsTheOutlineOfTheMarkedCells)
{
    const CanvasGeometry& g = canvasGeometry(GetParam());
    const auto boxes = test::slotBoxes(g);
    std::mt19937 random(20240611);
    for (int round = 0; round < 300; ++round) {
        Flags flags{};
        const int density = 1 + round % 4; // from few marks to many
        for (int slot = 0; slot < kSlotCount; ++slot)
            flags[static_cast<std::size_t>(slot)] = random() % 5 < static_cast<unsigned>(density) ? 1 : 0;
        const auto segments = cohabitSegments(GetParam(), flags);
        for (int s = 0; s < g.frameSegmentCount(); ++s) {
            const TwipsLine l = g.frameSegments[static_cast<std::size_t>(s)];
            const int mx = l.x1 + l.x2, my = l.y1 + l.y2; // doubled middle
            const bool horizontal = l.y1 == l.y2;
            const bool a = insideMarked(boxes, flags, mx - (horizontal ? 0 : 1), my - (horizontal ? 1 : 0));
            const bool b = insideMarked(boxes, flags, mx + (horizontal ? 0 : 1), my + (horizontal ? 1 : 0));
            EXPECT_EQ(segments[static_cast<std::size_t>(s)] == 1, a != b) << "round " << round << " segment " << s;
        }
        for (int s = g.frameSegmentCount(); s < kCohabitSegCount; ++s)
            EXPECT_EQ(segments[static_cast<std::size_t>(s)], 0);
    }
}

INSTANTIATE_TEST_SUITE_P(Canvas, RandomGroups, ::testing::Values(CanvasSize::Normal, CanvasSize::Wide));

class AutoLine : public ::testing::Test {
protected:
    GdrRecord document;
    RecordingReporter reporter;
};

TEST_F(AutoLine, PanelMarksAreAddedToTheFlagsAndTheNormalRoutineKeepsTheWideSegments)
{
    document.CohabitSeg.fill(7);
    document.CohabitFlag[2] = 1;
    CohabitFrameBuilder builder(document, reporter);
    builder.build(CanvasSize::Normal, [](int slot) { return slot == 3 ? 1 : 0; });
    EXPECT_EQ(document.CohabitFlag[3], 1);
    EXPECT_EQ(document.CohabitFlag[2], 1);
    for (int s = 66; s < kCohabitSegCount; ++s) EXPECT_EQ(document.CohabitSeg[static_cast<std::size_t>(s)], 7);
    EXPECT_EQ(document.CohabitSeg[7], 0); // between the two marked slots
    EXPECT_EQ(document.CohabitSeg[2], 1);
}

TEST_F(AutoLine, AMarkThatCannotBeReadIsReportedUnderTheBuildersTitle)
{
    CohabitFrameBuilder(document, reporter).build(CanvasSize::Normal, [](int) -> int {
        throw RunTimeError::typeMismatch();
    });
    ASSERT_EQ(reporter.titles(), std::vector<std::string>{"Error At clsAutoLine2.DoAutoLine"});
}

TEST_F(AutoLine, OpeningRebuildsTheFrameOnlyWhenSomeoneIsMarked)
{
    document.CohabitSeg[3] = 1;
    rebuildCohabitFrameFromFlags(document, reporter);
    EXPECT_EQ(drawn(document.CohabitSeg), std::set<int>{3});

    // A WIDE-only mark on the normal screen clears everything and draws nothing.
    document.CohabitFlag[20] = 1;
    rebuildCohabitFrameFromFlags(document, reporter);
    EXPECT_TRUE(drawn(document.CohabitSeg).empty());

    document.ScreenMode = "WIDE";
    rebuildCohabitFrameFromFlags(document, reporter);
    EXPECT_EQ(drawn(document.CohabitSeg), (std::set<int>{68, 70, 71, 75, 76}));
    EXPECT_TRUE(reporter.errors.empty());
}

} // namespace
} // namespace kinsketch
