#include "saved_picture.h"

#include "canvas_picture.h"

namespace kinsketch {

std::optional<QImage> storeLayersAndPaint(CanvasLayerStore& layers, GenoCanvas& canvas, double scale)
{
    if (!layers.saveCanvasLayers(canvas.geometry().size)) return std::nullopt;
    canvas.rebuild();
    return renderCanvasPicture(canvas, scale);
}

} // namespace kinsketch
