#include "saved_picture.h"

#include "canvas_picture.h"

namespace kinsketch {

// The picture shows no line handles; line mode shows them again when
// editing goes on.
bool storeLayersForPicture(CanvasLayerStore& layers, GenoCanvas& canvas)
{
    if (!layers.saveCanvasLayers(canvas.geometry().size)) return false;
    canvas.hideLineHandles();
    return canvas.rebuild();
}

std::optional<QImage> storeLayersAndPaint(CanvasLayerStore& layers, GenoCanvas& canvas, double scale)
{
    if (!storeLayersForPicture(layers, canvas)) return std::nullopt;
    return renderCanvasPicture(canvas, scale);
}

} // namespace kinsketch
