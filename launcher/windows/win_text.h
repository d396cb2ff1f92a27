#pragma once

#include <string>

namespace kinsketch::launcher {

// The core speaks UTF-8; the profile, registry and short-path calls speak the
// ANSI code page (932 on the machines the launcher serves), the window and
// message calls UTF-16.
std::wstring wideFromUtf8(const std::string& text);
std::string utf8FromWide(const std::wstring& text);
std::string ansiFromUtf8(const std::string& text);
std::string utf8FromAnsi(const std::string& text);

}  // namespace kinsketch::launcher
