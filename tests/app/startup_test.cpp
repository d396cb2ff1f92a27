#include "app/startup.h"
#include "document/gdr_conversion.h"
#include "tests/support/scripted_message_boxes.h"
#include "tests/support/temporary_folder.h"

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
    void touch(const std::string& name) { std::ofstream(work() / name) << "x"; }
    StartupOutcome start(const std::string& commandLine)
    {
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

    startup.reset();
    ASSERT_EQ(start("new"), StartupOutcome::Run);
    EXPECT_EQ(splashShown, 1); // "new" starts without the splash

    startup.reset();
    fs::copy_file(kFixtures / "wide_family.gdr", work() / "client.gdr");
    ASSERT_EQ(start("client"), StartupOutcome::Run);
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(context.document.ScreenMode, "WIDE");
    EXPECT_EQ(context.document.IsNew, kFalse);
    EXPECT_EQ(context.freeLineCount, 6);
    EXPECT_TRUE(fs::exists(work() / "client.gdr"));
}

TEST_F(StartupTest, UpperCaseNewIsADocumentName)
{
    ASSERT_EQ(start("NEW"), StartupOutcome::Run);
    EXPECT_EQ(splashShown, 0);
    ASSERT_EQ(boxes.shown.size(), 2u); // the missing document, reported by the raw read and the reader
    EXPECT_EQ(boxes.shown[0].title, "Error At clsGdrOpe.ReadGdrFile");
    EXPECT_EQ(context.document.SymbolKey[0], "i000"); // and the program goes on with a new document
    EXPECT_EQ(context.document.IsNew, kTrue);
}

TEST_F(StartupTest, OlderLayoutsAreConverted)
{
    fs::copy_file(kFixtures / "rows18_family.gdr", work() / "old18.gdr");
    fs::copy_file(kFixtures / "pre202_family.gdr", work() / "old202.gdr");
    ASSERT_EQ(start("old18"), StartupOutcome::Run);
    EXPECT_EQ(context.document.SymbolKey[2], "i104");
    EXPECT_EQ(context.document.SymbolKey[30], "i000");
    EXPECT_EQ(context.document.Version, "300");
    startup.reset();
    ASSERT_EQ(start("old202"), StartupOutcome::Run);
    EXPECT_EQ(context.document.AgeText[2], "85歳");
    EXPECT_EQ(context.document.FreeLine.items().size(), 1u);
    EXPECT_TRUE(boxes.shown.empty());
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
    ScriptedMessageBoxes secondBoxes;
    EditingContext secondContext;
    Startup second(program, secondContext, secondBoxes, [] {});
    EXPECT_EQ(second.run("new"), StartupOutcome::AlreadyRunning);
    ASSERT_EQ(secondBoxes.texts(), std::vector<std::string>{"既に起動されています。"});
    EXPECT_EQ(secondBoxes.shown[0].icon, MessageIcon::Exclamation);
    startup.reset(); // the first instance ends: its lock goes with it
    Startup third(program, secondContext, secondBoxes, [] {});
    EXPECT_EQ(third.run("new"), StartupOutcome::Run);
}

TEST_F(StartupTest, LeftoversAreClearedButTheHandedInDocumentIsKept)
{
    for (const char* name : {"kinsketch.bmp", "OLD.BMP", "x.Bmp", "kinsketch.gdr", "other.gdr", "note.txt"})
        touch(name);
    fs::copy_file(kFixtures / "sample_family.gdr", work() / "KinSketch.GDR", fs::copy_options::overwrite_existing);
    fs::remove(work() / "kinsketch.gdr");
    ASSERT_EQ(start("kinsketch"), StartupOutcome::Run);
    std::set<std::string> left;
    for (const auto& entry : fs::directory_iterator(work())) left.insert(entry.path().filename().string());
    EXPECT_EQ(left, (std::set<std::string>{".kinsketch.lock", "KinSketch.GDR", "note.txt", "other.gdr"}));
    EXPECT_EQ(context.document.SymbolKey[2], "i104"); // the handed-in document was read, found without regard to case
}

TEST_F(StartupTest, AResultThatCannotBeRemovedStopsTheStart)
{
    fs::create_directories(work() / "kinsketch.bmp" / "busy"); // a folder by that name cannot be removed
    EXPECT_EQ(start("new"), StartupOutcome::LeftoverLocked);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_NE(boxes.shown[0].text.find("kinsketch.bmp"), std::string::npos);
}

TEST_F(StartupTest, AWorkingFolderThatCannotBeMadeEndsTheProgram)
{
    fs::remove_all(work());
    std::ofstream(work()) << "a file where the folder should be";
    EXPECT_EQ(start("new"), StartupOutcome::FolderUnusable);
    EXPECT_EQ(boxes.texts(), std::vector<std::string>{"テンポラリフォルダが作成できませんでした。"});
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

} // namespace
} // namespace kinsketch
