#include "code_page_932.h"

#include "code_page_932_platform.h"
#include "run_time_error.h"

#include <algorithm>
#include <array>
#include <utility>

namespace kinsketch {
namespace {

// Characters whose usual Unicode spelling on Linux (the JIS one) differs from
// the one the code page holds; Windows stores them as the right-hand character.
// iconv would store the last three by itself, the Win32 conversion would not.
constexpr std::array<std::pair<std::string_view, std::string_view>, 9> kWindowsVariants{{
    {"\u301C", "\uFF5E"}, // WAVE DASH → FULLWIDTH TILDE
    {"\u2212", "\uFF0D"}, // MINUS SIGN → FULLWIDTH HYPHEN-MINUS
    {"\u2016", "\u2225"}, // DOUBLE VERTICAL LINE → PARALLEL TO
    {"\u00A2", "\uFFE0"}, // CENT SIGN → FULLWIDTH CENT SIGN
    {"\u00A3", "\uFFE1"}, // POUND SIGN → FULLWIDTH POUND SIGN
    {"\u00AC", "\uFFE2"}, // NOT SIGN → FULLWIDTH NOT SIGN
    {"\u2014", "\u2015"}, // EM DASH → HORIZONTAL BAR
    {"\u00A5", "\\"},     // YEN SIGN → REVERSE SOLIDUS, the yen of Japanese fonts
    {"\u203E", "~"},      // OVERLINE → TILDE
}};

constexpr std::string_view kDefaultCharacter = "\u30FB"; // 「・」

bool isAscii(std::string_view text)
{
    for (unsigned char c : text)
        if (c >= 0x80) return false;
    return true;
}

bool hasVariant(std::string_view utf8)
{
    for (const auto& variant : kWindowsVariants)
        if (utf8.find(variant.first) != std::string_view::npos) return true;
    return false;
}

std::string withWindowsVariants(std::string_view utf8)
{
    if (!hasVariant(utf8)) return std::string(utf8);
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        bool replaced = false;
        for (const auto& [from, to] : kWindowsVariants) {
            if (utf8.substr(i, from.size()) == from) {
                out += to;
                i += from.size();
                replaced = true;
                break;
            }
        }
        if (!replaced) out += utf8[i++];
    }
    return out;
}

// The first whole UTF-8 character at `offset`, for error messages.
std::string characterAt(std::string_view utf8, std::size_t offset)
{
    return std::string(utf8.substr(offset, utf8CharacterLength(static_cast<unsigned char>(utf8[offset]))));
}

} // namespace

std::string encodeCp932(std::string_view utf8)
{
    if (isAscii(utf8)) return std::string(utf8);
    const std::string mapped = withWindowsVariants(utf8);
    std::string out;
    const std::size_t bad = cp932::fromUtf8(mapped, out);
    if (bad != std::string_view::npos)
        throw RunTimeError::invalidArgument("「" + characterAt(mapped, bad) + "」は保存できない文字です");
    return out;
}

Cp932Text decodeCp932(std::string_view bytes)
{
    if (isAscii(bytes)) return {std::string(bytes), 0};
    Cp932Text text;
    std::string piece;
    while (!bytes.empty()) {
        const std::size_t bad = cp932::toUtf8(bytes, piece);
        if (bad == std::string_view::npos) {
            text.utf8 += piece;
            break;
        }
        // Not every platform keeps what it converted before a failure, so the
        // part before the character is converted again on its own.
        if (bad > 0 && cp932::toUtf8(bytes.substr(0, bad), piece) == std::string_view::npos) text.utf8 += piece;
        text.utf8 += kDefaultCharacter;
        ++text.unreadable;
        bytes.remove_prefix(
            std::min(bytes.size(), bad + cp932::characterLength(static_cast<unsigned char>(bytes[bad]))));
    }
    return text;
}

bool isCp932Encodable(std::string_view utf8)
{
    try {
        encodeCp932(utf8);
        return true;
    } catch (const RunTimeError&) {
        return false;
    }
}

} // namespace kinsketch
