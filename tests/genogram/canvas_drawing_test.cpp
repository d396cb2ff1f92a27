// What the canvas model draws from a document: connector styles, symbols,
// the cohabitation frame and the pen records.
#include "canvas_dump.h"
#include "genogram/canvas_geometry.h"
#include "genogram/cohabit_frame_builder.h"
#include "genogram/free_drawing.h"
#include "genogram/geno_canvas.h"
#include "tests/support/recording_reporter.h"
#include "tests/support/scripted_message_boxes.h"

#include "document/gdr_conversion.h"
#include "document/run_time_error.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>
#include <set>
#include <tuple>
#include <vector>

namespace kinsketch {
namespace {

using test::RecordingReporter;
using Flags = std::array<std::uint8_t, kSlotCount>;
using Segment = std::tuple<float, float, float, float>;
using Segments = std::map<int, Segment>;

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

Segments freeLineSegments(const GenoCanvas& canvas)
{
    Segments out;
    for (int k = 1; k <= canvas.FreeLine.upperBound(); ++k) // 0 is the template
        if (const LineWidget* l = canvas.FreeLine.find(k)) out[k] = {l->x1, l->y1, l->x2, l->y2};
    return out;
}

class Canvas : public ::testing::TestWithParam<CanvasSize> {
protected:
    Canvas()
    {
        makeNewDocument(document);
        if (GetParam() == CanvasSize::Wide) document.ScreenMode = "WIDE";
    }
    void style(int line, int value)
    {
        document.LineTag[static_cast<std::size_t>(line)] = static_cast<std::uint8_t>(value);
    }

    GdrRecord document;
    RecordingReporter reporter;
    GenoCanvas canvas{GetParam(), document, reporter};
};

// The looks of styles 0–9 are in the golden pictures. Codes above 9 come from
// no version of the program: the slashes go and the line stays as it was.
TEST_P(Canvas, AStyleCodeAbove9HidesTheSlashesAndLeavesTheLine)
{
    style(7, 9);
    canvas.rebuild();
    style(7, 12);
    canvas.rebuild();
    EXPECT_FALSE(canvas.slashesS[7].visible || canvas.slashesW[7].visible);
    EXPECT_EQ(canvas.connectorLines[7].width, 3);
}

TEST_P(Canvas, ABadSymbolKeyEmptiesItsCellOnlyAndIsReportedOnce)
{
    document.SymbolKey[3] = "ixyz";
    document.SymbolKey[4] = "i115"; // no such picture
    document.SymbolKey[5] = "i102";
    style(7, 1);
    document.CohabitSeg[0] = 1;
    canvas.rebuild();
    canvas.rebuild();
    EXPECT_EQ(canvas.symbols[3].image, 0);
    EXPECT_EQ(canvas.symbols[4].image, 0);
    EXPECT_EQ(canvas.symbols[5].image, 2);
    EXPECT_TRUE(canvas.connectorLines[7].visible);
    EXPECT_TRUE(canvas.frameLines.exists(0));
    ASSERT_EQ(reporter.titles(), (std::vector<std::string>{"Error At GfncPrev", "Error At GfncPrev"}));
    EXPECT_EQ(reporter.errors[0].text.rfind("【13】", 0), 0U);
    EXPECT_EQ(reporter.errors[1].text.rfind("【9】", 0), 0U);
}

TEST_P(Canvas, FrameSegmentsAreDrawnForValueOneWithinTheSizesOwnSegmentsAndOnTop)
{
    for (int s : {0, 66, 119}) document.CohabitSeg[static_cast<std::size_t>(s)] = 1;
    document.CohabitSeg[1] = 2;
    document.CohabitSeg[65] = 255;
    canvas.rebuild();
    const bool wide = GetParam() == CanvasSize::Wide;
    EXPECT_TRUE(canvas.frameLines.exists(0));
    EXPECT_FALSE(canvas.frameLines.exists(1) || canvas.frameLines.exists(65));
    EXPECT_EQ(canvas.frameLines.upperBound(), wide ? 119 : 0);
    EXPECT_EQ(canvas.zOrder().bottomToTop().back(), (WidgetId{WidgetKind::frameLines, wide ? 119 : 0}));
}

TEST_P(Canvas, RedrawingTwiceGivesTheSameModel)
{
    document.SymbolKey[1] = "i108";
    document.AgeText[1] = "45";
    style(7, 5);
    style(0, 2);
    document.CohabitSeg[4] = 1;
    document.CohabitSeg[5] = 1;
    document.FreeLine = {
        true, 1, {{100, 100, 0, 0, 2, 0, -1}, {200, 150, 0, 0, 2, 0, -1}, {900, 900, 0, 0, 5, 0xFF, -2}}};
    document.AddLine[0] = {kTrue, 10, 20, 30, 40};
    canvas.drawAddedLines(AddedLineDraw::Create);
    canvas.drawOnSurface({1, 1, 2, 2, 0, LinePattern::Solid, 1, true});
    canvas.rebuild();
    const std::string once = test::dumpCanvas(canvas);
    const GdrRecord documentOnce = document;
    canvas.rebuild();
    EXPECT_EQ(test::dumpCanvas(canvas), once);
    EXPECT_EQ(document, documentOnce);
    EXPECT_TRUE(canvas.surface().empty());
}

struct Box {
    int left, top, right, bottom;
};

// The box of each slot on the frame lattice, found from the geometry alone:
// the band of horizontal runs around the cell's centre and the nearest
// vertical segments of that band to its left and right.
std::vector<Box> slotBoxes(const CanvasGeometry& g)
{
    std::set<int> runs;
    for (const auto& s : g.frameSegments)
        if (s.y1 == s.y2) runs.insert(s.y1);
    std::vector<Box> boxes;
    for (int slot = 0; slot < g.slotCount; ++slot) {
        const TwipsPlace cell = g.cells[static_cast<std::size_t>(slot)];
        const int cx = cell.left + kCellSize / 2, cy = cell.top + kCellSize / 2;
        Box b{-1, *std::prev(runs.upper_bound(cy)), 1 << 30, *runs.upper_bound(cy)};
        for (const auto& s : g.frameSegments) {
            if (s.x1 != s.x2 || s.y1 != b.top || s.y2 != b.bottom) continue;
            if (s.x1 < cx) b.left = std::max(b.left, s.x1);
            if (s.x1 > cx) b.right = std::min(b.right, s.x1);
        }
        boxes.push_back(b);
    }
    return boxes;
}

// Points are in half twips so that "just beside" a lattice line is exact.
bool insideMarked(const std::vector<Box>& boxes, const Flags& flags, int x2, int y2)
{
    for (std::size_t slot = 0; slot < boxes.size(); ++slot) {
        const Box& b = boxes[slot];
        if (flags[slot] == 1 && x2 > 2 * b.left && x2 < 2 * b.right && y2 > 2 * b.top && y2 < 2 * b.bottom) return true;
    }
    return false;
}

// Property: a segment is drawn exactly when the points just either side of
// its middle differ in lying inside the marked slots' boxes, so the tables,
// the builder and the canvas geometry are checked against one another.
TEST_P(Canvas, TheFrameOfRandomMarksIsTheOutlineOfTheMarkedCells)
{
    const CanvasGeometry& g = canvasGeometry(GetParam());
    const auto boxes = slotBoxes(g);
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
            ASSERT_EQ(segments[static_cast<std::size_t>(s)] == 1, a != b) << "round " << round << " segment " << s;
        }
        for (int s = g.frameSegmentCount(); s < kCohabitSegCount; ++s)
            ASSERT_EQ(segments[static_cast<std::size_t>(s)], 0);
    }
}

INSTANTIATE_TEST_SUITE_P(BothSizes, Canvas, ::testing::Values(CanvasSize::Normal, CanvasSize::Wide));

TEST(CohabitFrame, OutlinesOfSmallGroups)
{
    EXPECT_EQ(drawn(cohabitSegments(CanvasSize::Normal, marked({0}))), (std::set<int>{0, 4, 5, 10, 11}));
    EXPECT_EQ(drawn(cohabitSegments(CanvasSize::Normal, marked({0, 1}))), (std::set<int>{0, 1, 4, 6, 10, 11, 12, 13}));
    EXPECT_EQ(drawn(cohabitSegments(CanvasSize::Wide, marked({20}))), (std::set<int>{68, 70, 71, 75, 76}));
}

TEST(CohabitFrame, TheBuilderAddsPanelMarksAndTheNormalRoutineKeepsTheWideSegments)
{
    GdrRecord document;
    RecordingReporter reporter;
    document.CohabitSeg.fill(7);
    document.CohabitFlag[2] = 1;
    CohabitFrameBuilder(document, reporter).build(CanvasSize::Normal, [](int slot) { return slot == 3 ? 1 : 0; });
    EXPECT_EQ(document.CohabitFlag[3], 1);
    auto expected = cohabitSegments(CanvasSize::Normal, marked({2, 3}));
    std::fill(expected.begin() + 66, expected.end(), 7);
    EXPECT_EQ(document.CohabitSeg, expected);

    CohabitFrameBuilder(document, reporter).build(CanvasSize::Normal, [](int) -> int {
        throw RunTimeError::typeMismatch();
    });
    EXPECT_EQ(reporter.titles(), std::vector<std::string>{"Error At clsAutoLine2.DoAutoLine"});
}

TEST(CohabitFrame, OpeningRebuildsTheFrameOfTheScreenSizeOnlyWhenSomeoneIsMarked)
{
    GdrRecord document;
    RecordingReporter reporter;
    document.CohabitSeg[3] = 1;
    rebuildCohabitFrameFromFlags(document, reporter);
    EXPECT_EQ(drawn(document.CohabitSeg), std::set<int>{3});
    document.CohabitFlag[20] = 1; // WIDE only: the normal screen is cleared and shows nothing
    rebuildCohabitFrameFromFlags(document, reporter);
    EXPECT_TRUE(drawn(document.CohabitSeg).empty());
    document.ScreenMode = "WIDE";
    rebuildCohabitFrameFromFlags(document, reporter);
    EXPECT_EQ(document.CohabitSeg, cohabitSegments(CanvasSize::Wide, marked({20})));
}

// A record whose start point (X2, Y2) is (0, 0) has none of its own and is
// joined to the record before (edges: see FreeLinePen). An empty record, the
// first record drawn and, in a figure redraw, a record of another figure
// start a chain at their own point.
struct ChainCase {
    const char* name;
    std::vector<FreeLineRecord> records;
    std::int32_t first;
    FreeLineRedraw how;
    Segments expected;
};

class FreeLineChain : public ::testing::TestWithParam<ChainCase> {};

TEST_P(FreeLineChain, DrawsExactlyTheExpectedSegments)
{
    GdrRecord document;
    makeNewDocument(document);
    document.FreeLine = {true, 1, GetParam().records};
    RecordingReporter reporter;
    GenoCanvas canvas{CanvasSize::Normal, document, reporter, CanvasContext{{}, [] { return 2; }}};
    ASSERT_TRUE(canvas.redrawFreeLines(GetParam().first, GetParam().how));
    EXPECT_EQ(freeLineSegments(canvas), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Records, FreeLineChain,
    ::testing::Values(
        ChainCase{
            "NoStartPointJoins",
            {{10, 10, 10, 10, 1, 0, -1}, {20, 20, 0, 0, 1, 0, -1}, {0, 0, 0, 0, 1, 0, -2}, {40, 40, 0, 0, 1, 0, -2}},
            1,
            FreeLineRedraw::Strokes,
            {{1, {10, 10, 10, 10}}, {2, {20, 20, 10, 10}}, {3, {0, 0, 20, 20}}, {4, {40, 40, 0, 0}}}},
        ChainCase{
            "AnEmptyRecordBreaksTheChain",
            {{10, 10, 10, 10, 1, 0, 1}, {0, 0, 0, 0, 0, 0, 0}, {30, 30, 0, 0, 1, 0, -1}, {40, 40, 0, 0, 1, 0, -1}},
            1,
            FreeLineRedraw::Strokes,
            {{1, {10, 10, 10, 10}}, {3, {30, 30, 30, 30}}, {4, {40, 40, 30, 30}}}},
        ChainCase{"RecordsOfAnotherFigureStartAtThemselves",
                  {{500, 500, 0, 0, 1, 0, 1}, {600, 600, 0, 0, 1, 0, 1}, {700, 700, 0, 0, 1, 0, 2}},
                  1,
                  FreeLineRedraw::Figure,
                  {{1, {500, 500, 500, 500}}, {2, {600, 600, 600, 600}}, {3, {700, 700, 600, 600}}}}),
    [](const auto& param) { return std::string(param.param.name); });

// Strokes drawn with the pen, some starting on the left or top edge: the
// live segments and those of a full redraw are exactly the strokes' own.
TEST(FreeLinePen, StrokesStartingOnAnEdgeAreNotJoinedToTheStrokeBefore)
{
    GdrRecord document;
    makeNewDocument(document);
    RecordingReporter reporter;
    test::ScriptedMessageBoxes boxes;
    FreeLinePanelRegisters registers;
    GenoCanvas canvas{CanvasSize::Normal, document, reporter};
    FreeDrawing pen{CanvasSize::Normal, canvas, registers, boxes};
    for (const auto& [x, y] : {std::pair{500.F, 500.F}, {0.F, 800.F}, {800.F, 0.F}}) {
        pen.mouseDown(kLeftButton, x, y);
        pen.mouseMove(kLeftButton, x + 100, y + 100);
        pen.mouseUp(kLeftButton, x + 200, y + 100);
    }
    const Segments expected{{1, {500, 500, 500, 500}}, {2, {600, 600, 500, 500}}, {3, {700, 600, 600, 600}},
                            {4, {0, 800, 0, 800}},     {5, {100, 900, 0, 800}},   {6, {200, 900, 100, 900}},
                            {7, {800, 0, 800, 0}},     {8, {900, 100, 800, 0}},   {9, {1000, 100, 900, 100}}};
    EXPECT_EQ(freeLineSegments(canvas), expected);
    canvas.rebuild();
    EXPECT_EQ(freeLineSegments(canvas), expected) << "after a full redraw";
    EXPECT_TRUE(reporter.errors.empty() && boxes.shown.empty());
}

// A full redraw of pen records that have not changed only moves their
// segments to the front. Two canvases take the same random edits; the second
// is made to redraw every record each time, and both must end alike.
struct Screen {
    explicit Screen(const GdrRecord& start)
        : document(start)
    {}
    GdrRecord document;
    RecordingReporter reporter;
    std::int32_t figureNo = 0;
    GenoCanvas canvas{CanvasSize::Normal, document, reporter,
                      CanvasContext{[] { return InputMode::Text; }, [this] { return figureNo; }}};
};

std::vector<LineWidget> freeLineWidgets(const GenoCanvas& canvas)
{
    std::vector<LineWidget> widgets;
    for (const WidgetId& id : canvas.zOrder().bottomToTop())
        if (id.kind == WidgetKind::FreeLine) widgets.push_back(*canvas.lineWidget(id));
    return widgets;
}

TEST(FreeLineRedraw, RedrawingUnchangedRecordsEndsAsRedrawingEveryRecord)
{
    GdrRecord start;
    makeNewDocument(start);
    start.AddLine[0] = {kTrue, 100, 100, 900, 900};
    Screen fast(start), full(start);
    std::mt19937 rng(7);
    const auto pick = [&](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
    const auto both = [&](auto edit) {
        edit(fast);
        // Touching the records for writing makes them count as changed.
        full.document.FreeLine.mutableItems();
        edit(full);
    };

    for (int step = 0; step < 400; ++step) {
        const int upper = fast.document.FreeLine.upperBound();
        const auto anyRecord = [&] { return 1 + pick(std::max(1, upper)); };
        switch (pick(10)) {
        case 0: both([](Screen& s) { s.canvas.rebuild(); }); break;
        case 1: both([](Screen& s) { s.canvas.redrawFreeLines(0, FreeLineRedraw::Strokes); }); break;
        case 2: {
            const FreeLineRecord record{
                static_cast<float>(pick(4000)), static_cast<float>(pick(5000)), 0, 0, 1 + pick(4), 0, -pick(3)};
            const auto how = pick(2) == 0 ? FreeLineRedraw::Figure : FreeLineRedraw::Strokes;
            both([&](Screen& s) {
                s.document.FreeLine.mutableItems().push_back(record);
                s.canvas.redrawFreeLines(s.document.FreeLine.upperBound(), how);
            });
            break;
        }
        case 3: { // An emptied record is passed over; its segment stays where it was.
            const int k = anyRecord();
            both([&](Screen& s) {
                if (s.document.FreeLine.contains(k)) s.document.FreeLine[k].BorderWidth = 0;
            });
            break;
        }
        case 4: {
            const int slot = pick(kNormalSlotCount);
            both([&](Screen& s) { s.canvas.ageLabels.bringToFront(slot); });
            break;
        }
        case 5: {
            const int k = anyRecord();
            both([&](Screen& s) {
                if (LineWidget* segment = s.canvas.FreeLine.find(k)) segment->visible = !segment->visible;
            });
            break;
        }
        case 6: both([](Screen& s) { s.canvas.drawAddedLines(AddedLineDraw::Create); }); break;
        case 7: { // An undo: the last records go, and their segments with them.
            const int kept = std::max(1, upper - pick(4));
            both([&](Screen& s) {
                s.document.FreeLine.mutableItems().resize(static_cast<std::size_t>(kept));
                for (int i = s.canvas.FreeLine.upperBound(); i > kept; --i)
                    if (s.canvas.FreeLine.exists(i)) s.canvas.FreeLine.unload(i);
            });
            break;
        }
        case 8: { // A list read in whole, as a document opened: same size, one point moved.
            DynamicArray<FreeLineRecord> replaced = fast.document.FreeLine;
            const int k = anyRecord();
            if (replaced.contains(k)) replaced.mutableItems()[static_cast<std::size_t>(k - 1)].X1 += 15;
            both([&](Screen& s) { s.document.FreeLine = replaced; });
            break;
        }
        default: {
            const std::int32_t figureNo = pick(3);
            both([&](Screen& s) {
                s.figureNo = figureNo;
                s.canvas.redrawFreeLines(0, FreeLineRedraw::Figure);
            });
        }
        }
        ASSERT_EQ(fast.canvas.zOrder().bottomToTop(), full.canvas.zOrder().bottomToTop()) << "step " << step;
        ASSERT_EQ(freeLineWidgets(fast.canvas), freeLineWidgets(full.canvas)) << "step " << step;
        ASSERT_EQ(fast.document, full.document) << "step " << step;
        ASSERT_TRUE(fast.canvas.freeLinesRestacked() || !full.canvas.freeLinesRestacked()) << "step " << step;
    }
}

TEST(FreeLineRedraw, APanelEditRedrawsWithoutTouchingAnyPenSegment)
{
    GdrRecord start;
    makeNewDocument(start);
    start.FreeLine = {
        true,
        1,
        {{10, 10, 10, 10, 1, 0, -1}, {20, 20, 0, 0, 1, 0, -1}, {0, 0, 0, 0, 0, 0, -1}, {40, 40, 40, 40, 2, 0, -2}}};
    Screen screen(start);
    screen.canvas.rebuild();
    const std::uint64_t segments = screen.canvas.FreeLine.revision();
    screen.document.AgeText[3] = "45";
    screen.canvas.rebuild();
    EXPECT_EQ(screen.canvas.FreeLine.revision(), segments);
    EXPECT_EQ(screen.canvas.ageLabels[3].caption, "45");
    EXPECT_EQ(std::ranges::count_if(freeLineWidgets(screen.canvas), [](const LineWidget& l) { return l.visible; }), 3);
}

} // namespace
} // namespace kinsketch
