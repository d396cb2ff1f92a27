#pragma once
// The text dialog as the canvas sees it: it takes the values of a text,
// lets the user change them and hands them back. A fresh dialog serves each
// call, so the size box always starts from its default.

#include "document/gdr_record.h"

#include <cstdint>
#include <string>

namespace kinsketch {

struct TextFormatting {
    std::string text;       // lines end in CR LF, as the document keeps them
    std::string fontName;   // in: empty keeps the dialog's choice
    std::uint8_t fontSize = 0; // in: 0 keeps the size box
    Colour color = 0;
    bool bold = false, italic = false, strikethrough = false, underline = false;

    bool operator==(const TextFormatting&) const = default;
};

class TextDialog {
public:
    virtual ~TextDialog() = default;
    // Returns 0 after OK with `values` updated; 1 after cancel, with the text
    // emptied and everything else as it came.
    virtual std::int32_t edit(TextFormatting& values) = 0;
};

} // namespace kinsketch
