#pragma once
// Opening a document onto a canvas, as the program's opening, the screen-size
// switch and kinsketch-render do it: the texts and added lines are read from
// the document, the canvas is rebuilt from it and the added lines are drawn.
// The automatic frame is the caller's, since it depends on how the document
// came.

#include "canvas_layer_store.h"
#include "geno_canvas.h"

namespace kinsketch {

// Which layers were read; a failed one has been reported.
struct CanvasLoad {
    bool texts = true;
    bool addedLines = true;
};

CanvasLoad openDocumentOnCanvas(CanvasLayerStore& layers, GenoCanvas& canvas);

// The same on a canvas that shows a drawing already, where `change` says
// what differs from what it shows: the texts and added lines of a layer that
// changed are shown again in place, those no longer in use go, and the pen
// segments from the first that changed are made anew, so that it shows what
// opening the document shows.
CanvasLoad reopenDocumentOnCanvas(CanvasLayerStore& layers, GenoCanvas& canvas, const DrawingChange& change);

} // namespace kinsketch
