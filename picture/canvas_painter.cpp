#include "canvas_painter.h"

#include "canvas_fonts.h"
#include "person_symbol_artwork.h"
#include "pixel_lines.h"

#include <QFontMetrics>
#include <QFontMetricsF>
#include <QLine>
#include <QPaintEngine>
#include <QPen>
#include <QString>
#include <QVarLengthArray>

#include <algorithm>
#include <cmath>
#include <iterator>
#include <numeric>
#include <optional>
#include <tuple>
#include <vector>

namespace kinsketch {
namespace {

// Stored coordinates are whatever floats a file holds: NaN, infinities and
// values far off the canvas are held within a million pixels, where every
// integer step after this one stays defined.
constexpr double kFarthestPixel = 1 << 20;

// Rounds halves to even without a library call: the painter converts every
// end of tens of thousands of pen segments.
inline int devicePixels(double twips, double scale)
{
    const double unclamped = twips * scale / kTwipsPerPixel;
    const double pixels = std::isnan(unclamped) ? 0.0 : std::clamp(unclamped, -kFarthestPixel, kFarthestPixel);
    auto whole = static_cast<long long>(pixels);
    whole -= static_cast<long long>(pixels < static_cast<double>(whole));
    const double fraction = pixels - static_cast<double>(whole);
    whole += static_cast<long long>(fraction > 0.5) | (static_cast<long long>(fraction == 0.5) & (whole & 1));
    return static_cast<int>(whole);
}

// A stored pen width is any 32-bit number; a thousand pixels cover the
// canvas already.
inline int devicePenWidth(int storedWidth, double scale)
{
    return static_cast<int>(std::clamp(std::lround(std::max(1, storedWidth) * scale), 1L, 1024L));
}

// How far a line's pixels reach beyond its centre line, rounding included.
inline int deviceReach(int storedWidth, double scale) { return devicePenWidth(storedWidth, scale) + 3; }

QRgb rgbOf(Colour c)
{
    return qRgb(static_cast<int>(c & 0xFFU), static_cast<int>((c >> 8) & 0xFFU), static_cast<int>((c >> 16) & 0xFFU));
}

QColor qColour(Colour c) { return QColor(rgbOf(c)); }

// A canvas can carry tens of thousands of pen segments. Solid lines written
// straight into the image are gathered until something else comes, so that
// they can be shared out among threads; for the engine, pens of consecutive
// lines that look alike are set once and their lines drawn in one call.
class LineBatch {
public:
    LineBatch(QPainter& painter, double scale, PixelLines* pixels)
        : painter_(painter)
        , scale_(scale)
        , pixels_(pixels)
    {}
    ~LineBatch() { flush(); }
    LineBatch(const LineBatch&) = delete;
    LineBatch& operator=(const LineBatch&) = delete;

    void add(const LineWidget& line)
    {
        const int width = devicePenWidth(line.width, scale_);
        const QLine device(devicePixels(line.x1, scale_), devicePixels(line.y1, scale_), devicePixels(line.x2, scale_),
                           devicePixels(line.y2, scale_));
        if (pixels_ && line.pattern == LinePattern::Solid) {
            drawWithPainter();
            pixelLines_.push_back({device, width, rgbOf(line.colour)});
            return;
        }
        writePixels();
        const auto key = std::make_tuple(line.colour, width, line.pattern);
        if (!lines_.empty() && key != key_) drawWithPainter();
        key_ = key;
        lines_.append(device);
    }

    // Only one of the two holds lines at a time, so the order is kept.
    void flush()
    {
        writePixels();
        drawWithPainter();
    }

private:
    void writePixels()
    {
        if (pixelLines_.empty()) return;
        pixels_->drawInTurn(pixelLines_);
        pixelLines_.clear();
    }

    void drawWithPainter()
    {
        if (lines_.empty()) return;
        const auto [colour, width, pattern] = key_;
        if (width > 1 && pattern == LinePattern::Solid && painter_.paintEngine()->type() == QPaintEngine::Raster)
            fillWideLines(qColour(colour), width);
        else
            strokeThinLines(qColour(colour), width, pattern);
        lines_.clear();
    }

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
            const QPointF corners[] = {from - along - across, from - along + across, to + along + across,
                                       to + along - across};
            painter_.drawConvexPolygon(corners, 4);
        }
        painter_.setBrush(Qt::NoBrush);
    }

    QPainter& painter_;
    double scale_;
    PixelLines* pixels_;
    std::tuple<Colour, int, LinePattern> key_{};
    QVarLengthArray<QLine, 256> lines_;
    std::vector<PixelLine> pixelLines_;
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
int labelTextFlags(const LabelWidget& label, bool fixedCellLabel)
{
    return horizontalAlignment(label.alignment) | Qt::AlignTop |
           (fixedCellLabel ? Qt::TextWrapAnywhere : Qt::TextDontClip);
}

// A vector device (a PDF, a printer, an SVG) lays text out with the font's
// own advances, the picture with those hinted at 96 dpi, and synthetic bold
// there takes a pixel more a glyph. The letters are spaced so that the
// widest line keeps its width in the picture: centred and right-aligned
// texts then stand where the picture has them.
QFont labelFont(const QPainter& painter, const LabelWidget& label, const QString& text, double scale)
{
    QFont font = canvasFont(label.text, scale);
    if (painter.paintEngine()->type() == QPaintEngine::Raster) return font;
    const QFontMetricsF picture(canvasFont(label.text, 1.0));
    const QStringList lines = text.split(QLatin1Char('\n'));
    const QString widest = *std::max_element(lines.begin(), lines.end(), [&](const QString& a, const QString& b) {
        return picture.horizontalAdvance(a) < picture.horizontalAdvance(b);
    });
    // The device may take the spacing in units of its own: one unit is measured.
    const double onDevice = QFontMetricsF(font, painter.device()).horizontalAdvance(widest);
    QFont spaced = font;
    spaced.setLetterSpacing(QFont::AbsoluteSpacing, 1);
    const double perUnit = QFontMetricsF(spaced, painter.device()).horizontalAdvance(widest) - onDevice;
    if (perUnit <= 0) return font;
    font.setLetterSpacing(QFont::AbsoluteSpacing, (picture.horizontalAdvance(widest) * scale - onDevice) / perUnit);
    return font;
}

void paintLabel(QPainter& painter, const LabelWidget& label, bool fixedCellLabel, double scale)
{
    const QRect rect = deviceRect(label.left, label.top, label.width, label.height, scale);
    if (label.opaque) painter.fillRect(rect, qColour(label.backColor));
    if (label.text.caption.empty()) return;
    const QString text = labelText(label.text.caption);
    painter.setFont(labelFont(painter, label, text, scale));
    painter.setPen(qColour(label.text.colour));
    const int flags = labelTextFlags(label, fixedCellLabel);
    if (fixedCellLabel) {
        painter.save();
        painter.setClipRect(rect, Qt::IntersectClip);
        painter.drawText(rect, flags, text);
        painter.restore();
        return;
    }
    painter.drawText(rect, flags, text);
}

// Solid lines are written straight into the image when the painter draws on
// a plain 32-bit image without transform, as the window and the picture do;
// other devices get the same lines from the engine. `clip` is the clip the
// painter was given, if any.
std::optional<PixelLines> directPixels(QPainter& painter, const QRect& clip)
{
    auto* image = dynamic_cast<QImage*>(painter.device());
    std::optional<PixelLines> pixels;
    if (image && PixelLines::canDrawOn(*image) && painter.transform().isIdentity() &&
        painter.hasClipping() == !clip.isEmpty())
        pixels.emplace(*image, clip);
    return pixels;
}

bool isFixedCellLabel(WidgetKind kind) { return kind == WidgetKind::ageLabels || kind == WidgetKind::remarkLabels; }

// Draws the items listed, in order, over what the painter's device already
// shows; strokes are copied from their layer where there is one.
template <class Indices>
void paintItems(QPainter& painter, const CanvasScene& scene, double scale, const QRect& clip, const Indices& indices,
                const QImage* strokesLayer = nullptr)
{
    std::optional<PixelLines> pixels = directPixels(painter, clip);
    LineBatch lines(painter, scale, pixels ? &*pixels : nullptr);
    for (const std::size_t i : indices) {
        const CanvasScene::Item& item = scene.items[i];
        switch (item.look) {
        case CanvasScene::Look::SurfaceLine:
        case CanvasScene::Look::Line: lines.add(scene.line(item)); break;
        case CanvasScene::Look::Strokes:
            if (strokesLayer) {
                lines.flush();
                painter.drawImage(clip.topLeft(), *strokesLayer, clip);
            } else {
                for (const LineWidget& line : scene.strokes->lines) lines.add(line);
            }
            break;
        case CanvasScene::Look::Label:
            lines.flush();
            paintLabel(painter, scene.label(item), isFixedCellLabel(item.id.kind), scale);
            break;
        case CanvasScene::Look::Symbol: {
            lines.flush();
            const SymbolWidget& symbol = scene.symbol(item);
            drawPersonSymbol(painter, symbol.image, deviceRect(symbol.left, symbol.top, kCellSize, kCellSize, scale));
            break;
        }
        }
    }
}

void beginCanvasPaint(QPainter& painter)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
}

// Lines handed to the batch by `addLines`, drawn over what the painter's
// device shows and nothing else.
template <class AddLines>
void paintLinesAlone(QPainter& painter, double scale, AddLines addLines)
{
    beginCanvasPaint(painter);
    {
        std::optional<PixelLines> pixels = directPixels(painter, QRect());
        LineBatch lines(painter, scale, pixels ? &*pixels : nullptr);
        addLines(lines);
    }
    painter.restore();
}

} // namespace

int twipsToDevicePixels(double twips, double scale) { return devicePixels(twips, scale); }

void paintScene(QPainter& painter, const CanvasScene& scene, const CanvasGeometry& geometry, double scale)
{
    beginCanvasPaint(painter);
    painter.fillRect(QRect(0, 0, twipsToDevicePixels(geometry.clientWidth, scale),
                           twipsToDevicePixels(geometry.clientHeight, scale)),
                     Qt::white);
    // Listed rather than a std::views::iota: clang 14, which the fuzz build
    // uses, cannot compile the iota view of GCC 12's library.
    std::vector<std::size_t> everyItem(scene.items.size());
    std::iota(everyItem.begin(), everyItem.end(), std::size_t{0});
    paintItems(painter, scene, scale, QRect(), everyItem);
    painter.restore();
}

void repaintSceneArea(QPainter& painter, const CanvasScene& scene, double scale, const QRect& area,
                      std::span<const std::size_t> items, const QImage* strokesLayer)
{
    if (area.isEmpty()) return;
    painter.fillRect(area, Qt::white);
    paintSceneItemsOver(painter, scene, scale, area, items, strokesLayer);
}

void paintSceneItemsOver(QPainter& painter, const CanvasScene& scene, double scale, const QRect& area,
                         std::span<const std::size_t> items, const QImage* strokesLayer)
{
    if (area.isEmpty()) return;
    beginCanvasPaint(painter);
    painter.setClipRect(area);
    paintItems(painter, scene, scale, area, items, strokesLayer);
    painter.restore();
}

// Pen segments are solid and drawn without smoothing: every pixel of the
// layer is either untouched or fully covered, so laying it over the rest
// gives the pixels that painting the segments there would.
void paintStrokesOnLayer(QImage& layer, const StrokeRun& strokes, std::size_t from, double scale)
{
    QPainter painter(&layer);
    paintLinesAlone(painter, scale, [&](LineBatch& lines) {
        for (std::size_t j = from; j < strokes.lines.size(); ++j) lines.add(strokes.lines[j]);
    });
}

void repaintStrokesOnLayer(QImage& layer, const StrokeRun& strokes, const QRegion& area, double scale)
{
    // One pass over every segment finds the few near the area at all.
    const QRect bounds = area.boundingRect();
    std::vector<const LineWidget*> near;
    for (const LineWidget& line : strokes.lines)
        if (lineComesNear(line, scale, bounds)) near.push_back(&line);
    QPainter painter(&layer);
    for (const QRect& r : area) {
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.fillRect(r, Qt::transparent);
        painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
        beginCanvasPaint(painter);
        painter.setClipRect(r);
        {
            std::optional<PixelLines> pixels = directPixels(painter, r);
            LineBatch lines(painter, scale, pixels ? &*pixels : nullptr);
            for (const LineWidget* line : near)
                if (lineComesNear(*line, scale, r)) lines.add(*line);
        }
        painter.restore();
    }
}

void paintCanvas(QPainter& painter, const GenoCanvas& canvas, double scale, int leftOut)
{
    paintScene(painter, sceneOf(canvas, leftOut), canvas.geometry(), scale);
}

void paintFreeLines(QPainter& painter, const GenoCanvas& canvas, int first, int last, double scale)
{
    paintLinesAlone(painter, scale, [&](LineBatch& lines) {
        for (int k = first; k <= last; ++k)
            if (const LineWidget* line = canvas.strokes.find(k); line && line->visible) lines.add(*line);
    });
}

QRect lineDeviceBounds(const LineWidget& line, double scale)
{
    const int reach = deviceReach(line.width, scale);
    const QRect ends = QRect(QPoint(devicePixels(line.x1, scale), devicePixels(line.y1, scale)),
                             QPoint(devicePixels(line.x2, scale), devicePixels(line.y2, scale)))
                           .normalized();
    return ends.adjusted(-reach, -reach, reach, reach);
}

QRegion lineDeviceFootprint(const LineWidget& line, double scale)
{
    // Boxes this long along the line's main direction keep the region to a
    // few dozen rectangles on the largest canvas.
    constexpr int kPieceLength = 48;
    const QRect bounds = lineDeviceBounds(line, scale);
    const int reach = deviceReach(line.width, scale);
    const QPoint from(devicePixels(line.x1, scale), devicePixels(line.y1, scale));
    const QPoint to(devicePixels(line.x2, scale), devicePixels(line.y2, scale));
    const int length = std::max(std::abs(to.x() - from.x()), std::abs(to.y() - from.y()));
    const int pieces = length / kPieceLength;
    if (pieces < 2 || from.x() == to.x() || from.y() == to.y()) return bounds;
    QRegion footprint;
    QPoint start = from;
    for (int piece = 1; piece <= pieces; ++piece) {
        const double t = static_cast<double>(piece) / pieces;
        const QPoint end = piece == pieces ? to
                                           : QPoint(static_cast<int>(std::floor(from.x() + (to.x() - from.x()) * t)),
                                                    static_cast<int>(std::floor(from.y() + (to.y() - from.y()) * t)));
        // A whole pixel more each way covers the flooring of the ends.
        footprint += QRect(start, end).normalized().adjusted(-reach - 1, -reach - 1, reach + 1, reach + 1);
        start = end;
    }
    return footprint & bounds;
}

// Texts placed by the user are not clipped to their box, so their glyphs are
// measured; the margin covers italic overhang and the smoothing around them.
QRect labelDeviceBounds(const LabelWidget& label, WidgetId id, double scale, const QPaintDevice* device)
{
    const QRect rect = deviceRect(label.left, label.top, label.width, label.height, scale);
    if (isFixedCellLabel(id.kind) || label.text.caption.empty())
        return label.opaque || !label.text.caption.empty() ? rect : QRect();
    const QFontMetrics metrics(canvasFont(label.text, scale), device);
    const QRect text = metrics.boundingRect(rect, labelTextFlags(label, false), labelText(label.text.caption));
    const int margin = metrics.height() / 2 + 2;
    return (label.opaque ? text | rect : text).adjusted(-margin, -margin, margin, margin);
}

// The picture is drawn at 96 dpi, so the text is measured at scale 1.
bool labelTextFits(const LabelWidget& label, WidgetKind kind, const CanvasGeometry& geometry)
{
    if (label.text.caption.empty()) return true;
    const QRect box = deviceRect(label.left, label.top, label.width, label.height, 1.0);
    const QRect canvas(0, 0, twipsToDevicePixels(geometry.clientWidth, 1.0),
                       twipsToDevicePixels(geometry.clientHeight, 1.0));
    const bool fixedCellLabel = isFixedCellLabel(kind);
    const QRect text = QFontMetrics(canvasFont(label.text, 1.0))
                           .boundingRect(box, labelTextFlags(label, fixedCellLabel), labelText(label.text.caption));
    return (fixedCellLabel ? box & canvas : canvas).contains(text);
}

// A longer beginning never fits where a shorter one does not, so the cut is searched by halves.
std::string shownPartOfLabelText(const LabelWidget& label, WidgetKind kind, const CanvasGeometry& geometry)
{
    const QString caption = QString::fromStdString(label.text.caption);
    LabelWidget part = label;
    qsizetype fits = 0, cut = caption.size() + 1;
    while (cut - fits > 1) {
        const qsizetype middle = (fits + cut) / 2;
        part.text.caption = caption.left(middle).toStdString();
        (labelTextFits(part, kind, geometry) ? fits : cut) = middle;
    }
    return caption.left(fits).toStdString();
}

QRect labelDeviceBox(const LabelWidget& label, double scale)
{
    return deviceRect(label.left, label.top, label.width, label.height, scale);
}

QRect symbolDeviceBounds(const SymbolWidget& symbol, double scale)
{
    return deviceRect(symbol.left, symbol.top, kCellSize, kCellSize, scale).adjusted(-2, -2, 2, 2);
}

// Liang–Barsky clipping of the centre line against the area grown by the
// line's reach.
bool lineComesNear(const LineWidget& line, double scale, const QRect& area)
{
    const int reach = deviceReach(line.width, scale);
    const QRectF grown = QRectF(area).adjusted(-reach, -reach, reach, reach);
    const double x1 = devicePixels(line.x1, scale), y1 = devicePixels(line.y1, scale);
    const double dx = devicePixels(line.x2, scale) - x1, dy = devicePixels(line.y2, scale) - y1;
    double enter = 0, leave = 1;
    const auto within = [&](double p, double q) {
        if (p == 0) return q >= 0;
        const double t = q / p;
        if (p < 0)
            enter = std::max(enter, t);
        else
            leave = std::min(leave, t);
        return enter <= leave;
    };
    return within(-dx, x1 - grown.left()) && within(dx, grown.right() - x1) && within(-dy, y1 - grown.top()) &&
           within(dy, grown.bottom() - y1);
}

QRect freeLineDeviceRect(const GenoCanvas& canvas, int index, double scale)
{
    const LineWidget* line = canvas.strokes.find(index);
    return line && line->visible ? lineDeviceBounds(*line, scale) : QRect();
}

} // namespace kinsketch
