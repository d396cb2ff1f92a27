#pragma once
// Pictures of one document drawn on Linux and Windows differ only in glyph edges; all else must be identical.
// Ink is a pixel standing out by a quarter of full contrast in a channel from the picture without details (no
// letters). They agree when every differing pixel lies within two pixels of ink and each one's ink lies within two
// pixels of the other's: a letter missing, added or moved further shows, and so does any change away from letters.

#include <QImage>

#include <cstdlib>
#include <string>
#include <vector>

namespace kinsketch::test {

inline constexpr int kInkContrast = 64;
inline constexpr int kLetterEdgeReach = 2;

// Empty when the pictures agree as above; otherwise what breaks it.
inline std::string letterTolerantDifference(const QImage& actual, const QImage& expected, const QImage& withoutDetails)
{
    if (actual.size() != expected.size() || actual.size() != withoutDetails.size()) return "sizes differ";
    const QImage a = actual.convertToFormat(QImage::Format_RGB32);
    const QImage e = expected.convertToFormat(QImage::Format_RGB32);
    const QImage bare = withoutDetails.convertToFormat(QImage::Format_RGB32);
    const int width = a.width(), height = a.height();
    const auto standsOut = [](QRgb p, QRgb q) {
        return std::abs(qRed(p) - qRed(q)) >= kInkContrast || std::abs(qGreen(p) - qGreen(q)) >= kInkContrast ||
               std::abs(qBlue(p) - qBlue(q)) >= kInkContrast;
    };
    std::vector<char> inkA(static_cast<std::size_t>(width * height)), inkE(inkA.size());
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            inkA[static_cast<std::size_t>(y * width + x)] = standsOut(a.pixel(x, y), bare.pixel(x, y));
            inkE[static_cast<std::size_t>(y * width + x)] = standsOut(e.pixel(x, y), bare.pixel(x, y));
        }
    const auto inkNear = [&](const std::vector<char>& ink, int x, int y) {
        for (int ny = y - kLetterEdgeReach; ny <= y + kLetterEdgeReach; ++ny)
            for (int nx = x - kLetterEdgeReach; nx <= x + kLetterEdgeReach; ++nx)
                if (a.valid(nx, ny) && ink[static_cast<std::size_t>(ny * width + nx)]) return true;
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
