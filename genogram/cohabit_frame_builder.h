#pragma once
// clsAutoLine2: works out the automatic cohabitation frame — the outline of
// the marked person slots on the frame lattice — and writes it into
// `frameSegments`. It keeps no state; one object serves one call.

#include "drawing.h"

#include "geometry/canvas_size.h"

#include "document/gdr_record.h"
#include "seams/error_reporter.h"

#include <array>
#include <cstdint>
#include <functional>

namespace kinsketch {

// The segments to draw for the slots marked 1 in `flags`: those that border
// a marked slot and do not separate it from another marked one.
std::array<std::uint8_t, kCohabitSegCount> cohabitSegments(CanvasSize size,
                                                           const std::array<std::uint8_t, kSlotCount>& flags);

class CohabitFrameBuilder {
public:
    // The cohabitant mark of a panel slot (the slot label's tag as a number).
    using PanelMarks = std::function<int(int slot)>;

    CohabitFrameBuilder(GdrRecord& document, ErrorReporter& reporter);

    // Builds the frame of `size` from `cohabitMarks`, after adding the panel's
    // marks to it when they are given. Errors are reported under the
    // routine's title.
    void build(CanvasSize size, const PanelMarks& marks = {});

private:
    GdrRecord& document_;
    ErrorReporter& reporter_;
};

// What the menu selection does after a document was opened: when any person
// is marked as living together, every segment byte is cleared and the frame
// of the document's screen size is built from `cohabitMarks`.
void rebuildCohabitFrameFromFlags(GdrRecord& document, ErrorReporter& reporter);

// The frame tool's button: the frame built anew around the slots the panel marks.
void buildCohabitFrameOfMarks(Drawing& drawing, ErrorReporter& reporter, const CohabitFrameBuilder::PanelMarks& marks);

} // namespace kinsketch
