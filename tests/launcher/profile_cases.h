#pragma once

#include <string>
#include <vector>

namespace kinsketch::launcher {

// What the Windows profile reader answers for fixtures/launcher/profile_rules.ini.
// The Linux tests hold the portable reader to it; the Windows tests hold both
// the portable reader and the real API to it.
struct ProfileCase {
    std::string section;
    std::string key;
    std::string expected;
};

inline const std::vector<ProfileCase> profileRulesCases{
    {"VERUP", "Path", "D:\\APP\\"},
    {"VERUP", "AppDB", "first.mdb"},
    {"verup", "APPDB", "first.mdb"},
    {"VERUP", "FMenu", "frmMenu"},
    {"VERUP", "Quoted", "single"},
    {"VERUP", "Mismatched", "\"open"},
    {"VERUP", "Inner", "a \"b\" c"},
    {"VERUP", "Empty", ""},
    {"VERUP", "NoEquals", ""},
    {"VERUP", "Spaced", "two words"},
    {"VERUP", "Long", std::string(254, 'x')},
    {"VERUP", "AC2003Boot", ""},
    {"Other", "AppDB", "other.mdb"},
    {"Missing", "AppDB", ""},
    {"VERUP", "Missing", ""},
};

} // namespace kinsketch::launcher
