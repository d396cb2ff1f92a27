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

// Element 0 of each array is the hidden template the others are made from.
template <class Widget>
void unloadAllButTemplate(WidgetArray<Widget>& widgets)
{
    for (int i = widgets.upperBound(); i >= 1; --i)
        if (widgets.exists(i)) widgets.unload(i);
}

} // namespace

CanvasLoad reopenDocumentOnCanvas(CanvasLayerStore& layers, GenoCanvas& canvas, CanvasChanges changes)
{
    const CanvasSize size = canvas.geometry().size;
    CanvasLoad load;
    if (changes.texts) {
        unloadAllButTemplate(canvas.textLabels);
        load.texts = layers.loadTexts(size);
    }
    if (changes.addedLines) {
        unloadAllButTemplate(canvas.addedLines);
        unloadAllButTemplate(canvas.startHandles);
        unloadAllButTemplate(canvas.endHandles);
        load.addedLines = layers.loadAddedLines(size);
    }
    if (changes.strokesFrom)
        for (std::int32_t i = canvas.strokes.upperBound(); i >= std::max(*changes.strokesFrom, 1); --i)
            if (canvas.strokes.exists(i)) canvas.strokes.unload(i);
    canvas.rebuild();
    if (changes.addedLines) canvas.drawAddedLines(AddedLineDraw::Create);
    return load;
}

} // namespace kinsketch
