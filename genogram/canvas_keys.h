#pragma once
// The keyboard on the canvas in text mode, doing what the mouse does: Tab
// and Shift+Tab choose the next or previous text, the arrows move the
// chosen one (ten times further with Shift), Enter edits it and Delete
// offers to delete it. Insert, or Enter with no text chosen, places a new
// text near the top-left corner, chosen so that the arrows take it where
// it belongs.

#include "geno_canvas.h"
#include "text_gestures.h"

namespace kinsketch {

enum class CanvasKey { NextText, PreviousText, Left, Right, Up, Down, Edit, Delete, NewText };

class CanvasKeys {
public:
    // One pixel of the picture; Shift moves ten.
    static constexpr float kStepTwips = static_cast<float>(kTwipsPerPixel);
    // Where a text placed from the keyboard goes: ten pixels in from the corner.
    static constexpr float kNewTextPlace = 10 * kStepTwips;

    CanvasKeys(GenoCanvas& canvas, TextGestures& texts);

    // Whether the key was used: past the last text, Tab leaves the canvas
    // to the next control, and outside text mode no key is used.
    bool press(CanvasKey key, bool far = false);
    // The chosen text; 0 when none is chosen or it is no longer on show.
    int chosenText() const;

private:
    GenoCanvas& canvas_;
    TextGestures& texts_;
    int chosen_ = 0;
};

} // namespace kinsketch
