#pragma once
// Which display sizes the editing screen fits at in the room the main window
// gives it, and the size 表示サイズ's 自動 chooses: the largest step at which
// every window of the screen size, the tool windows of every input mode
// among them, fits without scrolling.

#include "geometry/canvas_size.h"
#include "ui/display_scale.h"

#include <QMargins>
#include <QSize>

#include <array>
#include <functional>

namespace kinsketch {

// What a child window's frame adds around it at a display size, with or without a title bar.
using FrameMarginsAt = std::function<QMargins(DisplayScale scale, bool titled)>;

// 表示サイズ's choices: 自動, or one of DisplayScale::kPercents.
inline constexpr int kAutomaticDisplaySize = 0;

struct DisplaySizes {
    int choice = kAutomaticDisplaySize; // what the user chose
    DisplayScale shown;                 // what the screen is shown at
    DisplayScale automatic;             // what 自動 comes to here
    // For each of DisplayScale::kPercents: whether the screen fits at it.
    std::array<bool, DisplayScale::kPercents.size()> fixedFits{};

    bool fits(int percent) const;
    // 自動, or a fixed size the screen fits at; one that does not fit gives way to 自動.
    int choiceInForce() const;
};

// The smallest step 自動 goes down to: 70 % of the screen's own pixels, so
// that on a screen the system scales (device pixels per logical pixel) the
// screen still fits where the letters stay as large as at 70 % unscaled.
int smallestAutomaticPercent(double devicePixelRatio);

// The sizes for the screen of `size` in `room`: a fixed choice that fits is
// shown as chosen, anything else at 自動's size, the largest step from
// `smallest` up at which the screen fits (`smallest` when none does).
DisplaySizes fitDisplaySizes(int choice, CanvasSize size, QSize room, int smallest, const FrameMarginsAt& margins);

} // namespace kinsketch
