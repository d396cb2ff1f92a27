#pragma once
// The largest document a care manager can make: a WIDE document with every
// slot, connector line, frame segment, text and added line in use. Each
// benchmark adds the pen strokes it needs.

#include "document/gdr_record.h"

namespace kinsketch::bench {

GdrRecord fullWideDocument();

} // namespace kinsketch::bench
