#pragma once
// The editing state that every window of a run shares: the document
// (gGdr), the number of pen-stroke records it came with (gFreeLineCount:
// undo never goes below it) and the input mode (gInputMode). main makes one
// and hands it down; tests make their own.

#include "input_mode.h"

#include "document/gdr_record.h"

#include <cstdint>

namespace kinsketch {

struct EditingContext {
    GdrRecord document;
    std::int32_t freeLineCount = 0;
    InputMode inputMode = InputMode::None;
};

} // namespace kinsketch
