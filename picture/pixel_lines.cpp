#include "pixel_lines.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>

namespace kinsketch {

PixelLines::PixelLines(QImage& image)
    : bits_(image.bits())
    , stride_(image.bytesPerLine())
    , width_(image.width())
    , height_(image.height())
{
}

bool PixelLines::canDrawOn(const QImage& image)
{
    const auto format = image.format();
    return format == QImage::Format_RGB32 || format == QImage::Format_ARGB32 || format == QImage::Format_ARGB32_Premultiplied;
}

void PixelLines::span(int y, int fromX, int toX, QRgb colour)
{
    if (y < 0 || y >= height_) return;
    fromX = std::max(fromX, 0);
    toX = std::min(toX, width_ - 1);
    if (fromX > toX) return;
    auto* row = reinterpret_cast<QRgb*>(bits_ + stride_ * y);
    std::fill(row + fromX, row + toX + 1, colour | 0xFF000000U);
}

void PixelLines::thinLine(const QLine& line, QRgb colour)
{
    int x = line.x1(), y = line.y1();
    const int dx = std::abs(line.x2() - x), dy = -std::abs(line.y2() - y);
    const int sx = x < line.x2() ? 1 : -1, sy = y < line.y2() ? 1 : -1;
    if (dy == 0) {
        span(y, std::min(x, line.x2()), std::max(x, line.x2()), colour);
        return;
    }
    int error = dx + dy;
    for (;;) {
        span(y, x, x, colour);
        if (x == line.x2() && y == line.y2()) break;
        const int doubled = 2 * error;
        if (doubled >= dy) {
            error += dy;
            x += sx;
        }
        if (doubled <= dx) {
            error += dx;
            y += sy;
        }
    }
}

namespace {

struct Corner {
    double x, y;
};

// x on the edge from a to b at height y.
struct EdgeLine {
    EdgeLine(Corner a, Corner b) : x0(a.x), y0(a.y), slope(b.y == a.y ? 0 : (b.x - a.x) / (b.y - a.y)) {}
    double at(double y) const { return x0 + (y - y0) * slope; }
    double x0, y0, slope;
};

} // namespace

// The line's rectangle is filled row by row where pixel centres lie inside:
// its top and bottom corners split the outline into a left and a right
// chain of two edges each.
void PixelLines::wideLine(const QLine& line, int width, QRgb colour)
{
    const double half = width / 2.0;
    const double fx = line.x1() + 0.5, fy = line.y1() + 0.5, tx = line.x2() + 0.5, ty = line.y2() + 0.5;
    const double dx = tx - fx, dy = ty - fy;
    const double length = std::sqrt(dx * dx + dy * dy);
    const double ax = length > 0 ? dx * half / length : half, ay = length > 0 ? dy * half / length : 0;
    std::array<Corner, 4> c = {{
        {fx - ax + ay, fy - ay - ax}, {fx - ax - ay, fy - ay + ax}, {tx + ax - ay, ty + ay + ax}, {tx + ax + ay, ty + ay - ax},
    }};
    std::sort(c.begin(), c.end(), [](const Corner& a, const Corner& b) { return a.y < b.y || (a.y == b.y && a.x < b.x); });
    const Corner top = c[0], bottom = c[3];
    const Corner left = c[1].x <= c[2].x ? c[1] : c[2];
    const Corner right = c[1].x <= c[2].x ? c[2] : c[1];
    const EdgeLine topLeft(top, left), leftBottom(left, bottom), topRight(top, right), rightBottom(right, bottom);
    const int firstRow = std::max(static_cast<int>(std::ceil(top.y - 0.5)), 0);
    const int lastRow = std::min(static_cast<int>(std::ceil(bottom.y - 0.5)) - 1, height_ - 1);
    for (int y = firstRow; y <= lastRow; ++y) {
        const double cy = y + 0.5;
        const double xl = cy < left.y ? topLeft.at(cy) : leftBottom.at(cy);
        const double xr = cy < right.y ? topRight.at(cy) : rightBottom.at(cy);
        span(y, static_cast<int>(std::ceil(xl - 0.5)), static_cast<int>(std::ceil(xr - 0.5)) - 1, colour);
    }
}

} // namespace kinsketch
