#pragma once

#include "launcher/core/launcher_error.h"
#include "launcher/core/platform.h"

#include <string>
#include <string_view>

namespace kinsketch::launcher {

// The application's title, used by message boxes that name no title of their own.
inline constexpr std::string_view applicationTitle = "ovnqtverup";

// The message of a routine that traps a run-time error: "【number】description",
// exclamation icon, titled "Error At " + the routine's name.
void reportTrappedError(Platform& platform, std::string_view routineName, const LauncherError& error);

} // namespace kinsketch::launcher
