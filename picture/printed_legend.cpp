#include "printed_legend.h"

#include "canvas_fonts.h"
#include "person_symbol_artwork.h"

#include "genogram/line_style.h"
#include "genogram/relation_shapes.h"

#include <QFontMetricsF>

#include <algorithm>
#include <cmath>

namespace kinsketch {
namespace {

constexpr double kNamePoints = 9;
constexpr double kSampleWidthPoints = 36;
constexpr double kSampleHeightPoints = 12;
constexpr double kSampleGapPoints = 6;
// A pixel of the filed picture, as thin lines are printed.
constexpr double kPixelPoints = 0.75;
// 関係線 samples: a line 600 twips long; marks as large as that scale makes them, or smaller to fit.
constexpr float kRelationSampleTwips = 600;
constexpr double kRelationPointsPerTwip = kSampleWidthPoints / kRelationSampleTwips;

void paintLineStyleSample(QPainter& painter, int style, const QRectF& sample, double u)
{
    const auto look = lineStyleLook(style, true);
    if (!look) return;
    QPen pen(Qt::black, look->width * kPixelPoints * u,
             look->pattern == LinePattern::Dotted ? Qt::DotLine : Qt::SolidLine, Qt::FlatCap);
    painter.setPen(pen);
    const double y = sample.center().y();
    painter.drawLine(QPointF(sample.left(), y), QPointF(sample.right(), y));
    pen.setStyle(Qt::SolidLine);
    pen.setWidthF(kPixelPoints * u);
    painter.setPen(pen);
    const double half = sample.height() / 3;
    const auto slash = [&](double x) {
        painter.drawLine(QPointF(x - half / 2, y + half), QPointF(x + half / 2, y - half));
    };
    const double x = sample.center().x();
    if (look->slashS && look->slashW) {
        slash(x - half / 2);
        slash(x + half / 2);
    } else if (look->slashS) {
        slash(x);
    }
}

void paintRelationSample(QPainter& painter, RelationKind kind, const QRectF& sample, double u)
{
    const std::vector<FreeLineSegment> segments = relationSegments(kind, {{0, 0}, {kRelationSampleTwips, 0}});
    if (segments.empty()) return;
    QRectF bounds;
    for (const FreeLineSegment& s : segments)
        bounds |= QRectF(QPointF(s.from.x, s.from.y), QPointF(s.to.x, s.to.y)).normalized().adjusted(-1, -1, 1, 1);
    const double scale =
        std::min({kRelationPointsPerTwip * u, sample.width() / bounds.width(), sample.height() / bounds.height()});
    const auto place = [&](FreeLinePoint p) { return sample.center() + (QPointF(p.x, p.y) - bounds.center()) * scale; };
    painter.setPen(QPen(Qt::black, kPixelPoints * u, Qt::SolidLine, Qt::FlatCap));
    for (const FreeLineSegment& s : segments) painter.drawLine(place(s.from), place(s.to));
}

} // namespace

int legendRowsPerColumn(double height) { return std::max(1, static_cast<int>(height / kLegendRowPoints) - 1); }

void paintLegend(QPainter& painter, const QRectF& area, const std::vector<LegendEntry>& entries, double u)
{
    const double row = kLegendRowPoints * u, column = kLegendColumnPoints * u;
    const int rows = legendRowsPerColumn(area.height() / u);
    QFont font(canvasFontFamily(kCanvasFontName));
    font.setPointSizeF(kNamePoints);
    painter.save();
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(QRectF(area.left(), area.top(), column, row), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("凡例"));
    const QFontMetricsF metrics(font, painter.device());
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const LegendEntry& entry = entries[i];
        const double left = area.left() + static_cast<double>(static_cast<int>(i) / rows) * column;
        const double top = area.top() + static_cast<double>(static_cast<int>(i) % rows + 1) * row;
        const QRectF sample(left, top + (row - kSampleHeightPoints * u) / 2, kSampleWidthPoints * u,
                            kSampleHeightPoints * u);
        switch (entry.kind) {
        case LegendEntry::Kind::Symbol: {
            const int side = static_cast<int>(std::lround(sample.height()));
            drawPersonSymbol(
                painter, entry.code,
                QRect(static_cast<int>(sample.center().x()) - side / 2, static_cast<int>(sample.top()), side, side));
            break;
        }
        case LegendEntry::Kind::LineStyle: paintLineStyleSample(painter, entry.code, sample, u); break;
        case LegendEntry::Kind::Relation:
            paintRelationSample(painter, static_cast<RelationKind>(entry.code), sample, u);
            break;
        }
        const QRectF name(sample.right() + kSampleGapPoints * u, top,
                          column - sample.width() - 2 * kSampleGapPoints * u, row);
        const QString text = QString::fromUtf8(entry.name);
        painter.setPen(Qt::black);
        painter.drawText(name, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                         metrics.elidedText(text, Qt::ElideRight, name.width()));
    }
    painter.restore();
}

} // namespace kinsketch
