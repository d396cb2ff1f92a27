#pragma once
// Documents name Windows fonts ("ＭＳ Ｐゴシック"). The names stay as stored.
// Windows draws them with its own faces; elsewhere they are drawn with the
// metric-compatible IPA fonts, through one table that both the canvas
// painter and Qt's own font substitution use, so that texts look the same on
// screen, in the picture and in the dialogs.

#include "genogram/canvas_widgets.h"

#include <QFont>
#include <QString>
#include <QStringList>

#include <string>

namespace kinsketch {

// Registers the table with QFont::insertSubstitution where Windows' faces
// are missing; idempotent.
void installCanvasFontSubstitutions();

// The font names a user may choose for a text, one for each face: the
// Windows names documents store (where Windows' faces are missing, the first
// one a stand-in draws), then the other installed Japanese families whose
// names a document can hold. Faces without Japanese would show a text's kana
// as boxes.
QStringList offeredFontNames();

// The installed family a stored font name is drawn with: on Windows the name
// itself; elsewhere the stand-in of a Windows face, or the name itself.
QString canvasFontFamily(const std::string& storedName);

// The font of a text at `scale` device pixels per 96-dpi pixel.
QFont canvasFont(const StyledText& text, double scale);

} // namespace kinsketch
