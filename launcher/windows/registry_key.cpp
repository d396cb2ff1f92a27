#include "launcher/windows/registry_key.h"

#include <utility>

namespace kinsketch::launcher {

std::optional<RegistryKey> RegistryKey::openMachineKey(const std::string& subKey)
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, subKey.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return std::nullopt;
    return RegistryKey(key);
}

RegistryKey::~RegistryKey()
{
    if (key_ != nullptr) RegCloseKey(key_);
}

RegistryKey::RegistryKey(RegistryKey&& other) noexcept
    : key_(std::exchange(other.key_, nullptr))
{}

std::optional<std::string> RegistryKey::value(const std::string& valueName) const
{
    DWORD type = 0;
    DWORD size = 0;
    const char* name = valueName.empty() ? nullptr : valueName.c_str();
    if (RegQueryValueExA(key_, name, nullptr, &type, nullptr, &size) != ERROR_SUCCESS) return std::nullopt;
    if (type != REG_SZ && type != REG_EXPAND_SZ) return std::nullopt;
    std::string bytes(size, '\0');
    if (RegQueryValueExA(key_, name, nullptr, &type, reinterpret_cast<BYTE*>(bytes.data()), &size) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    bytes.resize(size);
    return bytes;
}

} // namespace kinsketch::launcher
