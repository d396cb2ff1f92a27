#include "launcher/core/reg_file.h"

#include "launcher/core/text.h"

#include <cstdint>
#include <utility>
#include <vector>

namespace kinsketch::launcher {

namespace {

constexpr std::string_view machineRoot = "HKEY_LOCAL_MACHINE\\";

void appendUtf8(std::string& out, std::uint32_t codePoint)
{
    if (codePoint < 0x80) {
        out += static_cast<char>(codePoint);
    } else if (codePoint < 0x800) {
        out += static_cast<char>(0xC0 | (codePoint >> 6));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else if (codePoint < 0x10000) {
        out += static_cast<char>(0xE0 | (codePoint >> 12));
        out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (codePoint >> 18));
        out += static_cast<char>(0x80 | ((codePoint >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    }
}

// regedit writes version 5.00 exports as UTF-16LE; everything else is read as it is.
std::string toUtf8(std::string_view bytes)
{
    if (bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0xFF &&
        static_cast<unsigned char>(bytes[1]) == 0xFE) {
        std::string out;
        for (std::size_t i = 2; i + 1 < bytes.size(); i += 2) {
            std::uint32_t unit = static_cast<unsigned char>(bytes[i]) | (static_cast<unsigned char>(bytes[i + 1]) << 8);
            if (unit >= 0xD800 && unit < 0xDC00 && i + 3 < bytes.size()) {
                const std::uint32_t low =
                    static_cast<unsigned char>(bytes[i + 2]) | (static_cast<unsigned char>(bytes[i + 3]) << 8);
                if (low >= 0xDC00 && low < 0xE000) {
                    unit = 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00);
                    i += 2;
                }
            }
            appendUtf8(out, unit);
        }
        return out;
    }
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF") bytes.remove_prefix(3);
    return std::string(bytes);
}

struct QuotedText {
    std::string text; // unescaped
    std::size_t end;  // just past the closing quote
};

// The quoted string that starts at text[start] == '"'; nothing when it is not closed.
std::optional<QuotedText> readQuoted(std::string_view text, std::size_t start)
{
    std::string out;
    for (std::size_t pos = start + 1; pos < text.size(); ++pos) {
        if (text[pos] == '"') return QuotedText{std::move(out), pos + 1};
        if (text[pos] == '\\' && pos + 1 < text.size()) ++pos;
        out += text[pos];
    }
    return std::nullopt;
}

std::vector<std::string> logicalLines(const std::string& text)
{
    std::vector<std::string> lines;
    std::string current;
    std::size_t start = 0;
    while (start <= text.size()) {
        auto end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        // Long hex values continue on the next line after a trailing backslash.
        if (!line.empty() && line.back() == '\\' && line.find('=') != std::string::npos &&
            line.find("=\"") == std::string::npos) {
            line.pop_back();
            current += line;
        } else {
            lines.push_back(current + line);
            current.clear();
        }
        start = end + 1;
    }
    return lines;
}

} // namespace

RegFile RegFile::parse(std::string_view bytes)
{
    RegFile file;
    std::map<std::string, std::string>* currentKey = nullptr;
    for (const std::string& rawLine : logicalLines(toUtf8(bytes))) {
        const std::string line = trimSpaces(rawLine);
        if (line.empty() || line.front() == ';') continue;
        if (line.front() == '[') {
            currentKey = nullptr;
            const auto close = line.rfind(']');
            if (close == std::string::npos) continue;
            const std::string path = line.substr(1, close - 1);
            if (startsWithIgnoreCase(path, machineRoot))
                currentKey = &file.keys_[upperAscii(path.substr(machineRoot.size()))];
            continue;
        }
        if (currentKey == nullptr) continue;
        std::size_t pos = 0;
        std::string name;
        if (line.front() == '@') {
            pos = 1;
        } else if (line.front() == '"') {
            auto quotedName = readQuoted(line, 0);
            if (!quotedName) continue;
            name = std::move(quotedName->text);
            pos = quotedName->end;
        } else {
            continue;
        }
        if (pos >= line.size() || line[pos] != '=' || pos + 1 >= line.size() || line[pos + 1] != '"') continue;
        const auto value = readQuoted(line, pos + 1);
        if (value) (*currentKey)[upperAscii(name)] = value->text;
    }
    return file;
}

bool RegFile::keyExists(std::string_view subKey) const
{
    const std::string wanted = upperAscii(subKey);
    if (keys_.contains(wanted)) return true;
    // A key exists also when only keys below it were exported.
    const std::string below = wanted + "\\";
    const auto found = keys_.lower_bound(below);
    return found != keys_.end() && found->first.starts_with(below);
}

std::optional<std::string> RegFile::value(std::string_view subKey, std::string_view valueName) const
{
    const auto key = keys_.find(upperAscii(subKey));
    if (key == keys_.end()) return std::nullopt;
    const auto found = key->second.find(upperAscii(valueName));
    if (found == key->second.end()) return std::nullopt;
    return found->second;
}

} // namespace kinsketch::launcher
