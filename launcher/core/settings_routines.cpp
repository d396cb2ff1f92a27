#include "launcher/core/settings_routines.h"

#include "launcher/core/error_report.h"
#include "launcher/core/launcher_error.h"
#include "launcher/core/text.h"

#include <array>
#include <optional>
#include <utility>

namespace kinsketch::launcher {

namespace {

constexpr std::size_t profileBufferSize = 255;
constexpr std::size_t shortPathBufferSize = 300;
constexpr std::size_t longestPlainPath = 255;

// Device and path errors are explained to the user and the reading goes on.
constexpr std::array<std::pair<long, std::string_view>, 5> deviceErrorMessages{{
    {68, "デバイスが準備されていません。"},
    {70, "バックアップ媒体(MO)が書き込みできません。"},
    {71, "バックアップ媒体(MO)が準備されていません。"},
    {75, "パス名が無効です。"},
    {76, "パスが見つかりません。"},
}};

// Runs one step of readIniSetting. After a device or path error, explained to
// the user, the reading goes on with fallback as the step's result; after any
// other error, shown with its number, it stops with an empty result (nullopt).
template <typename Result, typename Step>
std::optional<Result> runIniStep(Platform& platform, Result fallback, Step&& step)
{
    try {
        return step();
    } catch (const LauncherError& error) {
        platform.beep();
        for (const auto& [number, message] : deviceErrorMessages) {
            if (number == error.number()) {
                platform.messageBox(std::string(message), std::string(applicationTitle), MessageIcon::none);
                return fallback;
            }
        }
        platform.messageBox("(" + std::to_string(error.number()) + ")" + error.description(),
                            std::string(applicationTitle), MessageIcon::none);
        return std::nullopt;
    }
}

} // namespace

std::string readIniSetting(Platform& platform, const std::string& fileName, const std::string& section,
                           const std::string& key, const std::string& folder)
{
    const std::optional<std::string> iniPath = runIniStep(platform, std::string(), [&] {
        std::string iniFolder = shortPath(platform, (folder.empty() ? platform.ownFolder() : folder) + "\\");
        if (iniFolder.ends_with("\\\\")) iniFolder.pop_back();
        return iniFolder + fileName;
    });
    if (!iniPath) return {};
    // A device error while looking for the file leaves the reading to find out.
    const std::optional<bool> exists = runIniStep(platform, true, [&] { return platform.fileExists(*iniPath); });
    if (!exists) return {};
    if (!*exists) {
        platform.messageBox("(" + *iniPath + ")が見つかりません", "Inifile Error!!", MessageIcon::critical);
        return {};
    }
    std::optional<std::string> value = runIniStep(platform, std::string(), [&] {
        return cutAtNull(trimSpaces(platform.profileString(*iniPath, section, key, profileBufferSize)));
    });
    if (!value) return {};
    if (value->ends_with('\\')) value->pop_back();
    return *value;
}

std::string shortPath(Platform& platform, const std::string& path)
{
    if (path.find(' ') == std::string::npos && platform.ansiLength(path) <= longestPlainPath) return path;
    return platform.shortPathName(path, shortPathBufferSize).value_or(path);
}

std::string cutAtNull(std::string_view text) { return std::string(text.substr(0, text.find('\0'))); }

} // namespace kinsketch::launcher
