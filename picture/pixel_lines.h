#pragma once
// Solid aliased lines written straight into a 32-bit image. A canvas can
// carry tens of thousands of pen segments; going through the paint engine
// for each costs more than a 60 Hz frame, writing their pixels does not.
//
// Pixel (x, y) is the square [x, x + 1) × [y, y + 1); a line end at device
// point (x, y) is that pixel's centre. Thin lines cover every pixel they pass
// through, both ends included; wide lines are rectangles of their width
// around the centre line, extended by half the width at both ends, filled
// where pixel centres lie inside.

#include <QImage>
#include <QLine>
#include <QRect>
#include <QRgb>

#include <span>

namespace kinsketch {

// A line in device pixels with its pen width and colour.
struct PixelLine {
    QLine line;
    int width;
    QRgb colour;
};

class PixelLines {
public:
    // The image must be Format_RGB32 or Format_ARGB32(_Premultiplied).
    // Nothing outside `clip` is written; an empty clip means the whole image.
    explicit PixelLines(QImage& image, const QRect& clip = QRect());

    void thinLine(const QLine& line, QRgb colour);
    void wideLine(const QLine& line, int width, QRgb colour);
    // Draws the lines in turn, thin or wide by their width. Tens of thousands
    // are shared out among threads, each writing every line into a band of
    // rows of its own: each pixel still ends as the last line over it left it.
    void drawInTurn(std::span<const PixelLine> lines);

    static bool canDrawOn(const QImage& image);

private:
    PixelLines(uchar* bits, qsizetype stride, const QRect& clip);
    void drawAll(std::span<const PixelLine> lines);
    void span(int y, int fromX, int toX, QRgb colour);

    uchar* bits_;
    qsizetype stride_;
    QRect clip_;
};

} // namespace kinsketch
