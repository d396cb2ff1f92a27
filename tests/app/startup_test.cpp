#include "app/main_window.h"
#include "app/splash_window.h"
#include "app/startup.h"
#include "tests/support/manual_timers.h"
#include "tests/support/qt_application.h"
#include "tests/support/scripted_message_boxes.h"
#include "tests/support/temporary_folder.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTimer>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>

namespace kinsketch {
namespace {

namespace fs = std::filesystem;
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

TEST_F(StartupTest, UpperCaseNewIsADocumentName)
{
    ASSERT_EQ(start("NEW"), StartupOutcome::Run);
    EXPECT_EQ(splashShown, 0);
    ASSERT_EQ(boxes.shown.size(), 2u); // the missing document, reported by the raw read and the reader
    EXPECT_EQ(boxes.shown[0].title, "Error At clsGdrOpe.ReadGdrFile");
    EXPECT_EQ(context.document.IsNew, kTrue); // and the program goes on with a new document
}

TEST_F(StartupTest, NamesThatLeaveTheWorkingFolderAreNeverRead)
{
    fs::copy_file(kFixtures / "sample_family.gdr", program / "outside.gdr");
    ASSERT_EQ(start("../outside"), StartupOutcome::Run);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_NE(boxes.shown[0].text.find("開けません"), std::string::npos);
    EXPECT_EQ(context.document.SymbolKey[2], "i000");
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
    for (const char* name : {"kinsketch.bmp", "OLD.BMP", "x.Bmp", "other.gdr", "note.txt"})
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

TEST(SplashWindow, ClosesItselfAfter1500Milliseconds)
{
    test::application();
    test::ManualTimers timers;
    SplashWindow splash(timers);
    bool closedAfter = false;
    // The modal loop runs until the timer fires; the test advances time from inside it.
    QTimer::singleShot(0, [&] {
        timers.advance(1499);
        EXPECT_TRUE(splash.isVisible());
        timers.advance(1);
        closedAfter = !splash.isVisible();
    });
    splash.showModal();
    EXPECT_TRUE(closedAfter);
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

} // namespace
} // namespace kinsketch
