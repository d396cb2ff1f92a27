#include "launcher/windows/win_text.h"

#include <windows.h>

namespace kinsketch::launcher {

namespace {

std::wstring wideFrom(UINT codePage, const std::string& text)
{
    if (text.empty()) return {};
    const int size = static_cast<int>(text.size());
    const int length = MultiByteToWideChar(codePage, 0, text.data(), size, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(codePage, 0, text.data(), size, wide.data(), length);
    return wide;
}

std::string narrowFrom(UINT codePage, const std::wstring& text)
{
    if (text.empty()) return {};
    const int size = static_cast<int>(text.size());
    const int length = WideCharToMultiByte(codePage, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
    std::string narrow(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(codePage, 0, text.data(), size, narrow.data(), length, nullptr, nullptr);
    return narrow;
}

} // namespace

std::wstring wideFromUtf8(const std::string& text) { return wideFrom(CP_UTF8, text); }
std::string utf8FromWide(const std::wstring& text) { return narrowFrom(CP_UTF8, text); }
std::string ansiFromUtf8(const std::string& text) { return narrowFrom(CP_ACP, wideFrom(CP_UTF8, text)); }
std::string utf8FromAnsi(const std::string& text) { return narrowFrom(CP_UTF8, wideFrom(CP_ACP, text)); }

} // namespace kinsketch::launcher
