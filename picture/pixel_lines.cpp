#include "pixel_lines.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>

namespace kinsketch {

PixelLines::PixelLines(QImage& image, const QRect& clip)
    : bits_(image.bits())
    , stride_(image.bytesPerLine())
    , clip_(clip.isEmpty() ? image.rect() : clip & image.rect())
{}

bool PixelLines::canDrawOn(const QImage& image)
{
    const auto format = image.format();
    return format == QImage::Format_RGB32 || format == QImage::Format_ARGB32 ||
           format == QImage::Format_ARGB32_Premultiplied;
}

void PixelLines::span(int y, int fromX, int toX, QRgb colour)
{
    if (y < clip_.top() || y > clip_.bottom()) return;
    fromX = std::max(fromX, clip_.left());
    toX = std::min(toX, clip_.right());
    if (fromX > toX) return;
    auto* row = reinterpret_cast<QRgb*>(bits_ + stride_ * y);
    std::fill(row + fromX, row + toX + 1, colour | 0xFF000000U);
}

// Bresenham's walk, started where the line enters the clip: its pixel at
// step k along the longer axis lies round-half-up(k · shorter / longer)
// along the shorter one, and the running error follows from the two
// counts. A clipped line then costs the clip's size, not its own length.
void PixelLines::thinLine(const QLine& line, QRgb colour)
{
    const long long x1 = line.x1(), y1 = line.y1();
    const long long dx = std::abs(line.x2() - x1), dy = -std::abs(line.y2() - y1);
    const int sx = x1 < line.x2() ? 1 : -1, sy = y1 < line.y2() ? 1 : -1;
    if (dy == 0) {
        span(line.y1(), std::min(line.x1(), line.x2()), std::max(line.x1(), line.x2()), colour);
        return;
    }
    const bool xMajor = dx >= -dy;
    const long long longer = xMajor ? dx : -dy, shorter = xMajor ? -dy : dx;
    const long long origin = xMajor ? x1 : y1;
    const int step = xMajor ? sx : sy;
    const long long low = xMajor ? clip_.left() : clip_.top(), high = xMajor ? clip_.right() : clip_.bottom();
    const long long first = std::max(0LL, step > 0 ? low - origin : origin - high);
    const long long last = std::min(longer, step > 0 ? high - origin : origin - low);
    if (first > last) return;
    const long long across = (2 * first * shorter + longer) / (2 * longer);
    const long long xMoves = xMajor ? first : across, yMoves = xMajor ? across : first;
    long long x = x1 + sx * xMoves, y = y1 + sy * yMoves;
    long long error = dx + dy + xMoves * dy + yMoves * dx;
    const QRgb opaque = colour | 0xFF000000U;
    const int left = clip_.left(), right = clip_.right(), top = clip_.top(), bottom = clip_.bottom();
    for (long long k = first; k <= last; ++k) {
        if (x >= left && x <= right && y >= top && y <= bottom)
            reinterpret_cast<QRgb*>(bits_ + stride_ * y)[x] = opaque;
        const long long doubled = 2 * error;
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
    EdgeLine(Corner a, Corner b)
        : x0(a.x)
        , y0(a.y)
        , slope(b.y == a.y ? 0 : (b.x - a.x) / (b.y - a.y))
    {}
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
        {fx - ax + ay, fy - ay - ax},
        {fx - ax - ay, fy - ay + ax},
        {tx + ax - ay, ty + ay + ax},
        {tx + ax + ay, ty + ay - ax},
    }};
    std::sort(c.begin(), c.end(),
              [](const Corner& a, const Corner& b) { return a.y < b.y || (a.y == b.y && a.x < b.x); });
    const Corner top = c[0], bottom = c[3];
    const Corner left = c[1].x <= c[2].x ? c[1] : c[2];
    const Corner right = c[1].x <= c[2].x ? c[2] : c[1];
    const EdgeLine topLeft(top, left), leftBottom(left, bottom), topRight(top, right), rightBottom(right, bottom);
    const int firstRow = std::max(static_cast<int>(std::ceil(top.y - 0.5)), clip_.top());
    const int lastRow = std::min(static_cast<int>(std::ceil(bottom.y - 0.5)) - 1, clip_.bottom());
    for (int y = firstRow; y <= lastRow; ++y) {
        const double cy = y + 0.5;
        const double xl = cy < left.y ? topLeft.at(cy) : leftBottom.at(cy);
        const double xr = cy < right.y ? topRight.at(cy) : rightBottom.at(cy);
        span(y, static_cast<int>(std::ceil(xl - 0.5)), static_cast<int>(std::ceil(xr - 0.5)) - 1, colour);
    }
}

} // namespace kinsketch
