#pragma once
// How start-up turns the command line's document into gGdr: the layout is
// recognised, older layouts are converted, the version is stamped and
// gFreeLineCount is set. kinsketch-doc reads documents the same way.

#include "gdr_layout.h"
#include "gdr_store.h"

namespace kinsketch {

struct OpenedDocument {
    GdrLayout layout = GdrLayout::Current;
    bool readWhole = false; // false: errors were reported and gGdr holds a new document
};

// A document that cannot be read whole is reported through the store's
// reporter, and gGdr then starts from the new-document values instead.
OpenedDocument openHandedInDocument(clsGdrOpe& store, const std::filesystem::path& file);

// A new document, version stamped.
void openNewDocument(clsGdrOpe& store);

} // namespace kinsketch
