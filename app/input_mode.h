#pragma once
// The current input mode: 1 text, 2 added lines, 3 free lines. The canvas's
// mouse handlers act on it; the menu selection and the switch bar set it.

#include <cstdint>

namespace kinsketch {

extern std::uint8_t gInputMode;

// Back to the state before start-up; tests call it between cases.
void resetInputMode();

} // namespace kinsketch
