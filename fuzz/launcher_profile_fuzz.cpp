// Feeds arbitrary text as the launcher's settings file: the keys the launcher reads, and every section and key the text
// itself names, are looked up. Nothing may crash or hang, and no value may outgrow the buffer it is read into.

#include "launcher/core/profile_string.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

using namespace kinsketch::launcher;

namespace {

void lookUp(std::string_view text, std::string_view section, std::string_view key, std::size_t bufferSize)
{
    const std::string value = readProfileString(text, section, key, bufferSize);
    if (value.size() >= std::max<std::size_t>(bufferSize, 1) || value.find('\n') != std::string::npos) std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    constexpr std::size_t launcherBufferSize = 255;
    for (const std::string_view key : std::array<std::string_view, 4>{"Path", "AppDB", "FMenu", "AC2003Boot"})
        lookUp(text, "VERUP", key, launcherBufferSize);

    // Names as they stand in the text, blanks and all; a short buffer from the first byte.
    const std::size_t bufferSize = size == 0 ? 0 : data[0] % 16;
    std::string_view section;
    std::string_view rest = text;
    for (int lookUps = 0; !rest.empty() && lookUps < 16;) {
        const auto lineEnd = rest.find('\n');
        const std::string_view line = rest.substr(0, lineEnd);
        rest.remove_prefix(lineEnd == std::string_view::npos ? rest.size() : lineEnd + 1);
        if (line.starts_with('[')) {
            const auto close = line.find(']');
            section = line.substr(1, close == std::string_view::npos ? close : close - 1);
        } else if (const auto equals = line.find('='); equals != std::string_view::npos) {
            lookUp(text, section, line.substr(0, equals), bufferSize);
            ++lookUps;
        }
    }
    return 0;
}
