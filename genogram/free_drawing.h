#pragma once
// The pen, eraser, free-figure and 関係線 gestures of input mode 3 on one canvas:
// they write the document's free-line list with the free-line panel's
// settings and let the canvas turn the new records into segments. After each
// event the window is told which records to show, so that it can draw just
// those over what it shows already.

#include "free_drawing_gestures.h"
#include "free_line_list.h"
#include "free_line_panel_registers.h"
#include "geno_canvas.h"
#include "relation_shapes.h"

#include "seams/message_boxes.h"

#include <cstdint>
#include <functional>

namespace kinsketch {

// Records first … last got segments that now lie on top of the canvas;
// `live` (0 for none) is the figure segment that follows the mouse and
// changes with the next move.
struct FreeLineStep {
    FreeLineRange drawn;
    std::int32_t live = 0;
};

class FreeDrawing : public FreeDrawingGestures {
public:
    using ShowStep = std::function<void(const FreeLineStep&)>;

    FreeDrawing(
        CanvasSize size, GenoCanvas& canvas, FreeLinePanelRegisters& panel, MessageBoxes& boxes,
        ShowStep show = [](const FreeLineStep&) {});

    void mouseDown(MouseButtons button, float x, float y) override;
    void mouseMove(MouseButtons held, float x, float y) override;
    void mouseUp(MouseButtons button, float x, float y) override;

private:
    enum class State : std::uint8_t { Idle = 0, Pressed = 1, Moving = 2 };

    const FreeLineList& list() const { return canvas_.document().strokes; }
    // The records, to be changed from record `first` on.
    FreeLineList& editFrom(std::int32_t first) { return canvas_.drawing().editStrokesFrom(first); }
    // Appends a record and returns its number.
    std::int32_t appendRecord();
    void penDown(FreeLinePoint at);
    void penTo(FreeLinePoint at);
    void figureDown(FreeLinePoint at);
    void figureMove(FreeLinePoint at);
    void figureUp(FreeLinePoint at);
    void relationDown(FreeLinePoint at);
    void relationMove(FreeLinePoint at);
    void relationUp(FreeLinePoint at);
    void storeRelationStroke(std::int32_t first, FreeLineSegment line);
    void dropLiveRecord();
    void dropLastRecord();
    std::int32_t penWidth() const;
    std::int32_t strokeWidth() const;
    Colour strokeColour() const;

    CanvasSize size_;
    GenoCanvas& canvas_;
    FreeLinePanelRegisters& panel_;
    MessageBoxes& boxes_;
    ShowStep show_;
    FreeLineTool tool_ = FreeLineTool::Pen;
    State state_ = State::Idle;
    FreeLinePoint figureStart_;
    FreeLinePoint lastVertex_;
    FreeLinePoint relationPress_;
    std::int32_t liveRecord_ = 0; // the 関係線 tool's straight line that follows the mouse
};

} // namespace kinsketch
