#include "handed_in_picture.h"

#include "canvas_picture.h"

#include "genogram/canvas_layer_store.h"
#include "genogram/cohabit_frame_builder.h"
#include "genogram/geno_canvas.h"

#include "document/handed_in_document.h"

#include <memory>

namespace kinsketch {

std::optional<QImage> pictureOfHandedInDocument(const std::filesystem::path& file, ErrorReporter& reporter, double scale)
{
    GdrStore store(file.parent_path(), reporter);
    OpenedDocument opened = openHandedInDocument(store, file);
    if (!opened.readWhole) return std::nullopt;
    GdrRecord& document = opened.record;

    rebuildCohabitFrameFromFlags(document, reporter);
    std::unique_ptr<GenoCanvas> canvas;
    CanvasLayerStore layers(document, reporter, [&](CanvasSize size) -> GenoCanvas& {
        if (!canvas) canvas = std::make_unique<GenoCanvas>(size, document, reporter);
        return *canvas;
    });
    layers.loadCanvasLayers(canvasSizeOf(document));
    canvas->rebuild();
    canvas->drawAddedLines(AddedLineDraw::Create);

    if (!layers.saveCanvasLayers(canvasSizeOf(document))) return std::nullopt;
    canvas->rebuild();
    return renderCanvasPicture(*canvas, scale);
}

} // namespace kinsketch
