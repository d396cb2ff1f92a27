#include "canvas_layers.h"

#include "text_label_mapping.h"

namespace kinsketch {

bool isTextOnShow(const TextLabelRecord& text) { return text.used != kFalse && !text.caption.empty(); }

StoredTexts storedTexts(const GdrRecord& document)
{
    StoredTexts stored{};
    std::size_t k = 1;
    for (std::size_t n = 1; n < document.texts.size(); ++n)
        // Through the canvas's label and back, as the text shows: booleans
        // stored as the document's own true.
        if (isTextOnShow(document.texts[n])) stored[k++] = textRecordOf(textLabelOf(document.texts[n]));
    return stored;
}

StoredAddedLines storedAddedLines(const GdrRecord& document)
{
    StoredAddedLines stored{};
    std::size_t k = 0;
    for (const AddLineRecord& line : document.addedLines)
        if (line.used != kFalse) stored[k++] = {kTrue, line.x1, line.x2, line.y1, line.y2};
    return stored;
}

void storeTextsAndLines(GdrRecord& document)
{
    document.texts = storedTexts(document);
    document.addedLines = storedAddedLines(document);
}

GdrRecord withStoredTextsAndLines(GdrRecord document)
{
    storeTextsAndLines(document);
    return document;
}

namespace {

template <class Records>
int highestNumberTaken(const Records& records, int firstNumber)
{
    using Record = typename Records::value_type;
    for (int i = static_cast<int>(records.size()) - 1; i >= 0; --i)
        if (!(records[static_cast<std::size_t>(i)] == Record{})) return i + firstNumber;
    return 0;
}

template <class Records>
void clearUnused(Records& records)
{
    for (auto& record : records)
        if (record.used == kFalse) record = {};
}

} // namespace

int highestTextNumber(const GdrRecord& document) { return highestNumberTaken(document.texts, 0); }
int highestLineNumber(const GdrRecord& document) { return highestNumberTaken(document.addedLines, 1); }

void clearUnusedTexts(GdrRecord& document) { clearUnused(document.texts); }
void clearUnusedAddedLines(GdrRecord& document) { clearUnused(document.addedLines); }

} // namespace kinsketch
