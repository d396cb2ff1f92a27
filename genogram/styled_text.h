#pragma once
// What a text says and how it looks: the part of a canvas label its letters
// are drawn from, and the values the text dialog edits.

#include "document/gdr_record.h"

#include <string>

namespace kinsketch {

struct StyledText {
    std::string caption; // lines end in CR LF, as the document keeps them
    std::string fontName;
    float fontSize = 0; // points
    Colour colour = 0;
    bool bold = false, italic = false, strikethrough = false, underline = false;

    bool operator==(const StyledText&) const = default;
};

} // namespace kinsketch
