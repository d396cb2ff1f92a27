#pragma once
// The pictures of the input-mode switch bar, drawn rather than shipped as
// files: the letters ABC, a pencil on a straight line, a pencil on a curve,
// and the ON and OFF indicators.

#include "ui/display_scale.h"

#include <QPixmap>

namespace kinsketch {

// Each at the display size.
QPixmap textModePicture(DisplayScale scale);
QPixmap lineModePicture(DisplayScale scale);
QPixmap freeLineModePicture(DisplayScale scale);
QPixmap indicatorPicture(bool on, DisplayScale scale);

} // namespace kinsketch
