#pragma once
// The document store's transfers of the canvas layers: texts (layer 1),
// added lines (layer 2) and pen strokes (layer 4) between the canvas model
// and the document. Each routine returns 0 when done and 1 after it trapped
// and reported an error; what it transferred until then stays. The plain
// names work on the normal canvas, the "_2" names on the WIDE one.

#include "canvas_size.h"
#include "geno_canvas.h"

#include "document/error_reporter.h"
#include "document/gdr_record.h"

#include <functional>

namespace kinsketch {

class CanvasLayerStore {
public:
    // The canvas of a size, created on first use.
    using CanvasAccess = std::function<GenoCanvas&(CanvasSize)>;

    CanvasLayerStore(GdrRecord& document, ErrorReporter& reporter, CanvasAccess canvas);

    int SaveGd1();
    int SaveGd1_2();
    int LoadGd1();
    int LoadGd1_2();
    int SaveGd2();
    int SaveGd2_2();
    int LoadGd2();
    int LoadGd2_2();
    int SaveGd4();
    int SaveGd4_2();

    // What saving the drawing stores: both handles of every added line on
    // show are made visible (they select the lines), then texts, added lines
    // and strokes are stored in that order. Each layer is cleared before it
    // is filled, so the first failure stops the rest and puts the document
    // back as it was: a document is never left with some layers stored and
    // others emptied. Returns 0 when all three were stored.
    int saveCanvasLayers(CanvasSize size);
    // What opening a document onto the canvas of `size` reads: its texts,
    // then its added lines. Returns 0 when both were read.
    int loadCanvasLayers(CanvasSize size);

private:
    int saveTexts(CanvasSize size, const char* title);
    int loadTexts(CanvasSize size, const char* title);
    int saveAddedLines(CanvasSize size);
    int loadAddedLines(CanvasSize size);
    int saveStrokes(CanvasSize size, const char* title);

    GdrRecord& document_;
    ErrorReporter& reporter_;
    CanvasAccess canvas_;
};

} // namespace kinsketch
