#include "fake_platform.h"
#include "launcher/core/access_boot_type.h"
#include "launcher/core/access_locator.h"

#include <gtest/gtest.h>

namespace kinsketch::launcher {
namespace {

TEST(AccessBootType, ListedTextsSelectTheirValueEmptySelects999OthersKeepTheCurrent)
{
    // A value no text selects, so that keeping it cannot pass by accident.
    const auto current = static_cast<AccessBootType>(7);
    for (const int value : {0, 1, 2, 100, 101, 102, 130, 131, 132, 160, 161, 162}) {
        EXPECT_EQ(accessBootTypeFromText(std::to_string(value), current), static_cast<AccessBootType>(value));
    }
    EXPECT_EQ(accessBootTypeFromText("", current), AccessBootType::unset);
    for (const char* text : {"999", "3", "01", "160 ", "abc", "-1", "1600"}) {
        EXPECT_EQ(accessBootTypeFromText(text, current), current) << text;
    }
}

// The registry reads each search makes when it finds nothing, in order:
// A reads the class registration, B asks for the installation key (and its
// 15/16 twin), C reads the application path.
std::string searchesMade(const FakePlatform& platform)
{
    std::string order;
    const auto note = [&](char search, const std::string& call, const std::string& versionAfter) {
        order += search;
        if (!versionAfter.empty()) order += call.substr(call.find(versionAfter) + versionAfter.size(), 2);
        order += ' ';
    };
    for (const std::string& call : platform.calls) {
        if (call.starts_with("machineValue(Software\\Classes\\Access.Application.")) note('A', call, "Application.");
        if (call.starts_with("machineKeyExists(Software\\Microsoft\\Office\\")) note('B', call, "Office\\");
        if (call.starts_with("machineValue(Software\\Microsoft\\Windows\\CurrentVersion\\App Paths"))
            note('C', call, "");
    }
    return order;
}

struct SearchOrderCase {
    int bootType; // as the settings file writes it
    const char* searches;
};

class SearchOrder : public ::testing::TestWithParam<SearchOrderCase> {};

TEST_P(SearchOrder, FollowsTheBootType)
{
    FakePlatform platform;
    EXPECT_EQ(AccessLocator(platform).findAccessProgram(static_cast<AccessBootType>(GetParam().bootType)), "");
    EXPECT_EQ(searchesMade(platform), GetParam().searches);
}

// B("15") and B("16") each also try the other version's key.
INSTANTIATE_TEST_SUITE_P(AllBootTypes, SearchOrder,
                         ::testing::Values(SearchOrderCase{0, "A11 B11 "}, SearchOrderCase{1, "A11 B11 "},
                                           SearchOrderCase{2, "B11 A11 "}, SearchOrderCase{100, "A14 B14 "},
                                           SearchOrderCase{101, "A14 B14 "}, SearchOrderCase{102, "B14 A14 "},
                                           SearchOrderCase{130, "A15 B15 B16 "}, SearchOrderCase{131, "A15 B15 B16 "},
                                           SearchOrderCase{132, "B15 B16 A15 A16 "},
                                           SearchOrderCase{160, "A16 B16 B15 "}, SearchOrderCase{161, "A16 B16 B15 "},
                                           SearchOrderCase{162, "B16 B15 A16 A15 "},
                                           SearchOrderCase{999, "B16 B15 A16 A15 C "},
                                           SearchOrderCase{12345, "B16 B15 A16 A15 C "}));

const char* const installedOffice14And16 = R"(REGEDIT4
[HKEY_LOCAL_MACHINE\Software\Classes\Access.Application.14\CLSID]
@="{14}"
[HKEY_LOCAL_MACHINE\Software\Classes\CLSID\{14}\LocalServer32]
@="C:\\PROGRA~1\\Office14\\MSACCESS.EXE /AUTOMATION"
[HKEY_LOCAL_MACHINE\Software\Microsoft\Office\14.0\Access\InstallRoot]
"Path"="C:\\Program Files\\Office14\\"
[HKEY_LOCAL_MACHINE\Software\Microsoft\Office\16.0\Access\InstallRoot]
"Path"="C:\\Office16\\"
[HKEY_LOCAL_MACHINE\Software\Microsoft\Windows\CurrentVersion\App Paths\MSACCESS.EXE]
@="C:\\Any\\MSACCESS.EXE"
)";

TEST(AccessLocator, FirstSearchThatFindsSomethingWins)
{
    FakePlatform platform;
    platform.registry = RegFile::parse(installedOffice14And16);
    AccessLocator locator(platform);
    EXPECT_EQ(locator.findAccessProgram(AccessBootType::access14Program),
              "C:\\PROGRA~1\\Office14\\MSACCESS.EXE /AUTOMATION");
    EXPECT_EQ(locator.findAccessProgram(AccessBootType::access14ProgramInstallRootFirst),
              "C:\\Program Files\\Office14\\MSACCESS.EXE");
    EXPECT_EQ(locator.findAccessProgram(AccessBootType::access15Program), "C:\\Office16\\MSACCESS.EXE");
    EXPECT_EQ(locator.findAccessProgram(AccessBootType::access11Program), "");
    EXPECT_EQ(locator.pathFromApplicationPaths(), "C:\\Any\\MSACCESS.EXE");
}

TEST(AccessLocator, RunTimeErrorsAreReportedAndTheSearchGoesOn)
{
    FakePlatform platform;
    platform.registry = RegFile::parse(installedOffice14And16);
    platform.failNext("machineKeyExists", LauncherError(5, "不正な呼び出し"));
    EXPECT_EQ(AccessLocator(platform).findAccessProgram(AccessBootType::unset), "C:\\Any\\MSACCESS.EXE");
    EXPECT_EQ(platform.messageBoxes(), Calls{"messageBox(【5】不正な呼び出し|Error At LfncGetAc2003PathB|48)"});
}

} // namespace
} // namespace kinsketch::launcher
