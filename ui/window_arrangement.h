#pragma once
// Places child windows so that no frame covers another while each keeps its
// described order and relative place: a window that would overlap one placed
// before it moves right of it when both are described on the same row, and
// below it otherwise. Frames are whole windows, title bar and border included.

#include <QPoint>
#include <QRect>
#include <QSize>

#include <span>
#include <vector>

namespace kinsketch {

struct WindowToArrange {
    QPoint described; // where the frame's top-left corner is described to stand
    QSize frame;
};

// The frames' rectangles, in the order given; windows are placed in that
// order, so a window only ever gives way to the ones before it.
std::vector<QRect> arrangeWithoutOverlap(std::span<const WindowToArrange> windows, int gap);

} // namespace kinsketch
