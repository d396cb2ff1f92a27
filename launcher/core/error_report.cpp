#include "launcher/core/error_report.h"

namespace kinsketch::launcher {

void reportTrappedError(Platform& platform, std::string_view routineName, const LauncherError& error)
{
    platform.messageBox("【" + std::to_string(error.number()) + "】" + error.description(),
                        "Error At " + std::string(routineName), MessageIcon::exclamation);
}

} // namespace kinsketch::launcher
