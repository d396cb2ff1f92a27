#include "person_symbol_artwork.h"

#include <QPainterPath>
#include <QPolygonF>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace kinsketch {
namespace {

constexpr double kGrid = 16.0; // the symbols are designed on a 16-pixel grid

// Snaps design coordinates to whole device pixels, and keeps stroke widths a
// whole number of pixels, so that every edge is one crisp pixel row.
class SymbolGrid {
public:
    explicit SymbolGrid(const QRect& cell)
        : cell_(cell)
        , unit_(cell.width() / kGrid)
        , stroke_(std::max(1, static_cast<int>(std::lround(unit_))))
    {}
    int snap(double v) const { return static_cast<int>(std::lround(v * unit_)); }
    QRect box(double from, double to) const
    {
        return {cell_.left() + snap(from), cell_.top() + snap(from), snap(to) - snap(from), snap(to) - snap(from)};
    }
    QPointF point(double x, double y) const { return {cell_.left() + x * unit_, cell_.top() + y * unit_}; }
    int stroke() const { return stroke_; }

private:
    QRect cell_;
    double unit_;
    int stroke_;
};

void squareRing(QPainter& p, const QRect& r, int w)
{
    p.fillRect(QRect(r.left(), r.top(), r.width(), w), Qt::black);
    p.fillRect(QRect(r.left(), r.bottom() - w + 1, r.width(), w), Qt::black);
    p.fillRect(QRect(r.left(), r.top(), w, r.height()), Qt::black);
    p.fillRect(QRect(r.right() - w + 1, r.top(), w, r.height()), Qt::black);
}

void ellipseRing(QPainter& p, const QRect& r, int w)
{
    QPainterPath ring;
    ring.setFillRule(Qt::OddEvenFill);
    ring.addEllipse(QRectF(r));
    ring.addEllipse(QRectF(r.adjusted(w, w, -w, -w)));
    p.fillPath(ring, Qt::black);
}

void fillEllipse(QPainter& p, const QRect& r)
{
    QPainterPath disc;
    disc.addEllipse(QRectF(r));
    p.fillPath(disc, Qt::black);
}

void strokeLines(QPainter& p, const SymbolGrid& g, std::initializer_list<QLineF> lines)
{
    p.setPen(QPen(Qt::black, g.stroke(), Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    for (const QLineF& l : lines) p.drawLine(l);
}

// Lines through pixel centres of the design grid.
QLineF centreLine(const SymbolGrid& g, double x1, double y1, double x2, double y2)
{
    return {g.point(x1 + 0.5, y1 + 0.5), g.point(x2 + 0.5, y2 + 0.5)};
}

void letterA(QPainter& p, const SymbolGrid& g)
{
    strokeLines(p, g,
                {centreLine(g, 5, 11, 7, 5), centreLine(g, 8, 5, 10, 11), centreLine(g, 7, 5, 8, 5),
                 centreLine(g, 6, 9, 9, 9)});
}

QPolygonF triangle(const SymbolGrid& g, double inset)
{
    // Apex centred over the base; `inset` moves every edge inwards by that
    // many design units (the side's slope is 2 : 1).
    const double side = inset * std::sqrt(5.0) / 2.0;
    const double apexDrop = inset * std::sqrt(5.0);
    return QPolygonF(
        {g.point(8, 2 + apexDrop), g.point(14 - inset - side, 14 - inset), g.point(2 + inset + side, 14 - inset)});
}

QPolygonF star(const SymbolGrid& g)
{
    QPolygonF points;
    constexpr double outer = 6.5, inner = 2.6, cx = 8.0, cy = 8.6;
    for (int i = 0; i < 10; ++i) {
        const double radius = i % 2 == 0 ? outer : inner;
        const double angle = -std::numbers::pi / 2 + i * std::numbers::pi / 5;
        points << g.point(cx + radius * std::cos(angle), cy + radius * std::sin(angle));
    }
    return points;
}

void fillPolygon(QPainter& p, const QPolygonF& polygon)
{
    QPainterPath path;
    path.addPolygon(polygon);
    path.closeSubpath();
    p.fillPath(path, Qt::black);
}

void outlinePolygon(QPainter& p, const SymbolGrid& g, const QPolygonF& polygon)
{
    p.setPen(QPen(Qt::black, g.stroke(), Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPolygon(polygon);
}

} // namespace

void drawPersonSymbol(QPainter& painter, int image, const QRect& cell)
{
    if (image < 1 || image > kPersonSymbolCount) return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillRect(cell, Qt::white);
    const SymbolGrid g(cell);
    const int w = g.stroke();
    const QRect outer = g.box(2, 14);
    const QRect inner = g.box(5, 11);
    const double diagonal = 6.0 / std::numbers::sqrt2; // the circle's inscribed square, half side
    switch (image) {
    case 1: squareRing(painter, outer, w); break;
    case 2: ellipseRing(painter, outer, w); break;
    case 3:
        squareRing(painter, outer, w);
        squareRing(painter, inner, w);
        break;
    case 4:
        ellipseRing(painter, outer, w);
        ellipseRing(painter, inner, w);
        break;
    case 5:
        squareRing(painter, outer, w);
        strokeLines(painter, g, {centreLine(g, 2, 2, 13, 13), centreLine(g, 13, 2, 2, 13)});
        break;
    case 6:
        ellipseRing(painter, outer, w);
        strokeLines(painter, g,
                    {QLineF(g.point(8 - diagonal, 8 - diagonal), g.point(8 + diagonal, 8 + diagonal)),
                     QLineF(g.point(8 + diagonal, 8 - diagonal), g.point(8 - diagonal, 8 + diagonal))});
        break;
    case 7: painter.fillRect(outer, Qt::black); break;
    case 8: fillEllipse(painter, outer); break;
    case 9:
        squareRing(painter, outer, w);
        letterA(painter, g);
        break;
    case 10:
        ellipseRing(painter, outer, w);
        letterA(painter, g);
        break;
    case 11: outlinePolygon(painter, g, triangle(g, 0.5)); break;
    case 12: fillPolygon(painter, triangle(g, 0)); break;
    case 13: outlinePolygon(painter, g, star(g)); break;
    case 14: fillPolygon(painter, star(g)); break;
    default: break;
    }
    painter.restore();
}

} // namespace kinsketch
