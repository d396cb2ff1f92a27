#pragma once

#include <string>
#include <string_view>

namespace kinsketch::launcher {

// Removes leading and trailing spaces only, the way the classic Trim does.
[[nodiscard]] std::string trimSpaces(std::string_view text);
[[nodiscard]] std::string upperAscii(std::string_view text);
[[nodiscard]] bool equalsIgnoreCase(std::string_view a, std::string_view b);
[[nodiscard]] bool startsWithIgnoreCase(std::string_view text, std::string_view prefix);

} // namespace kinsketch::launcher
