#pragma once
// The one painting routine of the genogram canvas. The window, the saved
// picture and kinsketch-render all draw the canvas model through it.
//
// The painter works in device pixels (no transform): `scale` is device pixels
// per 96-dpi pixel (1 for the picture, the screen's ratio on screen). Every
// position is snapped to whole device pixels and lines, symbols and frames
// are drawn without antialiasing, as the classic canvas draws them; only
// text is smoothed.

#include "genogram/geno_canvas.h"

#include <QPainter>

namespace kinsketch {

// Twips to device pixels at `scale`, halves to even.
int twipsToDevicePixels(double twips, double scale);

void paintCanvas(QPainter& painter, const GenoCanvas& canvas, double scale);

} // namespace kinsketch
