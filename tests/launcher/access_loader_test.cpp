#include "fake_platform.h"
#include "launcher/core/access_loader.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace kinsketch::launcher {
namespace {

using enum AccessBootType;

const std::string database = "D:\\APP\\x.mdb";

const char* const installedOffices = R"(REGEDIT4
[HKEY_LOCAL_MACHINE\Software\Microsoft\Office\11.0\Access\InstallRoot]
"Path"="C:\\Office11\\"
[HKEY_LOCAL_MACHINE\Software\Microsoft\Office\14.0\Access\InstallRoot]
"Path"="C:\\Office14\\"
[HKEY_LOCAL_MACHINE\Software\Microsoft\Office\16.0\Access\InstallRoot]
"Path"="C:\\Office16\\"
)";

TopLevelWindow accessWindow(ProcessId processId, std::string title)
{
    return TopLevelWindow{77, "OMain", std::move(title), processId, true, false};
}

class AccessLoading : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform.registry = RegFile::parse(installedOffices);
        // The started program shows its main window, with the database open, 12 s after its start.
        platform.windows = [](std::uint32_t sinceStart) {
            std::vector<TopLevelWindow> windows{{5, "Shell_TrayWnd", "", 1, true, false}};
            if (sinceStart >= 12'000) windows.push_back(accessWindow(4242, "ケア管理"));
            return windows;
        };
    }

    bool load(AccessBootType bootType) { return AccessLoader(platform, bootType).load(database, "frmMenu"); }

    FakePlatform platform;
};

TEST_F(AccessLoading, StartsTheProgramMinimisedAndPreparesTheStartedApplication)
{
    EXPECT_TRUE(load(access16Program));
    EXPECT_EQ(platform.callsStartingWith("openDatabaseExclusiveReadOnly"),
              Calls{"openDatabaseExclusiveReadOnly(DAO.DBEngine.120|D:\\APP\\x.mdb)"});
    EXPECT_EQ(platform.callsStartingWith("startProgram"),
              Calls{"startProgram(C:\\Office16\\MSACCESS.EXE D:\\APP\\x.mdb|6)"});
    EXPECT_FALSE(platform.called("createAccessApplication"));
    EXPECT_EQ(platform.callsStartingWith("sleep"), (Calls{"sleep(5000)", "sleep(5000)", "sleep(5000)"}));
    const Calls expectedAccessCalls{
        "access.setOption(ShowWindowsInTaskbar|false)",
        "access.setOption(Default File Format|10)",
        "access.setOption(Behavior Entering Field|1)",
        "access.setVisible(true)",
        "access.runCommand(10)",
        "access.openForm(frmMenu)",
        "access.release(byPath)",
    };
    EXPECT_EQ(platform.callsStartingWith("access."), expectedAccessCalls);
    EXPECT_TRUE(platform.messageBoxes().empty());
}

TEST_F(AccessLoading, DatabaseOpenElsewhereIsActivatedAndNotStartedAgain)
{
    platform.failNext("openDatabaseExclusiveReadOnly", LauncherError(3045, "ファイルは既に使用されています。"));
    platform.windowsBeforeStart = {{3, "OMain", "ケア管理 - 利用者", 900, true, false},
                                   {4, "OMain", "ケア管理", 900, true, false}};
    EXPECT_TRUE(load(access16Program));
    // The open test is over before the running application is asked for anything.
    const auto probe =
        std::ranges::find(platform.calls, "openDatabaseExclusiveReadOnly(DAO.DBEngine.120|D:\\APP\\x.mdb)");
    const auto byPath = std::ranges::find(platform.calls, "accessByPath(D:\\APP\\x.mdb)");
    EXPECT_LT(probe, byPath);
    EXPECT_EQ(platform.callsStartingWith("bringToFront"), Calls{"bringToFront(4)"});
    EXPECT_EQ(platform.callsStartingWith("access."),
              (Calls{"access.databaseProperty(AppTitle)", "access.runCommand(10)", "access.release(byPath)"}));
    EXPECT_FALSE(platform.called("startProgram"));
    EXPECT_FALSE(platform.called("createAccessApplication"));
}

TEST_F(AccessLoading, OnlyAnInUseFailureMeansTheDatabaseIsOpenElsewhere)
{
    platform.failNext("openDatabaseExclusiveReadOnly",
                      LauncherError(3044, "'D:\\APP\\x.mdb' は正しいパスではありません。"));
    EXPECT_FALSE(load(access16Program));
    EXPECT_EQ(platform.messageBoxes(),
              Calls{"messageBox(【3044】'D:\\APP\\x.mdb' は正しいパスではありません。|Error At xLoadAccess|48)"});
    EXPECT_FALSE(platform.called("accessByPath"));
    EXPECT_FALSE(platform.called("startProgram"));
}

class AutomationFirst : public AccessLoading, public ::testing::WithParamInterface<AccessBootType> {};

TEST_P(AutomationFirst, OpensTheDatabaseInANewAutomationObject)
{
    EXPECT_TRUE(load(GetParam()));
    EXPECT_FALSE(platform.called("startProgram"));
    EXPECT_FALSE(platform.called("accessByPath"));
    EXPECT_EQ(platform.callsStartingWith("access.").front(), "access.openCurrentDatabase(D:\\APP\\x.mdb|false|)");
    EXPECT_EQ(platform.callsStartingWith("access.")[1], "access.setUserControl(true)");
    EXPECT_TRUE(platform.called("access.openForm(frmMenu)"));
    EXPECT_EQ(platform.callsStartingWith("access.").back(), "access.release(created)");
}

TEST_P(AutomationFirst, FailureFallsThroughToAProgramStart)
{
    platform.failNext("access.openCurrentDatabase", LauncherError(7866, "データベースを開けません。"));
    EXPECT_TRUE(load(GetParam()));
    EXPECT_EQ(platform.callsStartingWith("access.release").front(), "access.release(created)");
    EXPECT_EQ(platform.callsStartingWith("startProgram").size(), 1U);
    EXPECT_TRUE(platform.called("access.openForm(frmMenu)"));
    EXPECT_TRUE(platform.messageBoxes().empty());
}

INSTANTIATE_TEST_SUITE_P(UnitZero, AutomationFirst,
                         ::testing::Values(access11Automation, access14Automation, access15Automation,
                                           access16Automation));

TEST_F(AccessLoading, NoInstalledApplicationIsReported)
{
    platform.registry = RegFile();
    EXPECT_FALSE(load(access16Program));
    EXPECT_EQ(platform.messageBoxes(),
              Calls{"messageBox(「Access」インストールパスを取得できませんでした。|xLoadAccess-GfncGetAc2003Path|16)"});
    EXPECT_FALSE(platform.called("startProgram"));
}

TEST_F(AccessLoading, MainWindowThatNeverAppearsIsGivenUpAfter180Seconds)
{
    // A hung window, a window of another process, the bare "Access" title and an invisible one never count.
    platform.windows = [](std::uint32_t) {
        return std::vector<TopLevelWindow>{{1, "OMain", "ケア管理", 4242, true, true},
                                           {2, "OMain", "ケア管理", 17, true, false},
                                           {3, "OMain", " Access ", 4242, true, false},
                                           {4, "OMain", "ケア管理", 4242, false, false},
                                           {5, "OSplash", "ケア管理", 4242, true, false}};
    };
    EXPECT_FALSE(load(access16Program));
    EXPECT_EQ(platform.callsStartingWith("sleep").size(), 36U);
    EXPECT_EQ(
        platform.messageBoxes(),
        Calls{"messageBox(Accessを取得できませんでした。\r一旦終了し、再度実行してください。|Access取得エラー|16)"});
    EXPECT_FALSE(platform.called("accessByPath"));
}

TEST_F(AccessLoading, WaitSurvivesTheWrapOfTheMillisecondCounter)
{
    platform.clock = 0xFFFFFFFFU - 7'000;
    EXPECT_TRUE(load(access16Program));
    EXPECT_EQ(platform.callsStartingWith("sleep").size(), 3U);

    platform.calls.clear();
    platform.clock = 0xFFFFFFFFU - 7'000;
    platform.windows = [](std::uint32_t) { return std::vector<TopLevelWindow>{}; };
    EXPECT_FALSE(load(access16Program));
    EXPECT_EQ(platform.callsStartingWith("sleep").size(), 36U);
}

TEST_F(AccessLoading, StartedApplicationIsTakenAgainAfter10And60Seconds)
{
    platform.failNext("accessByPath", LauncherError(432, "ファイル名が見つかりません。"), 2);
    EXPECT_TRUE(load(access16Program));
    const Calls expected{"accessByPath(D:\\APP\\x.mdb)", "sleep(10000)", "accessByPath(D:\\APP\\x.mdb)", "sleep(60000)",
                         "accessByPath(D:\\APP\\x.mdb)"};
    Calls afterStart;
    for (const std::string& call : platform.calls) {
        if ((call.starts_with("accessByPath") || call.starts_with("sleep(")) && call != "sleep(5000)")
            afterStart.push_back(call);
    }
    EXPECT_EQ(afterStart, expected);
    EXPECT_TRUE(platform.called("access.openForm(frmMenu)"));
}

TEST_F(AccessLoading, StartedApplicationThatCannotBeTakenThreeTimesIsReported)
{
    platform.failNext("accessByPath", LauncherError(432, "ファイル名が見つかりません。"), 3);
    EXPECT_FALSE(load(access16Program));
    EXPECT_EQ(platform.messageBoxes(),
              Calls{"messageBox(Accessが起動できません。\r\nしばらくしてから再度実行してください。\r\n\r\n"
                    "ファイル名が見つかりません。|Access起動エラー(GetObject)|48)"});
    EXPECT_FALSE(platform.called("access."));
}

TEST_F(AccessLoading, CancelledStartFormClosesTheApplicationSilently)
{
    platform.failNext("access.openForm", LauncherError(2501, "OpenForm 操作は取り消されました。"));
    EXPECT_TRUE(load(access16Program));
    EXPECT_TRUE(platform.called("access.doCmdQuit(2)"));
    EXPECT_TRUE(platform.messageBoxes().empty());
    EXPECT_TRUE(platform.callsStartingWith("beep").empty());
}

TEST_F(AccessLoading, FailedStartFormClosesTheApplicationAndTellsWhy)
{
    platform.failNext("access.openForm", LauncherError(2102, "フォーム名 'frmMenu' が見つかりません。"));
    platform.failNext("access.doCmdQuit", LauncherError(2046, "コマンドは使用できません。"));
    EXPECT_TRUE(load(access16Program));
    EXPECT_TRUE(platform.called("access.doCmdQuit(2)"));
    EXPECT_EQ(platform.callsStartingWith("beep").size(), 1U);
    EXPECT_EQ(platform.messageBoxes(),
              Calls{"messageBox(起動できません\r\r(2102)\rフォーム名 'frmMenu' が見つかりません。|ovnqtverup|48)"});
}

TEST_F(AccessLoading, SettingsProgramsEnterFieldsWithoutMovingTheCursor)
{
    for (const auto& [name, behaviour] : {std::pair{"ovnqtset", 0},
                                          {"OVNQTSETUP", 0},
                                          {"OvnSet", 0},
                                          {"ovnsetup", 0},
                                          {"ovnqtverup", 1},
                                          {"ovnsetup2", 1},
                                          {"OVNQTSET.EXE", 1}}) {
        platform.calls.clear();
        platform.executableName = name;
        EXPECT_TRUE(load(access16Automation));
        EXPECT_TRUE(platform.called("access.setOption(Behavior Entering Field|" + std::to_string(behaviour) + ")"))
            << name;
    }
}

} // namespace
} // namespace kinsketch::launcher
