#include "kept_canvas_picture.h"

#include "canvas_painter.h"
#include "canvas_picture.h"

#include <QPainter>

#include <algorithm>
#include <numeric>
#include <span>
#include <utility>

namespace kinsketch {
namespace {

using Items = std::span<const CanvasScene::Item>;

// Two neighbouring blocks of items, `lower` items then `upper` items, that
// lie in the other order in another scene, upper first; either scene may
// carry more items above them.
struct BlockSwap {
    std::size_t lower = 0;
    std::size_t upper = 0;
};

std::optional<BlockSwap> blockSwap(Items was, Items is)
{
    if (is.empty()) return std::nullopt;
    const auto upperStart =
        std::find_if(was.begin(), was.end(), [&](const CanvasScene::Item& item) { return item.sameWidget(is[0]); });
    if (upperStart == was.begin() || upperStart == was.end()) return std::nullopt;
    BlockSwap swap{static_cast<std::size_t>(upperStart - was.begin()), 0};
    while (swap.lower + swap.upper < was.size() && swap.upper < is.size() &&
           was[swap.lower + swap.upper].sameWidget(is[swap.upper]))
        ++swap.upper;
    if (swap.lower + swap.upper > is.size()) return std::nullopt;
    for (std::size_t t = 0; t < swap.lower; ++t)
        if (!was[t].sameWidget(is[swap.upper + t])) return std::nullopt;
    return swap;
}

// Strokes taken whole count as the lines they hold: they may lie anywhere.
std::size_t lineCount(const CanvasScene& scene, Items items)
{
    std::size_t count = 0;
    for (const CanvasScene::Item& item : items)
        count += item.look == CanvasScene::Look::Strokes ? scene.strokes->lines.size() : 1;
    return count;
}

// Whether the item sets every pixel it touches outright, whatever lay
// beneath: solid lines and pen strokes do; dotted lines and the smoothed
// text of labels do not.
bool coversOutright(const CanvasScene& scene, const CanvasScene::Item& item)
{
    switch (item.look) {
    case CanvasScene::Look::Strokes: return true;
    case CanvasScene::Look::Line:
    case CanvasScene::Look::SurfaceLine: return scene.line(item).pattern == LinePattern::Solid;
    default: return false;
    }
}

bool holdsPenLines(const CanvasScene& scene)
{
    return std::any_of(scene.items.begin(), scene.items.end(), [](const CanvasScene::Item& item) {
        return item.look == CanvasScene::Look::Line && item.id.kind == WidgetKind::strokes;
    });
}

// Where a scene compared stands apart from the scene itself: from place
// `at` on, `lines` pen lines stand for its strokes item, either instead of it
// (spread) or right above it (split).
struct StrokesAlignment {
    std::size_t at;
    std::size_t lines = 0;
    bool keepsItem = false;

    static StrokesAlignment none(const CanvasScene& scene) { return {scene.items.size()}; }
    static StrokesAlignment spread(const CanvasScene& scene)
    {
        const auto strokes = std::find_if(scene.items.begin(), scene.items.end(), [](const CanvasScene::Item& item) {
            return item.look == CanvasScene::Look::Strokes;
        });
        return {static_cast<std::size_t>(strokes - scene.items.begin()), scene.strokes->lines.size(), false};
    }
    static StrokesAlignment split(const CanvasScene& scene, const CanvasScene& aligned)
    {
        StrokesAlignment alignment = spread(scene);
        alignment.lines = aligned.items.size() - scene.items.size();
        alignment.keepsItem = true;
        return alignment;
    }
};

// The items of the scene that places first … end - 1 of its aligned copy
// came from; empty when they take only part of its strokes.
std::vector<std::size_t> itemsOf(const StrokesAlignment& alignment, std::size_t first, std::size_t end)
{
    const std::size_t at = alignment.at;
    const std::size_t span = alignment.lines + (alignment.keepsItem ? 1 : 0);
    const auto itemOf = [&](std::size_t place) {
        return place < at ? place : place < at + span ? at : place - span + 1;
    };
    const bool cutsStrokes = span > 0 && first < at + span && end > at && (first > at || end < at + span);
    std::vector<std::size_t> items;
    if (cutsStrokes || first >= end) return items;
    for (std::size_t i = itemOf(first); i <= itemOf(end - 1); ++i) items.push_back(i);
    return items;
}

// The pixels that the items which changed touch. While they are few, each
// line is covered along its length; past that, one box holds them all, so
// that an edit of many pen segments builds no region of thousands of pieces.
class ChangedArea {
public:
    void add(const QRect& rect)
    {
        bounds_ |= rect;
        if (++count_ <= kMostTracedItems) exact_ += rect;
    }
    void addLine(const LineWidget& line, double scale)
    {
        if (++count_ > kMostTracedItems) {
            bounds_ |= lineDeviceBounds(line, scale);
            return;
        }
        const QRegion footprint = lineDeviceFootprint(line, scale);
        bounds_ |= footprint.boundingRect();
        exact_ += footprint;
    }
    QRegion region() const { return count_ <= kMostTracedItems ? exact_ : QRegion(bounds_); }
    bool covers(const QRect& whole) const { return bounds_.contains(whole); }

private:
    static constexpr int kMostTracedItems = 16;
    QRect bounds_;
    QRegion exact_;
    int count_ = 0;
};

// Past half the image, painting the rest as well costs little more and needs
// no clipping.
bool coversHalf(const QRegion& region, const QImage& image)
{
    qint64 pixels = 0;
    for (const QRect& r : region) pixels += static_cast<qint64>(r.width()) * r.height();
    return pixels * 2 > static_cast<qint64>(image.width()) * image.height();
}

// Where the lines of `run` from `from` on lay.
QRegion whereLinesLay(const StrokeRun& run, std::size_t from, double scale)
{
    ChangedArea area;
    for (std::size_t j = from; j < run.lines.size(); ++j) area.addLine(run.lines[j], scale);
    return area.region();
}

} // namespace

bool KeptCanvasPicture::isPaintedAt(const GenoCanvas& canvas, double scale) const
{
    return !image_.isNull() && geometry_ == &canvas.geometry() && scale_ == scale;
}

QRegion KeptCanvasPicture::update(const GenoCanvas& canvas, double scale, int leftOut)
{
    fillScene(next_.scene, canvas, leftOut, &strokes_);
    next_.labelBounds.assign(next_.scene.labels.size(), std::nullopt);
    const bool painted = isPaintedAt(canvas, scale);
    Changes changes = painted ? changesTo(next_, scale) : Changes();
    changes.area &= image_.rect();
    changes.crossing &= image_.rect();
    std::swap(painted_, next_);
    if (!painted || coversHalf(changes.area, image_)) {
        paintAfresh(canvas, scale);
        return image_.rect();
    }
    if (changes.area.isEmpty() && changes.crossing.isEmpty()) return {};
    const QImage* layer = painted_.scene.strokes ? strokesLayer(scale) : nullptr;
    QPainter painter(&image_);
    for (const QRect& r : changes.area)
        repaintSceneArea(painter, painted_.scene, scale, r, itemsTouching(r, scale), layer);
    for (const QRect& r : changes.crossing)
        paintSceneItemsOver(painter, painted_.scene, scale, r, changes.onTop, layer);
    return changes.area + changes.crossing;
}

void KeptCanvasPicture::paintAfresh(const GenoCanvas& canvas, double scale)
{
    image_ = QImage(canvasPixelSize(canvas.geometry(), scale), QImage::Format_RGB32);
    geometry_ = &canvas.geometry();
    scale_ = scale;
    QPainter painter(&image_);
    // The strokes are laid from their layer, which later repaints of a part
    // of the canvas need anyway: painted now, it spares the first of them a
    // frame's time, and strokes given back whole, as after an undo of
    // clearing them, are mostly on it already.
    if (painted_.scene.strokes) {
        std::vector<std::size_t> everyItem(painted_.scene.items.size());
        std::iota(everyItem.begin(), everyItem.end(), std::size_t{0});
        repaintSceneArea(painter, painted_.scene, scale, image_.rect(), everyItem, strokesLayer(scale));
        return;
    }
    paintScene(painter, painted_.scene, canvas.geometry(), scale);
}

QRegion KeptCanvasPicture::addFreeLines(const GenoCanvas& canvas, int first, int last, double scale)
{
    QPainter painter(&image_);
    paintFreeLines(painter, canvas, first, last, scale);
    const std::size_t from = painted_.scene.items.size();
    painted_.scene.addFreeLines(canvas, first, last);
    QRegion touched;
    for (std::size_t i = from; i < painted_.scene.items.size(); ++i)
        touched += boundsOf(painted_.scene, painted_.labelBounds, painted_.scene.items[i], scale);
    return touched;
}

// A pixel outside the area is touched by the same items, with the same
// values and in the same order, before and after: items before the first
// difference and after the last keep their order, so only those that changed
// value, or lie between the first and last difference, can change a pixel.
// Strokes that both scenes share are one item, and so are strokes the pen
// added to that a redraw then took whole; otherwise they are compared line
// by line.
//
// Between the first and last difference, two blocks may only have swapped
// places, as when a rebuild lays the frame back over the pen strokes that
// drawing lifted above it, or the pen lifts them again. Then the order shows
// only where an item of one block meets one of the other, within the bounds
// of the smaller block. When the block that rose, and whatever came on top
// of it, cover their pixels outright and nothing above reaches that
// crossing, laying them over it there gives the new order: what lies beneath
// them no longer shows.
KeptCanvasPicture::Changes KeptCanvasPicture::changesTo(MeasuredScene& next, double scale)
{
    std::optional<CanvasScene> wasAligned, isAligned;
    StrokesAlignment isAlignment = StrokesAlignment::none(next.scene);
    if (painted_.scene.strokes != next.scene.strokes) {
        wasAligned = regroupStrokes(painted_.scene, next.scene.strokes);
        if (!wasAligned) wasAligned = splitStrokes(painted_.scene, next.scene.strokes);
        if (!wasAligned) {
            isAligned = splitStrokes(next.scene, painted_.scene.strokes);
            if (isAligned) isAlignment = StrokesAlignment::split(next.scene, *isAligned);
        }
        if (!wasAligned && !isAligned) {
            if (painted_.scene.strokes) wasAligned = spreadStrokes(painted_.scene);
            // Strokes given back whole where none showed line up as they are.
            if (next.scene.strokes && (wasAligned || holdsPenLines(painted_.scene))) {
                isAligned = spreadStrokes(next.scene);
                isAlignment = StrokesAlignment::spread(next.scene);
            }
        }
    }
    const CanvasScene& wasScene = wasAligned ? *wasAligned : painted_.scene;
    const CanvasScene& isScene = isAligned ? *isAligned : next.scene;
    const auto& was = wasScene.items;
    const auto& is = isScene.items;
    const std::size_t before = was.size(), after = is.size();
    std::size_t prefix = 0;
    while (prefix < std::min(before, after) && was[prefix].sameWidget(is[prefix])) ++prefix;
    std::size_t suffix = 0;
    while (suffix < std::min(before, after) - prefix && was[before - 1 - suffix].sameWidget(is[after - 1 - suffix]))
        ++suffix;

    ChangedArea changed;
    // Once the whole picture is to be painted, tens of thousands of pen
    // segments given back at once need not be measured one by one.
    const auto add = [&](const CanvasScene& scene, LabelBounds& labelBounds, const CanvasScene::Item& item) {
        if (changed.covers(image_.rect())) return;
        if (item.look == CanvasScene::Look::Line || item.look == CanvasScene::Look::SurfaceLine)
            changed.addLine(scene.line(item), scale);
        else
            changed.add(boundsOf(scene, labelBounds, item, scale));
    };
    const auto compare = [&](const CanvasScene::Item& old, const CanvasScene::Item& now) {
        if (!wasScene.sameValues(old, isScene, now)) {
            add(wasScene, painted_.labelBounds, old);
            add(isScene, next.labelBounds, now);
        } else if (now.look == CanvasScene::Look::Label) {
            next.labelBounds[now.at] = painted_.labelBounds[old.at];
        }
    };
    for (std::size_t i = 0; i < prefix; ++i) compare(was[i], is[i]);
    for (std::size_t j = 0; j < suffix; ++j) compare(was[before - 1 - j], is[after - 1 - j]);
    const Items wasMiddle(was.data() + prefix, before - suffix - prefix);
    const Items isMiddle(is.data() + prefix, after - suffix - prefix);
    // Strokes given back whole between items that stayed, as an undo of
    // clearing them gives them back: they are laid over the picture, and
    // what lies above them over them again, if that covers its pixels
    // outright.
    if (wasMiddle.empty() && isMiddle.size() == 1 && isMiddle[0].look == CanvasScene::Look::Strokes) {
        std::vector<std::size_t> onTop(after - prefix);
        std::iota(onTop.begin(), onTop.end(), prefix);
        if (std::all_of(onTop.begin(), onTop.end(),
                        [&](std::size_t i) { return coversOutright(next.scene, next.scene.items[i]); }))
            return {changed.region(), QRegion(image_.rect()), std::move(onTop)};
    }
    const std::optional<BlockSwap> swap = blockSwap(wasMiddle, isMiddle);
    const std::size_t matched = swap ? swap->lower + swap->upper : 0;
    for (const CanvasScene::Item& item : wasMiddle.subspan(matched)) add(wasScene, painted_.labelBounds, item);
    for (const CanvasScene::Item& item : isMiddle.subspan(matched)) add(isScene, next.labelBounds, item);
    if (!swap) return {changed.region(), {}, {}};

    for (std::size_t t = 0; t < swap->lower; ++t) compare(wasMiddle[t], isMiddle[swap->upper + t]);
    for (std::size_t t = 0; t < swap->upper; ++t) compare(wasMiddle[swap->lower + t], isMiddle[t]);
    // Each item of the smaller block is bounded on its own, each pen stroke
    // too: together they may reach across the canvas while covering little
    // of it.
    const Items lower = wasMiddle.first(swap->lower), upper = wasMiddle.subspan(swap->lower, swap->upper);
    QRegion crossing;
    for (const CanvasScene::Item& item : lineCount(wasScene, lower) <= lineCount(wasScene, upper) ? lower : upper) {
        if (item.look != CanvasScene::Look::Strokes)
            crossing += boundsOf(wasScene, painted_.labelBounds, item, scale);
        else
            for (const LineWidget& line : wasScene.strokes->lines) crossing += lineDeviceBounds(line, scale);
    }

    std::vector<std::size_t> onTop = itemsOf(isAlignment, prefix + swap->upper, after - suffix);
    const auto coveredOutright = [&](std::size_t i) { return coversOutright(next.scene, next.scene.items[i]); };
    bool laidOver = !onTop.empty() && std::all_of(onTop.begin(), onTop.end(), coveredOutright);
    for (std::size_t j = 0; laidOver && j < suffix; ++j)
        laidOver = !crossing.intersects(boundsOf(isScene, next.labelBounds, is[after - 1 - j], scale));
    if (!laidOver) return {crossing + changed.region(), {}, {}};
    return {changed.region(), std::move(crossing), std::move(onTop)};
}

std::vector<std::size_t> KeptCanvasPicture::itemsTouching(const QRect& area, double scale)
{
    // QRect::intersects is not inlined; this test runs once per pen segment.
    const auto overlaps = [&](const QRect& r) {
        return r.left() <= area.right() && area.left() <= r.right() && r.top() <= area.bottom() &&
               area.top() <= r.bottom();
    };
    // Most pen segments lie far from the area; their twips tell at once. A
    // line reaches at most its width in pixels plus the rounding slack.
    const float twipsPerDevicePixel = static_cast<float>(kTwipsPerPixel / scale);
    const float slack = 6 * twipsPerDevicePixel;
    const float left = static_cast<float>(area.left()) * twipsPerDevicePixel - slack;
    const float right = static_cast<float>(area.right() + 1) * twipsPerDevicePixel + slack;
    const float top = static_cast<float>(area.top()) * twipsPerDevicePixel - slack;
    const float bottom = static_cast<float>(area.bottom() + 1) * twipsPerDevicePixel + slack;
    const auto farFrom = [&](const LineWidget& line) {
        const float reach = static_cast<float>(std::max(1, line.width)) * static_cast<float>(kTwipsPerPixel);
        return std::max(line.x1, line.x2) + reach < left || std::min(line.x1, line.x2) - reach > right ||
               std::max(line.y1, line.y2) + reach < top || std::min(line.y1, line.y2) - reach > bottom;
    };
    std::vector<std::size_t> touching;
    const auto& items = painted_.scene.items;
    for (std::size_t i = 0; i < items.size(); ++i) {
        const CanvasScene::Item& item = items[i];
        if (item.look == CanvasScene::Look::Strokes) {
            touching.push_back(i);
        } else if (item.look == CanvasScene::Look::Line || item.look == CanvasScene::Look::SurfaceLine) {
            const LineWidget& line = painted_.scene.line(item);
            if (!farFrom(line) && lineComesNear(line, scale, area)) touching.push_back(i);
        } else if (overlaps(boundsOf(painted_.scene, painted_.labelBounds, item, scale))) {
            touching.push_back(i);
        }
    }
    // Nothing below an opaque label that fills the whole area can show: a
    // typed age repaints its own label and what lies over it.
    for (auto above = touching.rbegin(); above != touching.rend(); ++above) {
        const CanvasScene::Item& item = items[*above];
        if (item.look == CanvasScene::Look::Label && painted_.scene.label(item).opaque &&
            labelDeviceBox(painted_.scene.label(item), scale).contains(area)) {
            touching.erase(touching.begin(), std::prev(above.base()));
            break;
        }
    }
    return touching;
}

QRect KeptCanvasPicture::boundsOf(const CanvasScene& scene, LabelBounds& labelBounds, const CanvasScene::Item& item,
                                  double scale) const
{
    switch (item.look) {
    case CanvasScene::Look::Label: {
        std::optional<QRect>& known = labelBounds[item.at];
        if (!known) known = labelDeviceBounds(scene.label(item), item.id, scale, &image_);
        return *known;
    }
    case CanvasScene::Look::Symbol: return symbolDeviceBounds(scene.symbol(item), scale);
    case CanvasScene::Look::Strokes: return image_.rect(); // they may lie anywhere
    default: return lineDeviceBounds(scene.line(item), scale);
    }
}

// Laying the layer over the area costs the area, however many segments
// cross it. Strokes drawn since the layer was painted lie on top of those it
// holds, so they are painted onto it; strokes taken back from its end are
// painted out where they lay; anything else paints it afresh.
const QImage* KeptCanvasPicture::strokesLayer(double scale)
{
    const auto& strokes = painted_.scene.strokes;
    if (strokesLayer_.strokes == strokes && strokesLayer_.scale == scale) return &strokesLayer_.image;
    const bool sameCanvas =
        strokesLayer_.strokes && strokesLayer_.scale == scale && strokesLayer_.image.size() == image_.size();
    const StrokeRun* painted = strokesLayer_.strokes.get();
    const bool shrank = sameCanvas && startsWith(*painted, *strokes);
    const QRegion takenBack = shrank ? whereLinesLay(*painted, strokes->lines.size(), scale) : QRegion();
    if (sameCanvas && startsWith(*strokes, *painted)) {
        paintStrokesOnLayer(strokesLayer_.image, *strokes, painted->lines.size(), scale);
    } else if (shrank && !coversHalf(takenBack, strokesLayer_.image)) {
        repaintStrokesOnLayer(strokesLayer_.image, *strokes, takenBack & strokesLayer_.image.rect(), scale);
    } else {
        strokesLayer_.image = QImage(image_.size(), QImage::Format_ARGB32_Premultiplied);
        strokesLayer_.image.fill(Qt::transparent);
        paintStrokesOnLayer(strokesLayer_.image, *strokes, 0, scale);
    }
    strokesLayer_.strokes = strokes;
    strokesLayer_.scale = scale;
    return &strokesLayer_.image;
}

} // namespace kinsketch
