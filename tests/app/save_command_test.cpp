#include "app/save_command.h"
#include "document/file_io.h"
#include "document/handed_in_document.h"
#include "tests/support/recording_reporter.h"
#include "tests/support/temporary_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <unistd.h>

namespace kinsketch {
namespace {

namespace fs = std::filesystem;
using test::RecordingReporter;

// The editing screen as far as saving sees it, with the calls it received.
class FakeEditingWindows : public EditingWindows {
public:
    FakeEditingWindows(CanvasSize size, GdrRecord& document, ErrorReporter& reporter)
        : canvas(size, document, reporter)
        , layers(document, reporter, [this](CanvasSize) -> GenoCanvas& { return canvas; })
    {}
    GenoCanvas& currentCanvas() override { return canvas; }
    CanvasLayerStore& layerStore() override { return layers; }
    void closeBarsAndToolWindows() override { calls.push_back("close bars"); }
    void showPictureConfirmation(const QImage& p) override
    {
        calls.push_back("confirm");
        picture = p;
    }
    void closeEditingWindows() override { calls.push_back("close editing"); }
    void resumeEditing() override { calls.push_back("resume"); }

    GenoCanvas canvas;
    CanvasLayerStore layers;
    std::vector<std::string> calls;
    QImage picture;
};

class SaveCommandTest : public ::testing::Test {
protected:
    void SetUp() override { store = std::make_unique<GdrStore>(work, reporter); }
    void open(const char* fixture)
    {
        document = openHandedInDocument(*store, fs::path(KINSKETCH_FIXTURE_DIR) / "documents" / fixture).record;
    }
    void addText(GenoCanvas& canvas, int n, const std::string& caption)
    {
        LabelWidget label = textLabelTemplate();
        label.caption = caption;
        label.visible = true;
        label.tag = "2";
        label.left = 100.5f;
        label.top = 200.25f;
        canvas.textLabels.load(n, label);
    }

    test::TemporaryFolder folder;
    const fs::path work = folder.path();
    RecordingReporter reporter;
    GdrRecord document;
    std::unique_ptr<GdrStore> store;
};

TEST_F(SaveCommandTest, StoresTheLayersWritesTheDocumentThenShowsThePicture)
{
    open("wide_family.gdr");
    FakeEditingWindows windows(CanvasSize::Wide, document, reporter);
    windows.canvas.rebuild();
    addText(windows.canvas, 4, "新しい注記");
    ASSERT_TRUE(SaveCommand(windows, *store).run());
    EXPECT_TRUE(reporter.errors.empty());
    EXPECT_EQ(windows.calls, (std::vector<std::string>{"close bars", "confirm", "close editing"}));
    EXPECT_EQ(windows.picture.size(), QSize(470, 413)); // the WIDE canvas at 15 twips a pixel
    const GdrRecord saved = decodeCurrentGdr(readWholeFile(work / "kinsketch.gdr"));
    EXPECT_EQ(saved.TextLabel[1].Caption, "新しい注記");
    EXPECT_EQ(saved.TextLabel[1].Left, 100.5f);
    EXPECT_EQ(saved.Version, "300");
    EXPECT_EQ(saved.FreeLine.items().size(), document.FreeLine.items().size());
}

TEST_F(SaveCommandTest, ALayerThatCannotBeStoredLeavesTheDocumentAsItWas)
{
    open("sample_family.gdr");
    FakeEditingWindows windows(CanvasSize::Normal, document, reporter);
    addText(windows.canvas, 1, "残る注記");
    ASSERT_TRUE(windows.layers.saveTexts(CanvasSize::Normal));
    const GdrRecord before = document;
    // One added line more than a document holds.
    for (int i = 1; i <= kAddLineCount + 1; ++i) {
        windows.canvas.addedLines.load(i, LineWidget{0, 0, 10, 10, 0, LinePattern::Solid, 1, true});
        windows.canvas.startHandles.load(i, lineHandleTemplate());
        windows.canvas.endHandles.load(i, lineHandleTemplate());
    }
    EXPECT_FALSE(SaveCommand(windows, *store).run());
    EXPECT_EQ(reporter.titles(), std::vector<std::string>{"Error At clsGdrOpe.SaveGd2"});
    EXPECT_EQ(document, before); // texts stored by SaveGd1 and cleared for the retry are back
    EXPECT_EQ(windows.calls, std::vector<std::string>{"resume"});
    EXPECT_FALSE(fs::exists(work / "kinsketch.gdr"));
}

TEST_F(SaveCommandTest, ADocumentThatCannotBeWrittenKeepsTheUserEditing)
{
    open("sample_family.gdr");
    FakeEditingWindows windows(CanvasSize::Normal, document, reporter);
    fs::permissions(work, fs::perms::owner_read | fs::perms::owner_exec);
    if (::geteuid() == 0) fs::remove_all(work); // root writes anywhere: take the folder away instead
    EXPECT_FALSE(SaveCommand(windows, *store).run());
    EXPECT_EQ(reporter.titles(), std::vector<std::string>{"Error At clsGdrOpe.WriteGdrFile"});
    EXPECT_EQ(windows.calls, std::vector<std::string>{"resume"});
    fs::create_directories(work);
}

} // namespace
} // namespace kinsketch
