#pragma once
// Documents name Windows fonts ("ＭＳ Ｐゴシック"). The names stay as stored;
// they are drawn with the metric-compatible IPA fonts, through one table that
// both the canvas painter and Qt's own font substitution use, so that texts
// look the same on screen, in the picture and in the dialogs.

#include "genogram/canvas_widgets.h"

#include <QFont>
#include <QString>
#include <QStringList>

#include <string>

namespace kinsketch {

// Registers the table with QFont::insertSubstitution; idempotent.
void installCanvasFontSubstitutions();

// The stored names drawn through a substitute, in table order: fonts a
// document can name although no font of that name is installed.
QStringList substitutedFontNames();

// The installed family a stored font name is drawn with: its substitute, or
// the name itself when it has none.
QString canvasFontFamily(const std::string& storedName);

// The font of a label at `scale` device pixels per 96-dpi pixel.
QFont canvasFont(const LabelWidget& label, double scale);

} // namespace kinsketch
