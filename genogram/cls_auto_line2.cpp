#include "cls_auto_line2.h"

#include "canvas_geometry.h"
#include "cohabit_lattice.h"
#include "document/error_trap.h"

#include <algorithm>

namespace kinsketch {

std::array<std::uint8_t, kCohabitSegCount> cohabitSegments(CanvasSize size, const std::array<std::uint8_t, kSlotCount>& flags)
{
    const auto marked = [&](int slot) { return flags[static_cast<std::size_t>(slot)] == 1; };
    std::array<std::uint8_t, kCohabitSegCount> segments{};
    const auto lattice = cohabitLattice(size);
    for (std::size_t s = 0; s < lattice.size(); ++s) {
        const SegmentSlots& slots = lattice[s];
        const bool drawn = slots.shared() ? marked(slots.a) != marked(slots.b) : marked(slots.a);
        segments[s] = drawn ? 1 : 0;
    }
    return segments;
}

clsAutoLine2::clsAutoLine2(GdrRecord& document, ErrorReporter& reporter)
    : document_(document)
    , reporter_(reporter)
{
}

void clsAutoLine2::DoAutoLine(Bool16 fromPanel, std::int32_t& result, const PanelMarks& marks)
{
    result = 0;
    build(CanvasSize::Normal, fromPanel, marks);
}

void clsAutoLine2::DoAutoLine_2(Bool16 fromPanel, std::int32_t& result, const PanelMarks& marks)
{
    result = 0;
    build(CanvasSize::Wide, fromPanel, marks);
}

void clsAutoLine2::build(CanvasSize size, Bool16 fromPanel, const PanelMarks& marks)
{
    trapErrors(reporter_, "clsAutoLine2.DoAutoLine", [&] {
        const int slotCount = canvasGeometry(size).slotCount;
        if (fromPanel != kFalse && marks) {
            for (int i = 0; i < slotCount; ++i)
                if (marks(i) == 1) document_.CohabitFlag[static_cast<std::size_t>(i)] = 1;
        }
        // Slots beyond the layout take no part, whatever the document holds.
        std::array<std::uint8_t, kSlotCount> flags{};
        std::copy_n(document_.CohabitFlag.begin(), slotCount, flags.begin());
        const auto segments = cohabitSegments(size, flags);
        const auto used = cohabitLattice(size).size();
        std::copy_n(segments.begin(), used, document_.CohabitSeg.begin());
    });
}

void rebuildCohabitFrameFromFlags(GdrRecord& document, ErrorReporter& reporter)
{
    const auto& flags = document.CohabitFlag;
    if (std::none_of(flags.begin(), flags.end(), [](std::uint8_t f) { return f == 1; })) return;
    document.CohabitSeg.fill(0);
    std::int32_t result = 0;
    clsAutoLine2 builder(document, reporter);
    if (canvasSizeOf(document) == CanvasSize::Wide)
        builder.DoAutoLine_2(kFalse, result);
    else
        builder.DoAutoLine(kFalse, result);
}

} // namespace kinsketch
