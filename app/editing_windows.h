#pragma once
// What saving needs of the windows around the canvas: the composition of the
// editing screen implements it, tests fake it.

#include "genogram/canvas_layer_store.h"
#include "genogram/geno_canvas.h"

#include <QImage>

namespace kinsketch {

class EditingWindows {
public:
    virtual ~EditingWindows() = default;

    virtual GenoCanvas& currentCanvas() = 0;
    virtual CanvasLayerStore& layerStore() = 0;
    // The bars and tool windows: information box, line tool, switch bar,
    // frame tool, tool bar, menu bar, screen switch, free-line panel.
    virtual void closeBarsAndToolWindows() = 0;
    virtual void showPictureConfirmation(const QImage& picture) = 0;
    // The basic-input panel and the canvas of the current screen size.
    virtual void closeEditingWindows() = 0;
    // Back to editing after a save that could not finish: nothing was closed,
    // the canvas shows what it showed (handles as the input mode wants them).
    virtual void resumeEditing() = 0;
};

} // namespace kinsketch
