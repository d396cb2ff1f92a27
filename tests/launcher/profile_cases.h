#pragma once

#include <string>
#include <vector>

namespace kinsketch::launcher {

// What the Windows profile reader answers for fixtures/launcher/profile_rules.ini; both readers are held to it.
struct ProfileCase {
    std::string section, key, expected;
};

// clang-format off
inline const std::vector<ProfileCase> profileRulesCases{
    {"VERUP", "Path", "D:\\APP\\"}, {"VERUP", "AppDB", "first.mdb"}, {"verup", "APPDB", "first.mdb"},
    {"VERUP", "FMenu", "frmMenu"}, {"VERUP", "Quoted", "single"}, {"VERUP", "Mismatched", "\"open"},
    {"VERUP", "Inner", "a \"b\" c"}, {"VERUP", "Empty", ""}, {"VERUP", "NoEquals", ""},
    {"VERUP", "Spaced", "two words"}, {"VERUP", "Long", std::string(254, 'x')}, {"VERUP", "AC2003Boot", ""},
    {"Other", "AppDB", "other.mdb"}, {"Missing", "AppDB", ""}, {"VERUP", "Missing", ""}};
// clang-format on

} // namespace kinsketch::launcher
