#include "launcher/core/access_window_watch.h"

#include "launcher/core/text.h"

namespace kinsketch::launcher {

namespace {
constexpr std::uint32_t pollInterval = 5'000;
constexpr std::uint32_t longestWait = 179'999;
}  // namespace

bool AccessWindowWatch::waitForAccessWindow(ProcessId processId) {
    watchedProcess_ = processId;
    mainWindowSeen_ = false;
    const std::uint32_t start = platform_.tickCount();
    for (;;) {
        for (const TopLevelWindow& window : platform_.topLevelWindows()) noteWindow(window);
        if (mainWindowSeen_) return true;
        platform_.sleep(pollInterval);
        // Unsigned subtraction keeps the elapsed time right across the counter's wrap after 49.7 days.
        const std::uint32_t elapsed = platform_.tickCount() - start;
        if (elapsed > longestWait) return false;
    }
}

void AccessWindowWatch::noteWindow(const TopLevelWindow& window) {
    const std::string title = trimSpaces(window.title);
    // The window is titled just "ACCESS" until a database has been opened in it.
    if (window.processId == watchedProcess_ && window.visible && !title.empty() && window.className == "OMain" &&
        !window.hung && upperAscii(title) != "ACCESS") {
        mainWindowSeen_ = true;
    }
}

}  // namespace kinsketch::launcher
