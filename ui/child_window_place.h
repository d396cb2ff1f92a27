#pragma once
// Twips to screen pixels for the editing windows, and placing a child window
// of the main window. Qt already scales logical pixels to the screen, so a
// twip is 1/15 of a logical pixel at every resolution, as on the canvas.

#include "genogram/canvas_geometry.h"

#include <QRect>

class QWidget;

namespace kinsketch {

int twipsToPixels(int twips);
int pixelsToTwips(int pixels);
QRect twipsRect(int left, int top, int width, int height);

// The window's frame in the main window's child area, or the window itself
// outside it: what moves and what is destroyed with it.
QWidget& frameOf(QWidget& window);

// Moves `window` to `place` in its parent, or its frame when it has one.
void placeChildWindow(QWidget& window, TwipsPlace place);

} // namespace kinsketch
