#pragma once
// The one piece of code page 932 work that each platform does its own way:
// iconv on Linux, the Win32 conversion functions on Windows. Both report the
// same failures so that documents and error messages do not depend on where
// the program runs.

#include "code_page_932.h"

#include <string>
#include <string_view>

namespace kinsketch::cp932 {

// Converts all of `in` into `out`; returns the offset of the first byte of the
// character that could not be converted (unmappable, malformed or cut off),
// or npos on success.
std::size_t fromUtf8(std::string_view in, std::string& out);
std::size_t toUtf8(std::string_view in, std::string& out);

// Bytes of the code-page character that starts with `lead`: two after a lead
// byte of a pair, otherwise one.
constexpr std::size_t characterLength(unsigned char lead) { return isCp932LeadByte(lead) ? 2 : 1; }

} // namespace kinsketch::cp932
