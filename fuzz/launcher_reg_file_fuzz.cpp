// Feeds arbitrary bytes as the registry export the stand-in platform answers registry reads from, and follows the
// look-ups the launcher makes to find the host program. Nothing may crash, hang or leak.

#include "launcher/core/reg_file.h"

#include <cstdint>
#include <string>

using namespace kinsketch::launcher;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const RegFile registry = RegFile::parse(std::string_view(reinterpret_cast<const char*>(data), size));
    const std::string classes = "Software\\Classes\\";
    if (const auto classId = registry.value(classes + "Access.Application.16\\CLSID", ""))
        (void)registry.value(classes + "CLSID\\" + *classId + "\\LocalServer32", "");
    const std::string installRoot = "Software\\Microsoft\\Office\\16.0\\Access\\InstallRoot";
    if (registry.keyExists(installRoot)) (void)registry.value(installRoot, "Path");
    (void)registry.value("Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\MSACCESS.EXE", "");
    return 0;
}
