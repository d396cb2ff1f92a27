// The free-drawing gestures and the free-line panel's buttons on the
// document's list of pen records.
#include "tools/free_line_panel.h"

#include "genogram/canvas_layer_store.h"
#include "genogram/free_drawing.h"
#include "picture/canvas_picture.h"
#include "tests/support/recording_reporter.h"
#include "tests/support/scripted_message_boxes.h"

#include "document/gdr_codec.h"
#include "document/gdr_conversion.h"

#include <gtest/gtest.h>

#include <vector>

namespace kinsketch {
namespace {

class FreeDrawingList : public ::testing::Test {
protected:
    FreeDrawingList() { restart(); }

    void click(float x, float y)
    {
        drawing.mouseDown(kLeftButton, x, y);
        drawing.mouseUp(kLeftButton, x, y);
    }
    // A press, a move to each point between, a release at the last.
    void drag(const std::vector<FreeLinePoint>& points)
    {
        drawing.mouseDown(kLeftButton, points.front().x, points.front().y);
        for (std::size_t i = 1; i + 1 < points.size(); ++i) drawing.mouseMove(kLeftButton, points[i].x, points[i].y);
        drawing.mouseUp(kLeftButton, points.back().x, points.back().y);
    }
    void figureSegment(FreeLinePoint from, FreeLinePoint to)
    {
        drag({from, {(from.x + to.x) / 2, (from.y + to.y) / 2}, to});
    }
    std::vector<FreeLinePoint> strokeOf(int points, float y = 1000)
    {
        std::vector<FreeLinePoint> out;
        for (int i = 0; i < points; ++i) out.push_back({100.0F + 30.0F * static_cast<float>(i), y});
        return out;
    }
    std::int32_t upperBound() const { return document.FreeLine.upperBound(); }
    void restart()
    {
        makeNewDocument(document);
        panel.load();
    }
    std::vector<std::int32_t> strokeNos() const
    {
        std::vector<std::int32_t> out;
        for (const auto& r : document.FreeLine.items()) out.push_back(r.StrokeNo);
        return out;
    }

    GdrRecord document;
    std::int32_t loadedCount = 0;
    FreeLinePanelRegisters registers;
    test::ScriptedMessageBoxes boxes;
    test::RecordingReporter reporter;
    GenoCanvas canvas{CanvasSize::Normal, document, reporter,
                      CanvasContext{{}, [this] { return tagNumber(registers.figureTag); }}};
    FreeDrawing drawing{CanvasSize::Normal, canvas, registers, boxes};
    FreeLinePanel panel{document, loadedCount, registers, boxes, {[this]() -> GenoCanvas& { return canvas; }}};
};

TEST_F(FreeDrawingList, StrokesReuseTheOneEmptyRecordAndTakeFallingSignedNumbers)
{
    click(100, 100);
    EXPECT_EQ(upperBound(), 2) << "the press reused record 1, the release appended";
    drag(strokeOf(3));
    EXPECT_EQ(strokeNos(), (std::vector<std::int32_t>{-1, -1, -2, -2, -2}));
    EXPECT_EQ(registers.strokeTag, "-2");

    panel.undoStroke();
    EXPECT_EQ(strokeNos(), (std::vector<std::int32_t>{-1, -1})) << "one undo takes one stroke";
}

TEST_F(FreeDrawingList, UndoTakesAWholeStrokeButOneFigureSegmentAndReturnsToThePen)
{
    drag(strokeOf(30));
    ASSERT_EQ(upperBound(), 30);
    panel.undoStroke();
    EXPECT_TRUE(isEmptyFreeLineList(document.FreeLine));
    EXPECT_FALSE(canvas.FreeLine.exists(1));

    panel.toggleFigure();
    figureSegment({1000, 1000}, {2000, 1000});
    figureSegment({2000, 1000}, {2000, 2000});
    figureSegment({2000, 2000}, {1500, 2500});
    ASSERT_EQ(lastDrawnFreeLine(document.FreeLine), 3);
    panel.undoStroke();
    EXPECT_EQ(upperBound(), 2) << "the last segment and the spare record went";
    EXPECT_EQ(document.FreeLine[2].X1, 2000);
    EXPECT_EQ(registers.tool(), FreeLineTool::Pen);
    EXPECT_FALSE(registers.figureHighlighted);
}

TEST_F(FreeDrawingList, AFigureClosesWithin150TwipsOfItsStartOnBothAxes)
{
    struct Case {
        float dx, dy;
        bool closes;
    };
    for (const Case c : {Case{150, 150, true}, Case{-150, -150, true}, Case{151, 150, false}, Case{150, 151, false}}) {
        SCOPED_TRACE(testing::Message() << c.dx << ", " << c.dy);
        restart();
        panel.toggleFigure();
        figureSegment({1000, 1000}, {2000, 1000});
        figureSegment({2000, 1000}, {1000 + c.dx, 1000 + c.dy});
        EXPECT_EQ(registers.tool(), c.closes ? FreeLineTool::Pen : FreeLineTool::Figure);
        EXPECT_EQ(registers.figureTag, c.closes ? "0" : "1");
        EXPECT_EQ(upperBound(), c.closes ? 2 : 3);
    }
}

TEST_F(FreeDrawingList, TheFigureButtonTwiceAddsNoRecord)
{
    click(100, 100);
    const auto before = document.FreeLine;
    panel.toggleFigure();
    EXPECT_TRUE(registers.figureHighlighted);
    panel.toggleFigure();
    EXPECT_EQ(document.FreeLine, before);
    EXPECT_EQ(registers.tool(), FreeLineTool::Pen);
}

TEST_F(FreeDrawingList, TheEraserButtonClosesAnOpenFigureBackToItsStart)
{
    panel.toggleFigure();
    figureSegment({1000, 1000}, {2000, 1000});
    figureSegment({2000, 1000}, {2000, 2000});
    panel.toggleEraser();
    EXPECT_EQ(document.FreeLine[3], (FreeLineRecord{2000, 2000, 1000, 1000, 1, 0, 1}));
    EXPECT_EQ(registers.tool(), FreeLineTool::Eraser);

    drag(strokeOf(2));
    EXPECT_EQ(std::tie(document.FreeLine[4].BorderColor, document.FreeLine[4].BorderWidth),
              std::make_tuple(kWhite, 10));
}

TEST_F(FreeDrawingList, StrokesThatCameWithTheDocumentCannotBeUndone)
{
    document.FreeLine = {true, 1, {{10, 10, 10, 10, 1, 0, -4}, {20, 20, 0, 0, 1, 0, -4}}};
    loadedCount = loadedFreeLineCount(document);
    panel.load();
    EXPECT_FALSE(registers.undoEnabled);
    EXPECT_EQ(registers.strokeTag, "-4");

    drag(strokeOf(3));
    EXPECT_EQ(document.FreeLine[3].StrokeNo, -5) << "\"0\" in front of \"-4\" still reads -4";
    EXPECT_TRUE(registers.undoEnabled);
    panel.undoStroke();
    EXPECT_FALSE(registers.undoEnabled);
    panel.undoStroke();
    EXPECT_EQ(upperBound(), 2);

    // A loaded stroke whose number a new stroke happens to share stays too.
    registers.strokeTag = "-3";
    drag(strokeOf(2));
    panel.undoStroke();
    EXPECT_EQ(upperBound(), 2);
}

TEST_F(FreeDrawingList, ClearAllAsksFirstAndLeavesOneEmptyRecord)
{
    document.FreeLine = {true, 1, {{10, 10, 10, 10, 1, 0, -4}}};
    loadedCount = 1;
    panel.load();
    panel.toggleFigure();
    figureSegment({1000, 1000}, {2000, 1000});
    const auto before = document.FreeLine;

    panel.clearAll(); // answered No
    EXPECT_EQ(document.FreeLine, before);

    boxes.answers = {MessageAnswer::Yes};
    panel.clearAll();
    EXPECT_EQ(document.FreeLine, (FreeLineList{true, 1, {FreeLineRecord{}}}));
    EXPECT_EQ(canvas.FreeLine.upperBound(), 0);
    EXPECT_EQ(loadedCount, 0);
}

TEST_F(FreeDrawingList, AnEmptyOrZeroWidthIsRefusedAndTheGestureDrawsNothing)
{
    struct Case {
        bool eraser;
        std::string width, message;
    };
    for (const Case& c :
         {Case{false, "", "線の太さを指定してください。"}, Case{false, "0", "線の太さは１以上を指定してください。"},
          Case{true, "", "消しゴムの太さを指定してください。"},
          Case{true, "00", "消しゴムの太さは１以上を指定してください。"}}) {
        SCOPED_TRACE(c.message);
        restart();
        boxes.shown.clear();
        if (c.eraser) panel.toggleEraser();
        (c.eraser ? registers.eraserWidthText : registers.penWidthText) = c.width;
        drag(strokeOf(4));
        EXPECT_EQ(boxes.texts(), std::vector<std::string>{c.message});
        EXPECT_TRUE(isEmptyFreeLineList(document.FreeLine));
        EXPECT_EQ(registers.strokeTag, "-1") << "the number went down all the same";
        EXPECT_EQ(c.eraser ? panel.checkEraserWidth() : panel.checkPenWidth(), false);
    }
}

TEST_F(FreeDrawingList, AFigureClickedOpenAndShutDrawsADotNotALineToAnEarlierRecord)
{
    drag(strokeOf(2));
    panel.toggleFigure();
    click(3000, 3000);
    EXPECT_EQ(document.FreeLine[3], (FreeLineRecord{3000, 3000, 3000, 3000, 1, 0, 1}));
    EXPECT_EQ(canvas.FreeLine[3].x2, 3000);
    EXPECT_EQ(registers.tool(), FreeLineTool::Pen);
}

// A figure left open by a mode switch keeps its spare record; the strokes
// drawn after it vanished at the next redraw and from the saved document.
TEST_F(FreeDrawingList, StrokesAfterAFigureLeftOpenSurviveRedrawSaveAndReload)
{
    panel.toggleFigure();
    figureSegment({1000, 1000}, {2000, 1000});
    figureSegment({2000, 1000}, {2000, 2000});
    panel.load(); // the panel closed and opened again by the switch bar
    drag(strokeOf(3, 3000));
    drag(strokeOf(2, 4000));
    ASSERT_EQ(document.FreeLine[3].BorderWidth, 0) << "the spare record stays";

    canvas.rebuild();
    const QImage picture = renderCanvasPicture(canvas);
    for (int k : {1, 2, 4, 5, 6, 7, 8}) EXPECT_TRUE(canvas.FreeLine.exists(k)) << k;

    CanvasLayerStore store{document, reporter, [this](CanvasSize) -> GenoCanvas& { return canvas; }};
    ASSERT_TRUE(store.saveStrokes(CanvasSize::Normal));
    const GdrRecord reopened = decodeCurrentGdr(encodeGdr(document));
    ASSERT_EQ(reopened.FreeLine.items().size(), 7U);
    EXPECT_EQ(strokeNos(), (std::vector<std::int32_t>{1, 1, -1, -1, -1, -2, -2}));
    EXPECT_EQ(reopened.FreeLine, document.FreeLine);

    GdrRecord second = reopened;
    GenoCanvas shown{CanvasSize::Normal, second, reporter};
    shown.rebuild();
    EXPECT_EQ(second.FreeLine, reopened.FreeLine) << "a redraw of the saved list changes nothing";
    EXPECT_EQ(renderCanvasPicture(shown), picture);
    EXPECT_TRUE(reporter.errors.empty());
}

} // namespace
} // namespace kinsketch
