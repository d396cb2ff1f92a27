#pragma once
// The editing state that every window of a run shares: the document
// (gGdr) and the drawing that edits it, the number of pen-stroke records it
// came with (gFreeLineCount: undo never goes below it) and the input mode
// (gInputMode). main makes one and hands it down; tests make their own.

#include "drawing.h"
#include "input_mode.h"

#include "document/gdr_record.h"

#include <cstdint>

namespace kinsketch {

struct EditingContext {
    GdrRecord document;
    std::int32_t freeLineCount = 0;
    InputMode inputMode = InputMode::None;
    // Every edit goes through it; what opens the document fills `document` before.
    Drawing drawing{document};

    EditingContext() = default;
    EditingContext(const EditingContext&) = delete;
    EditingContext& operator=(const EditingContext&) = delete;
};

} // namespace kinsketch
