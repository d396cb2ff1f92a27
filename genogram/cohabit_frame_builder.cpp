#include "cohabit_frame_builder.h"

#include "cohabit_lattice.h"
#include "document/error_trap.h"
#include "geometry/canvas_geometry.h"

#include <algorithm>

namespace kinsketch {

std::array<std::uint8_t, kCohabitSegCount> cohabitSegments(CanvasSize size,
                                                           const std::array<std::uint8_t, kSlotCount>& flags)
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

CohabitFrameBuilder::CohabitFrameBuilder(GdrRecord& document, ErrorReporter& reporter)
    : document_(document)
    , reporter_(reporter)
{}

void CohabitFrameBuilder::build(CanvasSize size, const PanelMarks& marks)
{
    trapErrors(reporter_, "clsAutoLine2.DoAutoLine", [&] {
        const int slotCount = canvasGeometry(size).slotCount;
        if (marks) {
            for (int i = 0; i < slotCount; ++i)
                if (marks(i) == 1) document_.cohabitMarks[static_cast<std::size_t>(i)] = 1;
        }
        // Slots beyond the layout take no part, whatever the document holds.
        std::array<std::uint8_t, kSlotCount> flags{};
        std::copy_n(document_.cohabitMarks.begin(), slotCount, flags.begin());
        const auto segments = cohabitSegments(size, flags);
        const auto used = cohabitLattice(size).size();
        std::copy_n(segments.begin(), used, document_.frameSegments.begin());
    });
}

void rebuildCohabitFrameFromFlags(GdrRecord& document, ErrorReporter& reporter)
{
    const auto& flags = document.cohabitMarks;
    if (std::none_of(flags.begin(), flags.end(), [](std::uint8_t f) { return f == 1; })) return;
    document.frameSegments.fill(0);
    CohabitFrameBuilder(document, reporter).build(canvasSizeOf(document));
}

void buildCohabitFrameOfMarks(Drawing& drawing, ErrorReporter& reporter, const CohabitFrameBuilder::PanelMarks& marks)
{
    GdrRecord& document = drawing.editFrame();
    document.cohabitMarks.fill(0);
    document.frameSegments.fill(0);
    CohabitFrameBuilder(document, reporter).build(canvasSizeOf(document), marks);
}

} // namespace kinsketch
