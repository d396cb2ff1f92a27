#include "genogram/canvas_mouse.h"
#include "tests/support/recording_reporter.h"
#include "tests/support/scripted_message_boxes.h"

#include "document/gdr_conversion.h"

#include <gtest/gtest.h>

#include <deque>

namespace kinsketch {
namespace {

using test::RecordingReporter;
using test::ScriptedMessageBoxes;

// Answers the text dialog from a script: each answer is what the user leaves
// in the dialog, or nothing for cancel.
class ScriptedTextDialog : public TextDialog {
public:
    std::int32_t GfncExec(TextFormatting& values) override
    {
        asked.push_back(values);
        if (answers.empty() || !answers.front()) {
            if (!answers.empty()) answers.pop_front();
            values.text.clear();
            return 1;
        }
        values = *answers.front();
        answers.pop_front();
        return 0;
    }
    void answer(const std::string& text, std::string font = {}, std::uint8_t size = 0)
    {
        answers.push_back(TextFormatting{text, std::move(font), size});
    }
    std::deque<std::optional<TextFormatting>> answers;
    std::vector<TextFormatting> asked;
};

// 100 twips per character and 200 per line, whatever the font.
class FixedMeasure : public TextMeasure {
public:
    TwipsSize measure(const LabelWidget& label) const override
    {
        return {100.0F * static_cast<float>(label.caption.size()), 200};
    }
};

class TextGesture : public ::testing::Test {
protected:
    explicit TextGesture(CanvasSize size = CanvasSize::Normal) : canvas(size, document, reporter, {[this] { return mode; }})
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
        return canvas.lblInp.upperBound();
    }
    // A short text on a free spot of a grid of 10 × 10.
    int place(const std::string& text)
    {
        const int spot = spots++;
        return place(text, static_cast<float>(spot % 10) * 400, static_cast<float>(spot / 10) * 300);
    }
    void rightClickOn(int n) { click(canvas.lblInp[n].left + 1, canvas.lblInp[n].top + 1, kRightButton); }
    // Text n emptied by editing, which frees its number.
    void empty(int n)
    {
        dialog.answer("");
        const LabelWidget& l = canvas.lblInp[n];
        mouse.doubleClick(kLeftButton, l.left + 1, l.top + 1);
        mouse.mouseUp(kLeftButton, l.left + 1, l.top + 1);
    }

    std::uint8_t mode = 1;
    int spots = 0;
    GdrRecord document;
    RecordingReporter reporter;
    ScriptedMessageBoxes boxes;
    ScriptedTextDialog dialog;
    FixedMeasure measure;
    GenoCanvas canvas;
    CanvasMouse mouse{canvas, boxes, dialog, measure};
};

TEST_F(TextGesture, ANewTextTakesTheDefaultsAndIsSizedToItsText)
{
    ASSERT_EQ(place("家族", 300, 400), 1);
    const LabelWidget& label = canvas.lblInp[1];
    EXPECT_EQ(dialog.asked.at(0), TextFormatting{}) << "a new text starts empty";
    EXPECT_EQ(label.caption, "家族");
    EXPECT_EQ(label.fontName, "ＭＳ Ｐゴシック");
    EXPECT_EQ(label.fontSize, 9);
    EXPECT_EQ(label.tag, "2");
    EXPECT_TRUE(label.visible);
    EXPECT_EQ(label.left, 300);
    EXPECT_EQ(label.top, 400);
    EXPECT_EQ(label.width, 100.0F * 6 + 50); // six bytes of UTF-8
    EXPECT_EQ(label.height, 250);
    EXPECT_EQ(canvas.zOrder().bottomToTop().back(), (WidgetId{WidgetKind::lblInp, 1}));
}

TEST_F(TextGesture, CancelRightClickAndAnEmptyTextPlaceNothing)
{
    dialog.answers.push_back(std::nullopt);
    click(100, 100);
    click(100, 100, kRightButton);
    dialog.answer("");
    click(100, 100);
    EXPECT_EQ(canvas.lblInp.upperBound(), 0);
    EXPECT_EQ(dialog.asked.size(), 2U) << "a right click opens no dialog";
}

TEST_F(TextGesture, TheHighestFreedNumberIsReusedFirst)
{
    for (int i = 1; i <= 5; ++i) place("t" + std::to_string(i));
    empty(3);
    empty(5);
    EXPECT_EQ(canvas.lblInp[3].tag, "0");
    EXPECT_FALSE(canvas.lblInp[5].visible);
    EXPECT_EQ(place("n"), 5);
    EXPECT_EQ(canvas.lblInp[5].caption, "n");
    EXPECT_TRUE(canvas.lblInp[5].visible);
    place("m");
    EXPECT_EQ(canvas.lblInp[3].caption, "m");
    EXPECT_EQ(place("o"), 6);
}

TEST_F(TextGesture, ARightClickDeletionKeepsItsNumberTaken)
{
    place("a", 100, 100);
    place("b", 1000, 100);
    click(110, 110, kRightButton); // answered No
    EXPECT_TRUE(canvas.lblInp[1].visible);
    boxes.answers.push_back(MessageAnswer::Yes);
    click(110, 110, kRightButton);
    ASSERT_EQ(boxes.texts().size(), 2U);
    EXPECT_EQ(boxes.texts()[1], "選択した文字を削除します。\r\n\r\nよろしいですか？");
    EXPECT_EQ(boxes.shown[1].icon, MessageIcon::Question);
    EXPECT_FALSE(canvas.lblInp[1].visible);
    EXPECT_EQ(canvas.lblInp[1].tag, "2");
    EXPECT_EQ(place("c"), 3);
    click(110, 110, kRightButton); // the deleted text no longer takes the mouse; text 3 lies there
    EXPECT_EQ(boxes.shown.size(), 3U);
}

TEST_F(TextGesture, NinetyNineTextsInUseRefuseANewOneWithoutADialog)
{
    for (int i = 1; i <= 99; ++i) place("x");
    boxes.answers.push_back(MessageAnswer::Yes);
    rightClickOn(99); // deleted, but its number stays taken
    const auto asked = dialog.asked.size();
    click(4100, 4100);
    EXPECT_EQ(dialog.asked.size(), asked);
    EXPECT_EQ(boxes.texts().back(), "これ以上追加できません。");
    EXPECT_EQ(boxes.shown.back().icon, MessageIcon::Exclamation);
    EXPECT_EQ(canvas.lblInp.upperBound(), 99);

    empty(98);
    place("again", 4100, 4100);
    EXPECT_EQ(canvas.lblInp[98].caption, "again") << "a freed number is still handed out at the limit";
    EXPECT_EQ(canvas.lblInp.upperBound(), 99);
}

TEST_F(TextGesture, AHundredLoadedTextsTakeNoHundredAndFirst)
{
    for (int i = 1; i <= 100; ++i) {
        LabelWidget label = textLabelTemplate();
        label.caption = "x";
        label.tag = "2";
        label.visible = true;
        canvas.lblInp.load(i, label);
    }
    click(3000, 3000);
    EXPECT_TRUE(dialog.asked.empty());
    EXPECT_EQ(canvas.lblInp.upperBound(), 100);
}

TEST_F(TextGesture, DraggingMovesByThePointerAndStopsAtTheEdges)
{
    place("drag", 1000, 1000);
    mouse.mouseDown(kLeftButton, 1010, 1020); // grabbed 10, 20 inside
    EXPECT_EQ(mouse.pointer(), MousePointer::UpArrow);
    mouse.mouseMove(kLeftButton, 1510, 1320);
    EXPECT_EQ(canvas.lblInp[1].left, 1500);
    EXPECT_EQ(canvas.lblInp[1].top, 1300);
    mouse.mouseMove(kLeftButton, 9000, 9000);
    EXPECT_EQ(canvas.lblInp[1].left, 4250);
    EXPECT_EQ(canvas.lblInp[1].top, 5030);
    mouse.mouseMove(kLeftButton, -9000, -9000);
    EXPECT_EQ(canvas.lblInp[1].left, 0);
    EXPECT_EQ(canvas.lblInp[1].top, 0);
    mouse.mouseUp(kLeftButton, -9000, -9000);
    EXPECT_EQ(mouse.pointer(), MousePointer::Default);
}

class WideTextGesture : public TextGesture {
protected:
    WideTextGesture() : TextGesture(CanvasSize::Wide) {}
};

TEST_F(WideTextGesture, DraggingStopsAtTheWideEdges)
{
    place("drag", 1000, 1000);
    mouse.mouseDown(kLeftButton, 1000, 1000);
    mouse.mouseMove(kLeftButton, 20000, 20000);
    EXPECT_EQ(canvas.lblInp[1].left, 7000);
    EXPECT_EQ(canvas.lblInp[1].top, 6150);
}

TEST_F(TextGesture, DoubleClickEditsInTextModeOnly)
{
    place("old", 1000, 1000);
    canvas.lblInp[1].bold = true;
    canvas.lblInp[1].foreColor = 0xFF;
    mode = 3;
    mouse.doubleClick(kLeftButton, 1010, 1010);
    EXPECT_EQ(dialog.asked.size(), 1U);

    mode = 1;
    dialog.answers.push_back(std::nullopt);
    mouse.doubleClick(kLeftButton, 1010, 1010);
    ASSERT_EQ(dialog.asked.size(), 2U);
    const TextFormatting& shown = dialog.asked[1];
    EXPECT_EQ(shown.text, "old");
    EXPECT_EQ(shown.fontSize, 9);
    EXPECT_EQ(shown.bold, kTrue);
    EXPECT_EQ(shown.color, 0xFFU);
    EXPECT_EQ(canvas.lblInp[1].caption, "old") << "cancel changes nothing";

    dialog.answer("longer text", "ＭＳ 明朝", 12);
    mouse.doubleClick(kLeftButton, 1010, 1010);
    EXPECT_EQ(canvas.lblInp[1].caption, "longer text");
    EXPECT_EQ(canvas.lblInp[1].fontName, "ＭＳ 明朝");
    EXPECT_EQ(canvas.lblInp[1].fontSize, 12);
    EXPECT_FALSE(canvas.lblInp[1].bold);
    EXPECT_EQ(canvas.lblInp[1].width, 1150);
    EXPECT_EQ(canvas.lblInp[1].left, 1000) << "an edit leaves the place";
}

TEST_F(TextGesture, AgeAndRemarkLabelsPassTheClickToTheCanvas)
{
    const LabelWidget& age = canvas.lblAge[2];
    dialog.answer("on the age");
    click(age.left + 5, age.top + 5);
    EXPECT_EQ(canvas.lblInp[1].left, age.left + 5);
    EXPECT_EQ(canvas.lblInp[1].top, age.top + 5);
}

// Records what reaches the free-drawing gestures.
class RecordingFreeDrawing : public FreeDrawingGestures {
public:
    void mouseDown(MouseButtons b, float x, float y) override { events.push_back({'d', b, x, y}); }
    void mouseMove(MouseButtons b, float x, float y) override { events.push_back({'m', b, x, y}); }
    void mouseUp(MouseButtons b, float x, float y) override { events.push_back({'u', b, x, y}); }
    struct Event {
        char kind;
        MouseButtons buttons;
        float x, y;
        bool operator==(const Event&) const = default;
    };
    std::vector<Event> events;
};

TEST_F(TextGesture, InFreeModeTextsPassEveryEventOnInCanvasTwips)
{
    place("text", 1000, 1000);
    mode = 3;
    mouse.mouseDown(kLeftButton, 500, 500); // nothing installed yet
    mouse.mouseUp(kLeftButton, 500, 500);
    RecordingFreeDrawing free;
    mouse.setFreeDrawing(&free);
    mouse.mouseDown(kLeftButton, 1010, 1010);
    mouse.mouseMove(kLeftButton, 1500, 1600);
    mouse.mouseUp(kLeftButton, 1500, 1600);
    using E = RecordingFreeDrawing::Event;
    EXPECT_EQ(free.events, (std::vector<E>{{'d', kLeftButton, 1010, 1010}, {'m', kLeftButton, 1500, 1600}, {'u', kLeftButton, 1500, 1600}}));
    EXPECT_EQ(canvas.lblInp[1].left, 1000) << "the text does not move";
    EXPECT_TRUE(dialog.asked.size() == 1U);
}

} // namespace
} // namespace kinsketch
