#include "launcher/core/access_boot_type.h"

#include <map>
#include <string>

namespace kinsketch::launcher {

namespace {

using enum AccessSearchSource;

// The hundreds pick the version ("11", "14", "15", "16"); a unit of 0 tries
// automation first, a unit of 2 prefers the installation key.
const std::map<std::int32_t, AccessBootVariant>& variants() {
    static const std::map<std::int32_t, AccessBootVariant> table{
        {0, {true, {{automationClass, "11"}, {officeInstallRoot, "11"}}}},
        {1, {false, {{automationClass, "11"}, {officeInstallRoot, "11"}}}},
        {2, {false, {{officeInstallRoot, "11"}, {automationClass, "11"}}}},
        {100, {true, {{automationClass, "14"}, {officeInstallRoot, "14"}}}},
        {101, {false, {{automationClass, "14"}, {officeInstallRoot, "14"}}}},
        {102, {false, {{officeInstallRoot, "14"}, {automationClass, "14"}}}},
        {130, {true, {{automationClass, "15"}, {officeInstallRoot, "15"}}}},
        {131, {false, {{automationClass, "15"}, {officeInstallRoot, "15"}}}},
        {132, {false, {{officeInstallRoot, "15"}, {automationClass, "15"}, {automationClass, "16"}}}},
        {160, {true, {{automationClass, "16"}, {officeInstallRoot, "16"}}}},
        {161, {false, {{automationClass, "16"}, {officeInstallRoot, "16"}}}},
        {162, {false, {{officeInstallRoot, "16"}, {automationClass, "16"}, {automationClass, "15"}}}},
    };
    return table;
}

const AccessBootVariant unsetVariant{
    false, {{officeInstallRoot, "16"}, {automationClass, "16"}, {automationClass, "15"}, {applicationPath, ""}}};

}  // namespace

std::int32_t accessBootTypeFromText(std::string_view text, std::int32_t current) {
    if (text.empty()) return unsetAccessBootType;
    // Only the exact spelling of a listed value counts: "01" or "1 " keep current.
    for (const auto& [bootType, variant] : variants()) {
        if (std::to_string(bootType) == text) return bootType;
    }
    return current;
}

const AccessBootVariant& accessBootVariant(std::int32_t accessBootType) {
    const auto found = variants().find(accessBootType);
    return found == variants().end() ? unsetVariant : found->second;
}

}  // namespace kinsketch::launcher
