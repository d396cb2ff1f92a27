#pragma once
// An indexed array of canvas widgets whose elements are created and
// destroyed at run time, the way the canvas's label and line arrays are.
// Addressing an element that does not exist, or creating one twice, raises
// the run-time errors the routines trap.
//
// The revision moves on with every change an element may have had: created,
// destroyed, handed out for writing, or moved in the stacking order on its
// own. What is drawn from the array can so tell in constant time that it is
// still current. Each array counts in a range of its own, so that revisions
// of different arrays never meet. The same changes go to the canvas's change
// log the stacking order writes to, with the element they concern; `set`
// writes only what differs.

#include "canvas_widgets.h"
#include "z_order.h"

#include "document/run_time_error.h"

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace kinsketch {

template <class Widget>
class WidgetArray {
public:
    WidgetArray(WidgetKind kind, ZOrder& zOrder)
        : kind_(kind)
        , zOrder_(zOrder)
        , revision_(firstRevisionOfNewArray())
    {}
    WidgetArray(const WidgetArray&) = delete;
    WidgetArray& operator=(const WidgetArray&) = delete;

    bool exists(int index) const
    {
        return index >= 0 && index < static_cast<int>(elements_.size()) &&
               elements_[static_cast<std::size_t>(index)].has_value();
    }

    // A new element lies on top of every other widget.
    Widget& load(int index, Widget widget)
    {
        if (index < 0) throw RunTimeError::subscriptOutOfRange("要素 " + std::to_string(index));
        if (exists(index))
            throw RunTimeError(360, "オブジェクトは既に読み込まれています。（要素 " + std::to_string(index) + "）");
        if (index >= static_cast<int>(elements_.size())) elements_.resize(static_cast<std::size_t>(index) + 1);
        ++revision_;
        auto& slot = elements_[static_cast<std::size_t>(index)];
        slot.emplace(Element{std::move(widget), zOrder_.addOnTop({kind_, index})});
        upperBound_ = std::max(upperBound_, index);
        return slot->widget;
    }

    void unload(int index)
    {
        zOrder_.remove(std::as_const(*this).element(index).z);
        ++revision_;
        elements_[static_cast<std::size_t>(index)].reset();
        while (upperBound_ >= 0 && !exists(upperBound_)) --upperBound_;
    }

    Widget& operator[](int index) { return element(index).widget; }
    const Widget& operator[](int index) const { return element(index).widget; }
    const Widget* find(int index) const
    {
        return exists(index) ? &elements_[static_cast<std::size_t>(index)]->widget : nullptr;
    }
    Widget* find(int index) { return exists(index) ? &element(index).widget : nullptr; }
    // Element `index` shows `widget`; nothing changes when it did already.
    void set(int index, const Widget& widget)
    {
        if (!(std::as_const(*this).element(index).widget == widget)) element(index).widget = widget;
    }

    void bringToFront(int index)
    {
        ++revision_;
        zOrder_.bringToFront(std::as_const(*this).element(index).z);
    }
    // Moves elements `lowest` … `highest`, which must lie next to each other
    // in that order, to the front together; their own order stays.
    void bringRunToFront(int lowest, int highest)
    {
        zOrder_.bringRangeToFront(std::as_const(*this).element(lowest).z, std::as_const(*this).element(highest).z);
    }
    // Moves the elements from `lowest` to `highest` that exist to the front
    // in index order, unless they lie there so already.
    void bringToFrontInOrder(int lowest, int highest)
    {
        std::vector<ZOrder::Handle> handles;
        for (int i = std::max(lowest, 0); i <= std::min(highest, upperBound_); ++i)
            if (exists(i)) handles.push_back(elements_[static_cast<std::size_t>(i)]->z);
        ++revision_;
        zOrder_.bringToFrontInOrder(handles);
    }

    std::uint64_t revision() const { return revision_; }
    // Where element `index` lies in the stacking order.
    ZOrder::Place stackPlace(int index) const { return element(index).z; }

    // The highest element that exists, -1 when there is none.
    int upperBound() const { return upperBound_; }

private:
    struct Element {
        Widget widget;
        ZOrder::Handle z;
    };

    const Element& element(int index) const
    {
        if (!exists(index))
            throw RunTimeError(340, "コントロール配列の要素 '" + std::to_string(index) + "' は存在しません。");
        return *elements_[static_cast<std::size_t>(index)];
    }
    // Every change to an element's values passes here.
    Element& element(int index)
    {
        std::as_const(*this).element(index);
        ++revision_;
        zOrder_.log().changed({kind_, index});
        return *elements_[static_cast<std::size_t>(index)];
    }

    static std::uint64_t firstRevisionOfNewArray()
    {
        static std::atomic<std::uint64_t> arrays{0};
        return (arrays.fetch_add(1, std::memory_order_relaxed) + 1) << 32U;
    }

    WidgetKind kind_;
    ZOrder& zOrder_;
    std::vector<std::optional<Element>> elements_;
    int upperBound_ = -1;
    std::uint64_t revision_;
};

} // namespace kinsketch
