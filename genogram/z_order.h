#pragma once
// The stacking order of the canvas widgets, bottom first. A new widget starts
// on top, and bringing one to the front moves it there; both in constant
// time, because a redraw re-creates every pen-stroke widget.

#include "canvas_widgets.h"

#include <list>

namespace kinsketch {

class ZOrder {
public:
    using Handle = std::list<WidgetId>::iterator;

    Handle addOnTop(WidgetId id)
    {
        order_.push_back(id);
        return std::prev(order_.end());
    }
    void bringToFront(Handle handle) { order_.splice(order_.end(), order_, handle); }
    void remove(Handle handle) { order_.erase(handle); }

    const std::list<WidgetId>& bottomToTop() const { return order_; }

private:
    std::list<WidgetId> order_;
};

} // namespace kinsketch
