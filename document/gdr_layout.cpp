#include "gdr_layout.h"

#include "code_page_932.h"

#include <array>
#include <cctype>
#include <string>

namespace kinsketch {
namespace {

bool isTrailByte(std::uint8_t b) { return (b >= 0x40 && b <= 0x7E) || (b >= 0x80 && b <= 0xFC); }

// A character of the converted text: one byte, or a lead byte with its trail.
struct Character {
    std::size_t offset;
    std::size_t length;
};

// The last three characters. Character boundaries depend on everything before
// them, so the whole content is walked from the start, as the conversion to
// text does.
std::array<Character, 3> lastThreeCharacters(ByteView content, std::size_t& found)
{
    std::array<Character, 3> last{};
    found = 0;
    for (std::size_t i = 0; i < content.size();) {
        const std::size_t length =
            (isCp932LeadByte(content[i]) && i + 1 < content.size() && isTrailByte(content[i + 1])) ? 2 : 1;
        last[0] = last[1];
        last[1] = last[2];
        last[2] = {i, length};
        ++found;
        i += length;
    }
    return last;
}

// Whether the characters read as a number: blanks around an optionally signed
// decimal with at most one point.
bool formsNumber(const std::string& text)
{
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ') ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    bool digits = false;
    bool point = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (std::isdigit(static_cast<unsigned char>(c))) {
            digits = true;
        } else if (c == '.' && !point) {
            point = true;
        } else {
            break;
        }
    }
    while (i < text.size() && text[i] == ' ') ++i;
    return digits && i == text.size();
}

} // namespace

GdrLayout recogniseGdrLayout(ByteView content)
{
    std::size_t found = 0;
    const auto last = lastThreeCharacters(content, found);
    if (found < 3) return GdrLayout::Rows18;
    std::string tail;
    for (const Character& c : last) {
        if (c.length != 1) return GdrLayout::Rows18; // a double-byte character is neither "NEW" nor a digit
        tail += static_cast<char>(content[c.offset]);
    }
    if (tail == "NEW") return GdrLayout::Pre202;
    if (formsNumber(tail)) return GdrLayout::Current;
    return GdrLayout::Rows18;
}

std::string_view layoutName(GdrLayout layout)
{
    switch (layout) {
    case GdrLayout::Current: return "current";
    case GdrLayout::Pre202: return "pre202";
    case GdrLayout::Rows18: return "rows18";
    }
    return "rows18";
}

} // namespace kinsketch
