#include "text_fit_warning.h"

#include <QBrush>
#include <QColor>
#include <QPalette>
#include <QVariant>
#include <QWidget>

namespace kinsketch {
namespace {

// Light enough for black text, or text of any colour the user chose.
constexpr QRgb kWarningBackground = qRgb(255, 236, 179);
// The background the box had before its first warning.
constexpr const char* kNormalBackground = "kinsketchNormalBackground";

} // namespace

// Only the background changes: a text colour the box shows as a preview stays.
void showTextFitWarning(QWidget& box, bool fits)
{
    box.setToolTip(fits ? QString() : QStringLiteral("画像では一部が表示されません"));
    const QVariant normal = box.property(kNormalBackground);
    if (fits && !normal.isValid()) return;
    QPalette palette = box.palette();
    if (!normal.isValid()) box.setProperty(kNormalBackground, palette.brush(QPalette::Base));
    palette.setBrush(QPalette::Base, fits ? normal.value<QBrush>() : QBrush(QColor(kWarningBackground)));
    box.setPalette(palette);
}

std::string cutTextLine(const std::string& box, const std::string& shown)
{
    return shown.empty() ? box + "：画像に表示されません" : box + "：『" + shown + "』まで画像に表示されます";
}

} // namespace kinsketch
