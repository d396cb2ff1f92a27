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

// The font names a user may choose for a text, one for each face: for every
// substitute face the first Windows name standing for it (the one documents
// store), then the other installed Japanese families whose names a document
// can hold. Faces without Japanese would show a text's kana as boxes.
QStringList offeredFontNames();

// The installed family a stored font name is drawn with: its substitute, or
// the name itself when it has none.
QString canvasFontFamily(const std::string& storedName);

// The font of a label at `scale` device pixels per 96-dpi pixel.
QFont canvasFont(const LabelWidget& label, double scale);

} // namespace kinsketch
