#include "handed_in_picture.h"

#include "canvas_picture.h"

#include "genogram/canvas_layer_store.h"
#include "genogram/cls_auto_line2.h"
#include "genogram/geno_canvas.h"

#include "document/document_globals.h"
#include "document/handed_in_document.h"

#include <memory>

namespace kinsketch {

std::optional<QImage> pictureOfHandedInDocument(const std::filesystem::path& file, ErrorReporter& reporter, double scale)
{
    clsGdrOpe store(file.parent_path(), reporter);
    if (!openHandedInDocument(store, file).readWhole) return std::nullopt;

    rebuildCohabitFrameFromFlags(gGdr, reporter);
    std::unique_ptr<GenoCanvas> canvas;
    CanvasLayerStore layers(gGdr, reporter, [&](CanvasSize size) -> GenoCanvas& {
        if (!canvas) canvas = std::make_unique<GenoCanvas>(size, gGdr, reporter);
        return *canvas;
    });
    layers.loadCanvasLayers(canvasSizeOf(gGdr));
    canvas->GfncPrev();
    canvas->GfncLineDraw(0, 0, 0);

    if (layers.saveCanvasLayers(canvasSizeOf(gGdr)) != 0) return std::nullopt;
    canvas->GfncPrev();
    return renderCanvasPicture(*canvas, scale);
}

} // namespace kinsketch
