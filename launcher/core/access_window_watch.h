#pragma once

#include "launcher/core/platform.h"

namespace kinsketch::launcher {

// Waiting for the host window (GfncWaitAccessWnd, EnumAccessWnd): the main
// window of a host application that was started as a program shows that the
// database has been opened in it. Polls every 5 s for at most 180 s; true
// once the main window of processId was seen.
[[nodiscard]] bool waitForAccessWindow(Platform& platform, ProcessId processId);

} // namespace kinsketch::launcher
