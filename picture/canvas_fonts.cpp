#include "canvas_fonts.h"

#include "document/code_page_932.h"

#include <QFontDatabase>

#include <algorithm>
#include <array>
#include <cmath>

namespace kinsketch {
namespace {

// A Windows face the documents name: the name they store, the English name
// of the same face, and the IPA face that stands in for it where Windows'
// fonts are not installed. Proportional faces stand in for proportional ones
// and fixed-pitch for fixed-pitch, so that stored label widths keep holding
// their text.
struct WindowsFace {
    const char* name;
    const char* englishName; // nullptr where the face has one name only
    const char* standIn;
};

constexpr std::array<WindowsFace, 7> kWindowsFaces = {{
    {"ＭＳ Ｐゴシック", "MS PGothic", "IPAPGothic"},
    {"ＭＳ ゴシック", "MS Gothic", "IPAGothic"},
    {"ＭＳ Ｐ明朝", "MS PMincho", "IPAPMincho"},
    {"ＭＳ 明朝", "MS Mincho", "IPAMincho"},
    {"MS UI Gothic", nullptr, "IPAPGothic"},
    {"メイリオ", "Meiryo", "IPAPGothic"},
    {"Meiryo UI", nullptr, "IPAPGothic"},
}};

// Windows has its own faces, as every Japanese PC does; elsewhere they are
// drawn with their stand-ins.
#ifdef _WIN32
constexpr bool kWindowsFacesInstalled = true;
#else
constexpr bool kWindowsFacesInstalled = false;
#endif

constexpr double kPixelsPerPoint = 96.0 / 72.0;
constexpr double kSmallestPixelSize = 1.0;

const WindowsFace* windowsFaceNamed(const QString& name)
{
    const auto found = std::find_if(kWindowsFaces.begin(), kWindowsFaces.end(), [&](const WindowsFace& face) {
        return name == QString::fromUtf8(face.name) ||
               (face.englishName && name == QString::fromUtf8(face.englishName));
    });
    return found == kWindowsFaces.end() ? nullptr : &*found;
}

// What tells one offered face from another: a Windows face by its entry,
// drawn by its stand-in where Windows' faces are missing; any other family by
// its name.
QString faceKey(const QString& name)
{
    if (const WindowsFace* face = windowsFaceNamed(name))
        return kWindowsFacesInstalled ? QStringLiteral("windows:") + QString::fromUtf8(face->name)
                                      : QString::fromLatin1(face->standIn);
    return name;
}

} // namespace

void installCanvasFontSubstitutions()
{
    if (kWindowsFacesInstalled) return;
    for (const auto& face : kWindowsFaces) {
        const QString standIn = QString::fromLatin1(face.standIn);
        for (const char* name : {face.name, face.englishName}) {
            if (!name) continue;
            const QString windowsName = QString::fromUtf8(name);
            if (!QFont::substitutes(windowsName).contains(standIn)) QFont::insertSubstitution(windowsName, standIn);
        }
    }
}

QStringList offeredFontNames()
{
    QStringList candidates;
    for (const auto& face : kWindowsFaces) candidates << QString::fromUtf8(face.name);
    for (const QString& family : QFontDatabase::families(QFontDatabase::Japanese))
        if (!QFontDatabase::isPrivateFamily(family) && isCp932Encodable(family.toStdString())) candidates << family;

    QStringList names;
    QStringList faces;
    for (const QString& name : candidates) {
        const QString face = faceKey(name);
        if (faces.contains(face)) continue;
        if (kWindowsFacesInstalled && windowsFaceNamed(name) && !QFontDatabase::hasFamily(name)) continue;
        faces << face;
        names << name;
    }
    return names;
}

QString canvasFontFamily(const std::string& storedName)
{
    const QString name = QString::fromStdString(storedName);
    if (kWindowsFacesInstalled) return name;
    const WindowsFace* face = windowsFaceNamed(name);
    return face ? QString::fromLatin1(face->standIn) : name;
}

QFont canvasFont(const StyledText& text, double scale)
{
    QFont font(canvasFontFamily(text.fontName));
    // Sizes are set in pixels: the picture is always 96 dpi, whatever the screen.
    font.setPixelSize(
        static_cast<int>(std::max(kSmallestPixelSize, std::nearbyint(text.fontSize * kPixelsPerPoint * scale))));
    font.setBold(text.bold);
    font.setItalic(text.italic);
    font.setStrikeOut(text.strikethrough);
    font.setUnderline(text.underline);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

} // namespace kinsketch
