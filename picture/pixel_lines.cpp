#include "pixel_lines.h"

#include <QSemaphore>
#include <QThreadPool>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <cstring>

namespace kinsketch {

PixelLines::PixelLines(QImage& image, const QRect& clip)
    : bits_(image.bits())
    , stride_(image.bytesPerLine())
    , clip_(clip.isEmpty() ? image.rect() : clip & image.rect())
{}

PixelLines::PixelLines(uchar* bits, qsizetype stride, const QRect& clip)
    : bits_(bits)
    , stride_(stride)
    , clip_(clip)
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

// std::ceil for the pixel coordinates of a canvas, all within int: the
// library's covers every double and costs a branch more per row.
inline int ceilToInt(double v)
{
    const int whole = static_cast<int>(v);
    return whole + static_cast<int>(static_cast<double>(whole) < v);
}

// Sorts the four corners top first, left first on a row: four compares
// instead of a general sort for every pen segment.
void sortTopDown(std::array<Corner, 4>& c)
{
    const auto before = [](const Corner& a, const Corner& b) { return a.y < b.y || (a.y == b.y && a.x < b.x); };
    const auto order = [&](Corner& a, Corner& b) {
        if (before(b, a)) std::swap(a, b);
    };
    order(c[0], c[1]);
    order(c[2], c[3]);
    order(c[0], c[2]);
    order(c[1], c[3]);
    order(c[1], c[2]);
}

// Four pixels a store: the rows of wide pen segments are short, and there
// are hundreds of thousands of them on a crowded canvas.
inline void fillPixels(QRgb* from, QRgb* to, QRgb colour)
{
    const std::array<QRgb, 4> four = {colour, colour, colour, colour};
    for (; to - from >= 4; from += 4) std::memcpy(from, four.data(), sizeof four);
    for (; from != to; ++from) *from = colour;
}

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
    sortTopDown(c);
    const Corner top = c[0], bottom = c[3];
    const Corner left = c[1].x <= c[2].x ? c[1] : c[2];
    const Corner right = c[1].x <= c[2].x ? c[2] : c[1];
    const EdgeLine topLeft(top, left), leftBottom(left, bottom), topRight(top, right), rightBottom(right, bottom);
    const int firstRow = std::max(ceilToInt(top.y - 0.5), clip_.top());
    const int lastRow = std::min(ceilToInt(bottom.y - 0.5) - 1, clip_.bottom());
    const int clipLeft = clip_.left(), clipRight = clip_.right();
    const QRgb opaque = colour | 0xFF000000U;
    for (int y = firstRow; y <= lastRow; ++y) {
        const double cy = y + 0.5;
        const double xl = cy < left.y ? topLeft.at(cy) : leftBottom.at(cy);
        const double xr = cy < right.y ? topRight.at(cy) : rightBottom.at(cy);
        const int fromX = std::max(ceilToInt(xl - 0.5), clipLeft);
        const int toX = std::min(ceilToInt(xr - 0.5) - 1, clipRight);
        if (fromX > toX) continue;
        auto* row = reinterpret_cast<QRgb*>(bits_ + stride_ * y);
        fillPixels(row + fromX, row + toX + 1, opaque);
    }
}

// Below a few thousand lines, or a few rows a band, handing a band to
// another thread costs more than it saves. The bands lie apart, so any
// order will do: a band no pooled thread is free for is drawn here, which
// also keeps a paint on a pooled thread from waiting on its own pool.
void PixelLines::drawInTurn(std::span<const PixelLine> lines)
{
    constexpr std::size_t kLinesPerThread = 4096;
    constexpr int kRowsPerThread = 64;
    QThreadPool& pool = *QThreadPool::globalInstance();
    const int bands = std::min({std::max(1, pool.maxThreadCount()),
                                static_cast<int>(std::min<std::size_t>(lines.size() / kLinesPerThread, 64)),
                                clip_.height() / kRowsPerThread});
    if (bands < 2) {
        drawAll(lines);
        return;
    }
    const auto drawBand = [&](int band) {
        const int top = clip_.top() + clip_.height() * band / bands;
        const int bottom = clip_.top() + clip_.height() * (band + 1) / bands;
        PixelLines(bits_, stride_, QRect(clip_.left(), top, clip_.width(), bottom - top)).drawAll(lines);
    };
    QSemaphore drawn;
    for (int band = 1; band < bands; ++band) {
        if (!pool.tryStart([&, band] {
                drawBand(band);
                drawn.release();
            })) {
            drawBand(band);
            drawn.release();
        }
    }
    drawBand(0);
    drawn.acquire(bands - 1);
}

// A line whose rows all lie outside the clip is passed over at once: a
// wide line reaches less than its width beyond its ends.
void PixelLines::drawAll(std::span<const PixelLine> lines)
{
    for (const PixelLine& each : lines) {
        const int reach = each.width + 1;
        if (std::max(each.line.y1(), each.line.y2()) + reach < clip_.top() ||
            std::min(each.line.y1(), each.line.y2()) - reach > clip_.bottom())
            continue;
        if (each.width == 1)
            thinLine(each.line, each.colour);
        else
            wideLine(each.line, each.width, each.colour);
    }
}

} // namespace kinsketch
