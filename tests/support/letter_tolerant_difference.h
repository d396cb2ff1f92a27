#pragma once
// Pictures of one document drawn on two platforms agree but for their
// letters: Linux's FreeType smooths every glyph edge, Windows' GDI draws most
// sizes without smoothing and hints stems its own way, so an edge moves by a
// pixel or two and faint fringe pixels come and go. Everything else (lines,
// symbols, frames, boxes and their colours) is drawn by the same code and
// must be identical.
//
// A pixel is ink where it stands out from the picture without details (its
// ages, remarks and texts left out, so without letters) by a quarter of full
// contrast in some channel. The pictures agree when every pixel in which they
// differ lies within two pixels of ink, and every ink pixel of each lies
// within two pixels of ink of the other. A letter missing, added or moved by
// more than two pixels shows; so does any change away from the letters.

#include <QImage>

#include <cstdlib>
#include <string>
#include <vector>

namespace kinsketch::test {

inline constexpr int kInkContrast = 64;
inline constexpr int kLetterEdgeReach = 2;

// Empty when the pictures agree as above; otherwise what breaks it.
inline std::string letterTolerantDifference(const QImage& actual, const QImage& expected,
                                            const QImage& withoutDetails)
{
    if (actual.size() != expected.size() || actual.size() != withoutDetails.size()) return "sizes differ";
    const QImage a = actual.convertToFormat(QImage::Format_RGB32);
    const QImage e = expected.convertToFormat(QImage::Format_RGB32);
    const QImage bare = withoutDetails.convertToFormat(QImage::Format_RGB32);
    const int width = a.width();
    const int height = a.height();
    const auto standsOut = [](QRgb p, QRgb q) {
        return std::abs(qRed(p) - qRed(q)) >= kInkContrast || std::abs(qGreen(p) - qGreen(q)) >= kInkContrast ||
               std::abs(qBlue(p) - qBlue(q)) >= kInkContrast;
    };
    std::vector<char> inkA(static_cast<std::size_t>(width * height));
    std::vector<char> inkE(inkA.size());
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            inkA[static_cast<std::size_t>(y * width + x)] = standsOut(a.pixel(x, y), bare.pixel(x, y));
            inkE[static_cast<std::size_t>(y * width + x)] = standsOut(e.pixel(x, y), bare.pixel(x, y));
        }
    const auto inkNear = [&](const std::vector<char>& ink, int x, int y) {
        for (int dy = -kLetterEdgeReach; dy <= kLetterEdgeReach; ++dy)
            for (int dx = -kLetterEdgeReach; dx <= kLetterEdgeReach; ++dx) {
                const int nx = x + dx, ny = y + dy;
                if (nx >= 0 && ny >= 0 && nx < width && ny < height && ink[static_cast<std::size_t>(ny * width + nx)])
                    return true;
            }
        return false;
    };
    const auto at = [](int x, int y) { return " at (" + std::to_string(x) + ", " + std::to_string(y) + ")"; };
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const std::size_t i = static_cast<std::size_t>(y * width + x);
            if (a.pixel(x, y) != e.pixel(x, y) && !inkNear(inkA, x, y) && !inkNear(inkE, x, y))
                return "a pixel away from every letter differs" + at(x, y);
            if (inkA[i] && !inkNear(inkE, x, y)) return "a letter stroke the expected picture lacks" + at(x, y);
            if (inkE[i] && !inkNear(inkA, x, y)) return "a letter stroke the picture lacks" + at(x, y);
        }
    return {};
}

} // namespace kinsketch::test
