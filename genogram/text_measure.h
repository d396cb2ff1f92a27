#pragma once
// Measures a label's text in the label's font, as the picture draws it, so
// that the canvas can size a text label to hold its text.

#include "canvas_widgets.h"

namespace kinsketch {

struct TwipsSize {
    float width = 0;
    float height = 0;
};

class TextMeasure {
public:
    virtual ~TextMeasure() = default;
    // The width of the longest line and the height of all lines, in twips.
    virtual TwipsSize measure(const LabelWidget& label) const = 0;
};

} // namespace kinsketch
