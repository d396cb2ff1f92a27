#pragma once
// The legend printed beside or under the genogram: a heading 「凡例」, then
// for each entry a small sample drawn as the canvas draws it and its name,
// in columns filled from the top.

#include "genogram/drawing_legend.h"

#include <QPainter>
#include <QRectF>

#include <vector>

namespace kinsketch {

// One entry's row and one column's width, in points.
constexpr double kLegendRowPoints = 16;
constexpr double kLegendColumnPoints = 150;

// How many entries a column `height` points tall holds under the heading; at least one.
int legendRowsPerColumn(double height);

// Paints the legend into `area`, given in the painter's device units, of
// which `unitsPerPoint` make a point.
void paintLegend(QPainter& painter, const QRectF& area, const std::vector<LegendEntry>& entries, double unitsPerPoint);

} // namespace kinsketch
