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

namespace {

// Element 0 of each array is the hidden template the others are made from.
template <class Widget>
void unloadAllButTemplate(WidgetArray<Widget>& widgets)
{
    for (int i = widgets.upperBound(); i >= 1; --i)
        if (widgets.exists(i)) widgets.unload(i);
}

} // namespace

CanvasLoad reopenDocumentOnCanvas(CanvasLayerStore& layers, GenoCanvas& canvas)
{
    unloadAllButTemplate(canvas.textLabels);
    unloadAllButTemplate(canvas.addedLines);
    unloadAllButTemplate(canvas.startHandles);
    unloadAllButTemplate(canvas.endHandles);
    unloadAllButTemplate(canvas.FreeLine);
    return openDocumentOnCanvas(layers, canvas);
}

} // namespace kinsketch
