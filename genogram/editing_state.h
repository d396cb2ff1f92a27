#pragma once
// What an edit can change and an undo must give back: the document as the
// save would store it (person slots, line styles, the frame, texts, added
// lines, pen strokes), the panel's cohabitant marks, and beside them the
// free-line panel's numbering registers and the count of strokes undo keeps.
// The screen size is part of it, so that 小⇔大 is a step like any other.
// Fields no edit touches (the hand-drawn frame data, the version) are not.
// A StateChange is the difference between two states, kept small: it holds
// only the fields that changed, and pen strokes as the tails after the
// longest common beginning, since strokes are added and taken back at the end.

#include "drawing.h"

#include "document/gdr_record.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace kinsketch {

// The registers travel with a state but do not make one: numbering a new
// figure is no edit.
struct StrokeNumbering {
    std::int32_t figureNumber = 0;
    std::int32_t strokeNumber = 0;
    std::int32_t freeLineCount = 0;

    bool operator==(const StrokeNumbering&) const = default;
};

// Everything but the strokes.
struct StateWithoutStrokes {
    std::array<std::string, kSlotCount> symbols;
    std::array<std::string, kSlotCount> ages;
    std::array<std::string, kSlotCount> remarks;
    std::array<std::uint8_t, kLineCount> lineStyles{};
    std::array<std::uint8_t, kCohabitSegCount> cohabitSeg{};
    std::array<std::uint8_t, kSlotCount> cohabitFlag{};
    std::array<std::uint8_t, kSlotCount> marks{};
    std::array<TextLabelRecord, kTextLabelCount> texts;
    std::array<AddLineRecord, kAddLineCount> addedLines;
    bool wide = false;

    bool operator==(const StateWithoutStrokes&) const = default;
};

struct EditingState {
    StateWithoutStrokes rest;
    DynamicArray<FreeLineRecord> strokes;
    StrokeNumbering numbering;

    // Whether the two differ in anything an edit makes; the numbering does not count.
    bool sameEdits(const EditingState& other) const { return rest == other.rest && strokes == other.strokes; }
};

// Takes the parts of the document that `change` names, but the strokes,
// texts and added lines as the save would store them; the panel's marks are
// the caller's to take.
void takeDocumentFields(const GdrRecord& document, const DrawingChange& change, StateWithoutStrokes& rest);
// Puts the whole state into the document through the drawing's operations
// and returns what they changed. Texts and added lines that would be stored
// as the state holds them are left with their numbers.
DrawingChange putIntoDocument(const EditingState& state, Drawing& drawing);

class StateChange {
public:
    // Without `strokesMayDiffer` the pen records are taken as the same
    // unread, which spares comparing tens of thousands of them.
    static StateChange between(const EditingState& before, const EditingState& after, bool strokesMayDiffer = true);

    // Turns `state`, which must be the state after (before) the change,
    // into the one before (after) it.
    void undo(EditingState& state) const { apply(state, false); }
    void redo(EditingState& state) const { apply(state, true); }

    // This change followed by `next` as one change (a typing run).
    StateChange followedBy(const StateChange& next) const;

    // The memory the change holds.
    std::size_t bytes() const;

private:
    struct Strokes {
        bool dimensioned = false;
        std::int32_t lowerBound = 0;
        std::vector<FreeLineRecord> tail; // the elements after the common beginning
    };

    // A field of the state but the strokes, before and after the change.
    template <class Value>
    struct Field {
        Value before, after;
    };
    // Held apart and shared, so that a field that did not change costs a
    // pointer and a joined change shares the fields of its parts.
    template <class Value>
    using FieldChange = std::shared_ptr<const Field<Value>>;
    // The fields that changed; the others hold nothing.
    struct Fields {
        FieldChange<decltype(StateWithoutStrokes::symbols)> symbols;
        FieldChange<decltype(StateWithoutStrokes::ages)> ages;
        FieldChange<decltype(StateWithoutStrokes::remarks)> remarks;
        FieldChange<decltype(StateWithoutStrokes::lineStyles)> lineStyles;
        FieldChange<decltype(StateWithoutStrokes::cohabitSeg)> cohabitSeg;
        FieldChange<decltype(StateWithoutStrokes::cohabitFlag)> cohabitFlag;
        FieldChange<decltype(StateWithoutStrokes::marks)> marks;
        FieldChange<decltype(StateWithoutStrokes::texts)> texts;
        FieldChange<decltype(StateWithoutStrokes::addedLines)> addedLines;
        FieldChange<decltype(StateWithoutStrokes::wide)> wide;
    };
    // Calls `visit(&StateWithoutStrokes::x, &Fields::x)` for each field x.
    template <class Visit>
    static void forEachField(Visit visit);

    void apply(EditingState& state, bool forward) const;

    std::size_t commonBeginning_ = 0;
    Strokes strokesBefore_, strokesAfter_;
    Fields fields_;
    StrokeNumbering numberingBefore_, numberingAfter_;
};

} // namespace kinsketch
