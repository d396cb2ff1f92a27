#include "app/save_command.h"
#include "document/document_globals.h"
#include "document/file_io.h"
#include "document/handed_in_document.h"
#include "tests/support/temporary_folder.h"
#include "tests/support/recording_reporter.h"

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
    FakeEditingWindows(CanvasSize size, ErrorReporter& reporter)
        : canvas(size, gGdr, reporter)
        , layers(gGdr, reporter, [this](CanvasSize) -> GenoCanvas& { return canvas; })
    {
    }
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
    void SetUp() override
    {
        resetDocumentGlobals();
        store = std::make_unique<clsGdrOpe>(work, reporter);
    }
    void TearDown() override
    {
        resetDocumentGlobals();
    }
    void open(const char* fixture)
    {
        openHandedInDocument(*store, fs::path(KINSKETCH_FIXTURE_DIR) / "documents" / fixture);
    }
    void addText(GenoCanvas& canvas, int n, const std::string& caption)
    {
        LabelWidget label = textLabelTemplate();
        label.caption = caption;
        label.visible = true;
        label.tag = "2";
        label.left = 100.5f;
        label.top = 200.25f;
        canvas.lblInp.load(n, label);
    }

    test::TemporaryFolder folder;
    const fs::path work = folder.path();
    RecordingReporter reporter;
    std::unique_ptr<clsGdrOpe> store;
};

TEST_F(SaveCommandTest, StoresTheLayersWritesTheDocumentThenShowsThePicture)
{
    open("wide_family.gdr");
    FakeEditingWindows windows(CanvasSize::Wide, reporter);
    windows.canvas.GfncPrev();
    addText(windows.canvas, 4, "新しい注記");
    ASSERT_EQ(SaveCommand(windows, *store).run(), 0);
    EXPECT_TRUE(reporter.errors.empty());
    EXPECT_EQ(windows.calls, (std::vector<std::string>{"close bars", "confirm", "close editing"}));
    EXPECT_EQ(windows.picture.size(), QSize(470, 413)); // the WIDE canvas at 15 twips a pixel
    const GdrRecord saved = decodeCurrentGdr(readWholeFile(work / "kinsketch.gdr"));
    EXPECT_EQ(saved.TextLabel[1].Caption, "新しい注記");
    EXPECT_EQ(saved.TextLabel[1].Left, 100.5f);
    EXPECT_EQ(saved.Version, "300");
    EXPECT_EQ(saved.FreeLine.items().size(), gGdr.FreeLine.items().size());
}

TEST_F(SaveCommandTest, ALayerThatCannotBeStoredLeavesTheDocumentAsItWas)
{
    open("sample_family.gdr");
    FakeEditingWindows windows(CanvasSize::Normal, reporter);
    addText(windows.canvas, 1, "残る注記");
    ASSERT_EQ(windows.layers.SaveGd1(), 0);
    const GdrRecord before = gGdr;
    // One added line more than a document holds.
    for (int i = 1; i <= kAddLineCount + 1; ++i) {
        windows.canvas.lineLine.load(i, LineWidget{0, 0, 10, 10, 0, LinePattern::Solid, 1, true});
        windows.canvas.lblLine1.load(i, lineHandleTemplate());
        windows.canvas.lblLine2.load(i, lineHandleTemplate());
    }
    EXPECT_EQ(SaveCommand(windows, *store).run(), 1);
    EXPECT_EQ(reporter.titles(), std::vector<std::string>{"Error At clsGdrOpe.SaveGd2"});
    EXPECT_EQ(gGdr, before); // texts stored by SaveGd1 and cleared for the retry are back
    EXPECT_EQ(windows.calls, std::vector<std::string>{"resume"});
    EXPECT_FALSE(fs::exists(work / "kinsketch.gdr"));
}

TEST_F(SaveCommandTest, ADocumentThatCannotBeWrittenKeepsTheUserEditing)
{
    open("sample_family.gdr");
    FakeEditingWindows windows(CanvasSize::Normal, reporter);
    fs::permissions(work, fs::perms::owner_read | fs::perms::owner_exec);
    if (::geteuid() == 0) fs::remove_all(work); // root writes anywhere: take the folder away instead
    EXPECT_EQ(SaveCommand(windows, *store).run(), 1);
    EXPECT_EQ(reporter.titles(), std::vector<std::string>{"Error At clsGdrOpe.WriteGdrFile"});
    EXPECT_EQ(windows.calls, std::vector<std::string>{"resume"});
    fs::create_directories(work);
}

} // namespace
} // namespace kinsketch
