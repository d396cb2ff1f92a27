#include "editing_state.h"

#include "genogram/canvas_layers.h"

#include <algorithm>

namespace kinsketch {

void takeDocumentFields(const GdrRecord& document, StateWithoutStrokes& rest)
{
    rest.symbols = document.symbols;
    rest.ages = document.ages;
    rest.remarks = document.remarks;
    rest.lineStyles = document.lineStyles;
    rest.cohabitSeg = document.frameSegments;
    rest.cohabitFlag = document.cohabitMarks;
    rest.texts = storedTexts(document);
    rest.addedLines = storedAddedLines(document);
    rest.wide = document.isWide();
}

ReplacedLayers putIntoDocument(const EditingState& state, GdrRecord& document)
{
    const StateWithoutStrokes& rest = state.rest;
    document.symbols = rest.symbols;
    document.ages = rest.ages;
    document.remarks = rest.remarks;
    document.lineStyles = rest.lineStyles;
    document.frameSegments = rest.cohabitSeg;
    document.cohabitMarks = rest.cohabitFlag;
    const ReplacedLayers replaced{storedTexts(document) != rest.texts, storedAddedLines(document) != rest.addedLines};
    if (replaced.texts) document.texts = rest.texts;
    if (replaced.addedLines) document.addedLines = rest.addedLines;
    // A document that keeps its size keeps the mode text it came with.
    if (document.isWide() != rest.wide) document.screenMode = rest.wide ? "WIDE" : "";
    if (!(document.strokes == state.strokes)) document.strokes = state.strokes;
    return replaced;
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

StateChange StateChange::between(const EditingState& before, const EditingState& after)
{
    StateChange change;
    const auto& a = before.strokes.items();
    const auto& b = after.strokes.items();
    change.commonBeginning_ = commonBeginning(a, b);
    change.strokesBefore_ = {before.strokes.dimensioned, before.strokes.lowerBound,
                             tailFrom(a, change.commonBeginning_)};
    change.strokesAfter_ = {after.strokes.dimensioned, after.strokes.lowerBound, tailFrom(b, change.commonBeginning_)};
    if (!(before.rest == after.rest)) {
        change.restBefore_.push_back(before.rest);
        change.restAfter_.push_back(after.rest);
    }
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
    const auto& rest = forward ? restAfter_ : restBefore_;
    if (!rest.empty()) state.rest = rest.front();
    state.numbering = forward ? numberingAfter_ : numberingBefore_;
}

// With A → B this change and B → C the next, the elements of A and C after
// the shorter common beginning are each partly in one change and partly in
// the other: what lies between the two beginnings is B's.
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
    const bool restChanged = !restBefore_.empty() || !next.restBefore_.empty();
    if (restChanged) {
        merged.restBefore_ = !restBefore_.empty() ? restBefore_ : next.restBefore_;
        merged.restAfter_ = !next.restAfter_.empty() ? next.restAfter_ : restAfter_;
        if (merged.restBefore_.front() == merged.restAfter_.front()) {
            merged.restBefore_.clear();
            merged.restAfter_.clear();
        }
    }
    merged.numberingBefore_ = numberingBefore_;
    merged.numberingAfter_ = next.numberingAfter_;
    return merged;
}

std::size_t StateChange::bytes() const
{
    const auto strings = [](const StateWithoutStrokes& rest) {
        std::size_t n = 0;
        for (const auto* texts : {&rest.symbols, &rest.ages, &rest.remarks})
            for (const std::string& s : *texts) n += s.capacity();
        for (const TextLabelRecord& t : rest.texts) n += t.caption.capacity() + t.fontName.capacity();
        return n;
    };
    std::size_t n = sizeof(*this);
    n += (strokesBefore_.tail.capacity() + strokesAfter_.tail.capacity()) * sizeof(FreeLineRecord);
    for (const auto* rests : {&restBefore_, &restAfter_})
        for (const StateWithoutStrokes& rest : *rests) n += sizeof(rest) + strings(rest);
    return n;
}

} // namespace kinsketch
