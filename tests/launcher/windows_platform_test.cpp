// The Windows platform against a real implementation of its calls (scripts/test-launcher-windows.sh runs it under wine).

#include "launcher/core/access_locator.h"
#include "launcher/core/access_window_watch.h"
#include "launcher/core/launcher_error.h"
#include "launcher/core/settings_routines.h"
#include "launcher/windows/dispatch_object.h"
#include "launcher/windows/windows_platform.h"
#include "profile_cases.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <functional>

namespace kinsketch::launcher {
namespace {

// The run-time error number the call fails with, or 0 when it does not fail.
long errorNumber(const std::function<void()>& call)
{
    try {
        call();
    } catch (const LauncherError& error) {
        return error.number();
    }
    return 0;
}

TEST(WindowsPlatform, RealProfileApiAgreesWithThePortableReader)
{
    WindowsPlatform platform;
    const std::string path = std::string(KINSKETCH_FIXTURE_DIR) + "/launcher/profile_rules.ini";
    ASSERT_TRUE(platform.fileExists(path));
    for (const ProfileCase& c : profileRulesCases)
        EXPECT_EQ(platform.profileString(path, c.section, c.key, 255), c.expected) << c.section << "/" << c.key;
}

TEST(WindowsPlatform, FolderWithABlankIsReadThroughItsShortForm)
{
    WindowsPlatform platform;
    char temporary[MAX_PATH + 1] = {};
    GetTempPathA(MAX_PATH, temporary);
    const std::string folder =
        std::string(temporary) + "kinsketch launcher " + std::to_string(GetCurrentProcessId()) + "\\";
    ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));
    std::ofstream(folder + "x.mdb") << "";
    std::ofstream(folder + "ovnVerUP.ini") << "[VERUP]\r\nPath = \"" << folder << "\"\r\nAppDB=x.mdb\r\n";

    const std::string shortFolder = shortPath(platform, folder);
    EXPECT_EQ(shortFolder.find(' '), std::string::npos) << shortFolder;
    EXPECT_TRUE(platform.fileExists(shortFolder + "x.mdb"));
    EXPECT_FALSE(platform.fileExists(shortFolder));
    EXPECT_FALSE(platform.fileExists(shortFolder + "y.mdb"));
    EXPECT_EQ(shortPath(platform, "C:\\windows\\"), "C:\\windows\\");
    EXPECT_EQ(readIniSetting(platform, "ovnVerUP.ini", "verup", "PATH", folder), folder.substr(0, folder.size() - 1));
    EXPECT_EQ(readIniSetting(platform, "ovnVerUP.ini", "VERUP", "AppDB", folder), "x.mdb");

    for (const char* file : {"x.mdb", "ovnVerUP.ini"}) DeleteFileA((folder + file).c_str());
    RemoveDirectoryA(folder.c_str());
}

TEST(WindowsPlatform, InstalledApplicationIsFoundInTheOrderOfTheBootType)
{
    // The keys are written to HKEY_LOCAL_MACHINE and left there for the prefix to be thrown away.
    if (std::getenv("KINSKETCH_THROWAWAY_PREFIX") == nullptr) GTEST_SKIP() << "not in a throwaway wine prefix";
    const auto write = [](const std::string& subKey, const char* name, const std::string& bytes) {
        HKEY key = nullptr;
        ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, subKey.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr),
                  ERROR_SUCCESS);
        RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(bytes.data()),
                       static_cast<DWORD>(bytes.size()));
        RegCloseKey(key);
    };
    write("Software\\Microsoft\\Office\\15.0\\Access\\InstallRoot", "Path", std::string("C:\\Office15\\\0junk\0", 17));
    write("Software\\Classes\\Access.Application.16\\CLSID", nullptr,
          std::string("{0A0B0C0D-0000-0000-0000-000000000016}\0", 39));
    write("Software\\Classes\\CLSID\\{0A0B0C0D-0000-0000-0000-000000000016}\\LocalServer32", nullptr,
          std::string("C:\\Office16\\MSACCESS.EXE /AUTOMATION\0", 37));

    WindowsPlatform platform;
    EXPECT_TRUE(platform.machineKeyExists("SOFTWARE\\microsoft\\Office\\15.0\\Access\\InstallRoot"));
    EXPECT_FALSE(platform.machineKeyExists("Software\\Microsoft\\Office\\14.0\\Access\\InstallRoot"));
    EXPECT_FALSE(platform.machineValue("Software\\Microsoft\\Office\\15.0\\Access\\InstallRoot", "Missing"));
    AccessLocator locator(platform);
    EXPECT_EQ(locator.findAccessProgram(AccessBootType::access16ProgramInstallRootFirst), "C:\\Office15\\MSACCESS.EXE");
    EXPECT_EQ(locator.findAccessProgram(AccessBootType::access16Program), "C:\\Office16\\MSACCESS.EXE /AUTOMATION");
    EXPECT_EQ(locator.findAccessProgram(AccessBootType::access14Program), "");
}

TEST(WindowsPlatform, MainWindowOfTheProcessIsSeenWithItsTitle)
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
    EXPECT_TRUE(waitForAccessWindow(platform, GetCurrentProcessId()));
    EXPECT_TRUE(std::ranges::any_of(platform.topLevelWindows(), [&](const TopLevelWindow& w) {
        return w.handle == reinterpret_cast<WindowHandle>(window) && w.title == "ケア管理";
    }));
    DestroyWindow(window);
}

TEST(WindowsPlatform, ProgramsStartTheClockRunsAndASecondInstanceIsRefused)
{
    WindowsPlatform platform;
    const std::uint32_t start = platform.tickCount();
    EXPECT_NE(platform.startProgram("C:\\windows\\system32\\cmd.exe /c exit 0", WindowState::minimizedNoFocus), 0U);
    EXPECT_EQ(errorNumber([&] {
                  (void)platform.startProgram("C:\\no such folder\\MSACCESS.EXE x.mdb", WindowState::minimizedNoFocus);
              }),
              error_number::fileNotFound);
    platform.sleep(50);
    EXPECT_GE(static_cast<std::uint32_t>(platform.tickCount() - start), 40U);
    WindowsPlatform second;
    EXPECT_TRUE(platform.acquireSingleInstance("kinsketch-launcher-test"));
    EXPECT_FALSE(second.acquireSingleInstance("kinsketch-launcher-test"));
}

TEST(WindowsPlatform, AutomationErrorsArriveWithTheirRunTimeErrorNumber)
{
    WindowsPlatform platform;
    DispatchObject files = DispatchObject::create("Scripting.FileSystemObject");
    Variant windowsFolder(std::string("C:\\windows"));
    EXPECT_EQ(files.call(L"FolderExists", {&windowsFolder}).text(), "-1");
    Variant missing(std::string("C:\\no such file.txt"));
    EXPECT_EQ(errorNumber([&] { files.call(L"GetFile", {&missing}); }), error_number::fileNotFound);
    // Neither the database engine nor the host application is installed under wine.
    for (const char* engine : {"DAO.DBEngine.120", "DAO.DBEngine.36"}) {
        EXPECT_EQ(errorNumber([&] { platform.openDatabaseExclusiveReadOnly(engine, "C:\\windows\\win.ini"); }),
                  error_number::cannotCreateObject)
            << engine;
    }
    EXPECT_THROW((void)platform.createAccessApplication("Access.Application"), LauncherError);
}

} // namespace
} // namespace kinsketch::launcher
