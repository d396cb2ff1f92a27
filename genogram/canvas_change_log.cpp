#include "canvas_change_log.h"

#include <iterator>

namespace kinsketch {

std::optional<std::span<const CanvasChange>> CanvasChangeLog::since(Mark mark) const
{
    read_ = end();
    if (mark < first_ || mark > end()) return std::nullopt;
    return std::span<const CanvasChange>(changes_).subspan(mark - first_);
}

namespace {

// Whether `next` says what `last` says of the widgets beside them, so that
// one entry can stand for both: writes to one widget field by field, a
// redraw making or dropping a run of pen segments one by one.
bool extends(CanvasChange& last, const CanvasChange& next)
{
    if (last.what != next.what || last.kind != next.kind) return false;
    switch (next.what) {
    case CanvasChange::What::Values: return last.lowest == next.lowest && last.highest == next.highest;
    case CanvasChange::What::Created:
        if (next.lowest != last.highest + 1) return false;
        last.highest = next.highest;
        return true;
    case CanvasChange::What::Removed:
        if (next.highest + 1 != last.lowest) return false;
        last.lowest = next.lowest;
        return true;
    default: return false;
    }
}

} // namespace

// An entry somebody has read already stays as it was read.
void CanvasChangeLog::add(CanvasChange change)
{
    if (end() > read_ && !changes_.empty() && extends(changes_.back(), change)) return;
    if (changes_.size() == kMostKept) {
        changes_.erase(changes_.begin(), std::next(changes_.begin(), kMostKept / 2));
        first_ += kMostKept / 2;
    }
    changes_.push_back(std::move(change));
}

} // namespace kinsketch
