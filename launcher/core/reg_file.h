#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace kinsketch::launcher {

// The string values under HKEY_LOCAL_MACHINE of a registry export in the
// regedit text format ("REGEDIT4" or version 5.00, UTF-16LE with its byte
// order mark or 8-bit text). The stand-in platform answers registry reads
// from it where no registry exists. Key and value names compare without
// regard to case; other roots and non-string values are left out.
class RegFile {
public:
    [[nodiscard]] static RegFile parse(std::string_view bytes);

    [[nodiscard]] bool keyExists(std::string_view subKey) const;
    // An empty value name reads the key's default value ("@").
    [[nodiscard]] std::optional<std::string> value(std::string_view subKey, std::string_view valueName) const;

private:
    // Keyed by the upper-cased sub key, then by the upper-cased value name.
    std::map<std::string, std::map<std::string, std::string>> keys_;
};

} // namespace kinsketch::launcher
