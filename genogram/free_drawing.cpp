#include "free_drawing.h"

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
    const FreeLinePoint at = clampFreeLinePoint(size_, x, y);
    tool_ = panel_.tool;
    if (tool_ == FreeLineTool::Figure)
        figureDown(at);
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
    else
        penTo(at);
}

void FreeDrawing::mouseUp(MouseButtons button, float x, float y)
{
    if (button != kLeftButton || state_ == State::Idle) return;
    const FreeLinePoint at = clampFreeLinePoint(size_, x, y);
    if (tool_ == FreeLineTool::Figure)
        figureUp(at);
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
    const std::int32_t k = appendFreeLineRecord(list());
    list()[k] = {at.x, at.y, 0, 0, strokeWidth(), strokeColour(), panel_.strokeNumber};
    canvas_.redrawFreeLines(k, FreeLineRedraw::Figure);
    state_ = State::Pressed;
    show_({{k, k}, 0});
}

void FreeDrawing::penTo(FreeLinePoint at)
{
    const std::int32_t k = appendFreeLineRecord(list());
    list()[k] = {at.x, at.y, 0, 0, strokeWidth(), strokeColour(), panel_.strokeNumber};
    canvas_.redrawFreeLines(k, FreeLineRedraw::Strokes);
    panel_.undoEnabled = true;
    show_({{k, k}, 0});
}

void FreeDrawing::figureDown(FreeLinePoint at)
{
    if (!checkFreeLineWidth(panel_.penWidthText, FreeLineTool::Pen, boxes_)) return;
    FreeLineList& l = list();
    const bool empty = isEmptyFreeLineList(l);
    const bool newFigure = empty || l.items().size() == 1 || l[l.upperBound() - 1].strokeNumber != panel_.figureNumber;
    if (newFigure) {
        if (!empty) growFreeLineList(l);
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
    list()[k] = {at.x, at.y, lastVertex_.x, lastVertex_.y, penWidth(), panel_.penColour, panel_.figureNumber};
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
    FreeLineList& l = list();
    const std::int32_t k = l.upperBound();
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

} // namespace kinsketch
