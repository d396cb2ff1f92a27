#include "handed_in_document.h"

#include "gdr_conversion.h"

namespace kinsketch {
namespace {

// The document in `layout`, or nothing after a reported error.
std::optional<OpenedDocument> readInLayout(GdrStore& store, const std::filesystem::path& file, GdrLayout layout)
{
    OpenedDocument opened;
    opened.layout = layout;
    switch (layout) {
    case GdrLayout::Pre202: {
        const std::optional<GdrRecord> old = store.readPre202Layout(file);
        if (!old) return std::nullopt;
        convertPre202(*old, opened.record);
        return opened;
    }
    case GdrLayout::Current: {
        std::optional<GdrRecord> record = store.readCurrentLayout(file);
        if (!record) return std::nullopt;
        opened.record = std::move(*record);
        // A document without a stroke array would leave the free-line panel
        // nothing to append to; it gets the placeholder a new document has.
        auto& strokes = opened.record.strokes;
        if (!strokes.dimensioned || strokes.items().empty()) strokes = {true, 1, {FreeLineRecord{}}};
        // The editor numbers strokes from 1 (0 is left unused) and appends
        // past the upper bound: any other lower bound, up to ±2³¹ in a
        // damaged file, would leave strokes undrawn and unsaved or wrap the
        // numbers. The records are kept and numbered from 1.
        if (strokes.lowerBound != 0 && strokes.lowerBound != 1) strokes.lowerBound = 1;
        opened.freeLineCount = loadedFreeLineCount(opened.record);
        return opened;
    }
    case GdrLayout::Rows18: {
        opened.record = store.createNew();
        const std::optional<Rows18Record> old = store.readRows18Layout(file);
        if (!old) return std::nullopt;
        opened.record.isNew = kFalse;
        convertRows18(*old, opened.record);
        return opened;
    }
    }
    return std::nullopt;
}

} // namespace

OpenedDocument openHandedInDocument(GdrStore& store, const std::filesystem::path& file)
{
    const std::optional<Bytes> content = store.readContent(file);
    // Unreadable content has no last three characters: the 18-row reader then
    // reports the file again under its own title.
    const GdrLayout layout = content ? recogniseGdrLayout(*content) : GdrLayout::Rows18;
    std::optional<OpenedDocument> read = readInLayout(store, file, layout);
    OpenedDocument opened;
    if (content && read) {
        opened = std::move(*read);
        opened.readWhole = true;
    } else {
        opened = openNewDocument(store);
        opened.layout = layout;
        opened.readWhole = false;
    }
    if (content) opened.content = *content;
    opened.record.version = kVersionText;
    return opened;
}

OpenedDocument openNewDocument(GdrStore& store)
{
    OpenedDocument opened;
    opened.record = store.createNew();
    opened.record.version = kVersionText;
    opened.readWhole = true;
    return opened;
}

} // namespace kinsketch
