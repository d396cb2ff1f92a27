#include "document/file_names.h"

#include <gtest/gtest.h>

namespace kinsketch {
namespace {

TEST(FileNames, CaseIsIgnoredForAsciiAndFullWidthLetters)
{
    EXPECT_TRUE(sameFileNameIgnoringCase("kinsketch.BMP", "KINSKETCH.bmp"));
    EXPECT_TRUE(sameFileNameIgnoringCase("ａｂｃ山田.gdr", "ＡＢＣ山田.GDR"));
    EXPECT_FALSE(sameFileNameIgnoringCase("山田.gdr", "山口.gdr"));
    EXPECT_FALSE(sameFileNameIgnoringCase("a.bmp", "a.bmp.tmp"));
}

TEST(FileNames, DocumentNamesThatWouldLeaveTheWorkingFolderAreRefused)
{
    for (const char* bad : {"../etc/passwd", "..", "a/b", "a\\b", "C:foo", "c:\\x", "a?b", "a*b", "a|b", "a<b", "a\"b",
                            "tab\there", "trailing.", "trailing ", ""}) {
        SCOPED_TRACE(bad);
        EXPECT_TRUE(documentNameProblem(bad).has_value());
    }
    for (const char* good : {"client01", "山田 太郎", "NEW", "a.b", "kinsketch"}) {
        SCOPED_TRACE(good);
        EXPECT_FALSE(documentNameProblem(good).has_value());
    }
}

} // namespace
} // namespace kinsketch
