#include "canvas_layer_store.h"

#include "text_label_mapping.h"

#include "document/error_trap.h"

#include "document/run_time_error.h"

#include <cmath>
#include <string>
#include <vector>

namespace kinsketch {

std::vector<TextLabelRecord> textsOnShow(const GenoCanvas& canvas)
{
    std::vector<TextLabelRecord> texts;
    for (int i = 0; i <= canvas.textLabels.upperBound(); ++i) {
        const LabelWidget* label = canvas.textLabels.find(i);
        if (label && label->visible && !label->text.caption.empty()) texts.push_back(textRecordOf(*label));
    }
    return texts;
}

std::vector<int> addedLinesOnShow(const GenoCanvas& canvas)
{
    std::vector<int> lines;
    for (int i = 1; i <= canvas.startHandles.upperBound(); ++i) {
        const LabelWidget* first = canvas.startHandles.find(i);
        const LineWidget* line = canvas.addedLines.find(i);
        if (first && (first->visible || (line && line->visible))) lines.push_back(i);
    }
    return lines;
}

AddLineRecord addedLineRecord(const GenoCanvas& canvas, int i)
{
    const LabelWidget& first = *canvas.startHandles.find(i);
    const LabelWidget& second = *canvas.endHandles.find(i);
    return {kTrue, first.left, second.left, first.top, second.top};
}

CanvasLayerStore::CanvasLayerStore(GdrRecord& document, ErrorReporter& reporter, CanvasAccess canvas)
    : document_(document)
    , reporter_(reporter)
    , canvas_(std::move(canvas))
{}

namespace {

const char* saveTextsTitle(CanvasSize) { return "clsGdrOpe.SaveGd1"; }
const char* loadTextsTitle(CanvasSize size)
{
    return size == CanvasSize::Wide ? "clsGdrOpe.LoadGd1_2" : "clsGdrOpe.LoadGd1";
}
const char* saveStrokesTitle(CanvasSize size)
{
    return size == CanvasSize::Wide ? "clsGdrOpe.SaveGd4_2" : "clsGdrOpe.SaveGd4";
}

} // namespace

bool CanvasLayerStore::saveCanvasLayers(CanvasSize size)
{
    canvas_(size).showHandlesOfLinesOnShow();
    const GdrRecord before = document_;
    if (saveTexts(size) && saveAddedLines(size) && saveStrokes(size)) return true;
    document_ = before;
    return false;
}

// Visible labels with a caption are stored as texts 1, 2, 3 … in label order.
// Label numbers with no label behind them are passed over.
bool CanvasLayerStore::saveTexts(CanvasSize size)
{
    return trapErrors(reporter_, saveTextsTitle(size), [&] {
        const std::vector<TextLabelRecord> texts = textsOnShow(canvas_(size));
        document_.texts.fill(TextLabelRecord{});
        int k = 1;
        for (const TextLabelRecord& text : texts) {
            if (k >= kTextLabelCount) throw RunTimeError::subscriptOutOfRange("TextLabel(" + std::to_string(k) + ")");
            document_.texts[static_cast<std::size_t>(k)] = text;
            ++k;
        }
    });
}

bool CanvasLayerStore::loadTexts(CanvasSize size)
{
    return trapErrors(reporter_, loadTextsTitle(size), [&] {
        GenoCanvas& canvas = canvas_(size);
        for (int i = 1; i < kTextLabelCount; ++i) {
            const TextLabelRecord& r = document_.texts[static_cast<std::size_t>(i)];
            if (r.used == kFalse) continue;
            canvas.textLabels.load(i, textLabelOf(r));
            canvas.textLabels.bringToFront(i);
        }
    });
}

// The lines on show and those with a visible first handle are stored,
// renumbered without gaps; their handles are hidden, as storing them does.
bool CanvasLayerStore::saveAddedLines(CanvasSize size)
{
    return trapErrors(reporter_, "clsGdrOpe.SaveGd2", [&] {
        GenoCanvas& canvas = canvas_(size);
        document_.addedLines.fill(AddLineRecord{});
        int k = 1;
        for (const int i : addedLinesOnShow(canvas)) {
            if (k > kAddLineCount) throw RunTimeError::subscriptOutOfRange("AddLine(" + std::to_string(k) + ")");
            document_.addedLines[static_cast<std::size_t>(k - 1)] = addedLineRecord(canvas, i);
            canvas.startHandles[i].visible = false;
            canvas.endHandles[i].visible = false;
            ++k;
        }
    });
}

bool CanvasLayerStore::loadAddedLines(CanvasSize size)
{
    return trapErrors(reporter_, "clsGdrOpe.LoadGd2", [&] { canvas_(size); });
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
