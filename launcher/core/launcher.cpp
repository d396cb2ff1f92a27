#include "launcher/core/launcher.h"

#include "launcher/core/access_loader.h"
#include "launcher/core/error_report.h"
#include "launcher/core/launcher_error.h"
#include "launcher/core/settings_routines.h"

#include <exception>

namespace kinsketch::launcher {

namespace {

const std::string section = "VERUP";
const std::string iniFile(settingsFileName);

// detail is what the error says of itself, or nullptr when it says nothing.
void reportUnexpected(Platform& platform, const char* detail) noexcept
{
    try {
        std::string text = "予期しないエラーが発生しました。";
        if (detail != nullptr) text += "\r(" + std::string(detail) + ")";
        platform.messageBox(text, "Error At Sub Main", MessageIcon::critical);
        platform.closeProgressWindow();
        platform.setMousePointer(MousePointer::standard);
    } catch (...) {
        // Nothing is left to tell the user with; the exit code still says it failed.
    }
}

} // namespace

void Launcher::run()
{
    if (!platform_.acquireSingleInstance(std::string(applicationTitle))) {
        platform_.beep();
        platform_.messageBox("当システムは既にロードされています", "二重起動エラー", MessageIcon::critical);
        return;
    }
    try {
        platform_.setMousePointer(MousePointer::hourglass);
        platform_.processPendingEvents();
        platform_.showProgressWindow("設定を読み込み中...");
        platform_.setMousePointer(MousePointer::hourglass);
        platform_.processPendingEvents();
        loadFromSettings();
    } catch (const LauncherError& error) {
        reportTrappedError(platform_, "Sub Main", error);
    }
    platform_.closeProgressWindow();
    platform_.setMousePointer(MousePointer::standard);
}

void Launcher::loadFromSettings()
{
    const std::string path = readIniSetting(platform_, iniFile, section, "Path", "");
    const std::string appDb = readIniSetting(platform_, iniFile, section, "AppDB", "");
    if (appDb.empty()) return reportMissingEnvironment("AppDB");
    const std::string startForm = readIniSetting(platform_, iniFile, section, "FMenu", "");
    if (startForm.empty()) return reportMissingEnvironment("FMenu");
    accessBootType_ =
        accessBootTypeFromText(readIniSetting(platform_, iniFile, section, "AC2003Boot", ""), accessBootType_);

    std::string folder = path.empty() ? platform_.ownFolder() : path;
    if (folder.ends_with('\\')) folder.pop_back();
    folder = shortPath(platform_, folder + "\\");
    const std::string databasePath = folder + appDb;
    if (!platform_.fileExists(databasePath)) return reportMissingEnvironment("PRM_DBNAME");

    AccessLoader(platform_, accessBootType_).load(databasePath, startForm);
}

int runGuarded(Platform& platform) noexcept
{
    try {
        Launcher(platform).run();
        return 0;
    } catch (const std::exception& error) {
        reportUnexpected(platform, error.what());
    } catch (...) {
        reportUnexpected(platform, nullptr);
    }
    return 1;
}

void Launcher::reportMissingEnvironment(std::string_view setting)
{
    platform_.beep();
    platform_.messageBox("バージョンアップの環境が整っていません！\r(ini/VerUp/" + std::string(setting) + ")",
                         std::string(applicationTitle), MessageIcon::exclamation);
}

} // namespace kinsketch::launcher
