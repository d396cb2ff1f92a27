#include "drawing_legend.h"

#include "line_style.h"
#include "relation_shapes.h"
#include "symbol_choices.h"

#include "geometry/canvas_geometry.h"

#include <array>

namespace kinsketch {

std::vector<LegendEntry> legendOf(const GdrRecord& document)
{
    const CanvasGeometry& geometry = canvasGeometry(canvasSizeOf(document));
    std::vector<LegendEntry> entries;

    std::array<bool, kSymbolChoiceCount> symbols{};
    for (int slot = 0; slot < geometry.slotCount; ++slot) {
        const int choice = symbolChoiceOf(document.symbols[static_cast<std::size_t>(slot)]);
        if (choice != kNoChoice && choice != kBlankChoice) symbols[static_cast<std::size_t>(choice)] = true;
    }
    for (int choice = 0; choice < kSymbolChoiceCount; ++choice)
        if (symbols[static_cast<std::size_t>(choice)])
            entries.push_back({LegendEntry::Kind::Symbol, symbolChoiceImage(choice),
                               kSymbolChoiceNames[static_cast<std::size_t>(choice)]});

    std::array<bool, kLineStyleCount> styles{};
    for (int line = 0; line < geometry.connectorCount(); ++line) {
        const int style =
            shownLineStyle(document.lineStyles[static_cast<std::size_t>(line)], geometry.isMarriageLine(line));
        const auto look = lineStyleLook(style, true);
        if (look && look->shown) styles[static_cast<std::size_t>(style)] = true;
    }
    for (int style = 0; style < kLineStyleCount; ++style)
        if (styles[static_cast<std::size_t>(style)])
            entries.push_back({LegendEntry::Kind::LineStyle, style, kLineStyleNames[static_cast<std::size_t>(style)]});

    for (const RelationKind kind : relationKindsIn(document.strokes))
        entries.push_back(
            {LegendEntry::Kind::Relation, static_cast<int>(kind), kRelationKindNames[static_cast<std::size_t>(kind)]});
    return entries;
}

} // namespace kinsketch
