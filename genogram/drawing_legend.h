#pragma once
// The legend of a printed genogram: the person symbols, line styles and
// 関係線 kinds the drawing uses, each once, with the names the choosers give
// them. Nothing the drawing does not show is listed.

#include "document/gdr_record.h"

#include <string_view>
#include <vector>

namespace kinsketch {

struct LegendEntry {
    enum class Kind : std::uint8_t { Symbol, LineStyle, Relation };
    Kind kind;
    int code; // the symbol's image number, the line style, or the RelationKind
    std::string_view name;
    bool operator==(const LegendEntry&) const = default;
};

// Symbols in the chooser's order, then line styles, then 関係線 kinds.
std::vector<LegendEntry> legendOf(const GdrRecord& document);

} // namespace kinsketch
