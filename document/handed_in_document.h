#pragma once
// How start-up reads the command line's document: the layout is recognised,
// older layouts are converted and the version is stamped. kinsketch-doc
// reads documents the same way.

#include "gdr_layout.h"
#include "gdr_store.h"

#include <cstdint>

namespace kinsketch {

struct OpenedDocument {
    GdrRecord record;
    // The pen-stroke records that came with the document: undo never goes below them.
    std::int32_t freeLineCount = 0;
    GdrLayout layout = GdrLayout::Current;
    bool readWhole = false; // false: errors were reported and `record` is a new document
    Bytes content;          // the file as handed in; empty when it could not be read
};

// A document that cannot be read whole is reported through the store's
// reporter and replaced by a new one: a half-read document is never edited.
OpenedDocument openHandedInDocument(GdrStore& store, const std::filesystem::path& file);

// A new document, version stamped.
OpenedDocument openNewDocument(GdrStore& store);

} // namespace kinsketch
