#pragma once
// The controls of the free-line panel (mdiPan_Com) that the canvas reads and
// writes while drawing, as plain values. The panel window shows them; the
// canvas gestures and the panel's buttons change them. The widths stay the
// text of their boxes: an empty box has a message of its own, and the panel
// made anew at another display size shows the text as typed, leading zeros
// and all.

#include "relation_kind.h"

#include "document/gdr_record.h"
#include "seams/message_boxes.h"

#include <cstdint>
#include <string>

namespace kinsketch {

enum class FreeLineTool : std::uint8_t { Pen = 0, Eraser = 1, Figure = 2, Relation = 3 };

struct FreeLinePanelRegisters {
    FreeLineTool tool = FreeLineTool::Pen;
    std::int32_t figureNumber = 0; // the number of the figure being built
    std::int32_t strokeNumber = 0; // the number of the last pen, eraser or 関係線 stroke, 0 or below
    RelationKind relationKind = RelationKind::Close;
    Colour penColour = 0;               // 0x00BBGGRR
    std::string penWidthText = "1";     // pen width in pixels
    std::string eraserWidthText = "10"; // eraser width in pixels
    bool undoEnabled = false;
    bool figureHighlighted = false;
    bool eraserHighlighted = false;
};

// A width box's number; digits only can be typed, so anything else stops the
// number there. Widths beyond 16 bits are held at the largest one.
std::int16_t widthNumber(const std::string& text);

// The width checks of the pen and the eraser box: an empty or zero width is
// refused with its message.
bool checkFreeLineWidth(const std::string& text, FreeLineTool tool, MessageBoxes& boxes);

} // namespace kinsketch
