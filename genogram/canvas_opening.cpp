#include "canvas_opening.h"

#include <algorithm>

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

namespace {

// A line in use keeps its widgets, which drawing it again sets.
void unloadLinesNotInUse(GenoCanvas& canvas)
{
    for (int k = 1; k <= kAddLineCount; ++k) {
        if (canvas.document().addedLines[static_cast<std::size_t>(k - 1)].used != kFalse) continue;
        for (WidgetArray<LabelWidget>* handles : {&canvas.startHandles, &canvas.endHandles})
            if (handles->exists(k)) handles->unload(k);
        if (canvas.addedLines.exists(k)) canvas.addedLines.unload(k);
    }
}

} // namespace

CanvasLoad reopenDocumentOnCanvas(CanvasLayerStore& layers, GenoCanvas& canvas, const DrawingChange& change)
{
    const CanvasSize size = canvas.geometry().size;
    CanvasLoad load;
    if (change.texts.any()) load.texts = layers.loadTexts(size);
    if (change.addedLines.any()) {
        load.addedLines = layers.loadAddedLines(size);
        unloadLinesNotInUse(canvas);
    }
    if (change.strokesFrom)
        for (std::int32_t i = canvas.strokes.upperBound(); i >= std::max(*change.strokesFrom, 1); --i)
            if (canvas.strokes.exists(i)) canvas.strokes.unload(i);
    if (change.addedLines.any()) {
        canvas.rebuildUnderAddedLines();
        canvas.drawAddedLines(AddedLineDraw::Create);
    } else {
        canvas.rebuild();
    }
    return load;
}

} // namespace kinsketch
