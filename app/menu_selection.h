#pragma once
// LfncMenuSel: opens basic input. Sets input mode 1, rebuilds the automatic
// cohabitation frame when someone is marked as living together, shows the
// basic-input panel, the tool bar and the frame tool window of the screen
// size, and on request rebuilds the canvas from the document. The program's
// opening, the menu bar, the picture confirmation's cancel and the
// screen-size switch all call this one routine.

#include "app/window_directory.h"

#include <cstdint>

namespace kinsketch {

// Returns 1 when menuNo is 9 (nothing is opened) or after a trapped error.
std::int32_t LfncMenuSel(WindowDirectory& windows, std::uint8_t menuNo, bool reloadCanvas, std::int32_t reserved = 0);

} // namespace kinsketch
