#pragma once
// What a mouse action on the canvas does: place and edit texts, shape added
// straight lines, or draw free lines. The switch bar chooses it.

#include <cstdint>

namespace kinsketch {

enum class InputMode : std::uint8_t { None = 0, Text = 1, AddedLines = 2, FreeLines = 3 };

} // namespace kinsketch
