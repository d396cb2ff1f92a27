#pragma once
// What each connector-line style code (0–9, as `lineStyles` stores it) looks like
// on the canvas.

#include "canvas_widgets.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace kinsketch {

constexpr int kLineStyleCount = 10;

// What the tool bar and the printed legend call each style.
extern const std::array<std::string_view, kLineStyleCount> kLineStyleNames;

struct LineStyleLook {
    bool shown;
    LinePattern pattern;
    std::int32_t width; // pixels
    bool slashS;        // first slash across a marriage line
    bool slashW;        // second slash
};

// The look of `style` on a marriage line or a plain line; nothing for codes
// above 9, which leave a line as it was. Plain lines carry no slashes, so a
// slash style draws its base line there (4/5 as 1, 6/7 as 2, 8/9 as 3).
std::optional<LineStyleLook> lineStyleLook(int style, bool marriageLine);
// The style whose look a line of `style` shows: a plain line shows a slash style as its base line.
int shownLineStyle(int style, bool marriageLine);

} // namespace kinsketch
