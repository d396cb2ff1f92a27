#pragma once
// The stacking order of the canvas widgets, bottom first. A new widget starts
// on top, and bringing one to the front moves it there; both in constant
// time, because a redraw re-creates every pen-stroke widget.

#include "canvas_widgets.h"

#include <cstdint>
#include <list>

namespace kinsketch {

class ZOrder {
public:
    using Handle = std::list<WidgetId>::iterator;
    using Place = std::list<WidgetId>::const_iterator;

    Handle addOnTop(WidgetId id)
    {
        ++changes_;
        order_.push_back(id);
        return std::prev(order_.end());
    }
    void bringToFront(Handle handle)
    {
        ++changes_;
        order_.splice(order_.end(), order_, handle);
    }
    // The entries from `first` to `last`, in that order and next to each
    // other, moved to the top in one step.
    void bringRangeToFront(Handle first, Handle last)
    {
        ++changes_;
        order_.splice(order_.end(), order_, first, std::next(last));
    }
    void remove(Handle handle)
    {
        ++changes_;
        order_.erase(handle);
    }

    // Counts every change, so that a routine can tell whether the order is
    // still the one it left.
    std::uint64_t changes() const { return changes_; }

    const std::list<WidgetId>& bottomToTop() const { return order_; }

private:
    std::list<WidgetId> order_;
    std::uint64_t changes_ = 0;
};

} // namespace kinsketch
