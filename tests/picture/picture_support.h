#pragma once
// What the picture tests share: the font table installed, pixel comparison and the fixture folders.

#include "tests/support/letter_tolerant_difference.h"
#include "tests/support/poppler.h"

#include "picture/canvas_fonts.h"

#include <QColor>
#include <QImage>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace kinsketch::test {

// The canvas fonts are installed once, after main has made the application.
class CanvasFontsEnvironment : public ::testing::Environment {
    void SetUp() override { installCanvasFontSubstitutions(); }
};
inline ::testing::Environment* const kCanvasFonts = ::testing::AddGlobalTestEnvironment(new CanvasFontsEnvironment);

inline std::filesystem::path fixtureDir() { return KINSKETCH_FIXTURE_DIR; }

// True when the reference files are to be written instead of compared.
inline bool regeneratingGolden() { return qEnvironmentVariable("KINSKETCH_REGENERATE_GOLDEN") == "1"; }

// Empty when equal; otherwise where and how the pictures differ.
inline std::string pictureDifference(const QImage& actual, const QImage& expected)
{
    const auto size = [](const QImage& i) { return std::to_string(i.width()) + "x" + std::to_string(i.height()); };
    if (actual.size() != expected.size()) return "size " + size(actual) + " instead of " + size(expected);
    const QImage a = actual.convertToFormat(QImage::Format_RGB32), e = expected.convertToFormat(QImage::Format_RGB32);
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

// The references were drawn on Linux, where a picture must equal its reference; on Windows only letters may differ.
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
