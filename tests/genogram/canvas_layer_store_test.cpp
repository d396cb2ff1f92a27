#include "canvas_dump.h"
#include "genogram/canvas_layer_store.h"
#include "genogram/canvas_opening.h"
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
    EXPECT_EQ(document.TextLabel[1].Caption, "文字3");
    EXPECT_EQ(document.TextLabel[2].Caption, "文字7");
    EXPECT_EQ(document.TextLabel[3].Used, kFalse);
    const TextLabelRecord& r = document.TextLabel[1];
    EXPECT_EQ(r.Used, kTrue);
    EXPECT_EQ(r.FontSize, 10) << "10.5 points are stored as 10, halves to even";
    EXPECT_EQ(r.Top, 3000.25F);

    unloadCanvas(CanvasSize::Normal);
    ASSERT_TRUE(store.loadTexts(CanvasSize::Normal));
    GenoCanvas& reopened = canvas(CanvasSize::Normal);
    EXPECT_EQ(reopened.textLabels.upperBound(), 2);
    EXPECT_EQ(reopened.textLabels[2].caption, "文字7");
    EXPECT_TRUE(reopened.textLabels[2].visible);
    EXPECT_EQ(reopened.zOrder().bottomToTop().back(), (WidgetId{WidgetKind::textLabels, 2}));

    const auto saved = document.TextLabel;
    ASSERT_TRUE(store.saveTexts(CanvasSize::Normal));
    EXPECT_EQ(document.TextLabel, saved) << "load and save again change nothing";
    EXPECT_TRUE(reporter.errors.empty());
}

TEST_F(Layers, TextsBeyondAHundredAreReportedAndTheFirstHundredKept)
{
    for (int i = 1; i <= 101; ++i) addLabel(CanvasSize::Wide, i, std::to_string(i));
    EXPECT_FALSE(store.saveTexts(CanvasSize::Wide));
    EXPECT_EQ(document.TextLabel[100].Caption, "100");
    ASSERT_EQ(reporter.titles(), std::vector<std::string>{"Error At clsGdrOpe.SaveGd1"});
    EXPECT_EQ(reporter.errors[0].text.rfind("【9】", 0), 0U);
}

TEST_F(Layers, AddedLinesBeyondAHundredAreReported)
{
    GenoCanvas& wide = canvas(CanvasSize::Wide);
    for (int i = 1; i <= 101; ++i) {
        LabelWidget handle = lineHandleTemplate();
        handle.visible = true;
        handle.left = static_cast<float>(i);
        wide.startHandles.load(i, handle);
        wide.endHandles.load(i, handle);
    }
    EXPECT_FALSE(store.saveAddedLines(CanvasSize::Wide));
    EXPECT_EQ(document.AddLine[99].X1, 100.F);
    EXPECT_EQ(reporter.titles(), std::vector<std::string>{"Error At clsGdrOpe.SaveGd2"});
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
