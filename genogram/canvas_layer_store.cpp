#include "canvas_layer_store.h"

#include "canvas_layers.h"

#include "document/error_trap.h"

#include "document/run_time_error.h"

#include <cmath>
#include <string>
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

// Texts and added lines are renumbered without gaps and the pen strokes
// are taken from the segments on show. The handles are hidden, as the
// saved picture shows none; line mode shows them again. Strokes that cannot
// be stored put the document back as it was: a document is never left with
// some layers stored and others not.
bool CanvasLayerStore::saveCanvasLayers(CanvasSize size)
{
    const GdrRecord before = document_;
    document_.texts = storedTexts(document_);
    document_.addedLines = storedAddedLines(document_);
    canvas_(size).hideLineHandles();
    if (saveStrokes(size)) return true;
    document_ = before;
    return false;
}

// Texts in use get their labels, in number order, each on top; a record
// not in use holds no number.
bool CanvasLayerStore::loadTexts(CanvasSize size)
{
    return trapErrors(reporter_, loadTextsTitle(size), [&] {
        GenoCanvas& canvas = canvas_(size);
        clearUnusedTexts(document_);
        for (int i = 1; i < kTextLabelCount; ++i)
            if (document_.texts[static_cast<std::size_t>(i)].used != kFalse) canvas.showText(i, true);
    });
}

bool CanvasLayerStore::loadAddedLines(CanvasSize size)
{
    return trapErrors(reporter_, "clsGdrOpe.LoadGd2", [&] {
        canvas_(size);
        clearUnusedAddedLines(document_);
    });
}

// The segments on show go back into the stroke list, in widget order; the
// list is cut to them (or kept at its length, all cleared, when none shows).
bool CanvasLayerStore::saveStrokes(CanvasSize size)
{
    return trapErrors(reporter_, saveStrokesTitle(size), [&] {
        GenoCanvas& canvas = canvas_(size);
        auto& list = document_.strokes;
        if (!list.dimensioned) throw RunTimeError::subscriptOutOfRange("FreeLine");
        // A segment keeps the stroke number of its own record: where records
        // without a segment are left out, the numbers move up with the
        // segments, or undo would split strokes after the next load.
        std::vector<std::int32_t> strokeNos;
        for (auto& r : list.mutableItems()) {
            strokeNos.push_back(r.strokeNumber);
            r = FreeLineRecord{};
            r.strokeNumber = strokeNos.back();
        }
        std::int32_t k = 1;
        for (int i = 1; i <= canvas.strokes.upperBound(); ++i) {
            const LineWidget* line = canvas.strokes.find(i);
            if (!line || !line->visible) continue;
            if (!list.contains(k)) throw RunTimeError::subscriptOutOfRange("FreeLine(" + std::to_string(k) + ")");
            FreeLineRecord& r = list[k];
            if (list.contains(i)) r.strokeNumber = strokeNos[static_cast<std::size_t>(i - list.lowerBound)];
            r.x1 = line->x1;
            r.y1 = line->y1;
            r.x2 = line->x2;
            r.y2 = line->y2;
            r.width = line->width;
            r.colour = line->colour;
            ++k;
        }
        if (k > 1) list.mutableItems().resize(static_cast<std::size_t>(k - list.lowerBound));
    });
}

} // namespace kinsketch
