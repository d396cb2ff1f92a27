#pragma once
// The largest document a care manager can make: a WIDE document with every
// slot, connector line, frame segment, text and added line in use, and as
// many pen records as a benchmark asks for.

#include "document/gdr_record.h"

#include <cstdint>

namespace kinsketch::bench {

// Pen records come in strokes of kPointsPerStroke points wandering over the
// canvas: mostly thin pens, some wide ones and some eraser strokes, as hand
// drawing leaves them.
constexpr int kPointsPerStroke = 40;

GdrRecord fullWideDocument(int penRecords = 0);

// The number the document's last stroke carries (0 without strokes), for
// the free-line panel's stroke register.
std::int32_t lastStrokeNumber(int penRecords);

} // namespace kinsketch::bench
