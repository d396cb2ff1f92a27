#pragma once

#include "launcher/core/platform.h"

namespace kinsketch::launcher {

// Waiting for the host window (GfncWaitAccessWnd, EnumAccessWnd): the main
// window of a host application that was started as a program shows that the
// database has been opened in it.
class AccessWindowWatch {
public:
    explicit AccessWindowWatch(Platform& platform) : platform_(platform) {}

    // Polls every 5 s for at most 180 s; true once the main window was seen.
    bool waitForAccessWindow(ProcessId processId);

private:
    void noteWindow(const TopLevelWindow& window);

    Platform& platform_;
    ProcessId watchedProcess_ = 0;
    bool mainWindowSeen_ = false;
};

}  // namespace kinsketch::launcher
