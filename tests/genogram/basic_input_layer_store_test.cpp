#include "genogram/basic_input/basic_input_layer_store.h"
#include "genogram/basic_input/basic_input_panel.h"
#include "genogram/cohabit_frame_builder.h"
#include "tests/support/recording_reporter.h"
#include "tests/support/scripted_message_boxes.h"

#include "document/file_io.h"
#include "document/gdr_codec.h"
#include "document/gdr_conversion.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace kinsketch {
namespace {

class Layer0 : public ::testing::Test {
protected:
    Layer0() { makeNewDocument(document); }
    GdrRecord document;
    test::RecordingReporter reporter;
    test::ScriptedMessageBoxes boxes;
};

TEST_F(Layer0, WithdrawnSymbolsAndThickLinesLoadAsTheirOfferedSuccessors)
{
    document.SymbolKey[0] = "i005";
    document.SymbolKey[1] = "i006";
    document.SymbolKey[2] = "i114";
    document.LineTag[7] = 8;
    document.LineTag[8] = 3;
    document.LineTag[9] = 9;
    document.LineTag[0] = 2;
    BasicInputPanel panel(CanvasSize::Normal, document, reporter, boxes, {});
    panel.load();
    panel.updatePreview();
    EXPECT_EQ(document.SymbolKey[0], "i000");
    EXPECT_EQ(document.SymbolKey[1], "i000");
    EXPECT_EQ(document.SymbolKey[2], "i114");
    EXPECT_EQ(document.LineTag[9], 1);
    EXPECT_TRUE(reporter.errors.empty());
}

TEST_F(Layer0, TheNormalPanelLeavesTheWideRowsAndLinesAlone)
{
    for (int i = kNormalSlotCount; i < kSlotCount; ++i) document.AgeText[static_cast<std::size_t>(i)] = "wide";
    document.SymbolKey[30] = "bogus"; // never read by the normal panel
    document.LineTag[120] = 7;
    const GdrRecord before = document;
    BasicInputPanel panel(CanvasSize::Normal, document, reporter, boxes, {});
    panel.load();
    BasicInputLayerStore store(document, reporter);
    EXPECT_TRUE(store.save(panel));
    EXPECT_TRUE(document == before);
    EXPECT_TRUE(reporter.errors.empty());
}

// Regression: an unknown stored key stopped the filling there and left its
// chooser without a selection, so that every later save of layer 0 failed.
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
    EXPECT_EQ(panel.slot(3).choice, kBlankChoice);
    EXPECT_EQ(panel.slot(5).choice, kBlankChoice);
    EXPECT_EQ(panel.slot(6).choice, symbolChoiceOf("i101"));
    EXPECT_EQ(panel.slot(17).age, "90");
    EXPECT_EQ(panel.line(51).colour, kBlack);
    EXPECT_EQ(document.SymbolKey[5], "i099"); // filling writes nothing back

    panel.updatePreview();
    EXPECT_EQ(reporter.errors.size(), 1U);
    EXPECT_EQ(document.SymbolKey[5], "i000");
}

// A whole document read, shown on the panel and written back from it is
// unchanged, and its stored marks rebuild the frame that was saved with it.
TEST_F(Layer0, AWideDocumentComesBackAsItWasRead)
{
    const GdrRecord read = decodeCurrentGdr(readWholeFile(KINSKETCH_FIXTURE_DIR "/documents/wide_family.gdr"));
    document = read;
    ASSERT_TRUE(document.isWide());
    BasicInputPanel panel(CanvasSize::Wide, document, reporter, boxes, {});
    panel.load();
    panel.updatePreview();
    EXPECT_TRUE(reporter.errors.empty());
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(document.SymbolKey, read.SymbolKey);
    EXPECT_EQ(document.AgeText, read.AgeText);
    EXPECT_EQ(document.RelText, read.RelText);
    for (int k = 0; k < kLineCount; ++k) {
        const int stored = read.LineTag[static_cast<std::size_t>(k)];
        EXPECT_EQ(document.LineTag[static_cast<std::size_t>(k)], stored == 3 || stored == 8 || stored == 9 ? 1 : stored)
            << k;
    }

    // The frame built from the marks survives a save and a reopen.
    rebuildCohabitFrameFromFlags(document, reporter);
    const auto built = document.CohabitSeg;
    ASSERT_NE(std::count(built.begin(), built.end(), 1), 0);
    GdrRecord reopened = decodeCurrentGdr(encodeGdr(document));
    reopened.CohabitSeg.fill(0);
    rebuildCohabitFrameFromFlags(reopened, reporter);
    EXPECT_EQ(reopened.CohabitSeg, built);
}

} // namespace
} // namespace kinsketch
