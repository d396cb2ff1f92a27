#pragma once
// The screen-size switch (cmdChg of mdiScreen): moves the drawing between the
// normal and the WIDE windows. The canvas layers are stored from the old
// canvas, every editing window is recreated in the other size and the canvas
// is loaded anew. Going small drops what exists only on the large screen,
// after two questions when anything would be lost.

#include "app/message_boxes.h"
#include "app/switch_bar_wiring.h"
#include "app/window_directory.h"
#include "genogram/canvas_layer_store.h"

#include <cstdint>

namespace kinsketch {

class ScreenSwitch {
public:
    // `freeLineCount` is the number of pen-stroke records undo keeps
    // (gFreeLineCount); a drop makes every remaining record one of them.
    ScreenSwitch(WindowDirectory& windows, SwitchBarWiring& switching, CanvasLayerStore& layers, MessageBoxes& boxes,
                 std::int32_t& freeLineCount);

    // 0 when the screen changed size; 1 when the user kept the large screen
    // or the canvas layers could not be stored, with nothing changed.
    int cmdChg_Click();

private:
    bool dataWouldBeLost(GenoCanvas& wide) const;
    bool userAgreesToDrop() const;
    void closeWindows(CanvasSize size);
    void openWindows(CanvasSize size);

    WindowDirectory& windows_;
    SwitchBarWiring& switching_;
    CanvasLayerStore& layers_;
    MessageBoxes& boxes_;
    std::int32_t& freeLineCount_;
};

} // namespace kinsketch
