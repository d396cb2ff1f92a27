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
