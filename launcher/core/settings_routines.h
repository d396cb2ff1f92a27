#pragma once

#include "launcher/core/platform.h"

#include <string>
#include <string_view>

namespace kinsketch::launcher {

// The settings file the launcher reads, in its own folder.
inline constexpr std::string_view settingsFileName = "ovnVerUP.ini";

// Reading a setting (GfncGetIni): one value of a settings file in folder
// ("" = the launcher's own folder), blanks and a trailing "\" removed; "" when
// the file or the key is missing.
[[nodiscard]] std::string readIniSetting(Platform& platform, const std::string& fileName, const std::string& section,
                                         const std::string& key, const std::string& folder);

// Short paths (GfncShortPath): the short 8.3 form of a path that holds a
// blank or is longer than the classic 255-byte limit; any other path, and any
// path the platform cannot shorten, comes back unchanged.
[[nodiscard]] std::string shortPath(Platform& platform, const std::string& path);

// Cutting at NUL (GfncCutNull): the part of a text before its first NUL character.
[[nodiscard]] std::string cutAtNull(std::string_view text);

} // namespace kinsketch::launcher
