#include "free_drawing.h"

#include <limits>

namespace kinsketch {

FreeDrawing::FreeDrawing(CanvasSize size, GenoCanvas& canvas, FreeLinePanelRegisters& panel, MessageBoxes& boxes,
                         ShowStep show)
    : size_(size)
    , canvas_(canvas)
    , panel_(panel)
    , boxes_(boxes)
    , show_(std::move(show))
{}

std::int32_t FreeDrawing::penWidth() const { return widthNumber(panel_.penWidthText); }

std::int32_t FreeDrawing::strokeWidth() const
{
    return tool_ == FreeLineTool::Eraser ? widthNumber(panel_.eraserWidthText) : penWidth();
}

Colour FreeDrawing::strokeColour() const { return tool_ == FreeLineTool::Eraser ? kWhite : panel_.penColour; }

void FreeDrawing::mouseDown(MouseButtons button, float x, float y)
{
    if (button != kLeftButton) return;
    dropLiveRecord(); // a 関係線 drag whose release never came, as when the mode changed under it
    const FreeLinePoint at = clampFreeLinePoint(size_, x, y);
    tool_ = panel_.tool;
    if (tool_ == FreeLineTool::Figure)
        figureDown(at);
    else if (tool_ == FreeLineTool::Relation)
        relationDown(at);
    else
        penDown(at);
}

// Moves and releases belong to an accepted press only: after a refused
// width they would store records without one.
void FreeDrawing::mouseMove(MouseButtons held, float x, float y)
{
    if ((held & kLeftButton) == 0 || state_ == State::Idle) {
        show_({});
        return;
    }
    const FreeLinePoint at = clampFreeLinePoint(size_, x, y);
    state_ = State::Moving;
    if (tool_ == FreeLineTool::Figure)
        figureMove(at);
    else if (tool_ == FreeLineTool::Relation)
        relationMove(at);
    else
        penTo(at);
}

void FreeDrawing::mouseUp(MouseButtons button, float x, float y)
{
    if (button != kLeftButton || state_ == State::Idle) return;
    const FreeLinePoint at = clampFreeLinePoint(size_, x, y);
    if (tool_ == FreeLineTool::Figure)
        figureUp(at);
    else if (tool_ == FreeLineTool::Relation)
        relationUp(at);
    else
        penTo(at);
    state_ = State::Idle;
}

// Every stroke takes the next lower number, even one refused for its width.
void FreeDrawing::penDown(FreeLinePoint at)
{
    --panel_.strokeNumber;
    if (!checkFreeLineWidth(tool_ == FreeLineTool::Eraser ? panel_.eraserWidthText : panel_.penWidthText, tool_,
                            boxes_))
        return;
    const std::int32_t k = appendRecord();
    editFrom(k)[k] = {at.x, at.y, 0, 0, strokeWidth(), strokeColour(), panel_.strokeNumber};
    canvas_.redrawFreeLines(k, FreeLineRedraw::Figure);
    state_ = State::Pressed;
    show_({{k, k}, 0});
}

void FreeDrawing::penTo(FreeLinePoint at)
{
    const std::int32_t k = appendRecord();
    editFrom(k)[k] = {at.x, at.y, 0, 0, strokeWidth(), strokeColour(), panel_.strokeNumber};
    canvas_.redrawFreeLines(k, FreeLineRedraw::Strokes);
    panel_.undoEnabled = true;
    show_({{k, k}, 0});
}

void FreeDrawing::figureDown(FreeLinePoint at)
{
    if (!checkFreeLineWidth(panel_.penWidthText, FreeLineTool::Pen, boxes_)) return;
    const FreeLineList& l = list();
    const bool empty = isEmptyFreeLineList(l);
    const bool newFigure = empty || l.items().size() == 1 || l[l.upperBound() - 1].strokeNumber != panel_.figureNumber;
    if (newFigure) {
        if (!empty) appendRecord();
        figureStart_ = at;
        lastVertex_ = at;
    }
    state_ = State::Pressed;
    show_({});
}

// The last record is the segment from the last vertex to the mouse.
void FreeDrawing::figureMove(FreeLinePoint at)
{
    const std::int32_t k = list().upperBound();
    editFrom(k)[k] = {at.x, at.y, lastVertex_.x, lastVertex_.y, penWidth(), panel_.penColour, panel_.figureNumber};
    canvas_.redrawFreeLines(k, FreeLineRedraw::Strokes);
    show_({{}, k});
}

// The segment always starts at the last vertex, also when the mouse never
// moved: a record without a start would be joined to whatever record lies
// before it. A release near the start ends exactly on the start, so that the
// outline in the picture has no gap.
void FreeDrawing::figureUp(FreeLinePoint at)
{
    const bool closed = closesFigure(figureStart_, at);
    if (closed) at = figureStart_;
    const std::int32_t k = list().upperBound();
    FreeLineList& l = editFrom(k);
    l[k] = {at.x, at.y, lastVertex_.x, lastVertex_.y, penWidth(), panel_.penColour, panel_.figureNumber};
    lastVertex_ = at;
    if (!closed) growFreeLineList(l);
    canvas_.redrawFreeLines(k, FreeLineRedraw::Strokes);
    panel_.undoEnabled = true;
    if (closed) {
        panel_.tool = FreeLineTool::Pen;
        panel_.figureNumber = 0;
        panel_.figureHighlighted = false;
    }
    show_({{k, k}, 0});
}

// A mark stands at the press at once; a line waits for the release.
void FreeDrawing::relationDown(FreeLinePoint at)
{
    if (!checkFreeLineWidth(panel_.penWidthText, FreeLineTool::Pen, boxes_)) return;
    if (isRelationMark(panel_.relationKind)) {
        storeRelationStroke(appendRecord(), {at, at});
        return;
    }
    relationPress_ = at;
    liveRecord_ = 0;
    state_ = State::Pressed;
    show_({});
}

// While the mouse moves, one plain segment shows where the line will go.
void FreeDrawing::relationMove(FreeLinePoint at)
{
    if (liveRecord_ == 0) liveRecord_ = appendRecord();
    const FreeLineSegment s = storableSegment({relationPress_, at}).value_or(FreeLineSegment{relationPress_, at});
    editFrom(liveRecord_)[liveRecord_] = {
        s.from.x, s.from.y, s.to.x, s.to.y, penWidth(), panel_.penColour, panel_.strokeNumber - 1};
    canvas_.redrawFreeLines(liveRecord_, FreeLineRedraw::Strokes);
    show_({{}, liveRecord_});
}

void FreeDrawing::relationUp(FreeLinePoint at)
{
    const std::optional<FreeLineSegment> line = relationLineEnds(canvas_, relationPress_, at);
    if (!line) {
        dropLiveRecord();
        show_({});
        return;
    }
    storeRelationStroke(liveRecord_ != 0 ? liveRecord_ : appendRecord(), *line);
    liveRecord_ = 0;
}

void FreeDrawing::storeRelationStroke(std::int32_t first, FreeLineSegment line)
{
    const RelationKind kind = panel_.relationKind;
    const FreeLineRange stored = storeRelation(editFrom(first), first, relationSegments(kind, line), kind, penWidth(),
                                               panel_.penColour, panel_.strokeNumber - 1);
    if (stored.empty()) {
        dropLastRecord();
        liveRecord_ = 0;
        return;
    }
    --panel_.strokeNumber;
    canvas_.redrawFreeLines(stored.first, FreeLineRedraw::Strokes);
    panel_.undoEnabled = true;
    show_({stored, 0});
}

std::int32_t FreeDrawing::appendRecord()
{
    const FreeLineList& l = list();
    // An empty list is one cleared record, which the new one takes.
    const bool empty = isEmptyFreeLineList(l);
    return appendFreeLineRecord(editFrom(empty ? std::numeric_limits<std::int32_t>::min() : l.upperBound() + 1));
}

// The live record leaves the list and its segment the canvas. Once anything
// else took its place (undo, clear-all) there is nothing left to drop.
void FreeDrawing::dropLiveRecord()
{
    const FreeLineList& l = list();
    if (liveRecord_ != 0 && liveRecord_ == l.upperBound() && l.items().back().strokeNumber == panel_.strokeNumber - 1)
        dropLastRecord();
    liveRecord_ = 0;
}

void FreeDrawing::dropLastRecord()
{
    FreeLineList& l = editFrom(list().upperBound());
    if (canvas_.strokes.exists(l.upperBound())) canvas_.strokes.unload(l.upperBound());
    if (l.items().size() == 1)
        clearFreeLines(l);
    else
        l.mutableItems().pop_back();
}

} // namespace kinsketch
