#include "editing_state.h"

#include "genogram/canvas_layers.h"

#include <algorithm>
#include <limits>

namespace kinsketch {

void takeDocumentFields(const GdrRecord& document, const DrawingChange& change, StateWithoutStrokes& rest)
{
    for (std::size_t i = 0; i < kSlotCount; ++i) {
        if (!change.personSlots[i]) continue;
        rest.symbols[i] = document.symbols[i];
        rest.ages[i] = document.ages[i];
        rest.remarks[i] = document.remarks[i];
    }
    if (change.lineStyles.any()) rest.lineStyles = document.lineStyles;
    if (change.frame) {
        rest.cohabitSeg = document.frameSegments;
        rest.cohabitFlag = document.cohabitMarks;
    }
    if (change.texts.any()) rest.texts = storedTexts(document);
    if (change.addedLines.any()) rest.addedLines = storedAddedLines(document);
    if (change.size) rest.wide = document.isWide();
}

DrawingChange putIntoDocument(const EditingState& state, Drawing& drawing)
{
    const StateWithoutStrokes& rest = state.rest;
    const GdrRecord& document = drawing.document();
    for (int i = 0; i < kSlotCount; ++i) {
        const auto k = static_cast<std::size_t>(i);
        drawing.setSymbol(i, rest.symbols[k]);
        drawing.setAge(i, rest.ages[k]);
        drawing.setRemark(i, rest.remarks[k]);
    }
    for (int k = 0; k < kLineCount; ++k) drawing.setLineStyle(k, rest.lineStyles[static_cast<std::size_t>(k)]);
    if (document.frameSegments != rest.cohabitSeg || document.cohabitMarks != rest.cohabitFlag) {
        GdrRecord& framed = drawing.editFrame();
        framed.frameSegments = rest.cohabitSeg;
        framed.cohabitMarks = rest.cohabitFlag;
    }
    if (storedTexts(document) != rest.texts)
        for (int n = 0; n < kTextLabelCount; ++n) drawing.setText(n, rest.texts[static_cast<std::size_t>(n)]);
    if (storedAddedLines(document) != rest.addedLines)
        for (int n = 1; n <= kAddLineCount; ++n)
            drawing.setAddedLine(n, rest.addedLines[static_cast<std::size_t>(n - 1)]);
    // A document that keeps its size keeps the mode text it came with.
    if (document.isWide() != rest.wide) {
        drawing.editWhole().screenMode = rest.wide ? "WIDE" : "";
        DrawingChange resized;
        resized.size = true;
        drawing.changed(resized);
    }
    if (!(document.strokes == state.strokes)) {
        const auto& strokes = document.strokes;
        const auto firstChange =
            std::ranges::mismatch(strokes.items(), state.strokes.items()).in1 - strokes.items().begin();
        const bool sameBounds =
            strokes.dimensioned == state.strokes.dimensioned && strokes.lowerBound == state.strokes.lowerBound;
        const std::int32_t from = sameBounds ? state.strokes.lowerBound + static_cast<std::int32_t>(firstChange)
                                             : std::numeric_limits<std::int32_t>::min();
        drawing.editStrokesFrom(from) = state.strokes;
    }
    return drawing.takeChange();
}

namespace {

std::size_t commonBeginning(const std::vector<FreeLineRecord>& a, const std::vector<FreeLineRecord>& b)
{
    return static_cast<std::size_t>(std::ranges::mismatch(a, b).in1 - a.begin());
}

std::vector<FreeLineRecord> tailFrom(const std::vector<FreeLineRecord>& items, std::size_t from)
{
    return {items.begin() + static_cast<std::ptrdiff_t>(from), items.end()};
}

} // namespace

template <class Visit>
void StateChange::forEachField(Visit visit)
{
    using S = StateWithoutStrokes;
    visit(&S::symbols, &Fields::symbols);
    visit(&S::ages, &Fields::ages);
    visit(&S::remarks, &Fields::remarks);
    visit(&S::lineStyles, &Fields::lineStyles);
    visit(&S::cohabitSeg, &Fields::cohabitSeg);
    visit(&S::cohabitFlag, &Fields::cohabitFlag);
    visit(&S::marks, &Fields::marks);
    visit(&S::texts, &Fields::texts);
    visit(&S::addedLines, &Fields::addedLines);
    visit(&S::wide, &Fields::wide);
}

StateChange StateChange::between(const EditingState& before, const EditingState& after, bool strokesMayDiffer)
{
    StateChange change;
    const auto& a = before.strokes.items();
    const auto& b = after.strokes.items();
    change.commonBeginning_ = strokesMayDiffer ? commonBeginning(a, b) : a.size();
    change.strokesBefore_ = {before.strokes.dimensioned, before.strokes.lowerBound,
                             tailFrom(a, change.commonBeginning_)};
    change.strokesAfter_ = {after.strokes.dimensioned, after.strokes.lowerBound, tailFrom(b, change.commonBeginning_)};
    forEachField([&](auto stateField, auto changeField) {
        const auto& was = before.rest.*stateField;
        const auto& now = after.rest.*stateField;
        using Value = std::remove_cvref_t<decltype(was)>;
        if (!(was == now)) change.fields_.*changeField = std::make_shared<const Field<Value>>(Field<Value>{was, now});
    });
    change.numberingBefore_ = before.numbering;
    change.numberingAfter_ = after.numbering;
    return change;
}

void StateChange::apply(EditingState& state, bool forward) const
{
    const Strokes& to = forward ? strokesAfter_ : strokesBefore_;
    std::vector<FreeLineRecord> items(state.strokes.items().begin(),
                                      state.strokes.items().begin() + static_cast<std::ptrdiff_t>(commonBeginning_));
    items.insert(items.end(), to.tail.begin(), to.tail.end());
    state.strokes = DynamicArray<FreeLineRecord>(to.dimensioned, to.lowerBound, std::move(items));
    forEachField([&](auto stateField, auto changeField) {
        if (const auto& field = fields_.*changeField) state.rest.*stateField = forward ? field->after : field->before;
    });
    state.numbering = forward ? numberingAfter_ : numberingBefore_;
}

// With A → B this change and B → C the next, the elements of A and C after
// the shorter common beginning are each partly in one change and partly in
// the other: what lies between the two beginnings is B's. A field changed
// in either goes from its value in A to its value in C.
StateChange StateChange::followedBy(const StateChange& next) const
{
    StateChange merged;
    const std::size_t p1 = commonBeginning_;
    const std::size_t p2 = next.commonBeginning_;
    merged.commonBeginning_ = std::min(p1, p2);
    merged.strokesBefore_ = strokesBefore_;
    merged.strokesAfter_ = next.strokesAfter_;
    if (p2 < p1) {
        // A's elements p2 … p1 are B's, which the next change holds from p2 on.
        const auto& b = next.strokesBefore_.tail;
        auto& tail = merged.strokesBefore_.tail;
        tail.insert(tail.begin(), b.begin(), b.begin() + static_cast<std::ptrdiff_t>(p1 - p2));
    } else if (p1 < p2) {
        // C's elements p1 … p2 are B's, which this change holds from p1 on.
        const auto& b = strokesAfter_.tail;
        auto& tail = merged.strokesAfter_.tail;
        tail.insert(tail.begin(), b.begin(), b.begin() + static_cast<std::ptrdiff_t>(p2 - p1));
    }
    forEachField([&](auto, auto changeField) {
        const auto& first = fields_.*changeField;
        const auto& second = next.fields_.*changeField;
        auto& field = merged.fields_.*changeField;
        if (!first || !second) {
            field = first ? first : second;
            return;
        }
        using Joined = std::remove_cvref_t<decltype(*first)>;
        if (!(first->before == second->after))
            field = std::make_shared<const Joined>(Joined{first->before, second->after});
    });
    merged.numberingBefore_ = numberingBefore_;
    merged.numberingAfter_ = next.numberingAfter_;
    return merged;
}

namespace {

// What a field holds beyond its own size.
std::size_t heapBytes(const std::array<std::string, kSlotCount>& texts)
{
    std::size_t n = 0;
    for (const std::string& s : texts) n += s.capacity();
    return n;
}

std::size_t heapBytes(const std::array<TextLabelRecord, kTextLabelCount>& texts)
{
    std::size_t n = 0;
    for (const TextLabelRecord& t : texts) n += t.caption.capacity() + t.fontName.capacity();
    return n;
}

template <class Value>
std::size_t heapBytes(const Value&)
{
    return 0;
}

} // namespace

std::size_t StateChange::bytes() const
{
    std::size_t n = sizeof(*this);
    n += (strokesBefore_.tail.capacity() + strokesAfter_.tail.capacity()) * sizeof(FreeLineRecord);
    forEachField([&](auto, auto changeField) {
        if (const auto& field = fields_.*changeField)
            n += sizeof(*field) + heapBytes(field->before) + heapBytes(field->after);
    });
    return n;
}

} // namespace kinsketch
