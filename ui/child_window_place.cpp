#include "child_window_place.h"

#include <QMdiSubWindow>

#include <cmath>

namespace kinsketch {

int twipsToPixels(int twips) { return static_cast<int>(std::lround(static_cast<double>(twips) / kTwipsPerPixel)); }

int pixelsToTwips(int pixels) { return pixels * kTwipsPerPixel; }

QRect twipsRect(int left, int top, int width, int height)
{
    return {twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height)};
}

QWidget& frameOf(QWidget& window)
{
    return qobject_cast<QMdiSubWindow*>(window.parentWidget()) ? *window.parentWidget() : window;
}

void placeChildWindow(QWidget& window, TwipsPlace place)
{
    frameOf(window).move(twipsToPixels(place.left), twipsToPixels(place.top));
}

} // namespace kinsketch
