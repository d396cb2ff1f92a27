#include "canvas_opening.h"

namespace kinsketch {

CanvasLoad openDocumentOnCanvas(CanvasLayerStore& layers, GenoCanvas& canvas)
{
    const CanvasSize size = canvas.geometry().size;
    CanvasLoad load;
    load.texts = layers.loadTexts(size);
    load.addedLines = layers.loadAddedLines(size);
    canvas.rebuild();
    canvas.drawAddedLines(AddedLineDraw::Create);
    return load;
}

} // namespace kinsketch
