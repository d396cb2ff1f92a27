#include "launcher/core/access_boot_type.h"

#include <map>
#include <string>

namespace kinsketch::launcher {

namespace {

using enum AccessSearchSource;
using enum AccessBootType;

// Unit 0 tries automation first, unit 2 prefers the installation key.
const std::map<AccessBootType, AccessBootVariant>& variants()
{
    static const std::map<AccessBootType, AccessBootVariant> table{
        {access11Automation, {true, {{automationClass, "11"}, {officeInstallRoot, "11"}}}},
        {access11Program, {false, {{automationClass, "11"}, {officeInstallRoot, "11"}}}},
        {access11ProgramInstallRootFirst, {false, {{officeInstallRoot, "11"}, {automationClass, "11"}}}},
        {access14Automation, {true, {{automationClass, "14"}, {officeInstallRoot, "14"}}}},
        {access14Program, {false, {{automationClass, "14"}, {officeInstallRoot, "14"}}}},
        {access14ProgramInstallRootFirst, {false, {{officeInstallRoot, "14"}, {automationClass, "14"}}}},
        {access15Automation, {true, {{automationClass, "15"}, {officeInstallRoot, "15"}}}},
        {access15Program, {false, {{automationClass, "15"}, {officeInstallRoot, "15"}}}},
        {access15ProgramInstallRootFirst,
         {false, {{officeInstallRoot, "15"}, {automationClass, "15"}, {automationClass, "16"}}}},
        {access16Automation, {true, {{automationClass, "16"}, {officeInstallRoot, "16"}}}},
        {access16Program, {false, {{automationClass, "16"}, {officeInstallRoot, "16"}}}},
        {access16ProgramInstallRootFirst,
         {false, {{officeInstallRoot, "16"}, {automationClass, "16"}, {automationClass, "15"}}}},
    };
    return table;
}

const AccessBootVariant unsetVariant{
    false, {{officeInstallRoot, "16"}, {automationClass, "16"}, {automationClass, "15"}, {applicationPath, ""}}};

} // namespace

AccessBootType accessBootTypeFromText(std::string_view text, AccessBootType current)
{
    if (text.empty()) return unset;
    // Only the exact spelling of a listed value counts: "01" or "1 " keep current.
    for (const auto& [bootType, variant] : variants()) {
        if (std::to_string(static_cast<std::int32_t>(bootType)) == text) return bootType;
    }
    return current;
}

const AccessBootVariant& accessBootVariant(AccessBootType accessBootType)
{
    const auto found = variants().find(accessBootType);
    return found == variants().end() ? unsetVariant : found->second;
}

} // namespace kinsketch::launcher
