#include "document/code_page_932.h"
#include "document/run_time_error.h"

#include <gtest/gtest.h>

namespace kinsketch {
namespace {

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
    for (const char* text : {"😀", "𠮷野家", "café"}) {
        SCOPED_TRACE(text);
        try {
            encodeCp932(text);
            FAIL() << "encoded";
        } catch (const RunTimeError& e) {
            EXPECT_EQ(e.number(), 5);
        }
        EXPECT_FALSE(isCp932Encodable(text));
    }
    try {
        encodeCp932("長男😀");
    } catch (const RunTimeError& e) {
        EXPECT_NE(e.description().find("「😀」"), std::string::npos) << e.description();
    }
    EXPECT_THROW(decodeCp932("\x82"), RunTimeError); // a lead byte without its trail
    EXPECT_THROW(decodeCp932("\xFF\xFF"), RunTimeError);
}

} // namespace
} // namespace kinsketch
