// The two text formats the launcher reads without the platform's help: the
// settings file and the registry export of the stand-in platform.

#include "launcher/core/profile_string.h"
#include "launcher/core/reg_file.h"
#include "profile_cases.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace kinsketch::launcher {
namespace {

std::string fileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

TEST(ProfileString, AnswersLikeTheWindowsProfileReader)
{
    const std::string ini = fileBytes(std::string(KINSKETCH_FIXTURE_DIR) + "/launcher/profile_rules.ini");
    ASSERT_FALSE(ini.empty());
    for (const ProfileCase& c : profileRulesCases) {
        EXPECT_EQ(readProfileString(ini, c.section, c.key, 255), c.expected) << c.section << "/" << c.key;
    }
}

TEST(ProfileString, CommentsTextOutsideSectionsBrokenSectionsAndTheBufferSize)
{
    const std::string outside = "AppDB=before.mdb\n[VERUP]\n;AppDB=comment.mdb\n  ; FMenu=x\n";
    const std::string values = "[VERUP]\nk=abcdef\nlast=xyz";
    const struct {
        std::string ini;
        const char* key;
        std::size_t bufferSize;
        const char* expected;
    } cases[] = {
        {outside, "AppDB", 255, ""},
        {outside, ";AppDB", 255, ""},
        {outside, "FMenu", 255, ""},
        {values, "k", 4, "abc"},
        {values, "k", 1, ""},
        {values, "k", 0, ""},
        {values, "last", 255, "xyz"},
        {"[VERUP\nAppDB=a.mdb\n", "AppDB", 255, ""},
        {"[VERUP] trailing\nAppDB=a.mdb\n", "AppDB", 255, "a.mdb"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(readProfileString(c.ini, "VERUP", c.key, c.bufferSize), c.expected) << c.ini << c.key;
    }
}

std::string utf16le(const std::string& ascii)
{
    std::string out = "\xFF\xFE";
    for (char c : ascii) out += {c, '\0'};
    return out;
}

const std::string exportText = "Windows Registry Editor Version 5.00\r\n\r\n"
                               "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Classes\\Access.Application.16\\CLSID]\r\n"
                               "@=\"{73A4C9C1-D68D-11D0-98BF-00A0C90DC8D9}\"\r\n\r\n"
                               "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Office\\16.0\\Access\\InstallRoot]\r\n"
                               "\"Path\"=\"C:\\\\Program Files\\\\Office \\\"16\\\"\\\\\"\r\n"
                               "\"Binary\"=hex:01,02,\\\r\n  03\r\n"
                               "\"Count\"=dword:00000001\r\n\r\n"
                               "[HKEY_CURRENT_USER\\SOFTWARE\\Microsoft\\Office\\14.0\\Access\\InstallRoot]\r\n"
                               "\"Path\"=\"C:\\\\User\\\\\"\r\n";

TEST(RegFile, ReadsMachineStringValuesOfBothExportEncodings)
{
    const std::string installRoot = "Software\\Microsoft\\Office\\16.0\\Access\\InstallRoot";
    for (const std::string& bytes : {exportText, utf16le(exportText)}) {
        const RegFile file = RegFile::parse(bytes);
        EXPECT_EQ(file.value("Software\\Classes\\Access.Application.16\\CLSID", ""),
                  "{73A4C9C1-D68D-11D0-98BF-00A0C90DC8D9}");
        EXPECT_EQ(file.value("software\\microsoft\\office\\16.0\\access\\installroot", "path"),
                  "C:\\Program Files\\Office \"16\"\\");
        EXPECT_FALSE(file.value(installRoot, "Binary"));
        EXPECT_FALSE(file.value(installRoot, "Count"));
        EXPECT_FALSE(file.value(installRoot, ""));
        EXPECT_TRUE(file.keyExists(installRoot));
        EXPECT_TRUE(file.keyExists("SOFTWARE\\Microsoft\\Office\\16.0"));
        EXPECT_FALSE(file.keyExists("Software\\Microsoft\\Office\\16"));
        EXPECT_FALSE(file.keyExists("Software\\Microsoft\\Office\\14.0\\Access\\InstallRoot"));
    }
}

TEST(RegFile, TheBundledSampleNamesAnInstalledAccess)
{
    const RegFile file = RegFile::parse(fileBytes(KINSKETCH_SAMPLE_REG));
    const auto root = file.value("Software\\Microsoft\\Office\\16.0\\Access\\InstallRoot", "Path");
    ASSERT_TRUE(root);
    EXPECT_TRUE(root->ends_with("\\"));
}

} // namespace
} // namespace kinsketch::launcher
