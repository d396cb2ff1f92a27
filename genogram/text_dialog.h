#pragma once
// The text dialog as the canvas sees it: it takes the values of a text,
// lets the user change them and hands them back. A fresh dialog serves each
// call, so the size box always starts from its default.

#include "geometry/canvas_size.h"
#include "canvas_widgets.h"

#include "document/gdr_record.h"

#include <cstdint>
#include <functional>
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

// Where the text being written will stand: the label the canvas would make
// of a set of values, placed and sized, on a canvas of `size`. The dialog
// warns while the user types when the picture would not show all of it.
struct TextPlacement {
    CanvasSize size = CanvasSize::Normal;
    std::function<LabelWidget(const TextFormatting&)> label;
};

class TextDialog {
public:
    virtual ~TextDialog() = default;
    // Shows `values` for editing; the user's values after OK, nothing after a cancel.
    [[nodiscard]] virtual std::optional<TextFormatting> edit(const TextFormatting& values,
                                                             const TextPlacement& placement) = 0;
};

} // namespace kinsketch
