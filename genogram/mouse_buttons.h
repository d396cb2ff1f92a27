#pragma once
// Mouse buttons as the canvas handlers receive them: one bit per button, so
// that a move can say which buttons are held.

namespace kinsketch {

using MouseButtons = unsigned;
constexpr MouseButtons kNoButton = 0;
constexpr MouseButtons kLeftButton = 1;
constexpr MouseButtons kRightButton = 2;
constexpr MouseButtons kMiddleButton = 4;

} // namespace kinsketch
