// Code page 932 as Windows stores it; the Windows build's conversion must match the digests of the Linux (iconv) one
// code for code, refusals and messages included. A deliberate change prints the new digests on Linux.

#include "document/code_page_932.h"
#include "document/run_time_error.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace kinsketch {
namespace {

struct Digest {
    void add(std::string_view text)
    {
        for (unsigned char c : text) value = (value ^ c) * 0x100000001B3u;
        value = (value ^ 0xFF) * 0x100000001B3u; // keeps "ab"+"c" apart from "a"+"bc"
    }
    std::uint64_t value = 0xCBF29CE484222325u;
};

// Characters below U+10000 take one to three bytes.
std::string utf8(char32_t c)
{
    const auto byte = [](char32_t bits) { return static_cast<char>(bits); };
    if (c < 0x80) return {byte(c)};
    if (c < 0x800) return {byte(0xC0 | (c >> 6)), byte(0x80 | (c & 0x3F))};
    return {byte(0xE0 | (c >> 12)), byte(0x80 | ((c >> 6) & 0x3F)), byte(0x80 | (c & 0x3F))};
}

TEST(CodePage932Table, EveryBasicPlaneCharacterAndEveryOneAndTwoByteSequenceConvertAsIconvConvertsThem)
{
    Digest digest, decoded;
    for (char32_t c = 1; c < 0x10000; ++c) {
        if (c >= 0xD800 && c <= 0xDFFF) continue;
        try {
            digest.add(encodeCp932(utf8(c)));
        } catch (const RunTimeError& e) {
            digest.add(std::to_string(e.number()) + e.description());
        }
    }
    EXPECT_EQ(digest.value, 0x0AAD027E94F08213u);

    const auto addDecoded = [&](const std::string& bytes) {
        const Cp932Text text = decodeCp932(bytes);
        decoded.add(text.utf8 + "/" + std::to_string(text.unreadable));
    };
    for (int lead = 1; lead < 0x100; ++lead) {
        const std::string single(1, static_cast<char>(lead));
        addDecoded(single);
        if (lead < 0x80) continue;
        for (int trail = 0; trail < 0x100; ++trail) addDecoded(single + static_cast<char>(trail));
    }
    EXPECT_EQ(decoded.value, 0xE762A8730A84F221u);
}

// Multi-character text comes back (each character's code is pinned by the digests); text the code page cannot hold is
// an error naming the character, never a question mark.
TEST(CodePage932, JapaneseTextRoundTripsAndTextItCannotHoldIsAnErrorNamingTheCharacter)
{
    for (const char* text : {"①", "髙", "～", "㈱", "長男　７５歳", "ｶﾀｶﾅ", "abc\\~"})
        EXPECT_EQ(decodeCp932(encodeCp932(text)).utf8, text);
    const std::pair<std::string, std::string> cases[] = {{"😀", "😀"}, {"𠮷野家", "𠮷"}, {"café", "é"}};
    for (const auto& [text, refused] : cases) {
        EXPECT_FALSE(isCp932Encodable(text)) << text;
        EXPECT_THAT([&] { encodeCp932("長男" + text); },
                    ::testing::Throws<RunTimeError>(::testing::AllOf(
                        ::testing::Property(&RunTimeError::number, 5),
                        ::testing::Property(&RunTimeError::description, ::testing::HasSubstr("「" + refused + "」")))));
    }
}

} // namespace
} // namespace kinsketch
