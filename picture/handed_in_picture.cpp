#include "handed_in_picture.h"

#include "saved_picture.h"

#include "genogram/canvas_opening.h"
#include "genogram/cohabit_frame_builder.h"
#include "genogram/geno_canvas.h"

#include "document/handed_in_document.h"

namespace kinsketch {

std::optional<QImage> pictureOfHandedInDocument(const std::filesystem::path& file, ErrorReporter& reporter,
                                                double scale)
{
    GdrStore store(file.parent_path(), reporter);
    OpenedDocument opened = openHandedInDocument(store, file);
    if (!opened.readWhole) return std::nullopt;
    GdrRecord& document = opened.record;

    rebuildCohabitFrameFromFlags(document, reporter);
    GenoCanvas canvas(canvasSizeOf(document), document, reporter);
    CanvasLayerStore layers(document, reporter, [&](CanvasSize) -> GenoCanvas& { return canvas; });
    openDocumentOnCanvas(layers, canvas);
    return storeLayersAndPaint(layers, canvas, scale);
}

} // namespace kinsketch
