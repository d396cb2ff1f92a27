#include "printed_picture.h"

#include "canvas_fonts.h"
#include "canvas_painter.h"
#include "canvas_picture.h"
#include "printed_legend.h"

#include "document/file_io.h"
#include "document/run_time_error.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QPdfWriter>

namespace kinsketch {
namespace {

constexpr double kMarginMillimetres = 10;
constexpr double kFooterPoints = 8;
// The band under the picture the footer takes, the gap above it included.
constexpr double kFooterBandPoints = 16;
constexpr double kHeadingPoints = 11;
// The band above the picture the heading takes, the gap below it included.
constexpr double kHeadingBandPoints = 22;
constexpr double kPointsPerInch = 72;
// Fine enough that snapping to device pixels moves nothing a reader sees.
constexpr int kPdfDotsPerInch = 1200;

bool leftOut(WidgetKind kind, const PrintedDetails& details)
{
    switch (kind) {
    case WidgetKind::ageLabels: return !details.ages;
    case WidgetKind::remarkLabels: return !details.remarks;
    case WidgetKind::textLabels: return !details.texts;
    default: return false;
    }
}

bool isBand(WidgetKind kind) { return kind == WidgetKind::ageLabels || kind == WidgetKind::remarkLabels; }

// The labels stay in the scene with their boxes; only what they say goes.
// Bands without their colours stay opaque, so lines below stay hidden.
CanvasScene sceneShowing(const GenoCanvas& canvas, const PrintedDetails& details)
{
    CanvasScene scene = sceneOf(canvas);
    for (const CanvasScene::Item& item : scene.items) {
        if (item.look != CanvasScene::Look::Label) continue;
        if (leftOut(item.id.kind, details)) scene.labels[item.at].text.caption.clear();
        if (!details.bandColours && isBand(item.id.kind)) scene.labels[item.at].backColor = 0xFFFFFF;
    }
    return scene;
}

// The canvas's size in 96-dpi pixels, unrounded.
QSizeF canvasSizeAt96(const CanvasGeometry& geometry)
{
    return {static_cast<double>(geometry.clientWidth) / kTwipsPerPixel,
            static_cast<double>(geometry.clientHeight) / kTwipsPerPixel};
}

struct PageParts {
    QRectF heading; // empty without a heading
    QRectF canvas;
    QRectF footer; // empty without a footer
    QRectF legend; // empty without a legend
};

constexpr double kLegendGapPoints = 8;

// In landscape the legend takes columns at the right, in portrait rows at the
// bottom, as many as its entries need; `area` loses them and the gap.
QRectF takeLegendRoom(QRectF& area, std::size_t entries, double unitsPerPoint, bool landscape)
{
    if (entries == 0) return {};
    const double u = unitsPerPoint, column = kLegendColumnPoints * u, row = kLegendRowPoints * u;
    const auto count = static_cast<int>(entries);
    QRectF legend;
    if (landscape) {
        const int rows = legendRowsPerColumn(area.height() / u);
        const int columns = (count + rows - 1) / rows;
        legend = QRectF(area.right() - columns * column, area.top(), columns * column, area.height());
        area.setRight(legend.left() - kLegendGapPoints * u);
    } else {
        const int columns = std::max(1, static_cast<int>(area.width() / column));
        const int rows = (count + columns - 1) / columns + 1;
        legend = QRectF(area.left(), area.bottom() - rows * row, area.width(), rows * row);
        area.setBottom(legend.top() - kLegendGapPoints * u);
    }
    return legend;
}

// `area` is the printable area in any unit, `unitsPerPoint` of them a point.
// The heading and the footer take their bands off the area, so they never
// cover the drawing, which is fitted into what is left.
PageParts pagePartsIn(const CanvasGeometry& geometry, const QRectF& area, double unitsPerPoint,
                      const PrintOptions& options, std::size_t legendEntries)
{
    const double headingHeight = options.heading.isEmpty() ? 0 : kHeadingBandPoints * unitsPerPoint;
    const double footerHeight = options.footer.isEmpty() ? 0 : kFooterBandPoints * unitsPerPoint;
    QRectF rest = area.adjusted(0, headingHeight, 0, -footerHeight);
    const QRectF legend =
        takeLegendRoom(rest, legendEntries, unitsPerPoint, options.orientation == QPageLayout::Landscape);
    const QRectF canvas = fittedCanvasRect(geometry, rest);
    return {QRectF(area.left(), area.top(), area.width(), headingHeight), canvas,
            QRectF(canvas.left(), canvas.bottom(), area.right() - canvas.left(), footerHeight), legend};
}

std::vector<LegendEntry> legendShown(const GenoCanvas& canvas, const PrintOptions& options)
{
    return options.legend ? legendOf(canvas.document()) : std::vector<LegendEntry>{};
}

// One line of `points`, cut at the band's end rather than wrapped.
void paintLine(QPainter& painter, const QRectF& band, const QString& line, double points, Qt::Alignment alignment)
{
    QFont font(canvasFontFamily(kCanvasFontName));
    font.setPointSizeF(points);
    painter.setFont(font);
    painter.setPen(Qt::black);
    const QString shown = QFontMetricsF(font, painter.device()).elidedText(line, Qt::ElideRight, band.width());
    painter.drawText(band, Qt::AlignLeft | alignment | Qt::TextSingleLine, shown);
}

} // namespace

QString printedHeading(const PrintTitle& title)
{
    const QString made =
        title.made.isValid()
            ? QStringLiteral("%1年%2月%3日").arg(title.made.year()).arg(title.made.month()).arg(title.made.day())
            : QString();
    return QStringLiteral("ジェノグラム　利用者名：%1　作成者：%2　作成日：%3").arg(title.client, title.author, made);
}

QPageLayout pageLayoutOf(const PrintOptions& options)
{
    return QPageLayout(QPageSize(options.paper), options.orientation,
                       QMarginsF(kMarginMillimetres, kMarginMillimetres, kMarginMillimetres, kMarginMillimetres),
                       QPageLayout::Millimeter);
}

QImage renderCanvasPictureShowing(const GenoCanvas& canvas, const PrintedDetails& details, double scale)
{
    return renderScenePicture(sceneShowing(canvas, details), canvas.geometry(), scale);
}

QRectF fittedCanvasRect(const CanvasGeometry& geometry, const QRectF& target)
{
    QRectF fitted(QPointF(), canvasSizeAt96(geometry).scaled(target.size(), Qt::KeepAspectRatio));
    fitted.moveCenter(target.center());
    return fitted;
}

QRectF canvasRectOnPage(const GenoCanvas& canvas, const PrintOptions& options)
{
    return pagePartsIn(canvas.geometry(), pageLayoutOf(options).paintRect(QPageLayout::Point), 1.0, options,
                       legendShown(canvas, options).size())
        .canvas;
}

// The painter snaps every position to whole device pixels from its origin,
// so the origin is put on a whole pixel too.
void paintCanvasFitted(QPainter& painter, const GenoCanvas& canvas, const QRectF& target, const PrintedDetails& details)
{
    const CanvasGeometry& geometry = canvas.geometry();
    const QRectF fitted = fittedCanvasRect(geometry, target);
    const double scale = fitted.width() / canvasSizeAt96(geometry).width();
    painter.save();
    painter.translate(fitted.topLeft().toPoint());
    // Texts are drawn whole around their boxes; the picture ends at the
    // canvas's edge, and so does the page.
    painter.setClipRect(QRect(QPoint(), canvasPixelSize(geometry, scale)),
                        painter.hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
    paintScene(painter, sceneShowing(canvas, details), geometry, scale);
    painter.restore();
}

// The painter's origin is the printable area's corner on every paged device.
void printCanvasPage(QPagedPaintDevice& device, const GenoCanvas& canvas, const PrintOptions& options)
{
    const QRectF area(0, 0, device.width(), device.height());
    const double unitsPerPoint = device.logicalDpiY() / kPointsPerInch;
    const std::vector<LegendEntry> legend = legendShown(canvas, options);
    const PageParts parts = pagePartsIn(canvas.geometry(), area, unitsPerPoint, options, legend.size());
    QPainter painter(&device);
    if (!options.heading.isEmpty()) paintLine(painter, parts.heading, options.heading, kHeadingPoints, Qt::AlignTop);
    paintCanvasFitted(painter, canvas, parts.canvas, options.details);
    if (!legend.empty()) paintLegend(painter, parts.legend, legend, unitsPerPoint);
    if (!options.footer.isEmpty()) paintLine(painter, parts.footer, options.footer, kFooterPoints, Qt::AlignBottom);
}

void writeCanvasPdf(const GenoCanvas& canvas, const std::filesystem::path& file, const PrintOptions& options,
                    const QString& title)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(kPdfDotsPerInch);
        writer.setPageLayout(pageLayoutOf(options));
        writer.setTitle(title);
        writer.setCreator(QStringLiteral("Kinsketch"));
        printCanvasPage(writer, canvas, options);
    }
    if (buffer.data().isEmpty()) throw RunTimeError::deviceIo(file.string() + ": the PDF could not be drawn");
    writeFileAtomically(file, ByteView(reinterpret_cast<const std::uint8_t*>(buffer.data().constData()),
                                       static_cast<std::size_t>(buffer.data().size())));
}

} // namespace kinsketch
