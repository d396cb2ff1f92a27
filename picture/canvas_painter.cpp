#include "canvas_painter.h"

#include "canvas_fonts.h"
#include "person_symbol_artwork.h"
#include "pixel_lines.h"

#include <QLine>
#include <QPen>
#include <QString>
#include <QVarLengthArray>

#include <algorithm>
#include <cmath>
#include <iterator>
#include <optional>
#include <tuple>

namespace kinsketch {
namespace {

// Rounds halves to even without a library call: the painter converts every
// end of tens of thousands of pen segments.
inline int devicePixels(double twips, double scale)
{
    const double pixels = twips * scale / kTwipsPerPixel;
    auto whole = static_cast<long long>(pixels);
    whole -= static_cast<long long>(pixels < static_cast<double>(whole));
    const double fraction = pixels - static_cast<double>(whole);
    whole += static_cast<long long>(fraction > 0.5) | (static_cast<long long>(fraction == 0.5) & (whole & 1));
    return static_cast<int>(whole);
}

QColor qColour(Colour c) { return QColor(static_cast<int>(c & 0xFFU), static_cast<int>((c >> 8) & 0xFFU), static_cast<int>((c >> 16) & 0xFFU)); }

// Pens of consecutive lines that look alike are set once and their lines
// drawn in one call: a canvas can carry tens of thousands of pen segments.
class LineBatch {
public:
    LineBatch(QPainter& painter, double scale, PixelLines* pixels) : painter_(painter), scale_(scale), pixels_(pixels) {}
    ~LineBatch() { flush(); }
    LineBatch(const LineBatch&) = delete;
    LineBatch& operator=(const LineBatch&) = delete;

    void add(const LineWidget& line)
    {
        const int width = std::max(1, static_cast<int>(std::lround(std::max(1, line.width) * scale_)));
        const auto key = std::make_tuple(line.colour, width, line.pattern);
        if (!lines_.empty() && key != key_) flush();
        key_ = key;
        lines_.append(QLine(devicePixels(line.x1, scale_), devicePixels(line.y1, scale_), devicePixels(line.x2, scale_),
                            devicePixels(line.y2, scale_)));
    }

    void flush()
    {
        if (lines_.empty()) return;
        const auto [colour, width, pattern] = key_;
        if (pixels_ && pattern == LinePattern::Solid)
            writePixels(qColour(colour).rgb(), width);
        else if (width > 1 && pattern == LinePattern::Solid)
            fillWideLines(qColour(colour), width);
        else
            strokeThinLines(qColour(colour), width, pattern);
        lines_.clear();
    }

private:
    // Thin lines take the raster engine's fast path: they include their last
    // pixel; dots are three on, three off.
    void strokeThinLines(const QColor& colour, int width, LinePattern pattern)
    {
        QPen pen(colour, width);
        pen.setCapStyle(Qt::SquareCap);
        if (pattern == LinePattern::Dotted) {
            pen.setCapStyle(Qt::FlatCap);
            pen.setDashPattern({3, 3});
        }
        painter_.setPen(pen);
        painter_.drawLines(lines_.constData(), static_cast<int>(lines_.size()));
    }

    // Wide lines are filled as rectangles around the pixel centres of their
    // ends, square-ended so that the pieces of a stroke join up; a convex fill
    // costs far less than stroking each line with a wide pen.
    void fillWideLines(const QColor& colour, int width)
    {
        painter_.setPen(Qt::NoPen);
        painter_.setBrush(colour);
        const double half = width / 2.0;
        for (const QLine& line : lines_) {
            const QPointF from(line.x1() + 0.5, line.y1() + 0.5);
            const QPointF to(line.x2() + 0.5, line.y2() + 0.5);
            const double dx = to.x() - from.x(), dy = to.y() - from.y();
            const double length = std::sqrt(dx * dx + dy * dy);
            const QPointF along = length > 0 ? QPointF(dx, dy) * (half / length) : QPointF(half, 0);
            const QPointF across(-along.y(), along.x());
            const QPointF corners[] = {from - along - across, from - along + across, to + along + across, to + along - across};
            painter_.drawConvexPolygon(corners, 4);
        }
        painter_.setBrush(Qt::NoBrush);
    }

    void writePixels(QRgb colour, int width)
    {
        for (const QLine& line : lines_) {
            if (width == 1)
                pixels_->thinLine(line, colour);
            else
                pixels_->wideLine(line, width, colour);
        }
    }

    QPainter& painter_;
    double scale_;
    PixelLines* pixels_;
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

// Solid lines are written straight into the image when the painter draws on
// a plain 32-bit image without transform or clip, as the window and the
// picture do; other devices get the same lines from the engine.
std::optional<PixelLines> directPixels(QPainter& painter)
{
    auto* image = dynamic_cast<QImage*>(painter.device());
    std::optional<PixelLines> pixels;
    if (image && PixelLines::canDrawOn(*image) && painter.transform().isIdentity() && !painter.hasClipping())
        pixels.emplace(*image);
    return pixels;
}

} // namespace

int twipsToDevicePixels(double twips, double scale) { return devicePixels(twips, scale); }

void paintCanvas(QPainter& painter, const GenoCanvas& canvas, double scale, int leftOut)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    const CanvasGeometry& g = canvas.geometry();
    painter.fillRect(QRect(0, 0, twipsToDevicePixels(g.clientWidth, scale), twipsToDevicePixels(g.clientHeight, scale)), Qt::white);
    std::optional<PixelLines> pixels = directPixels(painter);
    PixelLines* direct = pixels ? &*pixels : nullptr;
    {
        // What was drawn straight on the surface lies below every widget.
        LineBatch surface(painter, scale, direct);
        for (const LineWidget& segment : canvas.surface()) surface.add(segment);
    }
    LineBatch lines(painter, scale, direct);
    for (const WidgetId& id : canvas.zOrder().bottomToTop()) {
        if (const LineWidget* line = canvas.lineWidget(id)) {
            if (line->visible && !(id.kind == WidgetKind::FreeLine && id.index == leftOut)) lines.add(*line);
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

void paintFreeLines(QPainter& painter, const GenoCanvas& canvas, int first, int last, double scale)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    std::optional<PixelLines> pixels = directPixels(painter);
    {
        LineBatch lines(painter, scale, pixels ? &*pixels : nullptr);
        for (int k = first; k <= last; ++k)
            if (const LineWidget* line = canvas.FreeLine.find(k); line && line->visible) lines.add(*line);
    }
    painter.restore();
}

QRect freeLineDeviceRect(const GenoCanvas& canvas, int index, double scale)
{
    const LineWidget* line = canvas.FreeLine.find(index);
    if (!line || !line->visible) return {};
    const int reach = static_cast<int>(std::ceil(std::max(1, line->width) * scale)) + 2;
    const QRect ends = QRect(QPoint(devicePixels(line->x1, scale), devicePixels(line->y1, scale)),
                             QPoint(devicePixels(line->x2, scale), devicePixels(line->y2, scale)))
                           .normalized();
    return ends.adjusted(-reach, -reach, reach, reach);
}

} // namespace kinsketch
