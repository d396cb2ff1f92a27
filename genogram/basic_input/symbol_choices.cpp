#include "symbol_choices.h"

#include <algorithm>

namespace kinsketch {

const std::array<std::string_view, kSymbolChoiceCount> kSymbolChoiceKeys = {
    "i000", "i101", "i102", "i103", "i104", "i107", "i108", "i109", "i110", "i111", "i112", "i113", "i114",
};

int symbolChoiceImage(int choice)
{
    const std::string_view key = kSymbolChoiceKeys.at(static_cast<std::size_t>(choice));
    return (key[2] - '0') * 10 + (key[3] - '0');
}

int symbolChoiceOf(std::string_view key)
{
    const auto found = std::find(kSymbolChoiceKeys.begin(), kSymbolChoiceKeys.end(), key);
    return found == kSymbolChoiceKeys.end() ? kNoChoice : static_cast<int>(found - kSymbolChoiceKeys.begin());
}

} // namespace kinsketch
