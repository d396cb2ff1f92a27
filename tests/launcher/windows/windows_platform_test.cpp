// The Windows platform against a real implementation of the calls it makes
// (run under wine by scripts/test-launcher-windows.sh).

#include "launcher/core/access_locator.h"
#include "launcher/core/access_window_watch.h"
#include "launcher/core/launcher_error.h"
#include "launcher/core/settings_routines.h"
#include "launcher/windows/com_apartment.h"
#include "launcher/windows/dispatch_object.h"
#include "launcher/windows/windows_platform.h"
#include "profile_cases.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

namespace kinsketch::launcher {
namespace {

std::string temporaryFolder()
{
    char buffer[MAX_PATH + 1] = {};
    GetTempPathA(MAX_PATH, buffer);
    return buffer;
}

// A folder with a blank in its name, holding one database file; removed afterwards.
class FolderWithABlank : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder = temporaryFolder() + "kinsketch launcher " + std::to_string(GetCurrentProcessId()) + "\\";
        ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));
        std::ofstream(folder + "x.mdb") << "";
        std::ofstream(folder + "ovnVerUP.ini") << "[VERUP]\r\nPath = \"" << folder << "\"\r\nAppDB=x.mdb\r\n";
    }
    void TearDown() override
    {
        DeleteFileA((folder + "x.mdb").c_str());
        DeleteFileA((folder + "ovnVerUP.ini").c_str());
        RemoveDirectoryA(folder.c_str());
    }

    WindowsPlatform platform;
    std::string folder;
};

TEST(WindowsProfile, RealProfileApiAgreesWithThePortableReader)
{
    WindowsPlatform platform;
    const std::string path = std::string(KINSKETCH_FIXTURE_DIR) + "/launcher/profile_rules.ini";
    ASSERT_TRUE(platform.fileExists(path));
    for (const ProfileCase& c : profileRulesCases) {
        EXPECT_EQ(platform.profileString(path, c.section, c.key, 255), c.expected) << c.section << "/" << c.key;
    }
}

TEST_F(FolderWithABlank, ShortFormHasNoBlankAndNamesTheSameFolder)
{
    const std::string shortFolder = shortPath(platform, folder);
    EXPECT_EQ(shortFolder.find(' '), std::string::npos) << shortFolder;
    EXPECT_TRUE(platform.fileExists(shortFolder + "x.mdb"));
    EXPECT_FALSE(platform.fileExists(shortFolder));
    EXPECT_FALSE(platform.fileExists(shortFolder + "y.mdb"));
    EXPECT_EQ(shortPath(platform, "C:\\windows\\"), "C:\\windows\\");
}

TEST_F(FolderWithABlank, SettingsAreReadThroughTheRealProfileApi)
{
    EXPECT_EQ(readIniSetting(platform, "ovnVerUP.ini", "verup", "PATH", folder), folder.substr(0, folder.size() - 1));
    EXPECT_EQ(readIniSetting(platform, "ovnVerUP.ini", "VERUP", "AppDB", folder), "x.mdb");
}

// Writes to HKEY_LOCAL_MACHINE, so only inside the throwaway wine prefix of the test script.
class MachineRegistry : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (std::getenv("KINSKETCH_THROWAWAY_PREFIX") == nullptr) GTEST_SKIP() << "not in a throwaway wine prefix";
    }
    void TearDown() override
    {
        for (const char* key : {"Software\\Microsoft\\Office\\15.0", "Software\\Classes\\Access.Application.16",
                                "Software\\Classes\\CLSID\\{0A0B0C0D-0000-0000-0000-000000000016}"}) {
            RegDeleteTreeA(HKEY_LOCAL_MACHINE, key);
        }
    }
    static void write(const std::string& subKey, const char* name, const std::string& bytes)
    {
        HKEY key = nullptr;
        ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, subKey.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr),
                  ERROR_SUCCESS);
        RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(bytes.data()),
                       static_cast<DWORD>(bytes.size()));
        RegCloseKey(key);
    }

    WindowsPlatform platform;
};

TEST_F(MachineRegistry, InstalledApplicationIsFoundInTheOrderOfTheBootType)
{
    write("Software\\Microsoft\\Office\\15.0\\Access\\InstallRoot", "Path", std::string("C:\\Office15\\\0junk\0", 17));
    write("Software\\Classes\\Access.Application.16\\CLSID", nullptr,
          std::string("{0A0B0C0D-0000-0000-0000-000000000016}\0", 39));
    write("Software\\Classes\\CLSID\\{0A0B0C0D-0000-0000-0000-000000000016}\\LocalServer32", nullptr,
          std::string("C:\\Office16\\MSACCESS.EXE /AUTOMATION\0", 37));

    EXPECT_TRUE(platform.machineKeyExists("SOFTWARE\\microsoft\\Office\\15.0\\Access\\InstallRoot"));
    EXPECT_FALSE(platform.machineKeyExists("Software\\Microsoft\\Office\\14.0\\Access\\InstallRoot"));
    EXPECT_FALSE(platform.machineValue("Software\\Microsoft\\Office\\15.0\\Access\\InstallRoot", "Missing"));

    AccessLocator locator(platform);
    EXPECT_EQ(locator.findAccessProgram(AccessBootType::access16ProgramInstallRootFirst), "C:\\Office15\\MSACCESS.EXE");
    EXPECT_EQ(locator.findAccessProgram(AccessBootType::access16Program), "C:\\Office16\\MSACCESS.EXE /AUTOMATION");
    EXPECT_EQ(locator.findAccessProgram(AccessBootType::access14Program), "");
}

TEST(WindowsWindows, MainWindowOfTheProcessIsSeen)
{
    WindowsPlatform platform;
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"OMain";
    RegisterClassW(&windowClass);
    HWND window = CreateWindowExW(0, L"OMain", L"ケア管理", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr, nullptr,
                                  windowClass.hInstance, nullptr);
    ASSERT_NE(window, nullptr);
    ShowWindow(window, SW_SHOWMINNOACTIVE);

    const auto windows = platform.topLevelWindows();
    const auto found = std::find_if(windows.begin(), windows.end(), [&](const TopLevelWindow& w) {
        return w.handle == reinterpret_cast<WindowHandle>(window);
    });
    ASSERT_NE(found, windows.end());
    EXPECT_EQ(found->className, "OMain");
    EXPECT_EQ(found->title, "ケア管理");
    EXPECT_EQ(found->processId, GetCurrentProcessId());
    EXPECT_TRUE(found->visible);
    EXPECT_FALSE(found->hung);
    EXPECT_TRUE(waitForAccessWindow(platform, GetCurrentProcessId()));
    DestroyWindow(window);
}

TEST(WindowsProcesses, ProgramsStartAndAMissingOneIsFileNotFound)
{
    WindowsPlatform platform;
    EXPECT_NE(platform.startProgram("C:\\windows\\system32\\cmd.exe /c exit 0", WindowState::minimizedNoFocus), 0U);
    try {
        platform.startProgram("C:\\no such folder\\MSACCESS.EXE D:\\APP\\x.mdb", WindowState::minimizedNoFocus);
        FAIL() << "a missing program started";
    } catch (const LauncherError& error) {
        EXPECT_EQ(error.number(), 53);
    }
}

TEST(WindowsProcesses, SecondInstanceIsRefused)
{
    WindowsPlatform first;
    WindowsPlatform second;
    EXPECT_TRUE(first.acquireSingleInstance("kinsketch-launcher-test"));
    EXPECT_FALSE(second.acquireSingleInstance("kinsketch-launcher-test"));
}

TEST(WindowsClock, MultimediaClockAdvancesAcrossASleep)
{
    WindowsPlatform platform;
    const std::uint32_t start = platform.tickCount();
    platform.sleep(50);
    EXPECT_GE(static_cast<std::uint32_t>(platform.tickCount() - start), 40U);
}

TEST(WindowsAutomation, ServerErrorsArriveWithTheirRunTimeErrorNumber)
{
    const ComApartment apartment;
    DispatchObject files = DispatchObject::create("Scripting.FileSystemObject");
    Variant windowsFolder(std::string("C:\\windows"));
    EXPECT_EQ(files.call(L"FolderExists", {&windowsFolder}).text(), "-1");
    Variant missing(std::string("C:\\no such file.txt"));
    try {
        files.call(L"GetFile", {&missing});
        FAIL() << "a missing file was found";
    } catch (const LauncherError& error) {
        EXPECT_EQ(error.number(), 53) << error.description();
    }
}

TEST(WindowsAutomation, MissingDatabaseEngineAndHostApplicationCannotBeCreated)
{
    WindowsPlatform platform;
    for (const char* engine : {"DAO.DBEngine.120", "DAO.DBEngine.36"}) {
        try {
            platform.openDatabaseExclusiveReadOnly(engine, "C:\\windows\\win.ini");
            FAIL() << engine << " is installed here";
        } catch (const LauncherError& error) {
            EXPECT_EQ(error.number(), 429);
        }
    }
    EXPECT_THROW(platform.createAccessApplication("Access.Application"), LauncherError);
}

} // namespace
} // namespace kinsketch::launcher
