#include "launcher/core/access_locator.h"

#include "launcher/core/error_report.h"
#include "launcher/core/launcher_error.h"
#include "launcher/core/settings_routines.h"

namespace kinsketch::launcher {

namespace {

// The search routines report their own run-time errors and then find nothing.
template <typename Search>
std::string trapped(Platform& platform, std::string_view routineName, Search&& search)
{
    try {
        return search();
    } catch (const LauncherError& error) {
        reportTrappedError(platform, routineName, error);
        return {};
    }
}

std::string installRootKey(const std::string& version)
{
    return "Software\\Microsoft\\Office\\" + version + ".0\\Access\\InstallRoot";
}

} // namespace

std::string AccessLocator::findAccessProgram(AccessBootType accessBootType)
{
    for (const AccessSearch& search : accessBootVariant(accessBootType).searches) {
        const std::string version(search.version);
        std::string path;
        switch (search.source) {
        case AccessSearchSource::automationClass: path = pathFromAutomationClass(version); break;
        case AccessSearchSource::officeInstallRoot: path = pathFromOfficeInstallRoot(version); break;
        case AccessSearchSource::applicationPath: path = pathFromApplicationPaths(); break;
        }
        if (!path.empty()) return path;
    }
    return {};
}

std::string AccessLocator::pathFromAutomationClass(const std::string& version)
{
    return trapped(platform_, "LfncGetAc2003PathA", [&]() -> std::string {
        const auto classId = platform_.machineValue("Software\\Classes\\Access.Application." + version + "\\CLSID", "");
        if (!classId) return {};
        const auto server =
            platform_.machineValue("Software\\Classes\\CLSID\\" + cutAtNull(*classId) + "\\LocalServer32", "");
        return server ? cutAtNull(*server) : std::string();
    });
}

std::string AccessLocator::pathFromOfficeInstallRoot(const std::string& version)
{
    return trapped(platform_, "LfncGetAc2003PathB", [&]() -> std::string {
        std::string key = installRootKey(version);
        // Office 2013 and 2016 and later share one installation; either key may be the one written.
        if (!platform_.machineKeyExists(key)) {
            if (version == "15")
                key = installRootKey("16");
            else if (version == "16")
                key = installRootKey("15");
            else
                return {};
            if (!platform_.machineKeyExists(key)) return {};
        }
        const auto root = platform_.machineValue(key, "Path");
        return root ? cutAtNull(*root) + "MSACCESS.EXE" : std::string();
    });
}

std::string AccessLocator::pathFromApplicationPaths()
{
    return trapped(platform_, "LfncGetAcCurVerPath", [&]() -> std::string {
        const auto path =
            platform_.machineValue("Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\MSACCESS.EXE", "");
        return path ? cutAtNull(*path) : std::string();
    });
}

} // namespace kinsketch::launcher
