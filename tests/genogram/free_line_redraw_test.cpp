// A full redraw of pen records that have not changed only moves their
// segments to the front. Two canvases take the same random edits; the second
// is made to redraw every record each time, and both must end alike.
#include "genogram/geno_canvas.h"
#include "tests/support/recording_reporter.h"

#include "document/gdr_conversion.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

namespace kinsketch {
namespace {

using test::RecordingReporter;

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
        switch (pick(10)) {
        case 0: both([](Screen& s) { s.canvas.rebuild(); }); break;
        case 1: both([](Screen& s) { s.canvas.redrawFreeLines(0, FreeLineRedraw::Strokes); }); break;
        case 2: {
            const FreeLineRecord record{
                static_cast<float>(pick(4000)), static_cast<float>(pick(5000)), 0, 0, 1 + pick(4), 0, -pick(3)};
            const bool figure = pick(2) == 0;
            both([&](Screen& s) {
                s.document.FreeLine.mutableItems().push_back(record);
                s.canvas.redrawFreeLines(s.document.FreeLine.upperBound(),
                                         figure ? FreeLineRedraw::Figure : FreeLineRedraw::Strokes);
            });
            break;
        }
        case 3: {
            // An emptied record is passed over; its segment stays where it was.
            const int k = 1 + pick(std::max(1, upper));
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
            const int k = 1 + pick(std::max(1, upper));
            both([&](Screen& s) {
                if (LineWidget* segment = s.canvas.FreeLine.find(k)) segment->visible = !segment->visible;
            });
            break;
        }
        case 6: both([](Screen& s) { s.canvas.drawAddedLines(AddedLineDraw::Create); }); break;
        case 7: {
            // An undo: the last records go, and their segments with them.
            const int kept = std::max(1, upper - pick(4));
            both([&](Screen& s) {
                s.document.FreeLine.mutableItems().resize(static_cast<std::size_t>(kept));
                for (int k = s.canvas.FreeLine.upperBound(); k > kept; --k)
                    if (s.canvas.FreeLine.exists(k)) s.canvas.FreeLine.unload(k);
            });
            break;
        }
        case 8: {
            // A list read in whole, as a document opened: same size, one point moved.
            DynamicArray<FreeLineRecord> replaced = fast.document.FreeLine;
            const int k = 1 + pick(std::max(1, upper));
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
        ASSERT_EQ(fast.canvas.freeLinesRestacked() || !full.canvas.freeLinesRestacked(), true) << "step " << step;
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
    const auto segmentsShown =
        std::ranges::count_if(freeLineWidgets(screen.canvas), [](const LineWidget& l) { return l.visible; });
    EXPECT_EQ(segmentsShown, 3);
}

} // namespace
} // namespace kinsketch
