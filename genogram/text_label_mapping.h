#pragma once
// A text on the canvas (a label of lblInp) and the document's `texts`
// record it shows.

#include "canvas_widgets.h"

#include "document/gdr_record.h"

namespace kinsketch {

// Raises an overflow error for a font size no record can hold.
TextLabelRecord textRecordOf(const LabelWidget& label);
// A text label on show, made from the label template.
LabelWidget textLabelOf(const TextLabelRecord& record);

} // namespace kinsketch
