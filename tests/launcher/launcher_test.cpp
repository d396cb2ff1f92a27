#include "fake_platform.h"
#include "launcher/core/launcher.h"

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>

namespace kinsketch::launcher {
namespace {

const std::string iniPath = "C:\\Kinsketch\\ovnVerUP.ini";
const std::string notReady = "バージョンアップの環境が整っていません！\r";

// Every way out puts the progress window away and the pointer back.
void expectCleanEnd(const FakePlatform& platform)
{
    ASSERT_GE(platform.calls.size(), 2U);
    EXPECT_EQ(platform.calls[platform.calls.size() - 2], "closeProgressWindow()");
    EXPECT_EQ(platform.calls.back(), "setMousePointer(0)");
}

class LauncherRun : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform.registry =
            RegFile::parse("REGEDIT4\n[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Office\\16.0\\Access\\InstallRoot]\n"
                           "\"Path\"=\"C:\\\\Office16\\\\\"\n");
        platform.windows = [](std::uint32_t) {
            return std::vector<TopLevelWindow>{{9, "OMain", "ケア管理", 4242, true, false}};
        };
    }

    void run() { Launcher(platform).run(); }

    FakePlatform platform;
};

TEST_F(LauncherRun, MissingSettingsFileIsReportedThenTheMissingDatabaseName)
{
    run();
    const std::string missing = "messageBox((" + iniPath + ")が見つかりません|Inifile Error!!|16)";
    EXPECT_EQ(platform.messageBoxes(),
              (Calls{missing, missing, "messageBox(" + notReady + "(ini/VerUp/AppDB)|ovnqtverup|48)"}));
    EXPECT_EQ(platform.callsStartingWith("beep").size(), 1U);
    expectCleanEnd(platform);
}

TEST_F(LauncherRun, EmptyDatabaseNameStopsBeforeTheStartFormIsRead)
{
    platform.files[iniPath] = "[VERUP]\nAppDB=\nFMenu=frmMenu\n";
    run();
    EXPECT_EQ(platform.messageBoxes(), Calls{"messageBox(" + notReady + "(ini/VerUp/AppDB)|ovnqtverup|48)"});
    EXPECT_FALSE(platform.called("profileString(" + iniPath + "|VERUP|FMenu"));
    expectCleanEnd(platform);
}

TEST_F(LauncherRun, EmptyStartFormStopsBeforeTheBootTypeIsRead)
{
    platform.files[iniPath] = "[VERUP]\nAppDB=x.mdb\nFMenu=  \nAC2003Boot=160\n";
    run();
    EXPECT_EQ(platform.messageBoxes(), Calls{"messageBox(" + notReady + "(ini/VerUp/FMenu)|ovnqtverup|48)"});
    EXPECT_FALSE(platform.called("profileString(" + iniPath + "|VERUP|AC2003Boot"));
    EXPECT_FALSE(platform.called("openDatabaseExclusiveReadOnly"));
    expectCleanEnd(platform);
}

TEST_F(LauncherRun, DatabasePathIsTheConfiguredFolderAndFileName)
{
    platform.files[iniPath] = "[VERUP]\nPath=D:\\APP\\\nAppDB=x.mdb\nFMenu=frmMenu\nAC2003Boot=161\n";
    platform.files["D:\\APP\\x.mdb"] = "";
    run();
    EXPECT_EQ(platform.callsStartingWith("fileExists").back(), "fileExists(D:\\APP\\x.mdb)");
    EXPECT_EQ(platform.callsStartingWith("startProgram"),
              Calls{"startProgram(C:\\Office16\\MSACCESS.EXE D:\\APP\\x.mdb|6)"});
    EXPECT_TRUE(platform.called("access.openForm(frmMenu)"));
    EXPECT_TRUE(platform.messageBoxes().empty());
    expectCleanEnd(platform);
}

TEST_F(LauncherRun, FolderWithABlankIsUsedInItsShortForm)
{
    platform.files[iniPath] = "[VERUP]\nPath=D:\\My App\nAppDB=x.mdb\nFMenu=frmMenu\nAC2003Boot=160\n";
    platform.shortPaths["D:\\My App\\"] = "D:\\MYAPP~1\\";
    platform.files["D:\\MYAPP~1\\x.mdb"] = "";
    run();
    EXPECT_TRUE(platform.called("access.openCurrentDatabase(D:\\MYAPP~1\\x.mdb|false|)"));
}

TEST_F(LauncherRun, MissingDatabaseFileIsReported)
{
    platform.files[iniPath] = "[VERUP]\nAppDB=x.mdb\nFMenu=frmMenu\n";
    run();
    EXPECT_EQ(platform.messageBoxes(), Calls{"messageBox(" + notReady + "(ini/VerUp/PRM_DBNAME)|ovnqtverup|48)"});
    EXPECT_FALSE(platform.called("openDatabaseExclusiveReadOnly"));
    expectCleanEnd(platform);
}

TEST_F(LauncherRun, MissingBootTypeSearchesLikeVariant999)
{
    platform.files[iniPath] = "[VERUP]\nAppDB=x.mdb\nFMenu=frmMenu\n";
    platform.files["C:\\Kinsketch\\x.mdb"] = "";
    platform.registry = RegFile::parse(
        "REGEDIT4\n[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\MSACCESS.EXE]\n"
        "@=\"C:\\\\Any\\\\MSACCESS.EXE\"\n");
    run();
    EXPECT_FALSE(platform.called("createAccessApplication"));
    EXPECT_EQ(platform.callsStartingWith("startProgram"),
              Calls{"startProgram(C:\\Any\\MSACCESS.EXE C:\\Kinsketch\\x.mdb|6)"});
}

TEST_F(LauncherRun, UnknownBootTypeKeepsTheStartValue)
{
    // The start value 0 tries automation first.
    platform.files[iniPath] = "[VERUP]\nAppDB=x.mdb\nFMenu=frmMenu\nAC2003Boot=2016\n";
    platform.files["C:\\Kinsketch\\x.mdb"] = "";
    run();
    EXPECT_TRUE(platform.called("createAccessApplication(Access.Application)"));
}

TEST_F(LauncherRun, SecondInstanceIsRefusedBeforeAnythingElse)
{
    platform.anotherInstanceRunning = true;
    run();
    EXPECT_EQ(platform.calls, (Calls{"acquireSingleInstance(ovnqtverup)", "beep()",
                                     "messageBox(当システムは既にロードされています|二重起動エラー|16)"}));
}

TEST_F(LauncherRun, UnexpectedErrorIsTrappedByTheStartRoutine)
{
    platform.files[iniPath] = "[VERUP]\nAppDB=x.mdb\nFMenu=frmMenu\n";
    platform.failNext("fileExists(C:\\Kinsketch\\x.mdb)", LauncherError(52, "ファイル名または番号が不正です。"));
    run();
    EXPECT_EQ(platform.messageBoxes(),
              Calls{"messageBox(【52】ファイル名または番号が不正です。|Error At Sub Main|48)"});
    expectCleanEnd(platform);
}

// Its own folder cannot be told: what it throws then is none of the launcher's run-time errors.
class BrokenPlatform : public FakePlatform {
public:
    std::function<void()> fail;
    std::string ownFolder() override
    {
        fail();
        return folder;
    }
};

TEST(GuardedRun, EndsWithExitCodeZeroWhenTheStartRoutineReturns)
{
    FakePlatform platform;
    EXPECT_EQ(runGuarded(platform), 0);
    // The missing settings file was told of, yet that is an ordinary end.
    EXPECT_FALSE(platform.messageBoxes().empty());
}

TEST(GuardedRun, WhateverEscapesTheStartRoutineIsShownAndEndsWithAnErrorCode)
{
    const std::pair<std::function<void()>, std::string> failures[]{
        {[] { throw std::runtime_error("disk on fire"); }, "予期しないエラーが発生しました。\r(disk on fire)"},
        {[] { throw 7; }, "予期しないエラーが発生しました。"},
    };
    for (const auto& [fail, text] : failures) {
        BrokenPlatform platform;
        platform.fail = fail;
        EXPECT_EQ(runGuarded(platform), 1);
        EXPECT_EQ(platform.messageBoxes(), Calls{"messageBox(" + text + "|Error At Sub Main|16)"});
        expectCleanEnd(platform);
    }
}

} // namespace
} // namespace kinsketch::launcher
