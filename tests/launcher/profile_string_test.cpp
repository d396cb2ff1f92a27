#include "launcher/core/profile_string.h"
#include "profile_cases.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace kinsketch::launcher {
namespace {

std::string fixtureText(const std::string& name)
{
    std::ifstream in(std::string(KINSKETCH_FIXTURE_DIR) + "/launcher/" + name, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

TEST(ProfileString, AnswersLikeTheWindowsProfileReader)
{
    const std::string ini = fixtureText("profile_rules.ini");
    ASSERT_FALSE(ini.empty());
    for (const ProfileCase& c : profileRulesCases) {
        EXPECT_EQ(readProfileString(ini, c.section, c.key, 255), c.expected) << c.section << "/" << c.key;
    }
}

TEST(ProfileString, CommentLinesAndTextOutsideSectionsAreNotKeys)
{
    const std::string ini = "AppDB=before.mdb\n[VERUP]\n;AppDB=comment.mdb\n  ; FMenu=x\n";
    EXPECT_EQ(readProfileString(ini, "VERUP", "AppDB", 255), "");
    EXPECT_EQ(readProfileString(ini, "VERUP", ";AppDB", 255), "");
    EXPECT_EQ(readProfileString(ini, "VERUP", "FMenu", 255), "");
}

TEST(ProfileString, BufferCutsTheValueAndNeverOverruns)
{
    const std::string ini = "[s]\nk=abcdef\nlast=xyz";
    EXPECT_EQ(readProfileString(ini, "s", "k", 4), "abc");
    EXPECT_EQ(readProfileString(ini, "s", "k", 1), "");
    EXPECT_EQ(readProfileString(ini, "s", "k", 0), "");
    EXPECT_EQ(readProfileString(ini, "s", "last", 255), "xyz");
}

TEST(ProfileString, SectionLineWithoutClosingBracketIsNoSection)
{
    EXPECT_EQ(readProfileString("[VERUP\nAppDB=a.mdb\n", "VERUP", "AppDB", 255), "");
    EXPECT_EQ(readProfileString("[VERUP] trailing\nAppDB=a.mdb\n", "VERUP", "AppDB", 255), "a.mdb");
}

} // namespace
} // namespace kinsketch::launcher
