#pragma once
// The frame of a child window of the main window: what the user sees move and
// what goes with the window when it is unloaded.

class QWidget;

namespace kinsketch {

// The window's frame in the main window's child area, or the window itself
// outside it.
QWidget& frameOf(QWidget& window);

} // namespace kinsketch
