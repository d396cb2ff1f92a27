#include "launcher/core/reg_file.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace kinsketch::launcher {
namespace {

std::string utf16le(const std::string& ascii)
{
    std::string out = "\xFF\xFE";
    for (char c : ascii) {
        out += c;
        out += '\0';
    }
    return out;
}

const std::string exportText = "Windows Registry Editor Version 5.00\r\n\r\n"
                               "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Classes\\Access.Application.16\\CLSID]\r\n"
                               "@=\"{73A4C9C1-D68D-11D0-98BF-00A0C90DC8D9}\"\r\n\r\n"
                               "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Office\\16.0\\Access\\InstallRoot]\r\n"
                               "\"Path\"=\"C:\\\\Program Files\\\\Office \\\"16\\\"\\\\\"\r\n"
                               "\"Binary\"=hex:01,02,\\\r\n  03\r\n"
                               "\"Count\"=dword:00000001\r\n\r\n"
                               "[HKEY_CURRENT_USER\\SOFTWARE\\Microsoft\\Office\\16.0\\Access\\InstallRoot]\r\n"
                               "\"Path\"=\"C:\\\\User\\\\\"\r\n";

TEST(RegFile, ReadsStringValuesOfBothExportEncodings)
{
    for (const std::string& bytes : {exportText, utf16le(exportText)}) {
        const RegFile file = RegFile::parse(bytes);
        EXPECT_EQ(file.value("Software\\Classes\\Access.Application.16\\CLSID", ""),
                  "{73A4C9C1-D68D-11D0-98BF-00A0C90DC8D9}");
        EXPECT_EQ(file.value("software\\microsoft\\office\\16.0\\access\\installroot", "path"),
                  "C:\\Program Files\\Office \"16\"\\");
        EXPECT_FALSE(file.value("Software\\Microsoft\\Office\\16.0\\Access\\InstallRoot", "Binary"));
        EXPECT_FALSE(file.value("Software\\Microsoft\\Office\\16.0\\Access\\InstallRoot", "Count"));
        EXPECT_FALSE(file.value("Software\\Microsoft\\Office\\16.0\\Access\\InstallRoot", ""));
    }
}

TEST(RegFile, KeysExistWithTheirParentsButOnlyUnderTheMachineRoot)
{
    const RegFile file = RegFile::parse(exportText);
    EXPECT_TRUE(file.keyExists("Software\\Microsoft\\Office\\16.0\\Access\\InstallRoot"));
    EXPECT_TRUE(file.keyExists("SOFTWARE\\Microsoft\\Office\\16.0"));
    EXPECT_FALSE(file.keyExists("Software\\Microsoft\\Office\\16"));
    EXPECT_FALSE(file.keyExists("Software\\Microsoft\\Office\\15.0\\Access\\InstallRoot"));
    const RegFile userOnly = RegFile::parse(
        "REGEDIT4\n[HKEY_CURRENT_USER\\Software\\Microsoft\\Office\\14.0\\Access\\InstallRoot]\n\"Path\"=\"C:\\\\\"\n");
    EXPECT_FALSE(userOnly.keyExists("Software\\Microsoft\\Office\\14.0\\Access\\InstallRoot"));
}

TEST(RegFile, TheBundledSampleNamesAnInstalledAccess)
{
    std::ifstream in(KINSKETCH_SAMPLE_REG, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    const RegFile file = RegFile::parse(bytes.str());
    const auto root = file.value("Software\\Microsoft\\Office\\16.0\\Access\\InstallRoot", "Path");
    ASSERT_TRUE(root);
    EXPECT_TRUE(root->ends_with("\\"));
}

} // namespace
} // namespace kinsketch::launcher
