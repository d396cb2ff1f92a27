#include "genogram/canvas_mouse.h"
#include "tests/support/recording_reporter.h"
#include "tests/support/scripted_message_boxes.h"
#include "tests/support/text_dialog_doubles.h"

#include "document/gdr_conversion.h"

#include <gtest/gtest.h>

namespace kinsketch {
namespace {

class AddedLine : public ::testing::Test {
protected:
    explicit AddedLine(CanvasSize size = CanvasSize::Normal)
        : canvas(size, document, reporter, {[this] { return mode; }})
    {
        makeNewDocument(document);
    }

    int add()
    {
        const int n = mouse.addedLines().addLine();
        canvas.drawAddedLine(n, AddedLineDraw::Create);
        return n;
    }
    void drag(int n, int end, float toX, float toY)
    {
        const LabelWidget& handle = end == 1 ? canvas.startHandles[n] : canvas.endHandles[n];
        mouse.mouseDown(kLeftButton, handle.left + 5, handle.top + 5);
        mouse.mouseMove(kLeftButton, toX + 5, toY + 5);
    }
    const AddLineRecord& line(int n) const { return document.AddLine[static_cast<std::size_t>(n - 1)]; }

    InputMode mode = InputMode::AddedLines;
    GdrRecord document;
    test::RecordingReporter reporter;
    test::ScriptedMessageBoxes boxes;
    test::ScriptedTextDialog dialog; // never answers
    test::FixedMeasure measure;
    GenoCanvas canvas;
    CanvasMouse mouse{canvas, boxes, dialog, measure};
};

TEST_F(AddedLine, DraggingAHandleMovesItsEndRedWhileHeldAndStopsAtTheEdges)
{
    add();
    drag(1, 2, 2000, 2500);
    EXPECT_EQ(line(1).X2, 2000);
    EXPECT_EQ(line(1).Y2, 2500);
    EXPECT_EQ(line(1).X1, 1000) << "the other end stays";
    EXPECT_EQ(canvas.addedLines[1].x2, 2050);
    EXPECT_EQ(canvas.addedLines[1].colour, kRed);
    EXPECT_EQ(mouse.pointer(), MousePointer::UpArrow);
    mouse.mouseMove(kLeftButton, 9000, 9000);
    EXPECT_EQ(canvas.endHandles[1].left, 4200);
    EXPECT_EQ(canvas.endHandles[1].top, 5000);
    EXPECT_EQ(canvas.addedLines[1].x2, 4250);
    mouse.mouseMove(kLeftButton, -9000, -9000);
    EXPECT_EQ(line(1).X2, 0);
    mouse.mouseUp(kLeftButton, 0, 0);
    EXPECT_EQ(canvas.addedLines[1].colour, kBlack);
    EXPECT_EQ(mouse.pointer(), MousePointer::Default);
}

class WideAddedLine : public AddedLine {
protected:
    WideAddedLine()
        : AddedLine(CanvasSize::Wide)
    {}
};

TEST_F(WideAddedLine, HandlesStopAtTheWideEdges)
{
    add();
    drag(1, 1, 20000, 20000);
    EXPECT_EQ(line(1).X1, 7000);
    EXPECT_EQ(line(1).Y1, 6150);
}

TEST_F(AddedLine, DeletionAsksWithTheLineInRedAndFreesNoNumber)
{
    for (int i = 0; i < 5; ++i) add();
    // Line 3 lies on top of the others: all start on the same diagonal.
    canvas.startHandles.bringToFront(3);
    mouse.mouseDown(kRightButton, 1005, 1005);
    EXPECT_EQ(boxes.texts().at(0), "選択した線を削除します。\r\n\r\nよろしいですか？");
    EXPECT_EQ(canvas.addedLines[3].colour, kBlack) << "No turns it black again";
    EXPECT_EQ(line(3).Used, kTrue);
    boxes.answers.push_back(MessageAnswer::Yes);
    mouse.mouseDown(kRightButton, 1005, 1005);
    mouse.mouseUp(kRightButton, 1005, 1005);
    EXPECT_EQ(line(3).Used, kFalse);
    EXPECT_FALSE(canvas.addedLines[3].visible);
    EXPECT_FALSE(canvas.startHandles[3].visible);
    EXPECT_EQ(add(), 6);
}

TEST_F(AddedLine, TheHundredthLineIsTheLastAndLineOneIsOnlyRedrawn)
{
    for (int i = 0; i < 100; ++i) add();
    const auto widgets = canvas.zOrder().bottomToTop().size();
    EXPECT_EQ(add(), 1);
    EXPECT_EQ(boxes.texts(), std::vector<std::string>{"これ以上、線を増やすことが出来ません。"});
    EXPECT_EQ(canvas.zOrder().bottomToTop().size(), widgets);
    EXPECT_TRUE(reporter.errors.empty());
    EXPECT_FALSE(canvas.drawAddedLine(101, AddedLineDraw::Create));
    EXPECT_EQ(reporter.titles(), std::vector<std::string>{"Error At GfncLineDraw"});
}

} // namespace
} // namespace kinsketch
