#include "drawing.h"

#include "document/run_time_error.h"

#include <algorithm>
#include <limits>
#include <string>
#include <utility>

namespace kinsketch {

DrawingChange DrawingChange::everything()
{
    DrawingChange all;
    all.personSlots.set();
    all.lineStyles.set();
    all.frame = true;
    all.marks = true;
    all.texts.set();
    all.addedLines.set();
    all.strokesFrom = std::numeric_limits<std::int32_t>::min();
    all.size = true;
    return all;
}

DrawingChange DrawingChange::ofLayers(bool texts, bool addedLines, std::optional<std::int32_t> strokesFrom)
{
    DrawingChange change;
    if (texts) change.texts.set();
    if (addedLines) change.addedLines.set();
    change.strokesFrom = strokesFrom;
    return change;
}

bool DrawingChange::empty() const
{
    return personSlots.none() && lineStyles.none() && !frame && !marks && texts.none() && addedLines.none() &&
           !strokesFrom && !size;
}

DrawingChange& DrawingChange::operator|=(const DrawingChange& other)
{
    personSlots |= other.personSlots;
    lineStyles |= other.lineStyles;
    frame = frame || other.frame;
    marks = marks || other.marks;
    texts |= other.texts;
    addedLines |= other.addedLines;
    if (other.strokesFrom) addStrokesFrom(*other.strokesFrom);
    size = size || other.size;
    return *this;
}

namespace {

template <class Field, class Value>
bool assignIfDifferent(Field& field, const Value& value)
{
    if (field == value) return false;
    field = value;
    return true;
}

std::size_t slotIndex(int slot)
{
    if (slot < 0 || slot >= kSlotCount) throw RunTimeError::subscriptOutOfRange("slot " + std::to_string(slot));
    return static_cast<std::size_t>(slot);
}

} // namespace

void Drawing::setSymbol(int slot, const std::string& key)
{
    if (assignIfDifferent(document_.symbols[slotIndex(slot)], key)) pending_.personSlots.set(slotIndex(slot));
}

void Drawing::setAge(int slot, const std::string& age)
{
    if (assignIfDifferent(document_.ages[slotIndex(slot)], age)) pending_.personSlots.set(slotIndex(slot));
}

void Drawing::setRemark(int slot, const std::string& remark)
{
    if (assignIfDifferent(document_.remarks[slotIndex(slot)], remark)) pending_.personSlots.set(slotIndex(slot));
}

void Drawing::setLineStyle(int line, std::uint8_t style)
{
    const auto k = static_cast<std::size_t>(line);
    if (assignIfDifferent(document_.lineStyles.at(k), style)) pending_.lineStyles.set(k);
}

GdrRecord& Drawing::editFrame()
{
    pending_.frame = true;
    return document_;
}

void Drawing::setText(int n, const TextLabelRecord& text)
{
    const auto k = static_cast<std::size_t>(n);
    if (assignIfDifferent(document_.texts.at(k), text)) pending_.texts.set(k);
}

void Drawing::setAddedLine(int n, const AddLineRecord& line)
{
    if (n < 1 || n > kAddLineCount) throw RunTimeError::subscriptOutOfRange("AddLine(" + std::to_string(n) + ")");
    const auto k = static_cast<std::size_t>(n - 1);
    if (assignIfDifferent(document_.addedLines[k], line)) pending_.addedLines.set(k);
}

FreeLineList& Drawing::editStrokesFrom(std::int32_t first)
{
    pending_.addStrokesFrom(first);
    return document_.strokes;
}

DrawingChange Drawing::takeChange() { return std::exchange(pending_, {}); }

} // namespace kinsketch
