#pragma once
// The working document while it is edited, and the one way to change it:
// every gesture (the panel, texts, added lines, the pen and eraser, figures,
// the frame) edits through a named operation, which notes what it changed.
// The history compares only the parts the notes name, and a step shown
// again reports its change the same way, so the panel and the canvas show
// just that.

#include "free_line_list.h"

#include "document/gdr_record.h"

#include <algorithm>
#include <bitset>
#include <cstdint>
#include <optional>
#include <string>

namespace kinsketch {

// Which parts of the document changed.
struct DrawingChange {
    std::bitset<kSlotCount> personSlots; // a symbol, age or remark
    std::bitset<kLineCount> lineStyles;
    bool frame = false;                      // the frame's segments or cohabitant flags
    bool marks = false;                      // the panel's cohabitant marks, which the document does not hold
    std::bitset<kTextLabelCount> texts;      // by text number
    std::bitset<kAddLineCount> addedLines;   // line n is bit n − 1
    std::optional<std::int32_t> strokesFrom; // the first pen record that changed
    bool size = false;                       // the screen size, and with it anything

    static DrawingChange everything();
    // Every text, every added line (when asked) and the pen records from `strokesFrom` on.
    static DrawingChange ofLayers(bool texts, bool addedLines, std::optional<std::int32_t> strokesFrom);
    bool empty() const;
    bool panel() const { return personSlots.any() || lineStyles.any(); }
    void addStrokesFrom(std::int32_t first) { strokesFrom = strokesFrom ? std::min(*strokesFrom, first) : first; }
    DrawingChange& operator|=(const DrawingChange& other);
};

class Drawing {
public:
    explicit Drawing(GdrRecord& document)
        : document_(document)
    {}
    Drawing(const Drawing&) = delete;
    Drawing& operator=(const Drawing&) = delete;

    const GdrRecord& document() const { return document_; }

    // The panel's fields; a value that stays notes nothing.
    void setSymbol(int slot, const std::string& key);
    void setAge(int slot, const std::string& age);
    void setRemark(int slot, const std::string& remark);
    void setLineStyle(int line, std::uint8_t style);
    void marksChanged() { pending_.marks = true; }
    // The record for the frame tool to build the frame into.
    GdrRecord& editFrame();

    void setText(int n, const TextLabelRecord& text);
    void setAddedLine(int n, const AddLineRecord& line);
    // The pen records, to be changed from record `first` on.
    FreeLineList& editStrokesFrom(std::int32_t first);

    // The record for what changes it as a whole (storing the layers, the size
    // switch, a step of the history shown again), and the note of what did.
    GdrRecord& editWhole() { return document_; }
    void changed(const DrawingChange& change) { pending_ |= change; }

    // What changed since the last call.
    DrawingChange takeChange();
    const DrawingChange& pending() const { return pending_; }

private:
    GdrRecord& document_;
    DrawingChange pending_;
};

} // namespace kinsketch
