#include "window_arrangement.h"

namespace kinsketch {

std::vector<QRect> arrangeWithoutOverlap(std::span<const WindowToArrange> windows, int gap)
{
    std::vector<QRect> placed;
    placed.reserve(windows.size());
    for (const WindowToArrange& window : windows) {
        QRect frame(window.described, window.frame);
        // Each step moves the frame right or down past one window, so the
        // loop ends after at most one step per window placed before.
        for (bool moved = true; moved;) {
            moved = false;
            for (std::size_t i = 0; i < placed.size(); ++i) {
                if (!frame.intersects(placed[i].adjusted(-gap, -gap, gap, gap))) continue;
                if (windows[i].described.y() == window.described.y())
                    frame.moveLeft(placed[i].right() + 1 + gap);
                else
                    frame.moveTop(placed[i].bottom() + 1 + gap);
                moved = true;
                break;
            }
        }
        placed.push_back(frame);
    }
    return placed;
}

} // namespace kinsketch
