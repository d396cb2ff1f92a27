#include "document_globals.h"

namespace kinsketch {

GdrRecord gGdr;
std::int32_t gFreeLineCount = 0;

void resetDocumentGlobals()
{
    gGdr = GdrRecord{};
    gFreeLineCount = 0;
}

} // namespace kinsketch
