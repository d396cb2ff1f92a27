#include "code_page_932.h"

#include "run_time_error.h"

#include <array>
#include <cerrno>
#include <iconv.h>
#include <utility>

namespace kinsketch {
namespace {

// Characters whose usual Unicode spelling on Linux differs from the one the
// code page holds; Windows stores them as the right-hand character.
constexpr std::array<std::pair<std::string_view, std::string_view>, 6> kWindowsVariants{{
    {"\u301C", "\uFF5E"}, // WAVE DASH → FULLWIDTH TILDE
    {"\u2212", "\uFF0D"}, // MINUS SIGN → FULLWIDTH HYPHEN-MINUS
    {"\u2016", "\u2225"}, // DOUBLE VERTICAL LINE → PARALLEL TO
    {"\u00A2", "\uFFE0"}, // CENT SIGN → FULLWIDTH CENT SIGN
    {"\u00A3", "\uFFE1"}, // POUND SIGN → FULLWIDTH POUND SIGN
    {"\u00AC", "\uFFE2"}, // NOT SIGN → FULLWIDTH NOT SIGN
}};

bool isAscii(std::string_view text)
{
    for (unsigned char c : text)
        if (c >= 0x80) return false;
    return true;
}

bool hasVariant(std::string_view utf8)
{
    for (const auto& variant : kWindowsVariants)
        if (utf8.find(variant.first) != std::string_view::npos) return true;
    return false;
}

std::string withWindowsVariants(std::string_view utf8)
{
    if (!hasVariant(utf8)) return std::string(utf8);
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        bool replaced = false;
        for (const auto& [from, to] : kWindowsVariants) {
            if (utf8.substr(i, from.size()) == from) {
                out += to;
                i += from.size();
                replaced = true;
                break;
            }
        }
        if (!replaced) out += utf8[i++];
    }
    return out;
}

// The first whole UTF-8 character at `offset`, for error messages.
std::string characterAt(std::string_view utf8, std::size_t offset)
{
    std::size_t end = offset + 1;
    while (end < utf8.size() && (static_cast<unsigned char>(utf8[end]) & 0xC0) == 0x80) ++end;
    return std::string(utf8.substr(offset, end - offset));
}

class Converter {
public:
    Converter(const char* to, const char* from) : handle_(iconv_open(to, from))
    {
        if (handle_ == reinterpret_cast<iconv_t>(-1))
            throw RunTimeError::invalidArgument(std::string("iconv: ") + from + " → " + to);
    }
    ~Converter() { iconv_close(handle_); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts all of `in`; returns the offset of the first byte that could not be
    // converted, or npos on success.
    std::size_t convert(std::string_view in, std::string& out)
    {
        iconv(handle_, nullptr, nullptr, nullptr, nullptr);
        out.resize(in.size() * 2 + 8);
        char* src = const_cast<char*>(in.data());
        std::size_t srcLeft = in.size();
        char* dst = out.data();
        std::size_t dstLeft = out.size();
        while (srcLeft > 0) {
            if (iconv(handle_, &src, &srcLeft, &dst, &dstLeft) != static_cast<std::size_t>(-1)) break;
            if (errno != E2BIG) return in.size() - srcLeft;
            const std::size_t used = out.size() - dstLeft;
            out.resize(out.size() * 2);
            dst = out.data() + used;
            dstLeft = out.size() - used;
        }
        out.resize(out.size() - dstLeft);
        return std::string_view::npos;
    }

private:
    iconv_t handle_;
};

Converter& toCp932()
{
    thread_local Converter converter("CP932", "UTF-8");
    return converter;
}

Converter& fromCp932()
{
    thread_local Converter converter("UTF-8", "CP932");
    return converter;
}

} // namespace

std::string encodeCp932(std::string_view utf8)
{
    if (isAscii(utf8)) return std::string(utf8);
    const std::string mapped = withWindowsVariants(utf8);
    std::string out;
    const std::size_t bad = toCp932().convert(mapped, out);
    if (bad != std::string_view::npos)
        throw RunTimeError::invalidArgument("「" + characterAt(mapped, bad) + "」は保存できない文字です");
    return out;
}

std::string decodeCp932(std::string_view bytes)
{
    if (isAscii(bytes)) return std::string(bytes);
    std::string out;
    const std::size_t bad = fromCp932().convert(bytes, out);
    if (bad != std::string_view::npos)
        throw RunTimeError::invalidArgument("Shift-JIS として読めない文字があります（" + std::to_string(bad) + " バイト目）");
    return out;
}

bool isCp932Encodable(std::string_view utf8)
{
    try {
        encodeCp932(utf8);
        return true;
    } catch (const RunTimeError&) {
        return false;
    }
}

} // namespace kinsketch
