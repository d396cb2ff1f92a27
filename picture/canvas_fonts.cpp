#include "canvas_fonts.h"

#include "document/code_page_932.h"

#include <QFontDatabase>

#include <algorithm>
#include <array>
#include <cmath>

namespace kinsketch {
namespace {

struct Substitution {
    const char* windowsName;
    const char* installedFamily;
};

// Proportional names go to the proportional IPA faces, fixed-pitch ones to
// the fixed-pitch faces, so that stored label widths keep holding their text.
constexpr std::array<Substitution, 12> kSubstitutions = {{
    {"ＭＳ Ｐゴシック", "IPAPGothic"},
    {"MS PGothic", "IPAPGothic"},
    {"MS UI Gothic", "IPAPGothic"},
    {"ＭＳ ゴシック", "IPAGothic"},
    {"MS Gothic", "IPAGothic"},
    {"ＭＳ Ｐ明朝", "IPAPMincho"},
    {"MS PMincho", "IPAPMincho"},
    {"ＭＳ 明朝", "IPAMincho"},
    {"MS Mincho", "IPAMincho"},
    {"メイリオ", "IPAPGothic"},
    {"Meiryo", "IPAPGothic"},
    {"Meiryo UI", "IPAPGothic"},
}};

constexpr double kPixelsPerPoint = 96.0 / 72.0;
constexpr double kSmallestPixelSize = 1.0;

} // namespace

void installCanvasFontSubstitutions()
{
    for (const auto& s : kSubstitutions) {
        const QString name = QString::fromUtf8(s.windowsName);
        if (!QFont::substitutes(name).contains(QString::fromLatin1(s.installedFamily)))
            QFont::insertSubstitution(name, QString::fromLatin1(s.installedFamily));
    }
}

QStringList offeredFontNames()
{
    QStringList names;
    QStringList faces;
    for (const auto& s : kSubstitutions) {
        const QString face = QString::fromLatin1(s.installedFamily);
        if (faces.contains(face)) continue;
        faces << face;
        names << QString::fromUtf8(s.windowsName);
    }
    for (const QString& family : QFontDatabase::families(QFontDatabase::Japanese)) {
        if (QFontDatabase::isPrivateFamily(family) || faces.contains(family)) continue;
        if (isCp932Encodable(family.toStdString())) names << family;
    }
    return names;
}

QString canvasFontFamily(const std::string& storedName)
{
    const auto found = std::find_if(kSubstitutions.begin(), kSubstitutions.end(),
                                    [&](const Substitution& s) { return storedName == s.windowsName; });
    if (found != kSubstitutions.end()) return QString::fromLatin1(found->installedFamily);
    return QString::fromStdString(storedName);
}

QFont canvasFont(const LabelWidget& label, double scale)
{
    QFont font(canvasFontFamily(label.fontName));
    // Sizes are set in pixels: the picture is always 96 dpi, whatever the screen.
    font.setPixelSize(
        static_cast<int>(std::max(kSmallestPixelSize, std::nearbyint(label.fontSize * kPixelsPerPoint * scale))));
    font.setBold(label.bold);
    font.setItalic(label.italic);
    font.setStrikeOut(label.strikethru);
    font.setUnderline(label.underline);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

} // namespace kinsketch
