#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace kinsketch::launcher {

// The start variant "AC2003Boot" selects (AccessBootType). The number is the
// one the settings file writes: its hundreds pick the host version (0 = 11,
// 100 = 14, 130 = 15, 160 = 16), its unit how the host is started and found.
enum class AccessBootType : std::int32_t {
    access11Automation = 0,
    access11Program = 1,
    access11ProgramInstallRootFirst = 2,
    access14Automation = 100,
    access14Program = 101,
    access14ProgramInstallRootFirst = 102,
    access15Automation = 130,
    access15Program = 131,
    access15ProgramInstallRootFirst = 132,
    access16Automation = 160,
    access16Program = 161,
    access16ProgramInstallRootFirst = 162,
    unset = 999,
};

// Where the path of an installed host application is looked for.
enum class AccessSearchSource {
    automationClass,   // LfncGetAc2003PathA
    officeInstallRoot, // LfncGetAc2003PathB
    applicationPath,   // LfncGetAcCurVerPath
};

struct AccessSearch {
    AccessSearchSource source;
    std::string_view version;
};

// What one boot type asks for: whether an automation object is tried before a
// program start, and in which order the installed program is looked for.
struct AccessBootVariant {
    bool automationFirst;
    std::vector<AccessSearch> searches;
};

// The boot type a text of "AC2003Boot" selects; a text that names no variant keeps current.
[[nodiscard]] AccessBootType accessBootTypeFromText(std::string_view text, AccessBootType current);

// The variant of a boot type; values without a variant of their own get that of unset.
[[nodiscard]] const AccessBootVariant& accessBootVariant(AccessBootType accessBootType);

} // namespace kinsketch::launcher
