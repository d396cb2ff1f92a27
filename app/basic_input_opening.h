#pragma once
// Opening basic input (LfncMenuSel): sets input mode 1, rebuilds the
// automatic cohabitation frame when someone is marked as living together,
// shows the basic-input panel, the tool bar and the frame tool window of the
// screen size. The program's opening, the picture confirmation's cancel, a
// new display size and the screen-size switch all call this one routine.

#include "app/window_directory.h"

namespace kinsketch {

// The size switch opens the canvas of the new size itself. False after a
// trapped error.
[[nodiscard]] bool openBasicInput(WindowDirectory& windows);
// Also opens the canvas anew from the document. False after a trapped error:
// the canvas may then show less than the document holds.
[[nodiscard]] bool openBasicInputAndCanvas(WindowDirectory& windows);

} // namespace kinsketch
