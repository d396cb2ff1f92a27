#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace kinsketch::launcher {

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

// What one AccessBootType value asks for: whether an automation object is
// tried before a program start, and in which order the installed program is
// looked for.
struct AccessBootVariant {
    bool automationFirst;
    std::vector<AccessSearch> searches;
};

inline constexpr std::int32_t unsetAccessBootType = 999;

// The value "AC2003Boot" selects; a text that names no variant keeps current.
std::int32_t accessBootTypeFromText(std::string_view text, std::int32_t current);

// The variant of a boot type; values without a variant of their own get that of 999.
const AccessBootVariant& accessBootVariant(std::int32_t accessBootType);

}  // namespace kinsketch::launcher
