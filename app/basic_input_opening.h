#pragma once
// Opening basic input (LfncMenuSel): sets input mode 1, rebuilds the
// automatic cohabitation frame when someone is marked as living together,
// shows the basic-input panel, the tool bar and the frame tool window of the
// screen size, and on request rebuilds the canvas from the document. The
// program's opening, the picture confirmation's cancel and the screen-size
// switch all call this one routine.

#include "app/window_directory.h"

namespace kinsketch {

// False after a trapped error.
bool openBasicInput(WindowDirectory& windows, bool reloadCanvas);

} // namespace kinsketch
