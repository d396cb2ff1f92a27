#include "canvas_painter.h"

#include "canvas_fonts.h"
#include "person_symbol_artwork.h"

#include <QLine>
#include <QPen>
#include <QString>
#include <QVarLengthArray>

#include <algorithm>
#include <cmath>
#include <tuple>

namespace kinsketch {
namespace {

QColor qColour(Colour c) { return QColor(static_cast<int>(c & 0xFFU), static_cast<int>((c >> 8) & 0xFFU), static_cast<int>((c >> 16) & 0xFFU)); }

// Pens of consecutive lines that look alike are set once and their lines
// drawn in one call: a canvas can carry tens of thousands of pen segments.
class LineBatch {
public:
    LineBatch(QPainter& painter, double scale) : painter_(painter), scale_(scale) {}
    ~LineBatch() { flush(); }
    LineBatch(const LineBatch&) = delete;
    LineBatch& operator=(const LineBatch&) = delete;

    void add(const LineWidget& line)
    {
        const int width = std::max(1, static_cast<int>(std::lround(std::max(1, line.width) * scale_)));
        const auto key = std::make_tuple(line.colour, width, line.pattern);
        if (!lines_.empty() && key != key_) flush();
        key_ = key;
        lines_.append(QLine(twipsToDevicePixels(line.x1, scale_), twipsToDevicePixels(line.y1, scale_),
                            twipsToDevicePixels(line.x2, scale_), twipsToDevicePixels(line.y2, scale_)));
    }

    void flush()
    {
        if (lines_.empty()) return;
        const auto [colour, width, pattern] = key_;
        QPen pen(qColour(colour), width);
        // Wide pens end round, so that the pieces of a stroke join up; thin
        // solid lines include their last pixel; dots are three on, three off.
        pen.setCapStyle(width > 1 ? Qt::RoundCap : Qt::SquareCap);
        pen.setJoinStyle(Qt::RoundJoin);
        if (pattern == LinePattern::Dotted) {
            pen.setCapStyle(Qt::FlatCap);
            pen.setDashPattern({3, 3});
        }
        painter_.setPen(pen);
        painter_.drawLines(lines_.constData(), static_cast<int>(lines_.size()));
        lines_.clear();
    }

private:
    QPainter& painter_;
    double scale_;
    std::tuple<Colour, int, LinePattern> key_{};
    QVarLengthArray<QLine, 256> lines_;
};

QRect deviceRect(float left, float top, float width, float height, double scale)
{
    const int x = twipsToDevicePixels(left, scale);
    const int y = twipsToDevicePixels(top, scale);
    return {x, y, twipsToDevicePixels(left + width, scale) - x, twipsToDevicePixels(top + height, scale) - y};
}

QString labelText(const std::string& caption)
{
    QString text = QString::fromStdString(caption);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

int horizontalAlignment(LabelAlignment alignment)
{
    switch (alignment) {
    case kAlignRight: return Qt::AlignRight;
    case kAlignCentre: return Qt::AlignHCenter;
    default: return Qt::AlignLeft;
    }
}

// The fixed age and remark labels wrap and clip their text, as labels do.
// Texts placed by the user were measured on another system's font, so they
// are never clipped: a slightly wider substitute must not cut a text off.
void paintLabel(QPainter& painter, const LabelWidget& label, bool fixedCellLabel, double scale)
{
    const QRect rect = deviceRect(label.left, label.top, label.width, label.height, scale);
    if (label.opaque) painter.fillRect(rect, qColour(label.backColor));
    if (label.caption.empty()) return;
    painter.setFont(canvasFont(label, scale));
    painter.setPen(qColour(label.foreColor));
    int flags = horizontalAlignment(label.alignment) | Qt::AlignTop;
    if (fixedCellLabel) {
        painter.save();
        painter.setClipRect(rect);
        painter.drawText(rect, flags | Qt::TextWrapAnywhere, labelText(label.caption));
        painter.restore();
        return;
    }
    flags |= Qt::TextDontClip;
    painter.drawText(rect, flags, labelText(label.caption));
}

} // namespace

int twipsToDevicePixels(double twips, double scale)
{
    return static_cast<int>(std::nearbyint(twips * scale / kTwipsPerPixel));
}

void paintCanvas(QPainter& painter, const GenoCanvas& canvas, double scale)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    const CanvasGeometry& g = canvas.geometry();
    painter.fillRect(QRect(0, 0, twipsToDevicePixels(g.clientWidth, scale), twipsToDevicePixels(g.clientHeight, scale)), Qt::white);
    {
        // What was drawn straight on the surface lies below every widget.
        LineBatch surface(painter, scale);
        for (const LineWidget& segment : canvas.surface()) surface.add(segment);
    }
    LineBatch lines(painter, scale);
    for (const WidgetId& id : canvas.zOrder().bottomToTop()) {
        if (const LineWidget* line = canvas.lineWidget(id)) {
            if (line->visible) lines.add(*line);
            continue;
        }
        if (const LabelWidget* label = canvas.labelWidget(id)) {
            if (!label->visible) continue;
            lines.flush();
            paintLabel(painter, *label, id.kind == WidgetKind::lblAge || id.kind == WidgetKind::lblRel, scale);
            continue;
        }
        if (const SymbolWidget* symbol = canvas.symbolWidget(id)) {
            if (!symbol->visible || symbol->image == 0) continue;
            lines.flush();
            drawPersonSymbol(painter, symbol->image, deviceRect(symbol->left, symbol->top, kCellSize, kCellSize, scale));
        }
    }
    lines.flush();
    painter.restore();
}

} // namespace kinsketch
