#include "input_mode.h"

namespace kinsketch {

std::uint8_t gInputMode = 0;

void resetInputMode() { gInputMode = 0; }

} // namespace kinsketch
