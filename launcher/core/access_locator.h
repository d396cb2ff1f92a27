#pragma once

#include "launcher/core/access_boot_type.h"
#include "launcher/core/platform.h"

#include <string>

namespace kinsketch::launcher {

// Finding the host program (GfncGetAc2003Path, LfncGetAc2003PathA,
// LfncGetAc2003PathB, LfncGetAcCurVerPath): the program file of an installed
// host application, looked up in the registry in the order the configured
// AccessBootType asks for.
class AccessLocator {
public:
    explicit AccessLocator(Platform& platform)
        : platform_(platform)
    {}

    // The first path found, or "".
    [[nodiscard]] std::string findAccessProgram(AccessBootType accessBootType);

    // One source each; "" when it names nothing.
    [[nodiscard]] std::string pathFromAutomationClass(const std::string& version);
    [[nodiscard]] std::string pathFromOfficeInstallRoot(const std::string& version);
    [[nodiscard]] std::string pathFromApplicationPaths();

private:
    Platform& platform_;
};

} // namespace kinsketch::launcher
