#pragma once
// What a save stores and shows: the canvas layers go into the document (all
// or nothing), the canvas is rebuilt as the picture shows it (no handles,
// strokes redrawn) and painted. The save button and kinsketch-render both
// call this, so the filed picture and the rendered one cannot drift apart.

#include "genogram/canvas_layer_store.h"
#include "genogram/geno_canvas.h"

#include <QImage>

#include <optional>

namespace kinsketch {

// Nothing when a layer could not be stored; the document is then as it was.
std::optional<QImage> storeLayersAndPaint(CanvasLayerStore& layers, GenoCanvas& canvas, double scale = 1.0);

} // namespace kinsketch
