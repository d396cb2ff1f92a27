#include "genogram/canvas_mouse.h"
#include "tests/support/recording_reporter.h"
#include "tests/support/scripted_message_boxes.h"
#include "tests/support/text_dialog_doubles.h"

#include "document/gdr_conversion.h"

#include <gtest/gtest.h>

namespace kinsketch {
namespace {

using test::RecordingReporter;
using test::ScriptedMessageBoxes;

using test::FixedMeasure;
using test::ScriptedTextDialog;

class TextGesture : public ::testing::Test {
protected:
    explicit TextGesture(CanvasSize size = CanvasSize::Normal)
        : canvas(size, document, reporter, {[this] { return mode; }})
    {
        makeNewDocument(document);
    }

    void click(float x, float y, MouseButtons button = kLeftButton)
    {
        mouse.mouseDown(button, x, y);
        mouse.mouseUp(button, x, y);
    }
    int place(const std::string& text, float x, float y)
    {
        dialog.answer(text);
        click(x, y);
        return canvas.textLabels.upperBound();
    }
    // A short text on a free spot of a grid of 10 × 10.
    int place(const std::string& text)
    {
        const int spot = spots++;
        return place(text, static_cast<float>(spot % 10) * 400, static_cast<float>(spot / 10) * 300);
    }
    // Text n emptied by editing, which frees its number.
    void empty(int n)
    {
        dialog.answer("");
        const LabelWidget& l = canvas.textLabels[n];
        mouse.doubleClick(kLeftButton, l.left + 1, l.top + 1);
        mouse.mouseUp(kLeftButton, l.left + 1, l.top + 1);
    }

    InputMode mode = InputMode::Text;
    int spots = 0;
    GdrRecord document;
    RecordingReporter reporter;
    ScriptedMessageBoxes boxes;
    ScriptedTextDialog dialog;
    FixedMeasure measure;
    GenoCanvas canvas;
    CanvasMouse mouse{canvas, boxes, dialog, measure};
};

TEST_F(TextGesture, TheHighestFreedNumberIsReusedFirst)
{
    for (int i = 1; i <= 5; ++i) place("t" + std::to_string(i));
    empty(3);
    empty(5);
    EXPECT_EQ(canvas.textLabels[3].tag, "0");
    EXPECT_FALSE(canvas.textLabels[5].visible);
    EXPECT_EQ(place("n"), 5);
    EXPECT_EQ(canvas.textLabels[5].caption, "n");
    EXPECT_TRUE(canvas.textLabels[5].visible);
    place("m");
    EXPECT_EQ(canvas.textLabels[3].caption, "m");
    EXPECT_EQ(place("o"), 6);
}

TEST_F(TextGesture, ARightClickDeletionKeepsItsNumberTaken)
{
    place("a", 100, 100);
    place("b", 1000, 100);
    click(110, 110, kRightButton); // answered No
    EXPECT_TRUE(canvas.textLabels[1].visible);
    boxes.answers.push_back(MessageAnswer::Yes);
    click(110, 110, kRightButton);
    ASSERT_EQ(boxes.texts().size(), 2U);
    EXPECT_EQ(boxes.texts()[1], "選択した文字を削除します。\r\n\r\nよろしいですか？");
    EXPECT_EQ(boxes.shown[1].icon, MessageIcon::Question);
    EXPECT_FALSE(canvas.textLabels[1].visible);
    EXPECT_EQ(canvas.textLabels[1].tag, "2");
    EXPECT_EQ(place("c"), 3);
    click(110, 110, kRightButton); // the deleted text no longer takes the mouse; text 3 lies there
    EXPECT_EQ(boxes.shown.size(), 3U);
}

TEST_F(TextGesture, DraggingMovesByThePointerAndStopsAtTheEdges)
{
    place("drag", 1000, 1000);
    mouse.mouseDown(kLeftButton, 1010, 1020); // grabbed 10, 20 inside
    EXPECT_EQ(mouse.pointer(), MousePointer::UpArrow);
    mouse.mouseMove(kLeftButton, 1510, 1320);
    EXPECT_EQ(canvas.textLabels[1].left, 1500);
    EXPECT_EQ(canvas.textLabels[1].top, 1300);
    mouse.mouseMove(kLeftButton, 9000, 9000);
    EXPECT_EQ(canvas.textLabels[1].left, 4250);
    EXPECT_EQ(canvas.textLabels[1].top, 5030);
    mouse.mouseMove(kLeftButton, -9000, -9000);
    EXPECT_EQ(canvas.textLabels[1].left, 0);
    EXPECT_EQ(canvas.textLabels[1].top, 0);
    mouse.mouseUp(kLeftButton, -9000, -9000);
    EXPECT_EQ(mouse.pointer(), MousePointer::Default);
}

class WideTextGesture : public TextGesture {
protected:
    WideTextGesture()
        : TextGesture(CanvasSize::Wide)
    {}
};

TEST_F(WideTextGesture, DraggingStopsAtTheWideEdges)
{
    place("drag", 1000, 1000);
    mouse.mouseDown(kLeftButton, 1000, 1000);
    mouse.mouseMove(kLeftButton, 20000, 20000);
    EXPECT_EQ(canvas.textLabels[1].left, 7000);
    EXPECT_EQ(canvas.textLabels[1].top, 6150);
}

TEST_F(TextGesture, DoubleClickEditsInTextModeOnly)
{
    place("old", 1000, 1000);
    canvas.textLabels[1].bold = true;
    canvas.textLabels[1].foreColor = 0xFF;
    mode = InputMode::FreeLines;
    mouse.doubleClick(kLeftButton, 1010, 1010);
    EXPECT_EQ(dialog.asked.size(), 1U);

    mode = InputMode::Text;
    dialog.answers.push_back(std::nullopt);
    mouse.doubleClick(kLeftButton, 1010, 1010);
    ASSERT_EQ(dialog.asked.size(), 2U);
    EXPECT_EQ(dialog.asked[1].text, "old");
    EXPECT_TRUE(dialog.asked[1].bold);
    EXPECT_EQ(canvas.textLabels[1].caption, "old") << "cancel changes nothing";

    dialog.answer("longer text", "ＭＳ 明朝", 12);
    mouse.doubleClick(kLeftButton, 1010, 1010);
    EXPECT_EQ(canvas.textLabels[1].caption, "longer text");
    EXPECT_EQ(canvas.textLabels[1].fontSize, 12);
    EXPECT_EQ(canvas.textLabels[1].width, 1150);
    EXPECT_EQ(canvas.textLabels[1].left, 1000) << "an edit leaves the place";
}

} // namespace
} // namespace kinsketch
