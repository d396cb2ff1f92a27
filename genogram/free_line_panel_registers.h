#pragma once
// The controls of the free-line panel (mdiPan_Com) that the canvas reads and
// writes while drawing, as plain values under their control names. The panel
// window shows them; the canvas gestures and the panel's buttons change them.
// Numbers are kept as text, the way the panel keeps them in its tags.

#include "document/gdr_record.h"
#include "seams/message_boxes.h"

#include <cstdint>
#include <string>

namespace kinsketch {

enum class FreeLineTool : std::uint8_t { Pen = 0, Eraser = 1, Figure = 2 };

struct FreeLinePanelRegisters {
    std::string toolTag = "0";          // the tool: "0" pen, "1" eraser, "2" free figure
    std::string figureTag = "0";        // the number of the figure being built
    std::string strokeTag = "0";        // the number of the last pen or eraser stroke, 0 or below
    std::string colourTag = "0";        // the pen colour, decimal 0x00BBGGRR
    std::string penWidthText = "1";     // pen width in pixels
    std::string eraserWidthText = "10"; // eraser width in pixels
    bool undoEnabled = false;
    bool figureHighlighted = false;
    bool eraserHighlighted = false;

    FreeLineTool tool() const;
    void setTool(FreeLineTool tool) { toolTag = std::to_string(static_cast<int>(tool)); }
    Colour penColour() const;
};

// A number kept as text. The sign counts: stroke numbers are negative, and
// reading "-3" as 0 would give every stroke the same number. Empty text is 0.
std::int32_t tagNumber(const std::string& tag);
// A width box's number; digits only can be typed, so anything else stops the
// number there. Widths beyond 16 bits are held at the largest one.
std::int16_t widthNumber(const std::string& text);

// The width checks of the pen and the eraser box: an empty or zero width is
// refused with its message.
bool checkFreeLineWidth(const std::string& text, FreeLineTool tool, MessageBoxes& boxes);

} // namespace kinsketch
