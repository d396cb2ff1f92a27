#pragma once
// The free-line panel (mdiPan_Com) without its window: the tool buttons (関係線 among them),
// undo, clear-all, the width checks and the colour, over the document's
// free-line list and the panel registers the canvas gestures share. The
// window turns clicks into these calls and shows the registers.

#include "document/gdr_record.h"
#include "genogram/free_line_panel_registers.h"
#include "genogram/geno_canvas.h"
#include "seams/message_boxes.h"

#include <cstdint>
#include <functional>

namespace kinsketch {

struct FreeLinePanelNeighbours {
    // The canvas of the current screen size.
    std::function<GenoCanvas&()> canvas;
    // Shows the canvas again after its model changed.
    std::function<void()> showCanvas = [] {};
};

class FreeLinePanel {
public:
    FreeLinePanel(Drawing& drawing, std::int32_t& freeLineCount, FreeLinePanelRegisters& registers, MessageBoxes& boxes,
                  FreeLinePanelNeighbours neighbours);

    // The registers as a fresh panel has them, the numbers taken from the list.
    void load();

    void toggleFigure();
    void toggleEraser();
    // The 関係線 tool: on, or back to the pen.
    void toggleRelation();
    void chooseRelation(RelationKind kind);
    void undoStroke();
    void clearAll();
    void setColour(Colour colour);

    bool checkPenWidth();
    bool checkEraserWidth();
    void updateUndoEnabled();

    FreeLinePanelRegisters& registers() { return registers_; }

private:
    void closeOpenFigure();
    void redrawCanvas();

    Drawing& drawing_;
    std::int32_t& freeLineCount_;
    FreeLinePanelRegisters& registers_;
    MessageBoxes& boxes_;
    FreeLinePanelNeighbours neighbours_;
};

} // namespace kinsketch
