#include "app/end_question.h"
#include "app/menu_bar.h"
#include "app/save_command.h"
#include "document/file_io.h"
#include "document/handed_in_document.h"
#include "picture/window/picture_confirm_window.h"
#include "tests/support/qt_application.h"
#include "tests/support/recording_reporter.h"
#include "tests/support/scripted_message_boxes.h"
#include "tests/support/temporary_folder.h"

#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace kinsketch {
namespace {

namespace fs = std::filesystem;
using test::RecordingReporter;
using test::ScriptedMessageBoxes;

TEST(MenuBar, PassesItsClicksOn)
{
    test::application();
    int saves = 0;
    int ends = 0;
    MenuBar bar([&] { ++saves; }, [&] { ++ends; });
    QTest::mouseClick(bar.saveButton(), Qt::LeftButton);
    QTest::mouseClick(bar.endButton(), Qt::LeftButton);
    EXPECT_EQ(saves, 1);
    EXPECT_EQ(ends, 1);
}

TEST(EndQuestion, AsksEveryTimeWithNoAsTheDefault)
{
    ScriptedMessageBoxes boxes;
    EXPECT_FALSE(askToEndWithoutSaving(boxes)); // the default button
    boxes.answers = {MessageAnswer::Yes};
    EXPECT_TRUE(askToEndWithoutSaving(boxes));
    ASSERT_EQ(boxes.shown.size(), 2u);
    EXPECT_EQ(boxes.shown[0].buttons, MessageButtons::YesNo);
}

class PictureConfirmation : public ::testing::Test {
protected:
    void SetUp() override
    {
        QImage picture(286, 338, QImage::Format_RGB888);
        picture.fill(Qt::white);
        window = std::make_unique<PictureConfirmWindow>(
            picture, work / "kinsketch.bmp", boxes, reporter,
            PictureConfirmWindow::Actions{[this] { ++saved; }, [this] { ++cancelled; }});
    }
    void clickOk() { QTest::mouseClick(window->okButton(), Qt::LeftButton); }

    test::TemporaryFolder folder;
    const fs::path work = folder.path();
    ScriptedMessageBoxes boxes;
    RecordingReporter reporter;
    std::unique_ptr<PictureConfirmWindow> window;
    int saved = 0;
    int cancelled = 0;
};

TEST_F(PictureConfirmation, NoKeepsTheWindowAndYesReplacesThePictureAndEnds)
{
    std::ofstream(work / "kinsketch.bmp") << "an older picture";
    clickOk();
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(fs::file_size(work / "kinsketch.bmp"), 16u);
    EXPECT_EQ(saved + cancelled, 0);

    boxes.answers = {MessageAnswer::Yes};
    clickOk();
    EXPECT_EQ(saved, 1);
    EXPECT_FALSE(QImage(QString::fromStdString((work / "kinsketch.bmp").string())).isNull());
}

TEST_F(PictureConfirmation, APictureThatCannotBeWrittenLeavesTheWindowToTryAgain)
{
    fs::remove_all(work);
    boxes.answers = {MessageAnswer::Yes, MessageAnswer::Yes};
    clickOk();
    EXPECT_EQ(saved, 0);
    EXPECT_EQ(reporter.titles(), std::vector<std::string>{"Error At cmd_OK_Click"});
    fs::create_directories(work);
    clickOk();
    EXPECT_EQ(saved, 1);
}

TEST_F(PictureConfirmation, CancelAndLosingTheActivationBothReturnToEditingOnce)
{
    QTest::mouseClick(window->cancelButton(), Qt::LeftButton);
    window->lostActivation();
    EXPECT_EQ(cancelled, 1);
    EXPECT_FALSE(fs::exists(work / "kinsketch.bmp"));
}

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
    FakeEditingWindows& open(const char* fixture, CanvasSize size)
    {
        document = openHandedInDocument(store, fs::path(KINSKETCH_FIXTURE_DIR) / "documents" / fixture).record;
        windows = std::make_unique<FakeEditingWindows>(size, document, reporter);
        return *windows;
    }
    void addText(int n, const std::string& caption)
    {
        LabelWidget label = textLabelTemplate();
        label.caption = caption;
        label.visible = true;
        label.tag = "2";
        label.left = 100.5f;
        label.top = 200.25f;
        windows->canvas.textLabels.load(n, label);
    }

    test::TemporaryFolder folder;
    const fs::path work = folder.path();
    RecordingReporter reporter;
    GdrStore store{work, reporter};
    GdrRecord document;
    std::unique_ptr<FakeEditingWindows> windows;
};

TEST_F(SaveCommandTest, StoresTheLayersWritesTheDocumentThenShowsThePicture)
{
    open("wide_family.gdr", CanvasSize::Wide).canvas.rebuild();
    addText(4, "新しい注記");
    ASSERT_TRUE(SaveCommand(*windows, store).run());
    EXPECT_TRUE(reporter.errors.empty());
    EXPECT_EQ(windows->calls, (std::vector<std::string>{"close bars", "confirm", "close editing"}));
    EXPECT_EQ(windows->picture.size(), QSize(470, 413)); // the WIDE canvas at 15 twips a pixel
    const GdrRecord saved = decodeCurrentGdr(readWholeFile(work / "kinsketch.gdr"));
    EXPECT_EQ(saved.TextLabel[1].Caption, "新しい注記");
    EXPECT_EQ(saved.TextLabel[1].Left, 100.5f);
    EXPECT_EQ(saved.FreeLine.items().size(), document.FreeLine.items().size());
}

TEST_F(SaveCommandTest, ALayerThatCannotBeStoredLeavesTheDocumentAsItWas)
{
    FakeEditingWindows& fake = open("sample_family.gdr", CanvasSize::Normal);
    addText(1, "残る注記");
    ASSERT_TRUE(fake.layers.saveTexts(CanvasSize::Normal));
    const GdrRecord before = document;
    // One added line more than a document holds.
    for (int i = 1; i <= kAddLineCount + 1; ++i) {
        fake.canvas.addedLines.load(i, LineWidget{0, 0, 10, 10, 0, LinePattern::Solid, 1, true});
        fake.canvas.startHandles.load(i, lineHandleTemplate());
        fake.canvas.endHandles.load(i, lineHandleTemplate());
    }
    EXPECT_FALSE(SaveCommand(fake, store).run());
    EXPECT_EQ(reporter.titles(), std::vector<std::string>{"Error At clsGdrOpe.SaveGd2"});
    EXPECT_EQ(document, before); // texts stored by SaveGd1 and cleared for the retry are back
    EXPECT_EQ(fake.calls, std::vector<std::string>{"resume"});
    EXPECT_FALSE(fs::exists(work / "kinsketch.gdr"));
}

TEST_F(SaveCommandTest, ADocumentThatCannotBeWrittenKeepsTheUserEditing)
{
    FakeEditingWindows& fake = open("sample_family.gdr", CanvasSize::Normal);
    fs::permissions(work, fs::perms::owner_read | fs::perms::owner_exec);
    if (::geteuid() == 0) fs::remove_all(work); // root writes anywhere: take the folder away instead
    EXPECT_FALSE(SaveCommand(fake, store).run());
    EXPECT_EQ(reporter.titles(), std::vector<std::string>{"Error At clsGdrOpe.WriteGdrFile"});
    EXPECT_EQ(fake.calls, std::vector<std::string>{"resume"});
    fs::create_directories(work);
}

} // namespace
} // namespace kinsketch
