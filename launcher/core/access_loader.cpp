#include "launcher/core/access_loader.h"

#include "launcher/core/access_locator.h"
#include "launcher/core/access_window_watch.h"
#include "launcher/core/error_report.h"
#include "launcher/core/launcher_error.h"
#include "launcher/core/text.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace kinsketch::launcher {

namespace {

constexpr std::int32_t acDefaultFileFormatAccess2002 = 10;

// The engine of current installations first, the older one where only that is registered.
constexpr std::array<std::string_view, 2> databaseEngineClasses{"DAO.DBEngine.120", "DAO.DBEngine.36"};

// Failures of the exclusive open that mean another session holds the database.
// Anything else (no engine, no rights, no file) says nothing about a running
// host application.
constexpr std::array<long, 8> databaseInUseErrors{
    3006, // database exclusively locked
    3008, // table already opened exclusively
    3045, // file already in use
    3050, // could not lock file
    3196, // database already in use
    3260, // locked by another user
    3356, // already opened exclusively by another user
    3734, // put in a state that prevents opening or locking
};

// Waits before the second and the third attempt to take a started host application.
constexpr std::array<std::uint32_t, 2> takeRetryWaits{10'000, 60'000};

// Copies of the launcher under these names are the system's settings
// programs, whose users move through fields without the cursor jumping.
constexpr std::array<std::string_view, 4> settingsProgramNames{"OVNQTSET", "OVNQTSETUP", "OVNSET", "OVNSETUP"};

} // namespace

bool AccessLoader::load(const std::string& databasePath, const std::string& startForm)
{
    try {
        return loadOrThrow(databasePath, startForm);
    } catch (const LauncherError& error) {
        platform_.messageBox(error.description(), std::string(applicationTitle), MessageIcon::none);
        return false;
    }
}

bool AccessLoader::loadOrThrow(const std::string& databasePath, const std::string& startForm)
{
    if (databasePath.empty()) return true;

    switch (databaseUse(databasePath)) {
    case DatabaseUse::unknown: return false;
    case DatabaseUse::inUse: activateRunningAccess(databasePath); return true;
    case DatabaseUse::free: break;
    }

    std::unique_ptr<AccessApplication> access;
    if (accessBootVariant(accessBootType_).automationFirst) access = openByAutomation(databasePath);
    if (!access) {
        if (!startAsProgram(databasePath)) return false;
        access = takeStartedAccess(databasePath);
        if (!access) return false;
    }

    setOptions(*access);
    showMaximised(*access);
    if (!startForm.empty()) openStartForm(*access, startForm);
    return true;
}

AccessLoader::DatabaseUse AccessLoader::databaseUse(const std::string& databasePath)
{
    for (std::size_t i = 0; i < databaseEngineClasses.size(); ++i) {
        try {
            platform_.openDatabaseExclusiveReadOnly(std::string(databaseEngineClasses[i]), databasePath);
            return DatabaseUse::free;
        } catch (const LauncherError& error) {
            const bool anotherEngineLeft = i + 1 < databaseEngineClasses.size();
            if (error.number() == error_number::cannotCreateObject && anotherEngineLeft) continue;
            if (std::ranges::find(databaseInUseErrors, error.number()) != databaseInUseErrors.end()) {
                return DatabaseUse::inUse;
            }
            reportTrappedError(platform_, "xLoadAccess", error);
            return DatabaseUse::unknown;
        }
    }
    return DatabaseUse::unknown;
}

void AccessLoader::activateRunningAccess(const std::string& databasePath)
{
    const std::unique_ptr<AccessApplication> access = platform_.accessByPath(databasePath);
    std::string appTitle;
    try {
        appTitle = access->databaseProperty("AppTitle");
    } catch (const LauncherError&) {
        // A database without its own title shows the caption of what is open in it.
    }
    if (appTitle.empty() || !appActivate(appTitle)) {
        std::string caption;
        try {
            caption = access->activeFormCaption();
        } catch (const LauncherError&) {
            try {
                caption = access->activeReportCaption();
            } catch (const LauncherError&) {
                // Neither a form nor a report is active: the window stays where it is, maximised below.
            }
        }
        if (!caption.empty()) appActivate(caption);
    }
    access->runCommand(AccessCommand::appMaximize);
}

std::unique_ptr<AccessApplication> AccessLoader::openByAutomation(const std::string& databasePath)
{
    try {
        std::unique_ptr<AccessApplication> access = platform_.createAccessApplication("Access.Application");
        access->openCurrentDatabase(databasePath, false, "");
        access->setUserControl(true);
        return access;
    } catch (const LauncherError&) {
        // The program start below is the way that works where automation does not.
        return nullptr;
    }
}

bool AccessLoader::startAsProgram(const std::string& databasePath)
{
    const std::string programPath = trimSpaces(AccessLocator(platform_).findAccessProgram(accessBootType_));
    if (programPath.empty()) {
        platform_.beep();
        platform_.messageBox("「Access」インストールパスを取得できませんでした。", "xLoadAccess-GfncGetAc2003Path",
                             MessageIcon::critical);
        return false;
    }
    const ProcessId processId = platform_.startProgram(programPath + " " + databasePath, WindowState::minimizedNoFocus);
    if (!waitForAccessWindow(platform_, processId)) {
        platform_.beep();
        platform_.messageBox("Accessを取得できませんでした。\r一旦終了し、再度実行してください。", "Access取得エラー",
                             MessageIcon::critical);
        return false;
    }
    return true;
}

std::unique_ptr<AccessApplication> AccessLoader::takeStartedAccess(const std::string& databasePath)
{
    for (std::size_t attempt = 0;; ++attempt) {
        try {
            return platform_.accessByPath(databasePath);
        } catch (const LauncherError& error) {
            if (attempt == takeRetryWaits.size()) {
                platform_.messageBox("Accessが起動できません。\r\nしばらくしてから再度実行してください。\r\n\r\n" +
                                         error.description(),
                                     "Access起動エラー(GetObject)", MessageIcon::exclamation);
                return nullptr;
            }
            platform_.sleep(takeRetryWaits[attempt]);
        }
    }
}

void AccessLoader::setOptions(AccessApplication& access)
{
    const std::string ownName = upperAscii(platform_.ownExecutableName());
    const bool settingsProgram = std::ranges::find(settingsProgramNames, ownName) != settingsProgramNames.end();
    access.setOption("ShowWindowsInTaskbar", false);
    access.setOption("Default File Format", acDefaultFileFormatAccess2002);
    access.setOption("Behavior Entering Field", std::int32_t{settingsProgram ? 0 : 1});
}

void AccessLoader::showMaximised(AccessApplication& access)
{
    try {
        access.setVisible(true);
    } catch (const LauncherError&) {
        if (!appActivate(access.databaseProperty("AppTitle"))) {
            throw LauncherError(error_number::invalidProcedureCall, "プロシージャの呼び出し、または引数が不正です。");
        }
    }
    access.runCommand(AccessCommand::appMaximize);
}

void AccessLoader::openStartForm(AccessApplication& access, const std::string& startForm)
{
    try {
        access.openForm(startForm);
    } catch (const LauncherError& error) {
        try {
            // Without its start form the application is of no use to the user.
            access.doCmdQuit(QuitOption::saveNone);
        } catch (const LauncherError&) {
            // The message below already tells that the start failed.
        }
        if (error.number() != error_number::openFormCancelled) {
            platform_.beep();
            platform_.messageBox("起動できません\r\r(" + std::to_string(error.number()) + ")\r" + error.description(),
                                 std::string(applicationTitle), MessageIcon::exclamation);
        }
    }
}

// Brings the first visible top-level window with this title to the front, or
// else the first whose title begins with it.
bool AccessLoader::appActivate(const std::string& title)
{
    if (title.empty()) return false;
    const std::vector<TopLevelWindow> windows = platform_.topLevelWindows();
    auto found = std::ranges::find_if(
        windows, [&](const TopLevelWindow& w) { return w.visible && equalsIgnoreCase(w.title, title); });
    if (found == windows.end()) {
        found = std::ranges::find_if(
            windows, [&](const TopLevelWindow& w) { return w.visible && startsWithIgnoreCase(w.title, title); });
    }
    if (found == windows.end()) return false;
    platform_.bringToFront(found->handle);
    return true;
}

} // namespace kinsketch::launcher
