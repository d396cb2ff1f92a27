// The canvas routines for pen strokes and added lines.
#include "geno_canvas.h"

#include "document/error_trap.h"

#include "document/run_time_error.h"

#include <utility>
#include <vector>

namespace kinsketch {
namespace {

constexpr float kHandleCentre = 50.0F; // from a handle's corner to the line end

const FreeLineRecord& freeLineRecord(const DynamicArray<FreeLineRecord>& list, std::int64_t index)
{
    if (!list.contains(index)) throw RunTimeError::subscriptOutOfRange("FreeLine(" + std::to_string(index) + ")");
    return list[index];
}

template <class Widget>
void showWidget(WidgetArray<Widget>& widgets, int i, bool shown)
{
    if (const Widget* widget = std::as_const(widgets).find(i); widget && widget->visible != shown) {
        Widget changed = *widget;
        changed.visible = shown;
        widgets.set(i, changed);
    }
}

} // namespace

// Each record becomes one segment from its own point (X1, Y1) back to a
// pending start point p. Within a chain p is the previous record's point; a
// record that carries its own (X2, Y2) starts a chain there, and in figure
// mode a record of another figure starts at itself. The start point each
// segment got is written back into the record, so that a pen stroke's first
// record keeps its own point and begins a new chain on the next full redraw.
// An empty record breaks the chain but not the redraw: a figure left open
// keeps a spare record, and the strokes drawn after it must still show.
bool GenoCanvas::redrawFreeLines(std::int32_t first, FreeLineRedraw how) { return redrawFreeLines(first, how, false); }

bool GenoCanvas::redrawFreeLines(std::int32_t first, FreeLineRedraw how, bool rebuilding)
{
    const bool figure = how == FreeLineRedraw::Figure;
    return trapErrors(reporter_, "GfncLineDraw", [&] {
        const auto& list = document().strokes;
        if (!list.dimensioned) return;
        const std::int32_t start = first <= 1 ? 1 : (figure ? first : first - 1);
        const std::int32_t figureNo = figure ? context_.currentFigureNo() : 0;
        const bool unmoved = zOrder_.changes() == freeLinesOrderedAt_;
        const bool stillOrdered = unmoved && start <= freeLinesOnTop_ + 1 && (rebuilding || !frameOverFreeLines_);
        // Only the frame lies over the segments a rebuild left in order.
        const bool orderedBelowFrame = unmoved && frameOverFreeLines_ && !rebuilding;
        frameOverFreeLines_ = false;
        if (start == 1 && redrawsUnchangedFreeLines(figure)) {
            const FullFreeLineDraw& drawn = *fullFreeLineDraw_;
            freeLinesRestacked_ = true;
            // Left beneath the added lines, they are not on top for the pen.
            const bool underLines = !stillOrdered && drawn.highest != 0 && underAddedLines_ &&
                                    liesUnderAddedLines(drawn.lowest, drawn.highest);
            if (!stillOrdered && drawn.highest != 0 && !underLines)
                strokes.bringRunToFront(drawn.lowest, drawn.highest);
            freeLinesOnTop_ = drawn.highest;
            if (!underLines) freeLinesOrderedAt_ = zOrder_.changes();
            return;
        }
        fullFreeLineDraw_.reset();
        float px = 0, py = 0;
        bool chainStart = true;
        std::int32_t lastReached = 0;
        bool passedOverWidget = false;
        bool loadedBelowTop = false;
        for (std::int32_t k = start; k <= list.upperBound(); ++k) {
            const FreeLineRecord& record = freeLineRecord(list, k);
            if (record.width == 0) {
                passedOverWidget = passedOverWidget || strokes.exists(k);
                chainStart = true;
                continue;
            }
            if (chainStart || (figure && record.strokeNumber != figureNo)) {
                px = record.x1;
                py = record.y1;
            }
            chainStart = false;
            if (record.x2 != 0 || record.y2 != 0) {
                px = record.x2;
                py = record.y2;
            }
            const LineWidget segment{record.x1,     record.y1,          px,           py,
                                     record.colour, LinePattern::Solid, record.width, true};
            if (strokes.exists(k)) {
                strokes.set(k, segment);
            } else {
                loadedBelowTop = loadedBelowTop || k <= freeLinesOnTop_;
                strokes.load(k, segment);
            }
            if (record.x2 != px || record.y2 != py) {
                FreeLineRecord& started = drawing_.editStrokesFrom(k)[k];
                started.x2 = px;
                started.y2 = py;
            }
            px = record.x1;
            py = record.y1;
            lastReached = k;
        }
        // The segments redrawn end on top in record order. When the ones
        // before them already lie there, as the last call left them, and
        // those made anew came after them, the order is complete. A segment
        // passed over stays where it was and must be put back in its place.
        freeLinesRestacked_ = !(stillOrdered && lastReached >= freeLinesOnTop_) || passedOverWidget;
        if (orderedBelowFrame && !passedOverWidget && start > freeLinesOnTop_ && freeLinesOnTop_ > 0) {
            // They still lie together: lifted as one, the new ones over them.
            int lowest = 1;
            while (!strokes.exists(lowest)) ++lowest;
            strokes.bringRunToFront(lowest, freeLinesOnTop_);
            strokes.bringToFrontInOrder(freeLinesOnTop_ + 1, lastReached);
        } else if (freeLinesRestacked_ || loadedBelowTop) {
            strokes.bringToFrontInOrder(freeLinesRestacked_ && (start > 1 || passedOverWidget) ? 1 : start,
                                        lastReached);
        }
        freeLinesOnTop_ = lastReached;
        freeLinesOrderedAt_ = zOrder_.changes();
        if (start == 1) rememberFullFreeLineDraw(figure, lastReached);
    });
}

std::optional<FreeLineRun> GenoCanvas::unchangedFreeLineRun() const
{
    if (!fullFreeLineDraw_ || fullFreeLineDraw_->highest == 0 ||
        fullFreeLineDraw_->segmentsRevision != strokes.revision())
        return std::nullopt;
    return FreeLineRun{fullFreeLineDraw_->lowest, fullFreeLineDraw_->highest, strokes.revision()};
}

std::optional<std::int32_t> GenoCanvas::figureNoOf(bool figure) const
{
    return figure ? std::optional(context_.currentFigureNo()) : std::nullopt;
}

// Redrawing records that have not changed since the last full redraw, into
// segments nobody has touched since, sets every segment to what it already
// shows and writes back into every record what it already holds; only the
// stacking moves.
bool GenoCanvas::redrawsUnchangedFreeLines(bool figure) const
{
    if (!fullFreeLineDraw_) return false;
    const FullFreeLineDraw& drawn = *fullFreeLineDraw_;
    const auto& list = document().strokes;
    return drawn.recordsRevision == list.revision() && drawn.dimensioned == list.dimensioned &&
           drawn.lowerBound == list.lowerBound && drawn.upperBound == list.upperBound() &&
           drawn.figureNo == figureNoOf(figure) && drawn.segmentsRevision == strokes.revision();
}

// Whether the segments were re-created one by one or restacked afterwards,
// those from 1 to the last drawn that exist end on top in record order.
void GenoCanvas::rememberFullFreeLineDraw(bool figure, std::int32_t lastReached)
{
    int lowest = 1;
    while (lowest <= lastReached && !strokes.exists(lowest)) ++lowest;
    const auto& list = document().strokes;
    fullFreeLineDraw_ = FullFreeLineDraw{list.revision(),
                                         list.dimensioned,
                                         list.lowerBound,
                                         list.upperBound(),
                                         figureNoOf(figure),
                                         strokes.revision(),
                                         lastReached == 0 ? 0 : lowest,
                                         lastReached};
}

bool GenoCanvas::drawAddedLines(AddedLineDraw how)
{
    return trapErrors(reporter_, "GfncLineDraw", [&] {
        const bool create = how == AddedLineDraw::Create;
        for (int k = 1; k <= kAddLineCount; ++k) drawOneAddedLine(k, how, false, !create);
        if (!create) return;
        // Every line in use lies over everything, in number order, as
        // creating each in turn lays them; lines that lie so already stay.
        std::vector<WidgetId> onTop;
        for (int k = 1; k <= kAddLineCount; ++k)
            if (document().addedLines[static_cast<std::size_t>(k - 1)].used != kFalse)
                onTop.insert(onTop.end(),
                             {{WidgetKind::startHandles, k}, {WidgetKind::endHandles, k}, {WidgetKind::addedLines, k}});
        if (zOrder_.liesOnTop(onTop)) return;
        for (const WidgetId& id : onTop) {
            if (id.kind == WidgetKind::startHandles) startHandles.bringToFront(id.index);
            if (id.kind == WidgetKind::endHandles) endHandles.bringToFront(id.index);
            if (id.kind == WidgetKind::addedLines) addedLines.bringToFront(id.index);
        }
    });
}

bool GenoCanvas::drawAddedLine(int n, AddedLineDraw how, bool selected)
{
    return trapErrors(reporter_, "GfncLineDraw", [&] { drawOneAddedLine(n, how, selected); });
}

void GenoCanvas::showHandlesOfLinesOnShow()
{
    for (int i = 1; i <= startHandles.upperBound(); ++i) {
        const LineWidget* line = std::as_const(addedLines).find(i);
        if (!line || !line->visible) continue;
        showWidget(startHandles, i, true);
        showWidget(endHandles, i, true);
    }
}

void GenoCanvas::hideLineHandles()
{
    for (int i = 0; i <= startHandles.upperBound(); ++i) showWidget(startHandles, i, false);
    for (int i = 0; i <= endHandles.upperBound(); ++i) showWidget(endHandles, i, false);
}

// Creating the widgets of a line that already has them only redraws it: the
// menu selection and the screen switch draw all lines again, and the line
// tool passes line 1 on when the limit is reached.
void GenoCanvas::drawOneAddedLine(int k, AddedLineDraw how, bool selected, bool toFront)
{
    if (k < 1 || k > kAddLineCount) throw RunTimeError::subscriptOutOfRange("AddLine(" + std::to_string(k) + ")");
    const AddLineRecord& record = document().addedLines[static_cast<std::size_t>(k - 1)];
    if (record.used == kFalse) {
        // Lines never created have nothing to hide.
        if (how == AddedLineDraw::Redraw) {
            showWidget(startHandles, k, false);
            showWidget(endHandles, k, false);
            showWidget(addedLines, k, false);
        }
        return;
    }
    if (how == AddedLineDraw::Create) {
        if (!startHandles.exists(k)) startHandles.load(k, lineHandleTemplate());
        if (!endHandles.exists(k)) endHandles.load(k, lineHandleTemplate());
        if (!addedLines.exists(k)) addedLines.load(k, LineWidget{});
    }
    const bool handlesShown = context_.inputMode() != InputMode::Text;
    LabelWidget handle1 = std::as_const(startHandles)[k];
    handle1.left = record.x1;
    handle1.top = record.y1;
    handle1.visible = handlesShown;
    LabelWidget handle2 = std::as_const(endHandles)[k];
    handle2.left = record.x2;
    handle2.top = record.y2;
    handle2.visible = handlesShown;
    LineWidget line = std::as_const(addedLines)[k];
    line.x1 = record.x1 + kHandleCentre;
    line.y1 = record.y1 + kHandleCentre;
    line.x2 = record.x2 + kHandleCentre;
    line.y2 = record.y2 + kHandleCentre;
    line.colour = selected ? kRed : kBlack;
    line.visible = true;
    startHandles.set(k, handle1);
    endHandles.set(k, handle2);
    addedLines.set(k, line);
    if (!toFront) return;
    startHandles.bringToFront(k);
    endHandles.bringToFront(k);
    addedLines.bringToFront(k);
}

} // namespace kinsketch
