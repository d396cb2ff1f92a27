#include "launcher/core/access_window_watch.h"

#include "launcher/core/text.h"

#include <algorithm>

namespace kinsketch::launcher {

namespace {

constexpr std::uint32_t pollInterval = 5'000;
constexpr std::uint32_t longestWait = 179'999;

bool isOpenedMainWindow(const TopLevelWindow& window, ProcessId processId)
{
    const std::string title = trimSpaces(window.title);
    // The window is titled just "ACCESS" until a database has been opened in it.
    return window.processId == processId && window.visible && !title.empty() && window.className == "OMain" &&
           !window.hung && upperAscii(title) != "ACCESS";
}

} // namespace

bool waitForAccessWindow(Platform& platform, ProcessId processId)
{
    const std::uint32_t start = platform.tickCount();
    for (;;) {
        const std::vector<TopLevelWindow> windows = platform.topLevelWindows();
        if (std::ranges::any_of(windows, [&](const TopLevelWindow& w) { return isOpenedMainWindow(w, processId); })) {
            return true;
        }
        platform.sleep(pollInterval);
        // Unsigned subtraction keeps the elapsed time right across the counter's wrap after 49.7 days.
        const std::uint32_t elapsed = platform.tickCount() - start;
        if (elapsed > longestWait) return false;
    }
}

} // namespace kinsketch::launcher
