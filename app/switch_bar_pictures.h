#pragma once
// The pictures of the input-mode switch bar, drawn rather than shipped as
// files: the letters ABC, a pencil on a straight line, a pencil on a curve,
// and the ON and OFF indicators.

#include <QPixmap>

namespace kinsketch {

QPixmap textModePicture();
QPixmap lineModePicture();
QPixmap freeLineModePicture();
QPixmap indicatorPicture(bool on);

} // namespace kinsketch
