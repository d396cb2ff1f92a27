#pragma once
// Canvas layers of the document store (clsGdrOpe.LoadGd1 … LoadGd2, SaveGd4):
// texts (layer 1), added lines (layer 2) and pen strokes (layer 4) between
// the document and the canvas of either screen size.

#include "geno_canvas.h"
#include "geometry/canvas_size.h"

#include "document/gdr_record.h"
#include "seams/error_reporter.h"

#include <functional>

namespace kinsketch {

class CanvasLayerStore {
public:
    // The canvas of a size, created on first use.
    using CanvasAccess = std::function<GenoCanvas&(CanvasSize)>;

    CanvasLayerStore(GdrRecord& document, ErrorReporter& reporter, CanvasAccess canvas);

    // Each layer routine stores into or reads from the document and returns
    // false after it trapped and reported an error.
    bool loadTexts(CanvasSize size);
    bool loadAddedLines(CanvasSize size);
    [[nodiscard]] bool saveStrokes(CanvasSize size);

    // What saving the drawing stores: texts and added lines renumbered
    // (genogram/canvas_layers.h), then the strokes. A failure puts the
    // document back as it was. The canvas's texts and lines keep their old
    // numbers: the caller opens the document anew before they are edited.
    [[nodiscard]] bool saveCanvasLayers(CanvasSize size);

private:
    GdrRecord& document_;
    ErrorReporter& reporter_;
    CanvasAccess canvas_;
};

} // namespace kinsketch
