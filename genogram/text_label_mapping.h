#pragma once
// A text on the canvas (a label of lblInp) and the two other shapes it takes:
// the document's TextLabel record and the values the text dialog edits. The
// tag of a text label says whether it is in use.

#include "canvas_widgets.h"
#include "text_dialog.h"

#include "document/gdr_record.h"

namespace kinsketch {

inline constexpr const char* kTextInUse = "2";
inline constexpr const char* kTextFree = "0";

// Raises an overflow error for a font size no record can hold.
TextLabelRecord textRecordOf(const LabelWidget& label);
// A text label in use, made from the label template.
LabelWidget textLabelOf(const TextLabelRecord& record);

TextFormatting formattingOf(const LabelWidget& label);
void applyFormatting(LabelWidget& label, const TextFormatting& values);

} // namespace kinsketch
