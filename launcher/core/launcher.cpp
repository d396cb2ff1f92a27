#include "launcher/core/launcher.h"

#include "launcher/core/access_loader.h"
#include "launcher/core/error_report.h"
#include "launcher/core/launcher_error.h"
#include "launcher/core/settings_routines.h"

namespace kinsketch::launcher {

namespace {
const std::string section = "VERUP";
const std::string iniFile(settingsFileName);
}  // namespace

void Launcher::run() {
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

void Launcher::loadFromSettings() {
    const std::string path = readIniSetting(platform_, iniFile, section, "Path", "");
    const std::string appDb = readIniSetting(platform_, iniFile, section, "AppDB", "");
    if (appDb.empty()) return reportMissingEnvironment("AppDB");
    const std::string startForm = readIniSetting(platform_, iniFile, section, "FMenu", "");
    if (startForm.empty()) return reportMissingEnvironment("FMenu");
    accessBootType_ = accessBootTypeFromText(readIniSetting(platform_, iniFile, section, "AC2003Boot", ""), accessBootType_);

    std::string folder = path.empty() ? platform_.ownFolder() : path;
    if (folder.ends_with('\\')) folder.pop_back();
    folder = shortPath(platform_, folder + "\\");
    const std::string databasePath = folder + appDb;
    if (!platform_.fileExists(databasePath)) return reportMissingEnvironment("PRM_DBNAME");

    AccessLoader(platform_, accessBootType_).load(databasePath, startForm);
}

void Launcher::reportMissingEnvironment(std::string_view setting) {
    platform_.beep();
    platform_.messageBox("バージョンアップの環境が整っていません！\r(ini/VerUp/" + std::string(setting) + ")",
                         std::string(applicationTitle), MessageIcon::exclamation);
}

}  // namespace kinsketch::launcher
