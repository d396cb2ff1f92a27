#pragma once
// The items of the person-symbol chooser: the blank item "i000" first, then
// symbol images 1–4 and 7–14 (5 and 6 are never offered). The key is what the
// document stores; the image number is the key's last two digits. The name is
// what the chooser says of the item, to the eye and to a screen reader.

#include <array>
#include <string>
#include <string_view>

namespace kinsketch {

constexpr int kSymbolChoiceCount = 13;
constexpr int kBlankChoice = 0;
constexpr int kNoChoice = -1;

extern const std::array<std::string_view, kSymbolChoiceCount> kSymbolChoiceKeys;
extern const std::array<std::string_view, kSymbolChoiceCount> kSymbolChoiceNames;

// The image each item shows; 0 for the blank item.
int symbolChoiceImage(int choice);
// The item with `key`, or kNoChoice when no item has it.
int symbolChoiceOf(std::string_view key);

} // namespace kinsketch
