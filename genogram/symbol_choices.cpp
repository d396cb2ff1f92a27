#include "symbol_choices.h"

#include <algorithm>

namespace kinsketch {

const std::array<std::string_view, kSymbolChoiceCount> kSymbolChoiceKeys = {
    "i000", "i101", "i102", "i103", "i104", "i107", "i108", "i109", "i110", "i111", "i112", "i113", "i114",
};

// In the keys' order. The first six pictures mean the same in every genogram
// (square a man, circle a woman, double outline the client, filled deceased);
// the others mean what each office's own key says, so their names say what
// they show.
const std::array<std::string_view, kSymbolChoiceCount> kSymbolChoiceNames = {
    "なし",         // i000: blank
    "男性",         // i101: square
    "女性",         // i102: circle
    "本人（男性）", // i103: double square
    "本人（女性）", // i104: double circle
    "死亡（男性）", // i107: filled square
    "死亡（女性）", // i108: filled circle
    "A入り四角",    // i109
    "A入り丸",      // i110
    "三角",         // i111
    "黒三角",       // i112
    "星",           // i113
    "黒星",         // i114
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
