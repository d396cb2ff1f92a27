#include "free_line_panel.h"

#include "genogram/free_line_list.h"

namespace kinsketch {

FreeLinePanel::FreeLinePanel(GdrRecord& document, std::int32_t& freeLineCount, FreeLinePanelRegisters& registers,
                             MessageBoxes& boxes, FreeLinePanelNeighbours neighbours)
    : document_(document)
    , freeLineCount_(freeLineCount)
    , registers_(registers)
    , boxes_(boxes)
    , neighbours_(std::move(neighbours))
{
}

void FreeLinePanel::Form_Load()
{
    registers_ = FreeLinePanelRegisters{};
    registers_.cmd_FreeFig = std::to_string(highestStrokeNo(document_.FreeLine));
    registers_.cmd_Back = std::to_string(lowestStrokeNo(document_.FreeLine));
    LsubBackEnable();
}

void FreeLinePanel::cmd_FreeFig_Click()
{
    if (registers_.tool() != FreeLineTool::Figure) {
        registers_.setTool(FreeLineTool::Figure);
        registers_.cmd_FreeFigHighlighted = true;
        registers_.cmd_FreeFig = std::to_string(lastFigureNo(document_.FreeLine) + 1);
        registers_.cmd_EraseHighlighted = false;
        return;
    }
    closeOpenFigure();
    registers_.setTool(FreeLineTool::Pen);
    registers_.cmd_FreeFigHighlighted = false;
}

void FreeLinePanel::cmd_Erase_Click()
{
    switch (registers_.tool()) {
    case FreeLineTool::Pen:
        registers_.setTool(FreeLineTool::Eraser);
        registers_.cmd_EraseHighlighted = true;
        registers_.cmd_FreeFigHighlighted = false;
        break;
    case FreeLineTool::Eraser:
        registers_.setTool(FreeLineTool::Pen);
        registers_.cmd_EraseHighlighted = false;
        break;
    case FreeLineTool::Figure:
        closeOpenFigure();
        registers_.setTool(FreeLineTool::Eraser);
        registers_.cmd_EraseHighlighted = true;
        registers_.cmd_FreeFigHighlighted = false;
        break;
    }
}

void FreeLinePanel::closeOpenFigure()
{
    const std::int32_t k = closeFreeFigure(document_.FreeLine, tagNumber(registers_.cmd_FreeFig), widthNumber(registers_.txtLineW),
                                           registers_.penColour());
    if (k == 0) return;
    neighbours_.canvas().GfncLineDraw2(k, false);
    neighbours_.showCanvas();
}

// Undo stops at the records that came with the document.
void FreeLinePanel::cmd_Back_Click()
{
    const FreeLineRange removed = undoFreeLine(document_.FreeLine, freeLineCount_);
    if (removed.empty()) return;
    GenoCanvas& canvas = neighbours_.canvas();
    for (std::int32_t k = removed.first; k <= removed.last; ++k)
        if (canvas.FreeLine.exists(k)) canvas.FreeLine.unload(k);
    redrawCanvas();
    registers_.setTool(FreeLineTool::Pen);
    registers_.cmd_EraseHighlighted = false;
    registers_.cmd_FreeFigHighlighted = false;
    LsubBackEnable();
}

void FreeLinePanel::cmd_AllErase_Click()
{
    const MessageRequest question{"描いた線をすべて削除します。\r\n\r\nよろしいですか？", "", MessageIcon::Question,
                                  MessageButtons::YesNo};
    if (boxes_.show(question) != MessageAnswer::Yes) return;
    GenoCanvas& canvas = neighbours_.canvas();
    for (int k = canvas.FreeLine.upperBound(); k >= 1; --k)
        if (canvas.FreeLine.exists(k)) canvas.FreeLine.unload(k);
    clearFreeLines(document_.FreeLine);
    redrawCanvas();
    freeLineCount_ = 0;
    registers_.cmd_FreeFig = "0";
    registers_.cmd_Back = "0";
    LsubBackEnable();
}

void FreeLinePanel::setColour(Colour colour) { registers_.lblColorSample = std::to_string(colour); }

bool FreeLinePanel::LfncChkLineW() { return checkFreeLineWidth(registers_.txtLineW, FreeLineTool::Pen, boxes_); }
bool FreeLinePanel::LfncChkLineE() { return checkFreeLineWidth(registers_.txtLineE, FreeLineTool::Eraser, boxes_); }

// Enabled while undo has something to take: a drawn record beyond the ones
// that came with the document.
void FreeLinePanel::LsubBackEnable()
{
    const std::int32_t last = lastDrawnFreeLine(document_.FreeLine);
    registers_.cmd_BackEnabled = last > 0 && last > freeLineCount_;
}

void FreeLinePanel::redrawCanvas()
{
    neighbours_.canvas().GfncPrev();
    neighbours_.showCanvas();
}

} // namespace kinsketch
