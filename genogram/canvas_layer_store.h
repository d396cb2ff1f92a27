#pragma once
// Canvas layers of the document store (clsGdrOpe.SaveGd1 … LoadGd2, SaveGd4): texts (layer 1),
// added lines (layer 2) and pen strokes (layer 4) between the canvas model
// and the document, for the canvas of either screen size. What a routine
// transferred before an error stays.

#include "geometry/canvas_size.h"
#include "geno_canvas.h"

#include "document/gdr_record.h"
#include "seams/error_reporter.h"

#include <functional>
#include <vector>

namespace kinsketch {

// What the save would store of the canvas, read without changing it: the
// texts on show in label order, and the numbers of the added lines it picks
// (those on show or with their first handle visible) with their records.
std::vector<TextLabelRecord> textsOnShow(const GenoCanvas& canvas);
std::vector<int> addedLinesOnShow(const GenoCanvas& canvas);
AddLineRecord addedLineRecord(const GenoCanvas& canvas, int line);

class CanvasLayerStore {
public:
    // The canvas of a size, created on first use.
    using CanvasAccess = std::function<GenoCanvas&(CanvasSize)>;

    CanvasLayerStore(GdrRecord& document, ErrorReporter& reporter, CanvasAccess canvas);

    // Each layer routine stores into or reads from the document and returns
    // false after it trapped and reported an error.
    [[nodiscard]] bool saveTexts(CanvasSize size);
    bool loadTexts(CanvasSize size);
    [[nodiscard]] bool saveAddedLines(CanvasSize size);
    bool loadAddedLines(CanvasSize size);
    [[nodiscard]] bool saveStrokes(CanvasSize size);

    // What saving the drawing stores: both handles of every added line on
    // show are made visible (they select the lines), then texts, added lines
    // and strokes are stored in that order. Each layer is cleared before it
    // is filled, so the first failure stops the rest and puts the document
    // back as it was: a document is never left with some layers stored and
    // others emptied.
    [[nodiscard]] bool saveCanvasLayers(CanvasSize size);

private:
    GdrRecord& document_;
    ErrorReporter& reporter_;
    CanvasAccess canvas_;
};

} // namespace kinsketch
