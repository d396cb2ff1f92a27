// Japanese text in code page 932 as Windows stores it; and every character
// of the code page, both ways, against a digest of what the iconv conversion
// of the Linux build gives: the Win32 conversion of the Windows build has to
// match it code for code, refusals and error messages included. A deliberate
// change to either is taken in by printing the new digests on Linux.

#include "document/code_page_932.h"
#include "document/run_time_error.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>

namespace kinsketch {
namespace {

class Digest {
public:
    void add(std::string_view text)
    {
        for (unsigned char c : text) value_ = (value_ ^ c) * 0x100000001B3u;
        value_ = (value_ ^ 0xFF) * 0x100000001B3u; // keeps "ab"+"c" apart from "a"+"bc"
    }
    void addResult(const std::function<std::string()>& convert)
    {
        try {
            add(convert());
        } catch (const RunTimeError& e) {
            add(std::to_string(e.number()) + e.description());
        }
    }
    std::uint64_t value() const { return value_; }

private:
    std::uint64_t value_ = 0xCBF29CE484222325u;
};

std::string utf8(char32_t c)
{
    std::string s;
    if (c < 0x80) {
        s += static_cast<char>(c);
    } else if (c < 0x800) {
        s += static_cast<char>(0xC0 | (c >> 6));
        s += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        s += static_cast<char>(0xE0 | (c >> 12));
        s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (c & 0x3F));
    }
    return s;
}

TEST(CodePage932Table, EveryBasicPlaneCharacterEncodesAsIconvEncodesIt)
{
    Digest digest;
    for (char32_t c = 1; c < 0x10000; ++c)
        if (c < 0xD800 || c > 0xDFFF) digest.addResult([&] { return encodeCp932(utf8(c)); });
    EXPECT_EQ(digest.value(), 0x0AAD027E94F08213u);
}

TEST(CodePage932Table, EveryOneAndTwoByteSequenceDecodesAsIconvDecodesIt)
{
    Digest digest;
    for (int lead = 1; lead < 0x100; ++lead) {
        const std::string single(1, static_cast<char>(lead));
        digest.addResult([&] { return decodeCp932(single); });
        if (lead < 0x80) continue;
        for (int trail = 0; trail < 0x100; ++trail)
            digest.addResult([&] { return decodeCp932(single + static_cast<char>(trail)); });
    }
    EXPECT_EQ(digest.value(), 0xC81C31AF01D7446Fu);
}

TEST(CodePage932, JapaneseTextRoundTripsWithWindowsCodes)
{
    for (const char* text : {"①", "髙", "～", "㈱", "長男　７５歳", "ｶﾀｶﾅ", "abc\\~"}) {
        SCOPED_TRACE(text);
        EXPECT_EQ(decodeCp932(encodeCp932(text)), text);
    }
    EXPECT_EQ(encodeCp932("髙"), "\xFB\xFC"); // the code Windows writes, not the NEC-selected ED 40
    EXPECT_EQ(encodeCp932("㈱"), "\x87\x8A");
    EXPECT_EQ(decodeCp932("\xED\x40"), "纊"); // the other code of a doubly coded character still reads
}

TEST(CodePage932, LinuxSpellingsAreStoredAsWindowsStoresThem)
{
    EXPECT_EQ(encodeCp932("\u301C\u2212\u2016\u00A2\u00A3\u00AC"), "\x81\x60\x81\x7C\x81\x61\x81\x91\x81\x92\x81\xCA");
    // Read back, they are the characters Windows shows.
    EXPECT_EQ(decodeCp932(encodeCp932("5\u301C7")), "5～7");
}

TEST(CodePage932, TextTheCodePageCannotHoldIsAnErrorNeverAQuestionMark)
{
    const std::pair<std::string, std::string> cases[] = {{"😀", "😀"}, {"𠮷野家", "𠮷"}, {"café", "é"}};
    for (const auto& [text, refused] : cases) {
        SCOPED_TRACE(text);
        EXPECT_FALSE(isCp932Encodable(text));
        try {
            encodeCp932("長男" + text);
            FAIL() << "encoded";
        } catch (const RunTimeError& e) {
            EXPECT_EQ(e.number(), 5);
            EXPECT_NE(e.description().find("「" + refused + "」"), std::string::npos) << e.description();
        }
    }
    EXPECT_THROW(decodeCp932("\x82"), RunTimeError); // a lead byte without its trail
    EXPECT_THROW(decodeCp932("\xFF\xFF"), RunTimeError);
}

} // namespace
} // namespace kinsketch
