#pragma once
// What the picture tests share: a QGuiApplication on the offscreen platform
// with the font table installed, pixel comparison, and the fixture folders.

#include <QGuiApplication>
#include <QImage>

#include <filesystem>
#include <memory>
#include <string>

namespace kinsketch::test {

void ensureGuiApplication();

inline std::filesystem::path fixtureDir() { return KINSKETCH_FIXTURE_DIR; }
inline std::filesystem::path goldenDir() { return fixtureDir() / "golden"; }
inline std::filesystem::path canvasFixtureDir() { return fixtureDir() / "canvas"; }

// True when the reference files are to be written instead of compared.
bool regeneratingGolden();

// Empty when equal; otherwise where and how the pictures differ.
std::string pictureDifference(const QImage& actual, const QImage& expected);

} // namespace kinsketch::test
