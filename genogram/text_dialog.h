#pragma once
// The text dialog as the canvas sees it: it takes the values of a text,
// lets the user change them and hands them back. A fresh dialog serves each
// call, so the size box always starts from its default.

#include "document/gdr_record.h"

#include <cstdint>
#include <optional>
#include <string>

namespace kinsketch {

struct TextFormatting {
    std::string text;          // lines end in CR LF, as the document keeps them
    std::string fontName;      // in: empty keeps the dialog's choice
    std::uint8_t fontSize = 0; // in: 0 keeps the size box
    Colour color = 0;
    bool bold = false, italic = false, strikethrough = false, underline = false;

    bool operator==(const TextFormatting&) const = default;
};

class TextDialog {
public:
    virtual ~TextDialog() = default;
    // Shows `values` for editing; the user's values after OK, nothing after a cancel.
    [[nodiscard]] virtual std::optional<TextFormatting> edit(const TextFormatting& values) = 0;
};

} // namespace kinsketch
