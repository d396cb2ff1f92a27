#include "app/end_question.h"
#include "app/main_window.h"
#include "app/save_command.h"
#include "app/startup.h"
#include "document/file_io.h"
#include "document/handed_in_document.h"
#include "picture/window/picture_confirm_window.h"
#include "tests/support/qt_application.h"
#include "tests/support/recording_reporter.h"
#include "tests/support/scripted_message_boxes.h"
#include "tests/support/temporary_folder.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>

namespace kinsketch {
namespace {

namespace fs = std::filesystem;
using test::RecordingReporter;
using test::ScriptedMessageBoxes;

const fs::path kFixtures = fs::path(KINSKETCH_FIXTURE_DIR) / "documents";

class StartupTest : public ::testing::Test {
protected:
    void SetUp() override { fs::create_directories(work()); }
    fs::path work() const { return program / "imgTmp"; }
    StartupOutcome start(const std::string& commandLine)
    {
        startup.reset(); // the previous instance ends and lets go of the folder
        context = EditingContext{};
        startup = std::make_unique<Startup>(program, context, boxes, [this] { ++splashShown; });
        return startup->run(commandLine);
    }

    test::TemporaryFolder programFolder;
    const fs::path program = programFolder.path();
    ScriptedMessageBoxes boxes;
    EditingContext context;
    int splashShown = 0;
    std::unique_ptr<Startup> startup;
};

TEST_F(StartupTest, CommandLineChoosesSplashNewOrHandedInDocument)
{
    ASSERT_EQ(start(""), StartupOutcome::Run);
    EXPECT_EQ(splashShown, 1);
    EXPECT_EQ(context.document.IsNew, kTrue);
    EXPECT_EQ(context.document.Version, "300");

    ASSERT_EQ(start("new"), StartupOutcome::Run);
    EXPECT_EQ(splashShown, 1); // "new" starts without the splash

    fs::copy_file(kFixtures / "wide_family.gdr", work() / "client.gdr");
    ASSERT_EQ(start("client"), StartupOutcome::Run);
    EXPECT_EQ(context.document.ScreenMode, "WIDE");
    EXPECT_EQ(context.document.IsNew, kFalse);
    EXPECT_EQ(context.freeLineCount, 6);
    EXPECT_TRUE(fs::exists(work() / "client.gdr"));

    fs::copy_file(kFixtures / "rows18_family.gdr", work() / "old18.gdr");
    ASSERT_EQ(start("old18"), StartupOutcome::Run);
    EXPECT_EQ(context.document.SymbolKey[2], "i104");
    EXPECT_EQ(context.document.Version, "300");
    EXPECT_TRUE(boxes.shown.empty());
}

// Upper-case NEW is a document name; names that leave the working folder are never read.
TEST_F(StartupTest, DocumentsThatCannotBeReadAreReportedAndANewOneIsUsed)
{
    fs::copy_file(kFixtures / "sample_family.gdr", program / "outside.gdr");
    const std::pair<const char*, std::string> cases[] = {{"NEW", "Error At clsGdrOpe.ReadGdrFile"}, {"../outside", ""}};
    for (const auto& [name, title] : cases) {
        boxes.shown.clear();
        ASSERT_EQ(start(name), StartupOutcome::Run);
        ASSERT_FALSE(boxes.shown.empty()) << name;
        EXPECT_EQ(boxes.shown[0].title, title) << boxes.shown[0].text;
        EXPECT_TRUE(boxes.shown.back().text.ends_with("\n新しい図で開始します。")) << boxes.shown.back().text;
        EXPECT_EQ(context.document.SymbolKey[2], "i000");
        EXPECT_EQ(context.document.IsNew, kTrue);
    }
    EXPECT_EQ(splashShown, 0);
}

TEST_F(StartupTest, SecondInstanceOnTheSameFolderIsRefused)
{
    ASSERT_EQ(start("new"), StartupOutcome::Run);
    EditingContext secondContext;
    EXPECT_EQ(Startup(program, secondContext, boxes, [] {}).run("new"), StartupOutcome::AlreadyRunning);
    EXPECT_EQ(boxes.texts(), std::vector<std::string>{"既に起動されています。"});
    ASSERT_EQ(start("new"), StartupOutcome::Run);
}

TEST_F(StartupTest, LeftoversAreClearedButTheHandedInDocumentIsKept)
{
    // Temporary files of a save cut off by a kill hold the previous client's family.
    for (const char* name : {"kinsketch.bmp", "OLD.BMP", "x.Bmp", "other.gdr", "note.txt", "kinsketch.bmp.tmp",
                             "KinSketch.GDR.tmp", "x.gdr.TMP"})
        std::ofstream(work() / name) << "x";
    fs::copy_file(kFixtures / "sample_family.gdr", work() / "KinSketch.GDR");
    ASSERT_EQ(start("kinsketch"), StartupOutcome::Run);
    std::set<std::string> left;
    for (const auto& entry : fs::directory_iterator(work())) left.insert(entry.path().filename().string());
    EXPECT_EQ(left, (std::set<std::string>{".kinsketch.lock", "KinSketch.GDR", "note.txt", "other.gdr"}));
    EXPECT_EQ(context.document.SymbolKey[2], "i104"); // the handed-in document was read, found without regard to case
}

TEST_F(StartupTest, AFolderThatCannotBeClearedOrMadeStopsTheStart)
{
    fs::create_directories(work() / "kinsketch.bmp" / "busy"); // a folder by that name cannot be removed
    EXPECT_EQ(start("new"), StartupOutcome::LeftoverLocked);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_NE(boxes.shown[0].text.find("kinsketch.bmp"), std::string::npos);

    fs::remove_all(work());
    std::ofstream(work()) << "a file where the folder should be";
    EXPECT_EQ(start("new"), StartupOutcome::FolderUnusable);
    EXPECT_EQ(boxes.texts().back(), "テンポラリフォルダが作成できませんでした。");
}

TEST(CommandLine, ArgumentsAreJoinedIntoOneString)
{
    char program[] = "kinsketch";
    char first[] = "山田";
    char second[] = "太郎";
    char* argv[] = {program, first, second};
    EXPECT_EQ(commandLineOf(3, argv), "山田 太郎");
    EXPECT_EQ(commandLineOf(1, argv), "");
}

TEST(MainWindow, HasNoCloseButtonAndRefusesAWindowManagerClose)
{
    test::application();
    MainWindow window;
    EXPECT_FALSE(window.windowFlags() & Qt::WindowCloseButtonHint);
    window.show();
    EXPECT_FALSE(window.close());
    EXPECT_TRUE(window.isVisible());

    window.addChildWindow(new QWidget);
    QMdiSubWindow* sub = window.childArea()->subWindowList().value(0);
    ASSERT_NE(sub, nullptr);
    EXPECT_FALSE(sub->windowFlags() & Qt::WindowCloseButtonHint);
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

// Turning to another window goes back to editing, as キャンセル does.
TEST_F(PictureConfirmation, LosingTheActivationReturnsToEditingOnce)
{
    window->lostActivation();
    window->lostActivation();
    EXPECT_EQ(cancelled, 1);
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

} // namespace
} // namespace kinsketch
