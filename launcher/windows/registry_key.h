#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace kinsketch::launcher {

// An open key under HKEY_LOCAL_MACHINE, opened for reading and closed once.
class RegistryKey {
public:
    // The key, or nothing when it cannot be opened. subKey is in the ANSI code page.
    [[nodiscard]] static std::optional<RegistryKey> openMachineKey(const std::string& subKey);

    ~RegistryKey();
    RegistryKey(const RegistryKey&) = delete;
    RegistryKey& operator=(const RegistryKey&) = delete;
    RegistryKey(RegistryKey&& other) noexcept;
    RegistryKey& operator=(RegistryKey&&) = delete;

    // The value's bytes as stored, NULs included; nothing when it cannot be read.
    [[nodiscard]] std::optional<std::string> value(const std::string& valueName) const;

private:
    explicit RegistryKey(HKEY key) noexcept
        : key_(key)
    {}

    HKEY key_;
};

} // namespace kinsketch::launcher
