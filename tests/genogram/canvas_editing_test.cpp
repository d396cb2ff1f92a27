// Texts and added lines placed with the mouse, and the canvas layers saved
// into the document and loaded back.
#include "genogram/canvas_layer_store.h"
#include "genogram/canvas_mouse.h"
#include "genogram/canvas_opening.h"
#include "tests/support/recording_reporter.h"
#include "tests/support/scripted_message_boxes.h"
#include "tests/support/text_dialog_doubles.h"

#include "document/gdr_conversion.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>

namespace kinsketch {
namespace {

using test::RecordingReporter;

// The furthest a text of four characters and a line handle can be dragged.
struct Edges {
    CanvasSize size;
    float textLeft, textTop, handleLeft, handleTop;
};

class Editing : public ::testing::TestWithParam<Edges> {
protected:
    Editing() { makeNewDocument(document); }

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
    // A short text on a free spot of a grid of 10 × 11.
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
    int addLine()
    {
        const int n = mouse.addedLines().addLine();
        canvas.drawAddedLine(n, AddedLineDraw::Create);
        return n;
    }
    const AddLineRecord& line(int n) const { return document.AddLine[static_cast<std::size_t>(n - 1)]; }

    InputMode mode = InputMode::Text;
    int spots = 0;
    GdrRecord document;
    RecordingReporter reporter;
    test::ScriptedMessageBoxes boxes;
    test::ScriptedTextDialog dialog;
    test::FixedMeasure measure;
    GenoCanvas canvas{GetParam().size, document, reporter, {[this] { return mode; }}};
    CanvasMouse mouse{canvas, boxes, dialog, measure};
    CanvasLayerStore store{document, reporter, [this](CanvasSize) -> GenoCanvas& { return canvas; }};
};

TEST_P(Editing, TheHighestFreedTextNumberIsReusedFirst)
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

// Every text on the canvas must fit into the next save, which holds 100.
TEST_P(Editing, NewTextsStopAtNinetyNineUnlessANumberIsFreeAndAllOfThemSave)
{
    for (int i = 1; i <= 99; ++i) ASSERT_EQ(place(std::to_string(i)), i);
    for (const char* refused : {"100", "101"}) {
        EXPECT_EQ(place(refused), 99) << refused;
        dialog.answers.clear();
    }
    EXPECT_EQ(boxes.texts(), (std::vector<std::string>{"これ以上追加できません。", "これ以上追加できません。"}));
    empty(40);
    EXPECT_EQ(place("again"), 99);
    EXPECT_EQ(canvas.textLabels[40].caption, "again");

    ASSERT_TRUE(store.saveCanvasLayers(GetParam().size));
    EXPECT_EQ(document.TextLabel[40].Caption, "again");
    EXPECT_EQ(document.TextLabel[99].Caption, "99");
    EXPECT_EQ(document.TextLabel[100].Used, kFalse);
    EXPECT_TRUE(reporter.errors.empty());
}

TEST_P(Editing, ARightClickDeletionOfATextAsksAndKeepsItsNumberTaken)
{
    place("a", 100, 100);
    place("b", 1000, 100);
    click(110, 110, kRightButton); // answered No
    EXPECT_TRUE(canvas.textLabels[1].visible);
    boxes.answers.push_back(MessageAnswer::Yes);
    click(110, 110, kRightButton);
    ASSERT_EQ(boxes.texts().size(), 2U);
    EXPECT_EQ(boxes.texts()[1], "選択した文字を削除します。\r\n\r\nよろしいですか？");
    EXPECT_FALSE(canvas.textLabels[1].visible);
    EXPECT_EQ(canvas.textLabels[1].tag, "2");
    EXPECT_EQ(place("c"), 3);
    click(110, 110, kRightButton); // the deleted text no longer takes the mouse; text 3 lies there
    EXPECT_EQ(boxes.shown.size(), 3U);
}

TEST_P(Editing, DraggingATextMovesByThePointerAndStopsAtTheEdges)
{
    place("drag", 1000, 1000);
    mouse.mouseDown(kLeftButton, 1010, 1020); // grabbed 10, 20 inside
    EXPECT_EQ(mouse.pointer(), MousePointer::UpArrow);
    const LabelWidget& l = canvas.textLabels[1];
    mouse.mouseMove(kLeftButton, 1510, 1320);
    EXPECT_EQ(std::tie(l.left, l.top), std::make_tuple(1500.F, 1300.F));
    mouse.mouseMove(kLeftButton, 20000, 20000);
    EXPECT_EQ(std::tie(l.left, l.top), std::make_tuple(GetParam().textLeft, GetParam().textTop));
    mouse.mouseMove(kLeftButton, -9000, -9000);
    EXPECT_EQ(std::tie(l.left, l.top), std::make_tuple(0.F, 0.F));
    mouse.mouseUp(kLeftButton, -9000, -9000);
    EXPECT_EQ(mouse.pointer(), MousePointer::Default);
}

TEST_P(Editing, DoubleClickEditsATextInTextModeOnly)
{
    place("old", 1000, 1000);
    mode = InputMode::FreeLines;
    mouse.doubleClick(kLeftButton, 1010, 1010);
    EXPECT_EQ(dialog.asked.size(), 1U);

    mode = InputMode::Text;
    dialog.answers.push_back(std::nullopt);
    mouse.doubleClick(kLeftButton, 1010, 1010);
    EXPECT_EQ(dialog.asked.at(1).text, "old");
    EXPECT_EQ(canvas.textLabels[1].caption, "old") << "cancel changes nothing";

    dialog.answer("longer text", "ＭＳ 明朝", 12);
    mouse.doubleClick(kLeftButton, 1010, 1010);
    const LabelWidget& l = canvas.textLabels[1];
    EXPECT_EQ(std::tie(l.caption, l.fontSize, l.width, l.left), std::make_tuple("longer text", 12.F, 1150.F, 1000.F));
}

TEST_P(Editing, DraggingALineHandleMovesItsEndRedWhileHeldAndStopsAtTheEdges)
{
    mode = InputMode::AddedLines;
    addLine();
    mouse.mouseDown(kLeftButton, canvas.endHandles[1].left + 5, canvas.endHandles[1].top + 5);
    mouse.mouseMove(kLeftButton, 2005, 2505);
    EXPECT_EQ(std::tie(line(1).X1, line(1).X2, line(1).Y2), std::make_tuple(1000.F, 2000.F, 2500.F));
    EXPECT_EQ(canvas.addedLines[1].x2, 2050);
    EXPECT_EQ(canvas.addedLines[1].colour, kRed);
    mouse.mouseMove(kLeftButton, 20000, 20000);
    EXPECT_EQ(std::tie(line(1).X2, line(1).Y2), std::make_tuple(GetParam().handleLeft, GetParam().handleTop));
    mouse.mouseMove(kLeftButton, -9000, -9000);
    EXPECT_EQ(line(1).X2, 0);
    mouse.mouseUp(kLeftButton, 0, 0);
    EXPECT_EQ(canvas.addedLines[1].colour, kBlack);
    EXPECT_EQ(mouse.pointer(), MousePointer::Default);
}

TEST_P(Editing, DeletingALineAsksWithTheLineInRedAndFreesNoNumber)
{
    mode = InputMode::AddedLines;
    for (int i = 0; i < 5; ++i) addLine();
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
    EXPECT_FALSE(canvas.addedLines[3].visible || canvas.startHandles[3].visible);
    EXPECT_EQ(addLine(), 6);
}

TEST_P(Editing, TheHundredthLineIsTheLastAndLineOneIsOnlyRedrawn)
{
    mode = InputMode::AddedLines;
    for (int i = 0; i < 100; ++i) addLine();
    const auto widgets = canvas.zOrder().bottomToTop().size();
    EXPECT_EQ(addLine(), 1);
    EXPECT_EQ(boxes.texts(), std::vector<std::string>{"これ以上、線を増やすことが出来ません。"});
    EXPECT_EQ(canvas.zOrder().bottomToTop().size(), widgets);
    EXPECT_TRUE(reporter.errors.empty());
    EXPECT_FALSE(canvas.drawAddedLine(101, AddedLineDraw::Create));
    EXPECT_EQ(reporter.titles(), std::vector<std::string>{"Error At GfncLineDraw"});
}

INSTANTIATE_TEST_SUITE_P(BothSizes, Editing,
                         ::testing::Values(Edges{CanvasSize::Normal, 4250, 5030, 4200, 5000},
                                           Edges{CanvasSize::Wide, 7000, 6150, 7000, 6150}),
                         [](const auto& param) { return param.param.size == CanvasSize::Wide ? "Wide" : "Normal"; });

class Layers : public ::testing::Test {
protected:
    Layers() { makeNewDocument(document); }

    GenoCanvas& canvas(CanvasSize size)
    {
        auto& slot = canvases[size];
        if (!slot) slot = std::make_unique<GenoCanvas>(size, document, reporter);
        return *slot;
    }
    LabelWidget& addLabel(CanvasSize size, int index, const std::string& caption, bool visible = true)
    {
        LabelWidget label = textLabelTemplate();
        label.caption = caption;
        label.fontSize = 10.5F;
        label.top = 3000.25F;
        label.visible = visible;
        return canvas(size).textLabels.load(index, label);
    }

    GdrRecord document;
    RecordingReporter reporter;
    std::map<CanvasSize, std::unique_ptr<GenoCanvas>> canvases;
    CanvasLayerStore store{document, reporter, [this](CanvasSize size) -> GenoCanvas& { return canvas(size); }};
};

TEST_F(Layers, TextsAreRenumberedWithoutGapsAndComeBackAsTheyWere)
{
    for (int i = 1; i <= 7; ++i) addLabel(CanvasSize::Normal, i, "文字" + std::to_string(i), i == 3 || i == 7);
    addLabel(CanvasSize::Normal, 9, ""); // visible but empty
    ASSERT_TRUE(store.saveTexts(CanvasSize::Normal));
    const TextLabelRecord& r = document.TextLabel[1];
    EXPECT_EQ(std::tie(r.Caption, r.Used, r.FontSize, r.Top), std::make_tuple("文字3", kTrue, 10, 3000.25F))
        << "10.5 points are stored as 10, halves to even";
    EXPECT_EQ(document.TextLabel[2].Caption, "文字7");
    EXPECT_EQ(document.TextLabel[3].Used, kFalse);

    canvases.clear();
    ASSERT_TRUE(store.loadTexts(CanvasSize::Normal));
    GenoCanvas& reopened = canvas(CanvasSize::Normal);
    EXPECT_EQ(reopened.textLabels.upperBound(), 2);
    EXPECT_TRUE(reopened.textLabels[2].visible && reopened.textLabels[2].caption == "文字7");
    EXPECT_EQ(reopened.zOrder().bottomToTop().back(), (WidgetId{WidgetKind::textLabels, 2}));

    const auto saved = document.TextLabel;
    ASSERT_TRUE(store.saveTexts(CanvasSize::Normal));
    EXPECT_EQ(document.TextLabel, saved) << "load and save again change nothing";
    EXPECT_TRUE(reporter.errors.empty());
}

TEST_F(Layers, TextsAndAddedLinesBeyondAHundredAreReportedAndTheFirstHundredKept)
{
    GenoCanvas& wide = canvas(CanvasSize::Wide);
    for (int i = 1; i <= 101; ++i) {
        addLabel(CanvasSize::Wide, i, std::to_string(i));
        LabelWidget handle = lineHandleTemplate();
        handle.visible = true;
        handle.left = static_cast<float>(i);
        wide.startHandles.load(i, handle);
        wide.endHandles.load(i, handle);
    }
    EXPECT_FALSE(store.saveTexts(CanvasSize::Wide));
    EXPECT_EQ(document.TextLabel[100].Caption, "100");
    EXPECT_FALSE(store.saveAddedLines(CanvasSize::Wide));
    EXPECT_EQ(document.AddLine[99].X1, 100.F);
    ASSERT_EQ(reporter.titles(),
              (std::vector<std::string>{"Error At clsGdrOpe.SaveGd1", "Error At clsGdrOpe.SaveGd2"}));
    EXPECT_EQ(reporter.errors[0].text.rfind("【9】", 0), 0U);
}

TEST_F(Layers, MoreStrokesOnShowThanRecordsAreReportedUnderEachSizesTitle)
{
    document.FreeLine = {true, 1, {{10, 10, 10, 10, 2, 0, -1}, {20, 20, 0, 0, 2, 0, -1}}};
    canvas(CanvasSize::Normal).rebuild();
    canvas(CanvasSize::Wide).rebuild();
    document.FreeLine.mutableItems().resize(1);
    EXPECT_FALSE(store.saveStrokes(CanvasSize::Normal));
    document.FreeLine.mutableItems().resize(1);
    EXPECT_FALSE(store.saveStrokes(CanvasSize::Wide));
    EXPECT_EQ(reporter.titles(),
              (std::vector<std::string>{"Error At clsGdrOpe.SaveGd4", "Error At clsGdrOpe.SaveGd4_2"}));
    EXPECT_EQ(document.FreeLine[1].X1, 10) << "what was stored before the error stays";
}

// Strokes all hidden or all erased leave no segment on show; the list keeps
// its records (emptied, with their stroke numbers).
TEST_F(Layers, WithNoPenSegmentOnShowTheStrokeListKeepsItsLength)
{
    for (const bool erased : {false, true}) {
        SCOPED_TRACE(erased ? "erased" : "hidden");
        const std::int32_t width = erased ? 0 : 2;
        document.FreeLine = {
            true, 1, {{10, 10, 10, 10, width, 0, -1}, {20, 20, 0, 0, width, 0, -1}, {30, 30, 30, 30, width, 0, -2}}};
        canvases.clear();
        GenoCanvas& normal = canvas(CanvasSize::Normal);
        normal.rebuild();
        for (int k = 1; k <= normal.FreeLine.upperBound(); ++k)
            if (LineWidget* segment = normal.FreeLine.find(k)) segment->visible = false;
        ASSERT_TRUE(store.saveStrokes(CanvasSize::Normal));
        ASSERT_EQ(document.FreeLine.items().size(), 3U);
        EXPECT_EQ(document.FreeLine[3], (FreeLineRecord{0, 0, 0, 0, 0, 0, -2}));
    }
}

TEST_F(Layers, OpeningAndSavingAtOnceKeepsEveryLayerExactly)
{
    document.TextLabel[1] = {"見出し", 2,        "ＭＳ 明朝", 12,    kTrue,  kFalse, kTrue,
                             kFalse,   0x123456, 33.3F,       44.4F, 555.5F, 66.6F,  kTrue};
    document.AddLine[0] = {kTrue, 1000.1F, 3500.2F, 1000.3F, 3500.4F};
    document.FreeLine = {
        true, 1, {{10.1F, 10.2F, 10.1F, 10.2F, 3, 0xFF, -1}, {20.5F, 25.5F, 10.1F, 10.2F, 3, 0xFF, -1}}};
    const GdrRecord before = document;

    const CanvasLoad load = openDocumentOnCanvas(store, canvas(CanvasSize::Normal));
    ASSERT_TRUE(load.texts && load.addedLines);
    ASSERT_TRUE(store.saveCanvasLayers(CanvasSize::Normal));
    EXPECT_EQ(document, before);
}

} // namespace
} // namespace kinsketch
