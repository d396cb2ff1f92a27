#include "handed_in_document.h"

#include "document_globals.h"
#include "gdr_conversion.h"

namespace kinsketch {
namespace {

int readInLayout(clsGdrOpe& store, const std::filesystem::path& file, GdrLayout layout)
{
    switch (layout) {
    case GdrLayout::Pre202: {
        GdrRecord side;
        if (store.ReadGdrFile_v202Pre(file, side) != 0) return 1;
        convertPre202(side, gGdr);
        return 0;
    }
    case GdrLayout::Current:
        if (store.ReadGdrFile_2(file) != 0) return 1;
        // A document without a stroke array would leave the free-line panel
        // nothing to append to; it gets the placeholder a new document has.
        if (!gGdr.FreeLine.dimensioned || gGdr.FreeLine.items().empty()) gGdr.FreeLine = {true, 1, {FreeLineRecord{}}};
        gFreeLineCount = loadedFreeLineCount(gGdr);
        return 0;
    case GdrLayout::Rows18: {
        store.CreateNew_2();
        Rows18Record side;
        if (store.ReadGdrFile(file, side) != 0) return 1;
        convertRows18(side, gGdr);
        return 0;
    }
    }
    return 1;
}

} // namespace

OpenedDocument openHandedInDocument(clsGdrOpe& store, const std::filesystem::path& file)
{
    gGdr = GdrRecord{};
    gFreeLineCount = 0;
    Bytes content;
    const bool haveContent = store.ReadGdrFile_tmp(file, content) == 0;
    // Unreadable content has no last three characters: the 18-row reader then
    // reports the file again under its own title.
    const GdrLayout layout = haveContent ? recogniseGdrLayout(content) : GdrLayout::Rows18;
    const bool readInLayoutDone = readInLayout(store, file, layout) == 0;
    OpenedDocument opened{layout, haveContent && readInLayoutDone};
    if (!opened.readWhole) {
        gGdr = GdrRecord{};
        gFreeLineCount = 0;
        store.CreateNew_2();
    }
    gGdr.Version = kVersionText;
    return opened;
}

void openNewDocument(clsGdrOpe& store)
{
    gGdr = GdrRecord{};
    gFreeLineCount = 0;
    store.CreateNew_2();
    gGdr.Version = kVersionText;
}

} // namespace kinsketch
