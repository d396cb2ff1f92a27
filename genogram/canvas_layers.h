#pragma once
// The texts and added lines as the working document holds them while they
// are edited, and as a save stores them. While editing, text n of the canvas
// is `texts[n]` and added line n is `addedLines[n - 1]`: every gesture
// changes the record, and the canvas shows it. A deleted text or line keeps
// its record with `used` off, so that its number is not handed out again
// before the next store; an emptied text keeps its place with no caption and
// is free for the next text. Storing renumbers what is on show without gaps.

#include "document/gdr_record.h"

#include <array>

namespace kinsketch {

using StoredTexts = std::array<TextLabelRecord, kTextLabelCount>;
using StoredAddedLines = std::array<AddLineRecord, kAddLineCount>;

// A text on show: in use, with something to show.
bool isTextOnShow(const TextLabelRecord& text);

// The texts on show as texts 1, 2, 3 … in number order, and the lines in use
// as lines 1, 2, 3 …: what a save stores, read without changing anything.
StoredTexts storedTexts(const GdrRecord& document);
StoredAddedLines storedAddedLines(const GdrRecord& document);
// Renumbers the document's texts and added lines as a save stores them.
void storeTextsAndLines(GdrRecord& document);
GdrRecord withStoredTextsAndLines(GdrRecord document);

// The highest number a text or line of this editing has taken (0: none):
// deleted ones count, so that their numbers are not taken again.
int highestTextNumber(const GdrRecord& document);
int highestLineNumber(const GdrRecord& document);

// Records a document brings with `used` off are nothing: they are cleared
// when the canvas opens the document, so that they hold no number.
void clearUnusedTexts(GdrRecord& document);
void clearUnusedAddedLines(GdrRecord& document);

} // namespace kinsketch
