#pragma once
// Measures a text in its font, as the picture draws it, so that the canvas
// can size a text label to hold its text.

#include "styled_text.h"

namespace kinsketch {

struct TwipsSize {
    float width = 0;
    float height = 0;
};

class TextMeasure {
public:
    virtual ~TextMeasure() = default;
    // The width of the longest line and the height of all lines, in twips.
    virtual TwipsSize measure(const StyledText& text) const = 0;
};

} // namespace kinsketch
