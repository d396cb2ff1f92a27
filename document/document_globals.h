#pragma once
// The document every window reads and writes, and the number of pen-stroke
// records that came with it (undo never goes below that number).

#include "gdr_record.h"

#include <cstdint>

namespace kinsketch {

extern GdrRecord gGdr;
extern std::int32_t gFreeLineCount;

// Back to the state before start-up; tests call it between cases.
void resetDocumentGlobals();

} // namespace kinsketch
