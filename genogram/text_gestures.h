#pragma once
// Text annotations on the canvas (input mode 1): placing a text through the
// text dialog, moving it, editing it by double-click and deleting it. Each
// gesture changes the document's text record of that number
// (genogram/canvas_layers.h), then has the canvas show it.

#include "geno_canvas.h"
#include "mouse_buttons.h"
#include "text_dialog.h"
#include "text_measure.h"

#include "seams/message_boxes.h"

namespace kinsketch {

class TextGestures {
public:
    TextGestures(GenoCanvas& canvas, MessageBoxes& boxes, TextDialog& dialog, const TextMeasure& measure);

    // A click on the canvas itself; (x, y) is where the text goes. Returns
    // the number of the text placed, 0 when none was.
    int place(float x, float y);
    // A button pressed over text n at (x, y) inside it: the left one grabs
    // it, any other one offers to delete it.
    void press(int n, MouseButtons button, float x, float y);
    // The mouse moved to (x, y) inside text n with the left button held.
    void drag(int n, float x, float y);
    void edit(int n);

    // The keyboard's way to the same gestures. The text on show after
    // (`forward`) or before text `from` in label order, 0 when there is none.
    int neighbourOnShow(int from, bool forward) const;
    // Moves text n by (dx, dy) twips, within the edges a drag keeps to.
    void nudge(int n, float dx, float dy);

    // The highest number a new text may take.
    static constexpr int kHighestNewText = 99;

private:
    const TextLabelRecord& text(int n) const;
    int freeNumber() const;
    void fit(LabelWidget& label) const;
    // Where `label`, given the values of the dialog, will stand.
    TextPlacement placementOf(const LabelWidget& label) const;

    GenoCanvas& canvas_;
    MessageBoxes& boxes_;
    TextDialog& dialog_;
    const TextMeasure& measure_;
    float grabX_ = 0, grabY_ = 0;
};

} // namespace kinsketch
