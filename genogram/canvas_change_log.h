#pragma once
// What changed on the canvas, in the order it happened: the widget arrays
// and the stacking order write here as they change, so that a view kept
// between repaints (the canvas window's picture) repaints just what the
// model says it changed, without comparing the canvas with what it showed.
//
// The log keeps the latest changes only; a view that fell further behind is
// told so and draws everything afresh.

#include "canvas_widgets.h"

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace kinsketch {

struct CanvasChange {
    enum class What : std::uint8_t {
        Values,  // what the widgets show changed
        Created, // the widgets came, on top of everything
        Removed, // the widgets went
        Rose,    // the widgets rose to the top, in index order, over `passed`
        Surface, // the strokes drawn on the window surface changed
    };
    What what;
    // The widgets: those of `kind` with an index from `lowest` to `highest`.
    WidgetKind kind;
    int lowest;
    int highest;
    // What a rise passed over, unless that is more than kMostPassedListed
    // widgets (`passedMany`): then only the risen widgets' own area changes.
    std::vector<WidgetId> passed;
    bool passedMany = false;

    static constexpr std::size_t kMostPassedListed = 256;

    bool holds(WidgetId id) const { return id.kind == kind && id.index >= lowest && id.index <= highest; }
};

class CanvasChangeLog {
public:
    using Mark = std::uint64_t;

    // Where the log ends now; changes made later follow this mark.
    Mark end() const { return first_ + changes_.size(); }
    // The changes made since `mark`, or nothing when the log no longer holds
    // them all.
    std::optional<std::span<const CanvasChange>> since(Mark mark) const;

    void add(CanvasChange change);
    void changed(WidgetId id) { add({CanvasChange::What::Values, id.kind, id.index, id.index, {}}); }

private:
    static constexpr std::size_t kMostKept = 1U << 14U;

    std::vector<CanvasChange> changes_;
    Mark first_ = 0;
    // A change is folded into the last one only while nobody has read that.
    mutable Mark read_ = 0;
};

} // namespace kinsketch
