#pragma once
// What the input-mode switch bar drives: the guidance box, the tool window
// of each mode, the added-line handles on the canvas and the input mode.
// SwitchBarWiring implements it in the editing screen; tests record the calls.

#include "genogram/input_mode.h"

#include <cstdint>
#include <string>
#include <vector>

namespace kinsketch {

class SwitchBarTargets {
public:
    virtual ~SwitchBarTargets() = default;
    // Shows the guidance box and lets it cycle through `lines` from the first.
    virtual void setGuidance(const std::vector<std::string>& lines) = 0;
    virtual void showLineTool(bool shown) = 0;
    // Shows the handles of the lines on show, or hides every handle.
    virtual void showLineHandles(bool shown) = 0;
    virtual void setInputMode(InputMode mode) = 0;
    // Whether a mode may be chosen now: not behind a box, not during another command.
    virtual bool acceptsCommands() const { return true; }
};

} // namespace kinsketch
