#pragma once
// Conversions that bring a document into the shape the program works with:
// the new-document values, and the two older layouts turned into the current
// record.

#include "gdr_record.h"
#include "version.h"

#include <cstdint>

namespace kinsketch {

// What a new document starts from: every symbol key "i000", `isNew` True and a
// `strokes` array of the one empty element 1. No other field is touched.
void makeNewDocument(GdrRecord& record);

// Copies a pre-2.02 document into `target` (all fields but `screenMode` and
// `version`) and gives it the one empty `strokes` element.
void convertPre202(const GdrRecord& old, GdrRecord& target);

// Copies an 18-row document into `target`, which already holds the
// new-document values: rows 0–17, lines 0–51, the layers that have the same
// shape, and the old frame segments mapped onto the current lattice.
void convertRows18(const Rows18Record& old, GdrRecord& target);

// The stroke records that came with a current-layout document: the upper bound
// of `strokes`, or 0 for the one-element placeholder of a document without strokes.
std::int32_t loadedFreeLineCount(const GdrRecord& record);

} // namespace kinsketch
