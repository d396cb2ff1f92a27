#include "z_order.h"

#include <algorithm>
#include <iterator>

namespace kinsketch {
namespace {

// Lists `id` among the widgets `rise` passed over; false once they are too
// many to list.
bool listPassed(CanvasChange& rise, WidgetId id)
{
    if (rise.passed.size() < CanvasChange::kMostPassedListed) {
        rise.passed.push_back(id);
        return true;
    }
    rise.passed.clear();
    rise.passedMany = true;
    return false;
}

} // namespace

ZOrder::Handle ZOrder::addOnTop(WidgetId id)
{
    ++changes_;
    order_.push_back(id);
    log_.add({CanvasChange::What::Created, id.kind, id.index, id.index, {}});
    return std::prev(order_.end());
}

void ZOrder::bringRangeToFront(Handle first, Handle last)
{
    const auto above = std::next(last);
    if (above == order_.end()) return;
    CanvasChange rise{CanvasChange::What::Rose,
                      first->kind,
                      std::min(first->index, last->index),
                      std::max(first->index, last->index),
                      {}};
    for (auto at = above; at != order_.end(); ++at)
        if (!listPassed(rise, *at)) break;
    log_.add(std::move(rise));
    ++changes_;
    order_.splice(order_.end(), order_, first, above);
}

void ZOrder::bringToFrontInOrder(std::span<const Handle> entries)
{
    if (entries.empty()) return;
    // Already the topmost entries, in this order?
    auto top = order_.end();
    bool inPlace = true;
    for (auto entry = entries.rbegin(); inPlace && entry != entries.rend(); ++entry)
        inPlace = top != order_.begin() && --top == *entry;
    if (inPlace) return;
    // Walking down from the top until every entry is met passes what they rise over.
    const WidgetKind kind = entries.front()->kind;
    CanvasChange rise{CanvasChange::What::Rose, kind, entries.front()->index, entries.back()->index, {}};
    std::size_t met = 0;
    for (auto at = order_.end(); met < entries.size();) {
        if (rise.holds(*--at))
            ++met;
        else if (!listPassed(rise, *at))
            break;
    }
    log_.add(std::move(rise));
    ++changes_;
    // Entries that already follow one another move together.
    for (std::size_t i = 0; i < entries.size();) {
        std::size_t j = i;
        while (j + 1 < entries.size() && std::next(entries[j]) == entries[j + 1]) ++j;
        order_.splice(order_.end(), order_, entries[i], std::next(entries[j]));
        i = j + 1;
    }
}

void ZOrder::remove(Handle handle)
{
    ++changes_;
    log_.add({CanvasChange::What::Removed, handle->kind, handle->index, handle->index, {}});
    order_.erase(handle);
}

bool ZOrder::liesOnTop(std::span<const WidgetId> entries, std::span<const WidgetKind> over) const
{
    auto at = order_.rbegin();
    while (at != order_.rend() && std::find(over.begin(), over.end(), at->kind) != over.end()) ++at;
    for (auto entry = entries.rbegin(); entry != entries.rend(); ++entry, ++at)
        if (at == order_.rend() || !(*at == *entry)) return false;
    return true;
}

} // namespace kinsketch
