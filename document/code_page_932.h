#pragma once
// Text of the working document is stored in code page 932 (Microsoft's
// Shift-JIS); in memory every text is UTF-8.

#include <string>
#include <string_view>

namespace kinsketch {

// UTF-8 → code page 932. Characters that Linux input methods type but the code
// page spells differently (WAVE DASH, MINUS SIGN, ...) are mapped as Windows
// maps them. A character the code page cannot hold raises RunTimeError 5 naming
// it; nothing is ever replaced by "?".
std::string encodeCp932(std::string_view utf8);

// Code page 932 → UTF-8, with the number of characters that had no code of
// their own (an undefined or malformed pair, a lead byte cut off at the end).
// Each of them reads as the code page's default character 「・」, as the
// platform's own conversion reads it, so that one damaged caption costs one
// character and not the document.
struct Cp932Text {
    std::string utf8;
    int unreadable = 0;
};
Cp932Text decodeCp932(std::string_view bytes);

// True when `utf8` can be stored as document text.
bool isCp932Encodable(std::string_view utf8);

// Whether `byte` starts a two-byte character of the code page.
constexpr bool isCp932LeadByte(unsigned char byte)
{
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

// Bytes of the UTF-8 character that starts with `lead`; a stray
// continuation byte counts as one.
constexpr std::size_t utf8CharacterLength(unsigned char lead)
{
    if (lead >= 0xF0) return 4;
    if (lead >= 0xE0) return 3;
    if (lead >= 0xC0) return 2;
    return 1;
}

} // namespace kinsketch
