#include "canvas_dump.h"
#include "genogram/canvas_layer_store.h"
#include "tests/support/recording_reporter.h"

#include "document/gdr_conversion.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>

namespace kinsketch {
namespace {

using test::RecordingReporter;

class Layers : public ::testing::Test {
protected:
    Layers() { makeNewDocument(document); }

    GenoCanvas& canvas(CanvasSize size)
    {
        auto& slot = canvases[size];
        if (!slot) slot = std::make_unique<GenoCanvas>(size, document, reporter);
        return *slot;
    }
    void unloadCanvas(CanvasSize size) { canvases.erase(size); }

    LabelWidget& addLabel(CanvasSize size, int index, const std::string& caption, bool visible = true)
    {
        LabelWidget label = textLabelTemplate();
        label.caption = caption;
        label.fontSize = 10.5F;
        label.bold = true;
        label.foreColor = 0x00FF00;
        label.left = 120.5F;
        label.top = 3000.25F;
        label.width = 900;
        label.height = 230;
        label.visible = visible;
        label.tag = "2";
        return canvas(size).lblInp.load(index, label);
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
    ASSERT_EQ(store.SaveGd1(), 0);
    EXPECT_EQ(document.TextLabel[1].Caption, "文字3");
    EXPECT_EQ(document.TextLabel[2].Caption, "文字7");
    EXPECT_EQ(document.TextLabel[3].Used, kFalse);
    const TextLabelRecord& r = document.TextLabel[1];
    EXPECT_EQ(r.Used, kTrue);
    EXPECT_EQ(r.FontSize, 10) << "10.5 points are stored as 10, halves to even";
    EXPECT_EQ(r.FontBold, kTrue);
    EXPECT_EQ(r.FontItalic, kFalse);
    EXPECT_EQ(r.FontName, kCanvasFontName);
    EXPECT_EQ(r.Left, 120.5F);
    EXPECT_EQ(r.Top, 3000.25F);

    unloadCanvas(CanvasSize::Normal);
    ASSERT_EQ(store.LoadGd1(), 0);
    GenoCanvas& reopened = canvas(CanvasSize::Normal);
    EXPECT_EQ(reopened.lblInp.upperBound(), 2);
    EXPECT_EQ(reopened.lblInp[2].caption, "文字7");
    EXPECT_EQ(reopened.lblInp[2].tag, "2");
    EXPECT_TRUE(reopened.lblInp[2].visible);
    EXPECT_EQ(reopened.lblInp[1].left, 120.5F);
    EXPECT_EQ(reopened.zOrder().bottomToTop().back(), (WidgetId{WidgetKind::lblInp, 2}));

    const auto saved = document.TextLabel;
    ASSERT_EQ(store.SaveGd1(), 0);
    EXPECT_EQ(document.TextLabel, saved) << "load and save again change nothing";
    EXPECT_TRUE(reporter.errors.empty());
}

TEST_F(Layers, TextsBeyondAHundredAreReportedAndTheFirstHundredKept)
{
    for (int i = 1; i <= 101; ++i) addLabel(CanvasSize::Wide, i, std::to_string(i));
    EXPECT_EQ(store.SaveGd1_2(), 1);
    EXPECT_EQ(document.TextLabel[100].Caption, "100");
    ASSERT_EQ(reporter.titles(), std::vector<std::string>{"Error At clsGdrOpe.SaveGd1"});
    EXPECT_EQ(reporter.errors[0].text.rfind("【9】", 0), 0U);
}

TEST_F(Layers, LoadingTextsTwiceIsReportedUnderEachSizesTitle)
{
    document.TextLabel[4] = {"x", 0, "", 9, 0, 0, 0, 0, 0, 1, 2, 3, 4, kTrue};
    EXPECT_EQ(store.LoadGd1(), 0);
    EXPECT_EQ(store.LoadGd1(), 1);
    EXPECT_EQ(store.LoadGd1_2(), 0);
    EXPECT_EQ(store.LoadGd1_2(), 1);
    EXPECT_EQ(reporter.titles(), (std::vector<std::string>{"Error At clsGdrOpe.LoadGd1", "Error At clsGdrOpe.LoadGd1_2"}));
}

TEST_F(Layers, AStoredTextWithAGapIsLoadedAndSavedWhole)
{
    document.TextLabel[1] = {"a", 0, "", 9, 0, 0, 0, 0, 0, 1, 2, 3, 4, kTrue};
    document.TextLabel[3] = {"b", 7, "", 9, 0, 0, 0, 0, 0, 1, 2, 3, 4, kTrue};
    store.LoadGd1();
    ASSERT_EQ(store.SaveGd1(), 0);
    EXPECT_EQ(document.TextLabel[2].Caption, "b");
    EXPECT_EQ(document.TextLabel[2].Alignment, 7) << "an unknown alignment is kept";
}

TEST_F(Layers, AddedLinesAreStoredFromTheirVisibleHandlesWhichAreThenHidden)
{
    for (int n = 1; n <= 5; ++n) document.AddLine[static_cast<std::size_t>(n - 1)] = {kTrue, 100.5F * n, 200, 300, 400.75F};
    document.AddLine[2].Used = kFalse; // line 3 was deleted
    canvas(CanvasSize::Normal).GfncLineDraw(0, 0, 0);
    canvas(CanvasSize::Normal).showHandlesOfLinesOnShow();
    ASSERT_EQ(store.SaveGd2(), 0);
    EXPECT_EQ(document.AddLine[2].X1, 100.5F * 4);
    EXPECT_EQ(document.AddLine[3].X1, 100.5F * 5);
    EXPECT_EQ(document.AddLine[3].Y2, 400.75F);
    EXPECT_EQ(document.AddLine[4].Used, kFalse);
    for (int i = 1; i <= 5; ++i) {
        if (!canvas(CanvasSize::Normal).lblLine1.exists(i)) continue;
        EXPECT_FALSE(canvas(CanvasSize::Normal).lblLine1[i].visible);
        EXPECT_FALSE(canvas(CanvasSize::Normal).lblLine2[i].visible);
    }
    EXPECT_EQ(store.LoadGd2(), 0);
}

TEST_F(Layers, AddedLinesBeyondAHundredAreReported)
{
    GenoCanvas& wide = canvas(CanvasSize::Wide);
    for (int i = 1; i <= 101; ++i) {
        LabelWidget handle = lineHandleTemplate();
        handle.visible = true;
        handle.left = static_cast<float>(i);
        wide.lblLine1.load(i, handle);
        wide.lblLine2.load(i, handle);
    }
    EXPECT_EQ(store.SaveGd2_2(), 1);
    EXPECT_EQ(document.AddLine[99].X1, 100.F);
    EXPECT_EQ(reporter.titles(), std::vector<std::string>{"Error At clsGdrOpe.SaveGd2"});
}

TEST_F(Layers, StrokesOnShowReplaceTheListKeepingStrokeNumbers)
{
    document.FreeLine = {true, 1, {{10, 10, 10, 10, 2, 0xFF, -1}, {20, 25, 0, 0, 2, 0xFF, -1}, {0, 0, 0, 0, 0, 0, 3}}};
    GenoCanvas& c = canvas(CanvasSize::Normal);
    c.GfncPrev();
    ASSERT_EQ(store.SaveGd4(), 0);
    ASSERT_EQ(document.FreeLine.items.size(), 2U);
    EXPECT_EQ(document.FreeLine[2], (FreeLineRecord{20, 25, 10, 10, 2, 0xFF, -1}));

    // Nothing on show: the list keeps its length, cleared but for the stroke numbers.
    c.FreeLine[1].visible = false;
    c.FreeLine[2].visible = false;
    ASSERT_EQ(store.SaveGd4(), 0);
    ASSERT_EQ(document.FreeLine.items.size(), 2U);
    EXPECT_EQ(document.FreeLine[1], (FreeLineRecord{0, 0, 0, 0, 0, 0, -1}));
}

TEST_F(Layers, MoreStrokesOnShowThanRecordsAreReportedUnderEachSizesTitle)
{
    document.FreeLine = {true, 1, {{10, 10, 10, 10, 2, 0, -1}, {20, 20, 0, 0, 2, 0, -1}}};
    canvas(CanvasSize::Normal).GfncPrev();
    canvas(CanvasSize::Wide).GfncPrev();
    document.FreeLine.items.resize(1);
    EXPECT_EQ(store.SaveGd4(), 1);
    document.FreeLine.items.resize(1);
    EXPECT_EQ(store.SaveGd4_2(), 1);
    EXPECT_EQ(reporter.titles(), (std::vector<std::string>{"Error At clsGdrOpe.SaveGd4", "Error At clsGdrOpe.SaveGd4_2"}));
    EXPECT_EQ(document.FreeLine[1].X1, 10) << "what was stored before the error stays";
}

TEST_F(Layers, OpeningAndSavingAtOnceKeepsEveryLayerExactly)
{
    document.TextLabel[1] = {"見出し", 2, "ＭＳ 明朝", 12, kTrue, kFalse, kTrue, kFalse, 0x123456, 33.3F, 44.4F, 555.5F, 66.6F, kTrue};
    document.AddLine[0] = {kTrue, 1000.1F, 3500.2F, 1000.3F, 3500.4F};
    document.FreeLine = {true, 1, {{10.1F, 10.2F, 10.1F, 10.2F, 3, 0xFF, -1}, {20.5F, 25.5F, 10.1F, 10.2F, 3, 0xFF, -1}}};
    const GdrRecord before = document;

    ASSERT_EQ(store.LoadGd1(), 0);
    ASSERT_EQ(store.LoadGd2(), 0);
    GenoCanvas& c = canvas(CanvasSize::Normal);
    c.GfncPrev();
    c.GfncLineDraw(0, 0, 0);
    c.showHandlesOfLinesOnShow();
    ASSERT_EQ(store.SaveGd1(), 0);
    ASSERT_EQ(store.SaveGd2(), 0);
    ASSERT_EQ(store.SaveGd4(), 0);
    EXPECT_EQ(document, before);
}

} // namespace
} // namespace kinsketch
