#include "file_names.h"

#include <system_error>

namespace kinsketch {
namespace {

// Decodes one UTF-8 code point at `i`, advancing it; a stray byte stands for itself.
char32_t nextCodePoint(std::string_view s, std::size_t& i)
{
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned char first = byte(i);
    int extra = first >= 0xF0 ? 3 : first >= 0xE0 ? 2 : first >= 0xC0 ? 1 : 0;
    if (i + static_cast<std::size_t>(extra) >= s.size()) extra = 0;
    char32_t cp = extra == 0 ? first : first & (0x3F >> extra);
    for (int k = 1; k <= extra; ++k) cp = (cp << 6) | (byte(i + static_cast<std::size_t>(k)) & 0x3F);
    i += static_cast<std::size_t>(extra) + 1;
    return cp;
}

char32_t foldCase(char32_t c)
{
    if (c >= U'a' && c <= U'z') return c - U'a' + U'A';
    if (c >= U'ａ' && c <= U'ｚ') return c - U'ａ' + U'Ａ';
    return c;
}

} // namespace

std::filesystem::path pathFromUtf8(std::string_view utf8)
{
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string utf8FromPath(const std::filesystem::path& path)
{
    const std::u8string u8 = path.u8string();
    return std::string(u8.begin(), u8.end());
}

bool sameFileNameIgnoringCase(std::string_view a, std::string_view b)
{
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < a.size() && j < b.size())
        if (foldCase(nextCodePoint(a, i)) != foldCase(nextCodePoint(b, j))) return false;
    return i == a.size() && j == b.size();
}

std::optional<std::filesystem::path> findFileIgnoringCase(const std::filesystem::path& folder,
                                                          std::string_view fileName)
{
    std::error_code ec;
    const std::filesystem::path exact = folder / pathFromUtf8(fileName);
    if (std::filesystem::exists(exact, ec)) return exact;
    for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
        if (sameFileNameIgnoringCase(utf8FromPath(it->path().filename()), fileName)) return it->path();
    return std::nullopt;
}

std::optional<std::string> documentNameProblem(std::string_view name)
{
    if (name.empty()) return "文書名が空です。";
    if (name.find_first_of("/\\") != std::string_view::npos) return "文書名にフォルダの区切り（/ や \\）は使えません。";
    if (name.find("..") != std::string_view::npos) return "文書名に「..」は使えません。";
    if (name.size() >= 2 && name[1] == ':') return "文書名にドライブ名は使えません。";
    for (unsigned char c : name)
        if (c < 0x20 || c == 0x7F || std::string_view("<>:\"|?*").find(static_cast<char>(c)) != std::string_view::npos)
            return "文書名に使えない文字が含まれています。";
    if (name.back() == ' ' || name.back() == '.') return "文書名の末尾に空白やピリオドは使えません。";
    return std::nullopt;
}

} // namespace kinsketch
