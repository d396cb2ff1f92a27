#pragma once

#include <string>

namespace kinsketch::launcher {

// The core speaks UTF-8; the profile, registry and short-path calls speak the
// ANSI code page (932 on the machines the launcher serves), the window and
// message calls UTF-16.
[[nodiscard]] std::wstring wideFromUtf8(const std::string& text);
[[nodiscard]] std::string utf8FromWide(const std::wstring& text);
[[nodiscard]] std::string ansiFromUtf8(const std::string& text);
[[nodiscard]] std::string utf8FromAnsi(const std::string& text);

} // namespace kinsketch::launcher
