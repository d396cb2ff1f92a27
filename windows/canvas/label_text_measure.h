#pragma once
// Text sizes measured in the very font the painting routine draws a label
// with, so that a label sized here holds its text in the picture too.

#include "genogram/text_measure.h"

namespace kinsketch {

class LabelTextMeasure : public TextMeasure {
public:
    TwipsSize measure(const StyledText& text) const override;
};

} // namespace kinsketch
