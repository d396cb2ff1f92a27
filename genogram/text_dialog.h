#pragma once
// The text dialog as the canvas sees it: it takes the values of a text,
// lets the user change them and hands them back. A fresh dialog serves each
// call, so the size box always starts from its default.

#include "geometry/canvas_size.h"
#include "canvas_widgets.h"

#include <functional>
#include <optional>

namespace kinsketch {

// Where the text being written will stand: the label the canvas would make
// of a set of values, placed and sized, on a canvas of `size`. The dialog
// warns while the user types when the picture would not show all of it.
struct TextPlacement {
    CanvasSize size = CanvasSize::Normal;
    std::function<LabelWidget(const StyledText&)> label;
};

class TextDialog {
public:
    virtual ~TextDialog() = default;
    // Shows `values` for editing, where an empty font name and a size of 0
    // keep the dialog's own choice; the user's values after OK, nothing after
    // a cancel.
    [[nodiscard]] virtual std::optional<StyledText> edit(const StyledText& values, const TextPlacement& placement) = 0;
};

} // namespace kinsketch
