#pragma once
// Added straight lines (input mode 2): reserving a new line and shaping or
// deleting it through the "●" handles at its two ends. Every change goes
// straight into the document's `addedLines` records, which the canvas draws.

#include "geno_canvas.h"
#include "mouse_buttons.h"

#include "seams/message_boxes.h"

#include <cstdint>
#include <functional>

namespace kinsketch {

class AddedLineGestures {
public:
    // `showNow` repaints the canvas before a question is asked about it.
    AddedLineGestures(
        GenoCanvas& canvas, MessageBoxes& boxes, std::function<void()> showNow = [] {});

    // Reserves the next line number with the default diagonal and returns it.
    // At the limit it says so and returns 1; drawing line 1 again then only
    // redraws it (drawAddedLines never creates a line's widgets twice).
    std::int16_t addLine();

    // A button pressed over a handle of line n at (x, y) inside the handle.
    void pressHandle(int n, MouseButtons button, float x, float y);
    // The left button held while handle `end` (1 or 2) of line n moves.
    void dragHandle(int n, int end, float x, float y);
    void mouseUp(int n);

private:
    GenoCanvas& canvas_;
    MessageBoxes& boxes_;
    std::function<void()> showNow_;
    float grabX_ = 0, grabY_ = 0;
};

} // namespace kinsketch
