#include "fake_platform.h"
#include "launcher/core/settings_routines.h"

#include <gtest/gtest.h>

namespace kinsketch::launcher {
namespace {

TEST(ReadIniSetting, ReadsFromTheOwnFolderAndDropsBlanksAndATrailingBackslash)
{
    FakePlatform platform;
    platform.files["C:\\Kinsketch\\ovnVerUP.ini"] = "[VERUP]\nPath = \"  D:\\APP\\ \"\n";
    EXPECT_EQ(readIniSetting(platform, "ovnVerUP.ini", "VERUP", "Path", ""), "D:\\APP");
    EXPECT_EQ(platform.callsStartingWith("profileString"),
              Calls{"profileString(C:\\Kinsketch\\ovnVerUP.ini|VERUP|Path|255)"});
    EXPECT_TRUE(platform.messageBoxes().empty());
}

TEST(ReadIniSetting, FolderWithABlankIsReadThroughItsShortForm)
{
    FakePlatform platform;
    platform.folder = "C:\\Program Files\\ovn";
    platform.shortPaths["C:\\Program Files\\ovn\\"] = "C:\\PROGRA~1\\ovn\\";
    platform.files["C:\\PROGRA~1\\ovn\\ovnVerUP.ini"] = "[VERUP]\nAppDB=x.mdb\n";
    EXPECT_EQ(readIniSetting(platform, "ovnVerUP.ini", "VERUP", "AppDB", ""), "x.mdb");
}

TEST(ReadIniSetting, MissingFileIsReportedAndReadsEmpty)
{
    FakePlatform platform;
    EXPECT_EQ(readIniSetting(platform, "ovnVerUP.ini", "VERUP", "AppDB", ""), "");
    EXPECT_EQ(platform.messageBoxes(),
              Calls{"messageBox((C:\\Kinsketch\\ovnVerUP.ini)が見つかりません|Inifile Error!!|16)"});
    EXPECT_TRUE(platform.callsStartingWith("profileString").empty());
}

TEST(ReadIniSetting, DeviceErrorsAreExplainedAndTheReadingGoesOn)
{
    FakePlatform platform;
    platform.files["C:\\Kinsketch\\ovnVerUP.ini"] = "[VERUP]\nAppDB=x.mdb\n";
    platform.failNext("fileExists", LauncherError(71, "Disk not ready"));
    EXPECT_EQ(readIniSetting(platform, "ovnVerUP.ini", "VERUP", "AppDB", ""), "x.mdb");
    EXPECT_EQ(platform.callsStartingWith("beep"), Calls{"beep()"});
    EXPECT_EQ(platform.messageBoxes(), Calls{"messageBox(バックアップ媒体(MO)が準備されていません。|ovnqtverup|0)"});
}

TEST(ReadIniSetting, OtherErrorsAreShownWithTheirNumberAndReadEmpty)
{
    FakePlatform platform;
    platform.files["C:\\Kinsketch\\ovnVerUP.ini"] = "[VERUP]\nAppDB=x.mdb\n";
    platform.failNext("profileString", LauncherError(7, "メモリが不足しています。"));
    EXPECT_EQ(readIniSetting(platform, "ovnVerUP.ini", "VERUP", "AppDB", ""), "");
    EXPECT_EQ(platform.messageBoxes(), Calls{"messageBox((7)メモリが不足しています。|ovnqtverup|0)"});
}

TEST(ShortPath, ShortensOnlyPathsWithABlankOrBeyond255Bytes)
{
    FakePlatform platform;
    const std::string longPath = "C:\\" + std::string(252, 'a');
    const std::string tooLong = longPath + "b";
    platform.shortPaths["D:\\My App\\"] = "D:\\MYAPP~1\\";
    platform.shortPaths[tooLong] = "C:\\AAAAAA~1";
    platform.shortPaths[longPath] = "never asked";
    EXPECT_EQ(shortPath(platform, "D:\\My App\\"), "D:\\MYAPP~1\\");
    EXPECT_EQ(shortPath(platform, tooLong), "C:\\AAAAAA~1");
    EXPECT_EQ(shortPath(platform, longPath), longPath);
    EXPECT_EQ(shortPath(platform, "D:\\APP\\"), "D:\\APP\\");
    EXPECT_EQ(platform.callsStartingWith("shortPathName").size(), 2U);
    EXPECT_EQ(platform.callsStartingWith("shortPathName").front(), "shortPathName(D:\\My App\\|300)");
}

} // namespace
} // namespace kinsketch::launcher
