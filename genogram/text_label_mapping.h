#pragma once
// A text on the canvas (a label of lblInp) and the document's `texts`
// record it is saved as. The tag of a text label says whether it is in use.

#include "canvas_widgets.h"

#include "document/gdr_record.h"

namespace kinsketch {

inline constexpr const char* kTextInUse = "2";
inline constexpr const char* kTextFree = "0";

// Raises an overflow error for a font size no record can hold.
TextLabelRecord textRecordOf(const LabelWidget& label);
// A text label in use, made from the label template.
LabelWidget textLabelOf(const TextLabelRecord& record);

} // namespace kinsketch
