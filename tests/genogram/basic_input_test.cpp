// The basic-input panel (layer 0): its layout, its editing and the layer it
// reads from and writes to the document.
#include "genogram/basic_input/basic_input_layer_store.h"
#include "genogram/basic_input/basic_input_panel.h"
#include "genogram/basic_input/document_text_check.h"
#include "genogram/basic_input/input_layout.h"
#include "tests/support/recording_reporter.h"
#include "tests/support/scripted_message_boxes.h"

#include "document/file_io.h"
#include "document/gdr_codec.h"
#include "document/gdr_conversion.h"

#include <gtest/gtest.h>

namespace kinsketch {
namespace {

auto ends(const TwipsLine& l) { return std::tie(l.x1, l.y1, l.x2, l.y2); }

// Panel line k and canvas line k join the same slots: the canvas draws them
// between its cells (centres for bars and drops, edges for marriages) and
// hangs each descent from the marriage line of the same index.
TEST(InputLayout, PanelLinesJoinTheSlotsTheCanvasLinesJoin)
{
    for (CanvasSize size : {CanvasSize::Normal, CanvasSize::Wide}) {
        const InputLayout& panel = inputLayout(size);
        const CanvasGeometry& canvas = canvasGeometry(size);
        ASSERT_EQ(panel.lineCount(), canvas.connectorCount());
        const auto cell = [&](int slot) { return canvas.cells[static_cast<std::size_t>(slot)]; };
        const auto centre = [&](int slot) { return cell(slot).left + kCellSize / 2; };
        constexpr int kBarAbove = 240;
        for (int k = 0; k < panel.lineCount(); ++k) {
            const ConnectorLink& link = panel.links[static_cast<std::size_t>(k)];
            const TwipsLine c = canvas.connectorLines[static_cast<std::size_t>(k)];
            EXPECT_EQ(canvas.isMarriageLine(k), link.kind == LinkKind::Marriage) << k;
            switch (link.kind) {
            case LinkKind::Bar:
                EXPECT_EQ(ends(c), std::make_tuple(centre(link.a), cell(link.a).top - kBarAbove, centre(link.b),
                                                   cell(link.b).top - kBarAbove))
                    << k;
                break;
            case LinkKind::Drop:
                EXPECT_TRUE(c.x1 == centre(link.a) && c.x2 == centre(link.a) && c.y2 == cell(link.a).top) << k;
                break;
            case LinkKind::Marriage: {
                const int y = cell(link.a).top + kCellSize / 2;
                EXPECT_EQ(ends(c), std::make_tuple(cell(link.a).left + kCellSize, y, cell(link.b).left, y)) << k;
                break;
            }
            case LinkKind::Descent: {
                const TwipsLine m = canvas.connectorLines[static_cast<std::size_t>(link.a)];
                EXPECT_TRUE(c.x1 == c.x2 && c.x1 > m.x1 && c.x1 < m.x2 && c.y1 == m.y1) << k; // hangs from marriage a
                break;
            }
            }
        }
    }
}

class Panel : public ::testing::TestWithParam<CanvasSize> {
protected:
    Panel()
    {
        makeNewDocument(document);
        if (GetParam() == CanvasSize::Wide) document.ScreenMode = "WIDE";
        panel.load();
    }
    BasicInputNeighbours neighbours()
    {
        BasicInputNeighbours neighbours;
        neighbours.selectedLineStyle = [this] { return style; };
        neighbours.redrawCanvas = [this] { ++redraws; };
        neighbours.setFrameButtonCaption = [this](const std::string& caption) { frameCaption = caption; };
        return neighbours;
    }
    // A point a little off the middle of a line.
    static std::pair<int, int> near(const TwipsLine& l) { return {(l.x1 + l.x2) / 2 + 40, (l.y1 + l.y2) / 2 + 60}; }

    GdrRecord document;
    test::RecordingReporter reporter;
    test::ScriptedMessageBoxes boxes;
    int style = 1;
    int redraws = 0;
    std::string frameCaption;
    BasicInputPanel panel{GetParam(), document, reporter, boxes, neighbours()};
};

TEST_P(Panel, AClickStylesTheLineUnderItAndPushesTheLayer)
{
    const auto [x, y] = near(panel.layout().line(7)); // a marriage line
    style = 4;
    panel.pressBackground(PanelButton::Left, x, y);
    EXPECT_TRUE(panel.line(7).slashS && !panel.line(7).slashW);
    style = 1;
    panel.pressBackground(PanelButton::Left, x, y);
    EXPECT_FALSE(panel.line(7).slashS || panel.line(7).slashW);
    EXPECT_EQ(document.LineTag[7], 1);
    EXPECT_EQ(redraws, 2);

    // A slash style on a sibling bar draws the plain line and is kept; style 0 shows it grey.
    style = 4;
    const auto [bx, by] = near(panel.layout().line(0));
    panel.pressBackground(PanelButton::Left, bx, by);
    EXPECT_FALSE(panel.line(0).slashS);
    EXPECT_EQ(document.LineTag[0], 4);
    style = 0;
    panel.pressBackground(PanelButton::Left, bx, by);
    EXPECT_EQ(std::tie(panel.line(0).colour, document.LineTag[0]), std::make_tuple(kDesignGrey, 0));
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
    EXPECT_EQ(std::tie(panel.line(7).tag, panel.line(7).colour), std::make_tuple(12, kDesignGrey));
    panel.setLineStyle(panel.layout().lineCount(), 1);
    EXPECT_EQ(reporter.titles(), std::vector<std::string>{"Error At LfncLineChg"});
}

// Marks only switch the frame button; the frame tool reads them.
TEST_P(Panel, MarksSwitchTheFrameButtonButReachNoLayer)
{
    panel.toggleCohabitantMark(0);
    panel.toggleCohabitantMark(3);
    EXPECT_EQ(frameCaption, kFrameAddCaption);
    panel.toggleCohabitantMark(0);
    panel.toggleCohabitantMark(3);
    EXPECT_EQ(frameCaption, kFrameEraseCaption);
    panel.toggleCohabitantMark(3);
    panel.clearMarks();
    EXPECT_EQ(panel.slot(3).mark, 0);
    EXPECT_EQ(redraws, 0);
    EXPECT_EQ(document.CohabitFlag, decltype(document.CohabitFlag){});
}

TEST_P(Panel, TheChooserKeepsOnlyPictures)
{
    panel.chooseSymbol(2, symbolChoiceOf("i108"));
    EXPECT_EQ(document.SymbolKey[2], "i108");
    panel.editSymbolText(2, "");
    EXPECT_EQ(panel.slot(2).choice, symbolChoiceOf("i108"));
    panel.editSymbolText(2, "abc");
    EXPECT_EQ(std::tie(panel.slot(2).choice, document.SymbolKey[2]), std::make_tuple(kBlankChoice, "i000"));
    EXPECT_EQ(redraws, 2);
}

TEST_P(Panel, TextsTheDocumentCannotHoldAreRefusedAtOnce)
{
    EXPECT_TRUE(panel.changeAge(1, "８５歳"));
    std::vector<int> shown;
    panel.slotChanged = [&](int slot) { shown.push_back(slot); };

    EXPECT_FALSE(panel.changeAge(1, "８５歳😀"));
    std::string tooLong; // two bytes a character in the code page
    for (std::size_t i = 0; i <= kMaxDocumentTextBytes / 2; ++i) tooLong += "あ";
    EXPECT_FALSE(panel.changeRemark(1, tooLong));
    EXPECT_TRUE(panel.changeRemark(1, std::string(kMaxDocumentTextBytes, 'x')));
    EXPECT_NE(boxes.shown.at(1).text.find("65535"), std::string::npos);
    EXPECT_EQ(document.AgeText[1], "８５歳");
    EXPECT_EQ(shown, (std::vector<int>{1, 1})); // the boxes go back to the kept text
    EXPECT_TRUE(panel.changeRemark(1, "〜－")) << "Linux spellings of code-page characters";
}

// Filling fires the controls' change events; none of them may write back.
TEST_P(Panel, FillingFromTheDocumentWritesNothingBackAndRedrawsNothing)
{
    document.SymbolKey[1] = "i102";
    document.AgeText[1] = "42";
    document.RelText[4] = "長男";
    document.LineTag[7] = 5;
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
    EXPECT_TRUE(boxes.shown.empty());
}

// The thick solid styles are no longer offered: a stored one comes back as style 1.
TEST_P(Panel, StoredThickLinesLoadAsThinOnes)
{
    for (const std::uint8_t stored : {3, 8, 9}) {
        for (const int k : {0, 7}) { // a sibling bar and a marriage line
            SCOPED_TRACE(testing::Message() << "style " << int{stored} << " on line " << k);
            document.LineTag[static_cast<std::size_t>(k)] = stored;
            panel.load();
            const InputLine& line = panel.line(k);
            EXPECT_EQ(std::tie(line.tag, line.width, line.pattern, line.slashS, line.slashW),
                      std::make_tuple(1, 1, LinePattern::Solid, false, false));
            panel.updatePreview();
            EXPECT_EQ(document.LineTag[static_cast<std::size_t>(k)], 1);
        }
    }
    EXPECT_TRUE(reporter.errors.empty());
}

INSTANTIATE_TEST_SUITE_P(BothLayouts, Panel, ::testing::Values(CanvasSize::Normal, CanvasSize::Wide));

class Layer0 : public ::testing::Test {
protected:
    Layer0() { makeNewDocument(document); }
    GdrRecord document;
    test::RecordingReporter reporter;
    test::ScriptedMessageBoxes boxes;
};

TEST_F(Layer0, WithdrawnSymbolsLoadAsBlankAndTheNormalPanelLeavesTheWideRowsAlone)
{
    for (int i = kNormalSlotCount; i < kSlotCount; ++i) document.AgeText[static_cast<std::size_t>(i)] = "wide";
    document.SymbolKey[30] = "bogus"; // never read by the normal panel
    document.LineTag[120] = 7;
    const GdrRecord before = document;
    BasicInputPanel panel(CanvasSize::Normal, document, reporter, boxes, {});
    panel.load();
    EXPECT_TRUE(BasicInputLayerStore(document, reporter).save(panel));
    EXPECT_TRUE(document == before);

    document.SymbolKey[0] = "i005";
    document.SymbolKey[1] = "i006";
    document.SymbolKey[2] = "i114";
    panel.load();
    panel.updatePreview();
    EXPECT_EQ(std::tie(document.SymbolKey[0], document.SymbolKey[1], document.SymbolKey[2]),
              std::make_tuple("i000", "i000", "i114"));
    EXPECT_TRUE(reporter.errors.empty());
}

// Regression: an unknown stored key stopped the filling and left its chooser
// without a selection, so that every later save of layer 0 failed.
TEST_F(Layer0, AnUnknownKeyIsReportedOnceAndTheRestStillFills)
{
    document.SymbolKey[3] = "";
    document.SymbolKey[5] = "i099";
    document.SymbolKey[6] = "i101";
    document.AgeText[17] = "90";
    document.LineTag[51] = 1;
    BasicInputPanel panel(CanvasSize::Normal, document, reporter, boxes, {});
    panel.load();
    ASSERT_EQ(reporter.titles(), std::vector<std::string>{"Error At clsGdrOpe.LoadGd0"});
    EXPECT_EQ(reporter.errors[0].text.rfind("【35601】", 0), 0U);
    ASSERT_EQ(boxes.texts(), std::vector<std::string>{kLoadFailedMessage});
    EXPECT_EQ(std::tie(panel.slot(3).choice, panel.slot(5).choice, panel.slot(6).choice),
              std::make_tuple(kBlankChoice, kBlankChoice, symbolChoiceOf("i101")));
    EXPECT_EQ(panel.slot(17).age, "90");
    EXPECT_EQ(panel.line(51).colour, kBlack);
    EXPECT_EQ(document.SymbolKey[5], "i099"); // filling writes nothing back

    panel.updatePreview();
    EXPECT_EQ(reporter.errors.size(), 1U);
    EXPECT_EQ(document.SymbolKey[5], "i000");
}

TEST_F(Layer0, AWideDocumentComesBackAsItWasRead)
{
    const GdrRecord read = decodeCurrentGdr(readWholeFile(KINSKETCH_FIXTURE_DIR "/documents/wide_family.gdr"));
    document = read;
    ASSERT_TRUE(document.isWide());
    BasicInputPanel panel(CanvasSize::Wide, document, reporter, boxes, {});
    panel.load();
    panel.updatePreview();
    EXPECT_TRUE(reporter.errors.empty() && boxes.shown.empty());
    EXPECT_EQ(document.SymbolKey, read.SymbolKey);
    EXPECT_EQ(document.AgeText, read.AgeText);
    EXPECT_EQ(document.RelText, read.RelText);
}

} // namespace
} // namespace kinsketch
