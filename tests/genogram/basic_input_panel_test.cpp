#include "genogram/basic_input/basic_input_panel.h"
#include "genogram/basic_input/document_text_check.h"
#include "tests/support/recording_reporter.h"
#include "tests/support/scripted_message_boxes.h"

#include "document/gdr_conversion.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kinsketch {
namespace {

class Panel : public ::testing::TestWithParam<CanvasSize> {
protected:
    Panel()
    {
        makeNewDocument(document);
        if (GetParam() == CanvasSize::Wide) document.ScreenMode = "WIDE";
    }
    BasicInputNeighbours neighbours()
    {
        BasicInputNeighbours neighbours;
        neighbours.selectedLineStyle = [this] { return style; };
        neighbours.redrawCanvas = [this] { ++redraws; };
        neighbours.showGuidance = [this](const std::string& line) { guidance.push_back(line); };
        neighbours.closeGuidance = [this] { guidance.push_back("(closed)"); };
        neighbours.setFrameButtonCaption = [this](const std::string& caption) { frameCaption = caption; };
        return neighbours;
    }
    BasicInputPanel& loaded()
    {
        panel.load();
        redraws = 0;
        return panel;
    }
    // A point on line k, a little off its middle.
    static std::pair<int, int> near(const TwipsLine& l) { return {(l.x1 + l.x2) / 2 + 40, (l.y1 + l.y2) / 2 + 60}; }

    GdrRecord document;
    test::RecordingReporter reporter;
    test::ScriptedMessageBoxes boxes;
    int style = 1;
    int redraws = 0;
    std::vector<std::string> guidance;
    std::string frameCaption;
    BasicInputPanel panel{GetParam(), document, reporter, boxes, neighbours()};
};

TEST_P(Panel, AClickStylesTheLineUnderItAndPushesTheLayer)
{
    BasicInputPanel& p = loaded();
    const int marriage = 7;
    const auto [x, y] = near(p.layout().line(marriage));
    style = 4;
    p.pressBackground(PanelButton::Left, x, y);
    EXPECT_TRUE(p.line(marriage).slashS);
    EXPECT_FALSE(p.line(marriage).slashW);
    style = 5;
    p.pressBackground(PanelButton::Left, x, y);
    EXPECT_TRUE(p.line(marriage).slashS && p.line(marriage).slashW);
    EXPECT_EQ(document.LineTag[marriage], 5);
    style = 1;
    p.pressBackground(PanelButton::Left, x, y);
    EXPECT_FALSE(p.line(marriage).slashS || p.line(marriage).slashW);
    EXPECT_EQ(redraws, 3);

    // A slash style on a sibling bar draws the plain line and is kept.
    style = 4;
    const auto [bx, by] = near(p.layout().line(0));
    p.pressBackground(PanelButton::Left, bx, by);
    EXPECT_FALSE(p.line(0).slashS);
    EXPECT_EQ(document.LineTag[0], 4);

    // Style 0 leaves the line on show in grey.
    style = 0;
    p.pressBackground(PanelButton::Left, bx, by);
    EXPECT_EQ(p.line(0).colour, kDesignGrey);
    EXPECT_EQ(document.LineTag[0], 0);
    EXPECT_TRUE(reporter.errors.empty());
}

TEST_P(Panel, ToleranceBoxesIncludeTheirEdges)
{
    const TwipsLine l = panel.layout().line(0);
    EXPECT_EQ(panel.lineAt(l.x1 - 150, l.y1 - 100), 0);
    EXPECT_EQ(panel.lineAt(l.x2 + 150, l.y2 + 100), 0);
    EXPECT_EQ(panel.lineAt(l.x1 - 151, l.y1 - 100), kNoLine);
    EXPECT_EQ(panel.lineAt(5, 5), kNoLine);
}

TEST_P(Panel, AStyleAboveNineIsRecordedAndABadLineReported)
{
    panel.setLineStyle(7, 12);
    EXPECT_EQ(panel.line(7).tag, 12);
    EXPECT_EQ(panel.line(7).colour, kDesignGrey);
    panel.setLineStyle(panel.layout().lineCount(), 1);
    EXPECT_EQ(reporter.titles(), std::vector<std::string>{"Error At LfncLineChg"});
}

TEST_P(Panel, MarksSwitchTheGuidanceAndTheFrameButton)
{
    BasicInputPanel& p = loaded();
    const int last = p.layout().slotCount() - 1;
    p.toggleCohabitantMark(0);
    EXPECT_EQ(p.slot(0).mark, 1);
    EXPECT_EQ(frameCaption, kFrameAddCaption);
    p.toggleCohabitantMark(last);
    p.toggleCohabitantMark(0);
    EXPECT_EQ(guidance, (std::vector<std::string>{kFrameGuidance, kFrameGuidance, kFrameGuidance}));
    p.toggleCohabitantMark(last);
    EXPECT_EQ(guidance.back(), "(closed)");
    EXPECT_EQ(frameCaption, kFrameEraseCaption);
    EXPECT_EQ(redraws, 0); // marks reach neither the layer nor the canvas
    EXPECT_EQ(document.CohabitFlag[0], 0);

    p.toggleCohabitantMark(3);
    p.clearMarks();
    for (int i = 0; i < p.layout().slotCount(); ++i) EXPECT_EQ(p.slot(i).mark, 0);
}

TEST_P(Panel, TheChooserKeepsOnlyPictures)
{
    BasicInputPanel& p = loaded();
    p.chooseSymbol(2, symbolChoiceOf("i108"));
    EXPECT_EQ(document.SymbolKey[2], "i108");
    p.editSymbolText(2, "");
    EXPECT_EQ(p.slot(2).choice, symbolChoiceOf("i108"));
    p.editSymbolText(2, "abc");
    EXPECT_EQ(p.slot(2).choice, kBlankChoice);
    EXPECT_EQ(document.SymbolKey[2], "i000");
    EXPECT_EQ(redraws, 2);
}

TEST_P(Panel, TextsTheDocumentCannotHoldAreRefusedAtOnce)
{
    BasicInputPanel& p = loaded();
    EXPECT_TRUE(p.changeAge(1, "８５歳"));
    EXPECT_EQ(document.AgeText[1], "８５歳");
    std::vector<int> shown;
    p.slotChanged = [&](int slot) { shown.push_back(slot); };

    EXPECT_FALSE(p.changeAge(1, "８５歳😀"));
    std::string tooLong; // two bytes a character in the code page
    for (std::size_t i = 0; i <= kMaxDocumentTextBytes / 2; ++i) tooLong += "あ";
    EXPECT_FALSE(p.changeRemark(1, tooLong));
    EXPECT_TRUE(p.changeRemark(1, std::string(kMaxDocumentTextBytes, 'x')));
    ASSERT_EQ(boxes.shown.size(), 2U);
    EXPECT_NE(boxes.shown[1].text.find("65535"), std::string::npos);
    EXPECT_EQ(document.AgeText[1], "８５歳");
    EXPECT_EQ(shown, (std::vector<int>{1, 1})); // the boxes go back to the kept text
    // Characters typed on Linux that the code page spells differently are kept.
    EXPECT_TRUE(p.changeRemark(1, "〜－"));
}

// Filling fires the controls' change events; none of them may write back.
TEST_P(Panel, FillingFromTheDocumentWritesNothingBackAndRedrawsNothing)
{
    document.SymbolKey[1] = "i102";
    document.AgeText[1] = "42";
    document.RelText[4] = "長男";
    document.LineTag[7] = 5;
    document.LineTag[22] = 8;
    const GdrRecord before = document;
    panel.slotChanged = [&](int slot) {
        EXPECT_TRUE(panel.loading());
        panel.chooseSymbol(slot, panel.slot(slot).choice);
        panel.changeAge(slot, panel.slot(slot).age);
        panel.changeRemark(slot, panel.slot(slot).remark);
    };
    panel.load();
    EXPECT_FALSE(panel.loading());
    EXPECT_EQ(redraws, 0);
    EXPECT_TRUE(document == before);
    EXPECT_EQ(panel.slot(1).choice, symbolChoiceOf("i102"));
    EXPECT_EQ(panel.slot(4).remark, "長男");
    EXPECT_TRUE(panel.line(7).slashS && panel.line(7).slashW);
    // A stored thick marriage line comes back thin and solid, without slashes.
    EXPECT_EQ(panel.line(22).tag, 1);
    EXPECT_EQ(panel.line(22).width, 1);
    EXPECT_FALSE(panel.line(22).slashS);
    EXPECT_TRUE(boxes.shown.empty());
}

INSTANTIATE_TEST_SUITE_P(BothLayouts, Panel, ::testing::Values(CanvasSize::Normal, CanvasSize::Wide));

} // namespace
} // namespace kinsketch
