#pragma once
// How far right and down a dragged text or line handle may go, per screen
// size: far enough to reach the canvas edge, not so far that it leaves it.

#include "geometry/canvas_size.h"

namespace kinsketch {

struct DragLimits {
    float textLeft, textTop;
    float handleLeft, handleTop;
};

constexpr DragLimits dragLimits(CanvasSize size)
{
    return size == CanvasSize::Wide ? DragLimits{7000, 6150, 7000, 6150} : DragLimits{4250, 5030, 4200, 5000};
}

} // namespace kinsketch
