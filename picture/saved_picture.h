#pragma once
// What a save stores and shows: the canvas layers go into the document (all
// or nothing), the canvas is rebuilt as the picture shows it (no handles,
// strokes redrawn) and painted. The save button, kinsketch-render and the
// printed picture all call this, so the filed picture and the rendered or
// printed one cannot drift apart.

#include "genogram/canvas_layer_store.h"
#include "genogram/geno_canvas.h"

#include <QImage>

#include <optional>

namespace kinsketch {

// The layers stored and the canvas rebuilt for the picture. False when a
// layer could not be stored; the document is then as it was.
[[nodiscard]] bool storeLayersForPicture(CanvasLayerStore& layers, GenoCanvas& canvas);

// The same, then painted. Nothing when a layer could not be stored.
std::optional<QImage> storeLayersAndPaint(CanvasLayerStore& layers, GenoCanvas& canvas, double scale = 1.0);

} // namespace kinsketch
