#pragma once
// The screen-size switch (cmdChg of mdiScreen): moves the drawing between the
// normal and the WIDE windows. The canvas layers are stored from the old
// canvas, every editing window is recreated in the other size and the canvas
// is loaded anew. Going small drops what exists only on the large screen,
// after two questions when anything would be lost.

#include "app/switch_bar_wiring.h"
#include "app/window_directory.h"
#include "genogram/canvas_layer_store.h"
#include "seams/message_boxes.h"

#include <cstdint>

namespace kinsketch {

class ScreenSwitch {
public:
    // Dropping items beyond the normal area makes every remaining pen-stroke
    // record one that undo keeps (the context's freeLineCount).
    ScreenSwitch(WindowDirectory& windows, SwitchBarWiring& switching, CanvasLayerStore& layers, MessageBoxes& boxes);

    // True when the screen changed size; false when the user kept the large
    // screen or the canvas layers could not be stored, with nothing changed.
    bool switchSize();
    // An undo or redo has given the document the other size: the windows
    // of `from` give way to those of the document's size, as the switch
    // remakes them, and show the document as it is.
    void followDocumentSize(CanvasSize from);

private:
    bool dataWouldBeLost() const;
    bool userAgreesToDrop() const;
    void closeWindows(CanvasSize size);
    void openWindows(CanvasSize size);

    WindowDirectory& windows_;
    SwitchBarWiring& switching_;
    CanvasLayerStore& layers_;
    MessageBoxes& boxes_;
};

} // namespace kinsketch
