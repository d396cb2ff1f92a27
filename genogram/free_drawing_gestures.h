#pragma once
// The pen, eraser and free-figure gestures of input mode 3. The canvas mouse
// hands them every event that reaches the canvas itself in that mode, in
// canvas twips; whoever builds the free-line panel installs them.

#include "mouse_buttons.h"

namespace kinsketch {

class FreeDrawingGestures {
public:
    virtual ~FreeDrawingGestures() = default;
    virtual void mouseDown(MouseButtons button, float x, float y) = 0;
    virtual void mouseMove(MouseButtons held, float x, float y) = 0;
    virtual void mouseUp(MouseButtons button, float x, float y) = 0;
};

} // namespace kinsketch
