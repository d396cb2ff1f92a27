#pragma once
// Twips, the unit every place of the drawing is kept in, as the document
// stores it: 1440 an inch, 15 a pixel of the 96-dpi picture the host files.
// Windows turn them into pixels at their display size, the picture at its
// scale; the model never sees a pixel.

namespace kinsketch {

constexpr int kTwipsPerPixel = 15; // at 96 dots per inch

struct TwipsPlace {
    int left = 0;
    int top = 0;
};

struct TwipsLine {
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};

} // namespace kinsketch
