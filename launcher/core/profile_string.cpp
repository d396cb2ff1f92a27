#include "launcher/core/profile_string.h"

#include "launcher/core/text.h"

namespace kinsketch::launcher {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f'; }

std::string_view trimBlanks(std::string_view text)
{
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    return text;
}

std::string_view withoutMatchingQuotes(std::string_view value)
{
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front()) {
        return value.substr(1, value.size() - 2);
    }
    return value;
}

} // namespace

std::string readProfileString(std::string_view iniText, std::string_view section, std::string_view key,
                              std::size_t bufferSize)
{
    const std::string_view wantedSection = trimBlanks(section);
    const std::string_view wantedKey = trimBlanks(key);
    bool inWantedSection = false;
    bool wantedSectionSeen = false;

    while (!iniText.empty()) {
        const auto lineEnd = iniText.find('\n');
        const std::string_view line = trimBlanks(iniText.substr(0, lineEnd));
        iniText.remove_prefix(lineEnd == std::string_view::npos ? iniText.size() : lineEnd + 1);
        if (line.empty() || line.front() == ';') continue;

        if (line.front() == '[') {
            const auto close = line.rfind(']');
            if (close != std::string_view::npos) {
                if (wantedSectionSeen) break;
                inWantedSection = equalsIgnoreCase(trimBlanks(line.substr(1, close - 1)), wantedSection);
                wantedSectionSeen = inWantedSection;
                continue;
            }
        }
        if (!inWantedSection) continue;

        const auto equals = line.find('=');
        const std::string_view name = trimBlanks(line.substr(0, equals));
        if (!equalsIgnoreCase(name, wantedKey)) continue;
        if (equals == std::string_view::npos || bufferSize == 0) return {};
        const std::string_view value = withoutMatchingQuotes(trimBlanks(line.substr(equals + 1)));
        return std::string(value.substr(0, bufferSize - 1));
    }
    return {};
}

} // namespace kinsketch::launcher
