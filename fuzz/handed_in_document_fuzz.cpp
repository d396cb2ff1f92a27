// Feeds arbitrary bytes as a handed-in document through the whole opening path start-up takes: layout recognition,
// conversion of the older layouts, the version stamp and the stroke count. Nothing may crash, hang or leak, and
// whatever opens must be a document the editor can work on.

#include "input_file.h"

#include "bench/support/silent_seams.h"
#include "document/handed_in_document.h"
#include "document/version.h"

#include <cstdlib>

using namespace kinsketch;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static fuzz::InputFile input("handed_in.gdr");
    static bench::SilentReporter reporter;
    GdrStore store(input.folder(), reporter);
    const OpenedDocument opened = openHandedInDocument(store, input.write(data, size));

    const auto& strokes = opened.record.strokes;
    if (opened.record.version != kVersionText) std::abort();
    // The editor numbers strokes from 1 and appends past the upper bound.
    if (opened.layout == GdrLayout::Current && opened.readWhole &&
        (!strokes.dimensioned || strokes.items().empty() || (strokes.lowerBound != 0 && strokes.lowerBound != 1)))
        std::abort();
    if (opened.freeLineCount < 0 || static_cast<std::size_t>(opened.freeLineCount) > strokes.items().size())
        std::abort();
    return 0;
}
