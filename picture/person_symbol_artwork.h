#pragma once
// The fourteen person symbols, drawn in code so that they stay crisp at every
// scale: black on white, in a square cell (16 × 16 pixels at 100 %).
//   1 square, 2 circle, 3 double square, 4 double circle,
//   5 square with a diagonal cross, 6 circle with a diagonal cross,
//   7 filled square, 8 filled circle, 9 square with an A, 10 circle with an A,
//   11 triangle, 12 filled triangle, 13 star, 14 filled star.

#include <QPainter>
#include <QRect>

namespace kinsketch {

constexpr int kPersonSymbolCount = 14;

// Draws symbol `image` (1–14) into `cell`, in device pixels, without
// antialiasing. Other numbers draw nothing.
void drawPersonSymbol(QPainter& painter, int image, const QRect& cell);

} // namespace kinsketch
