#pragma once
// What exists only on the WIDE screen (xfnc_DelOutControl): person rows 18–36, connector lines
// 52–120, frame segments 66–119 and the canvas items beyond the normal canvas
// area. Going to the normal screen looks for them, then drops them.

#include "document/gdr_record.h"

#include <cstdint>

namespace kinsketch {

// A row 18–36 holding data (a symbol, an age or remark text, a
// living-together mark), a line 52–120 with a style or a segment 66–119 set.
bool hasLargeOnlyRecordData(const GdrRecord& document);

// Rows 18–36 empty and unmarked, lines 52–120 none, segments 66–119 clear.
// The marks go too: they would frame slots that no longer hold anyone and
// make every later switch ask about data nobody can see.
void resetLargeOnlyParts(GdrRecord& document);

// Whether the WIDE drawing holds items outside the normal area: added lines
// in use with both ends outside, texts in use whose corner is outside, pen
// records that draw a segment with both ends outside.
bool hasItemsOutsideNormalArea(const GdrRecord& document);
// Drops those items, so that storing the layers leaves them out. True when
// there were any.
bool dropItemsOutsideNormalArea(GdrRecord& document);

} // namespace kinsketch
