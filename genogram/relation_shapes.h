#pragma once
// The relationship lines (親密, 密着, 対立, …) and marks (双子, 妊娠, 流産, …)
// of the 関係線 tool, drawn as straight segments in canvas twips. A drawn one
// is kept as an ordinary pen stroke: one stroke number, each record a
// segment with both ends written. Every reader of the free-line list draws
// it, and 一つ戻る takes it back whole. Its kind rides on the first record's
// start point, in fractions of a twip that no picture can show, so that the
// printed legend can still name it after the document was saved and opened
// again.

#include "free_line_list.h"
#include "geno_canvas.h"
#include "relation_kind.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace kinsketch {

struct FreeLineSegment {
    FreeLinePoint from, to;
};

// The line from the press to the release. An end on a person symbol starts
// at the symbol's centre and is shortened to stop short of its outline.
// Nothing when the ends lie on one symbol or too close for the pattern.
std::optional<FreeLineSegment> relationLineEnds(const GenoCanvas& canvas, FreeLinePoint press, FreeLinePoint release);

// The segment as a record can hold it: a record whose end is (0, 0) is joined
// to the record before, so such a segment is turned round; nothing when both
// ends lie there.
std::optional<FreeLineSegment> storableSegment(FreeLineSegment segment);

// The segments that draw `kind`: a line along `line`, a mark at `line.from`.
std::vector<FreeLineSegment> relationSegments(RelationKind kind, FreeLineSegment line);

// Appends `segments` to the list as one stroke numbered `strokeNumber`,
// written from record `first` on (the element appendFreeLineRecord gave),
// and tags it with `kind`. Returns the records written.
FreeLineRange storeRelation(FreeLineList& list, std::int32_t first, const std::vector<FreeLineSegment>& segments,
                            RelationKind kind, std::int32_t width, Colour colour, std::int32_t strokeNumber);

// The kinds drawn in the list, each once, in the enum's order.
std::vector<RelationKind> relationKindsIn(const FreeLineList& list);

} // namespace kinsketch
