#include "code_page_932_platform.h"

#include <algorithm>
#include <climits>

#include <windows.h>

namespace kinsketch::cp932 {
namespace {

constexpr UINT kCodePage932 = 932;

// Windows gives the single bytes 80, A0 and FD-FF characters of their own
// (U+0080, U+F8F0-U+F8F3); iconv holds them no text, and neither may we.
bool hasByteIconvRejects(std::string_view cp932)
{
    for (std::size_t i = 0; i < cp932.size();) {
        const auto byte = static_cast<unsigned char>(cp932[i]);
        if (byte == 0x80 || byte == 0xA0 || byte >= 0xFD) return true;
        i += characterLength(byte);
    }
    return false;
}

// One conversion through UTF-16; false when any character is malformed or has
// no code of its own in the target. Best-fit mappings (é → e and the like)
// count as having none, as iconv does not make them.
bool convertWhole(UINT from, UINT to, std::string_view in, std::string& out)
{
    out.clear();
    if (in.empty()) return true;
    // No character grows beyond three bytes, so every size below fits the API's int.
    if (in.size() > INT_MAX / 3 || (from == kCodePage932 && hasByteIconvRejects(in))) return false;
    const int inSize = static_cast<int>(in.size());
    const int wideSize = ::MultiByteToWideChar(from, MB_ERR_INVALID_CHARS, in.data(), inSize, nullptr, 0);
    if (wideSize == 0) return false;
    std::wstring wide(static_cast<std::size_t>(wideSize), L'\0');
    ::MultiByteToWideChar(from, MB_ERR_INVALID_CHARS, in.data(), inSize, wide.data(), wideSize);
    // The UTF-8 code page takes neither flags nor the used-default report.
    const DWORD flags = to == CP_UTF8 ? 0 : WC_NO_BEST_FIT_CHARS;
    BOOL usedDefault = FALSE;
    BOOL* reportDefault = to == CP_UTF8 ? nullptr : &usedDefault;
    const int outSize = ::WideCharToMultiByte(to, flags, wide.data(), wideSize, nullptr, 0, nullptr, reportDefault);
    if (outSize == 0 || usedDefault) return false;
    out.resize(static_cast<std::size_t>(outSize));
    ::WideCharToMultiByte(to, flags, wide.data(), wideSize, out.data(), outSize, nullptr, nullptr);
    return to != kCodePage932 || !hasByteIconvRejects(out);
}

// Whole strings convert in one call; only a failure goes character by
// character, to find the offset the error message names.
std::size_t convert(UINT from, UINT to, std::string_view in, std::string& out, std::size_t (*lengthOf)(unsigned char))
{
    if (convertWhole(from, to, in, out)) return std::string_view::npos;
    out.clear();
    std::string piece;
    for (std::size_t i = 0; i < in.size();) {
        const std::size_t length = std::min(lengthOf(static_cast<unsigned char>(in[i])), in.size() - i);
        if (!convertWhole(from, to, in.substr(i, length), piece)) return i;
        out += piece;
        i += length;
    }
    return std::string_view::npos;
}

} // namespace

std::size_t fromUtf8(std::string_view in, std::string& out)
{
    return convert(CP_UTF8, kCodePage932, in, out, utf8CharacterLength);
}

std::size_t toUtf8(std::string_view in, std::string& out)
{
    return convert(kCodePage932, CP_UTF8, in, out, characterLength);
}

} // namespace kinsketch::cp932
