#include "canvas_layer_store.h"

#include "canvas_layers.h"

#include "document/error_trap.h"

#include "document/run_time_error.h"

#include <limits>
#include <vector>

namespace kinsketch {

CanvasLayerStore::CanvasLayerStore(GdrRecord& document, ErrorReporter& reporter, CanvasAccess canvas)
    : document_(document)
    , reporter_(reporter)
    , canvas_(std::move(canvas))
{}

namespace {

const char* loadTextsTitle(CanvasSize size)
{
    return size == CanvasSize::Wide ? "clsGdrOpe.LoadGd1_2" : "clsGdrOpe.LoadGd1";
}
const char* saveStrokesTitle(CanvasSize size)
{
    return size == CanvasSize::Wide ? "clsGdrOpe.SaveGd4_2" : "clsGdrOpe.SaveGd4";
}

} // namespace

// Texts and added lines are renumbered without gaps and the pen records
// that draw nothing go. Strokes that cannot be stored put the document back
// as it was: a document is never left with some layers stored and others not.
bool CanvasLayerStore::saveCanvasLayers(CanvasSize size)
{
    const GdrRecord before = document_;
    storeTextsAndLines(document_);
    if (saveStrokes(size)) {
        canvas_(size).drawing().changed(DrawingChange::ofLayers(true, true, std::numeric_limits<std::int32_t>::min()));
        return true;
    }
    document_ = before;
    return false;
}

// Texts in use get their labels, in number order, over everything else; a
// record not in use holds no number.
bool CanvasLayerStore::loadTexts(CanvasSize size)
{
    return trapErrors(reporter_, loadTextsTitle(size), [&] {
        GenoCanvas& canvas = canvas_(size);
        clearUnusedTexts(document_);
        canvas.showTexts();
    });
}

bool CanvasLayerStore::loadAddedLines(CanvasSize size)
{
    return trapErrors(reporter_, "clsGdrOpe.LoadGd2", [&] {
        canvas_(size);
        clearUnusedAddedLines(document_);
    });
}

// The records that draw a segment (a width) go back into the stroke list in
// their order, each with both of its ends as the canvas drew them; the list
// is cut to them (or kept at its length, all cleared, when none draws one).
bool CanvasLayerStore::saveStrokes(CanvasSize size)
{
    return trapErrors(reporter_, saveStrokesTitle(size), [&] {
        auto& list = document_.strokes;
        if (!list.dimensioned) throw RunTimeError::subscriptOutOfRange("FreeLine");
        std::vector<FreeLineRecord> drawn;
        for (const FreeLineRecord& r : list.items())
            if (r.width != 0) drawn.push_back(r);
        auto& items = list.mutableItems();
        if (drawn.empty()) {
            for (FreeLineRecord& r : items) {
                const std::int32_t strokeNumber = r.strokeNumber;
                r = FreeLineRecord{};
                r.strokeNumber = strokeNumber;
            }
            return;
        }
        items = std::move(drawn);
    });
}

} // namespace kinsketch
