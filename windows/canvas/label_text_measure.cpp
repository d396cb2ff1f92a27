#include "label_text_measure.h"

#include "geometry/canvas_geometry.h"
#include "picture/canvas_fonts.h"

#include <QFontMetrics>
#include <QRegularExpression>
#include <QString>

#include <algorithm>

namespace kinsketch {

// Every line counts in the height, an empty last one included, as the
// classic text measurement counts them.
TwipsSize LabelTextMeasure::measure(const StyledText& text) const
{
    const QFontMetrics metrics(canvasFont(text, 1.0));
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n"));
    const QStringList lines = QString::fromStdString(text.caption).split(lineBreak);
    int widest = 0;
    for (const QString& line : lines) widest = std::max(widest, metrics.horizontalAdvance(line));
    return {static_cast<float>(widest * kTwipsPerPixel),
            static_cast<float>(metrics.height() * lines.size() * kTwipsPerPixel)};
}

} // namespace kinsketch
