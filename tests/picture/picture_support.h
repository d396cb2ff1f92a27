#pragma once
// What the picture tests share: the font table installed, pixel comparison,
// and the fixture folders.

#include "tests/support/letter_tolerant_difference.h"
#include "tests/support/poppler.h"

#include "picture/canvas_fonts.h"

#include <QColor>
#include <QImage>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace kinsketch::test {

// The canvas fonts are installed once, after main has made the application.
class CanvasFontsEnvironment : public ::testing::Environment {
    void SetUp() override { installCanvasFontSubstitutions(); }
};
inline ::testing::Environment* const kCanvasFonts = ::testing::AddGlobalTestEnvironment(new CanvasFontsEnvironment);

inline std::filesystem::path fixtureDir() { return KINSKETCH_FIXTURE_DIR; }
inline std::filesystem::path goldenDir() { return fixtureDir() / "golden"; }

// True when the reference files are to be written instead of compared.
inline bool regeneratingGolden()
{
    const char* value = std::getenv("KINSKETCH_REGENERATE_GOLDEN");
    return value && std::string(value) == "1";
}

// Empty when equal; otherwise where and how the pictures differ.
inline std::string pictureDifference(const QImage& actual, const QImage& expected)
{
    if (actual.size() != expected.size())
        return "size " + std::to_string(actual.width()) + "x" + std::to_string(actual.height()) + " instead of " +
               std::to_string(expected.width()) + "x" + std::to_string(expected.height());
    const QImage a = actual.convertToFormat(QImage::Format_RGB32);
    const QImage e = expected.convertToFormat(QImage::Format_RGB32);
    int differing = 0;
    std::string first;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != e.pixel(x, y) && differing++ == 0)
                first = " first at (" + std::to_string(x) + ", " + std::to_string(y) +
                        "): " + QColor(a.pixel(x, y)).name().toStdString() + " instead of " +
                        QColor(e.pixel(x, y)).name().toStdString();
    return differing == 0 ? std::string() : std::to_string(differing) + " pixels differ;" + first;
}

// The reference pictures were drawn on Linux. There a picture must equal its
// reference; on Windows its letters come from another rasteriser, and only
// they may differ from it.
inline std::string referenceDifference(const QImage& actual, const QImage& reference,
                                       [[maybe_unused]] const QImage& withoutDetails)
{
#ifdef _WIN32
    return letterTolerantDifference(actual, reference, withoutDetails);
#else
    return pictureDifference(actual, reference);
#endif
}

} // namespace kinsketch::test
