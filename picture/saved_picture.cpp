#include "saved_picture.h"

#include "canvas_picture.h"

namespace kinsketch {

bool storeLayersForPicture(CanvasLayerStore& layers, GenoCanvas& canvas)
{
    return layers.saveCanvasLayers(canvas.geometry().size) && canvas.rebuild();
}

std::optional<QImage> storeLayersAndPaint(CanvasLayerStore& layers, GenoCanvas& canvas, double scale)
{
    if (!storeLayersForPicture(layers, canvas)) return std::nullopt;
    return renderCanvasPicture(canvas, scale);
}

} // namespace kinsketch
