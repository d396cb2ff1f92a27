#pragma once
// The stacking order of the canvas widgets, bottom first. A new widget starts
// on top, and bringing one to the front moves it there; both in constant
// time, because a redraw re-creates every pen-stroke widget. Every change is
// written to the canvas's change log, a rise with what it passed over; a
// move that leaves the order as it was is no change.

#include "canvas_change_log.h"
#include "canvas_widgets.h"

#include <cstdint>
#include <list>
#include <span>

namespace kinsketch {

class ZOrder {
public:
    using Handle = std::list<WidgetId>::iterator;
    using Place = std::list<WidgetId>::const_iterator;

    explicit ZOrder(CanvasChangeLog& log)
        : log_(log)
    {}

    Handle addOnTop(WidgetId id);
    void bringToFront(Handle handle) { bringToFrontInOrder(std::span(&handle, 1)); }
    // The entries from `first` to `last`, in that order and next to each
    // other, moved to the top in one step.
    void bringRangeToFront(Handle first, Handle last);
    // Moves the entries, which must be of one kind and listed in index order,
    // to the top in that order, unless they lie there so already.
    void bringToFrontInOrder(std::span<const Handle> entries);
    void remove(Handle handle);

    // Whether `entries` are the topmost entries in this order, save for
    // entries of kind `over` above them all.
    bool liesOnTop(std::span<const WidgetId> entries, std::span<const WidgetKind> over = {}) const;

    // Counts every change, so that a routine can tell whether the order is
    // still the one it left.
    std::uint64_t changes() const { return changes_; }

    const std::list<WidgetId>& bottomToTop() const { return order_; }
    // Where the widgets' own changes are logged beside the order's.
    CanvasChangeLog& log() { return log_; }

private:
    CanvasChangeLog& log_;
    std::list<WidgetId> order_;
    std::uint64_t changes_ = 0;
};

} // namespace kinsketch
