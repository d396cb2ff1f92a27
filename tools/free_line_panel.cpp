#include "free_line_panel.h"

#include "genogram/free_line_list.h"

#include <limits>

namespace kinsketch {

FreeLinePanel::FreeLinePanel(Drawing& drawing, std::int32_t& freeLineCount, FreeLinePanelRegisters& registers,
                             MessageBoxes& boxes, FreeLinePanelNeighbours neighbours)
    : drawing_(drawing)
    , freeLineCount_(freeLineCount)
    , registers_(registers)
    , boxes_(boxes)
    , neighbours_(std::move(neighbours))
{}

void FreeLinePanel::load()
{
    registers_ = FreeLinePanelRegisters{};
    registers_.figureNumber = highestStrokeNo(drawing_.document().strokes);
    registers_.strokeNumber = lowestStrokeNo(drawing_.document().strokes);
    updateUndoEnabled();
}

void FreeLinePanel::toggleFigure()
{
    if (registers_.tool != FreeLineTool::Figure) {
        registers_.tool = FreeLineTool::Figure;
        registers_.figureHighlighted = true;
        registers_.figureNumber = lastFigureNo(drawing_.document().strokes) + 1;
        registers_.eraserHighlighted = false;
        return;
    }
    closeOpenFigure();
    registers_.tool = FreeLineTool::Pen;
    registers_.figureHighlighted = false;
}

void FreeLinePanel::toggleEraser()
{
    switch (registers_.tool) {
    case FreeLineTool::Pen:
    case FreeLineTool::Relation:
        registers_.tool = FreeLineTool::Eraser;
        registers_.eraserHighlighted = true;
        registers_.figureHighlighted = false;
        break;
    case FreeLineTool::Eraser:
        registers_.tool = FreeLineTool::Pen;
        registers_.eraserHighlighted = false;
        break;
    case FreeLineTool::Figure:
        closeOpenFigure();
        registers_.tool = FreeLineTool::Eraser;
        registers_.eraserHighlighted = true;
        registers_.figureHighlighted = false;
        break;
    }
}

void FreeLinePanel::toggleRelation()
{
    if (registers_.tool == FreeLineTool::Relation) {
        registers_.tool = FreeLineTool::Pen;
        return;
    }
    if (registers_.tool == FreeLineTool::Figure) closeOpenFigure();
    registers_.tool = FreeLineTool::Relation;
    registers_.figureHighlighted = false;
    registers_.eraserHighlighted = false;
}

// Choosing a kind is asking to draw it.
void FreeLinePanel::chooseRelation(RelationKind kind)
{
    registers_.relationKind = kind;
    if (registers_.tool != FreeLineTool::Relation) toggleRelation();
}

void FreeLinePanel::closeOpenFigure()
{
    const FreeLineList& strokes = drawing_.document().strokes;
    const std::int32_t k = closeFreeFigure(drawing_.editStrokesFrom(strokes.upperBound()), registers_.figureNumber,
                                           widthNumber(registers_.penWidthText), registers_.penColour);
    if (k == 0) return;
    neighbours_.canvas().redrawFreeLines(k, FreeLineRedraw::Strokes);
    neighbours_.showCanvas();
}

// Undo stops at the records that came with the document.
void FreeLinePanel::undoStroke()
{
    // What came with the document stays.
    const FreeLineRange removed = undoFreeLine(drawing_.editStrokesFrom(freeLineCount_ + 1), freeLineCount_);
    if (removed.empty()) return;
    GenoCanvas& canvas = neighbours_.canvas();
    for (std::int32_t k = removed.first; k <= removed.last; ++k)
        if (canvas.strokes.exists(k)) canvas.strokes.unload(k);
    redrawCanvas();
    // After taking back a wrong 関係線 the user draws it again.
    if (registers_.tool != FreeLineTool::Relation) registers_.tool = FreeLineTool::Pen;
    registers_.eraserHighlighted = false;
    registers_.figureHighlighted = false;
    updateUndoEnabled();
}

void FreeLinePanel::clearAll()
{
    const MessageRequest question{"描いた線をすべて削除します。\r\n\r\nよろしいですか？", "", MessageIcon::Question,
                                  MessageButtons::YesNo};
    if (boxes_.show(question) != MessageAnswer::Yes) return;
    GenoCanvas& canvas = neighbours_.canvas();
    for (int k = canvas.strokes.upperBound(); k >= 1; --k)
        if (canvas.strokes.exists(k)) canvas.strokes.unload(k);
    clearFreeLines(drawing_.editStrokesFrom(std::numeric_limits<std::int32_t>::min()));
    redrawCanvas();
    freeLineCount_ = 0;
    registers_.figureNumber = 0;
    registers_.strokeNumber = 0;
    updateUndoEnabled();
}

void FreeLinePanel::setColour(Colour colour) { registers_.penColour = colour; }

bool FreeLinePanel::checkPenWidth() { return checkFreeLineWidth(registers_.penWidthText, FreeLineTool::Pen, boxes_); }
bool FreeLinePanel::checkEraserWidth()
{
    return checkFreeLineWidth(registers_.eraserWidthText, FreeLineTool::Eraser, boxes_);
}

// Enabled while undo has something to take: a drawn record beyond the ones
// that came with the document.
void FreeLinePanel::updateUndoEnabled()
{
    const std::int32_t last = lastDrawnFreeLine(drawing_.document().strokes);
    registers_.undoEnabled = last > 0 && last > freeLineCount_;
}

void FreeLinePanel::redrawCanvas()
{
    neighbours_.canvas().rebuild();
    neighbours_.showCanvas();
}

} // namespace kinsketch
