#include "kept_canvas_picture.h"

#include "canvas_painter.h"
#include "canvas_picture.h"

#include <QPainter>

#include <algorithm>
#include <numeric>
#include <optional>
#include <span>
#include <unordered_map>
#include <utility>

namespace kinsketch {
namespace {

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

// The pixels that the items which changed touch. While they are few, each
// line is covered along its length; past that, one box holds them all, so
// that an edit of many pen segments builds no region of thousands of pieces.
class ChangedArea {
public:
    explicit ChangedArea(int mostTraced = 16)
        : mostTraced_(mostTraced)
    {}

    void add(const QRect& rect)
    {
        bounds_ |= rect;
        if (++count_ <= mostTraced_) exact_ += rect;
    }
    void addLine(const LineWidget& line, double scale)
    {
        if (++count_ > mostTraced_) {
            bounds_ |= lineDeviceBounds(line, scale);
            return;
        }
        const QRegion footprint = lineDeviceFootprint(line, scale);
        bounds_ |= footprint.boundingRect();
        exact_ += footprint;
    }
    QRegion region() const { return count_ <= mostTraced_ ? exact_ : QRegion(bounds_); }

private:
    int mostTraced_;
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

// Past this many changes, finding each costs more than painting everything.
// A run of widgets made or dropped together is one change.
constexpr std::size_t kMostChangesLookedUp = 2000;

std::uint64_t keyOf(WidgetId id)
{
    return (static_cast<std::uint64_t>(id.kind) << 32U) | static_cast<std::uint32_t>(id.index);
}

} // namespace

// Where the widgets that logged changes name stand in a scene, found in one
// pass over it. A pen segment taken into the scene's strokes stands there as
// a line of them (`runLine`).
class SceneLookup {
public:
    struct Place {
        std::size_t item;
        std::ptrdiff_t runLine = -1;
    };

    SceneLookup(const CanvasScene& scene, std::span<const CanvasChange> changes,
                const std::vector<WidgetId>& alsoWanted)
    {
        for (std::size_t c = 0; c < changes.size(); ++c) {
            const CanvasChange& change = changes[c];
            if (change.lowest == change.highest)
                single_.emplace(keyOf({change.kind, change.lowest}), std::nullopt);
            else
                ranges_.emplace(c, std::vector<Place>());
            for (const WidgetId& id : change.passed) single_.emplace(keyOf(id), std::nullopt);
        }
        for (const WidgetId& id : alsoWanted) single_.emplace(keyOf(id), std::nullopt);
        for (std::size_t i = 0; i < scene.items.size(); ++i) {
            const CanvasScene::Item& item = scene.items[i];
            if (item.look == CanvasScene::Look::SurfaceLine) continue; // their ids are places, not widgets
            if (item.look == CanvasScene::Look::Strokes) {
                findInRun(scene, i, changes);
                continue;
            }
            if (const auto found = single_.find(keyOf(item.id)); found != single_.end()) found->second = Place{i};
            for (auto& [c, places] : ranges_)
                if (changes[c].holds(item.id)) places.push_back({i});
        }
    }

    // The places of the widgets change `c` names, in scene order.
    std::vector<Place> of(std::size_t c, const CanvasChange& change) const
    {
        if (change.lowest != change.highest) return ranges_.at(c);
        return of({change.kind, change.lowest});
    }
    bool holds(WidgetId id) const
    {
        const auto found = single_.find(keyOf(id));
        return found != single_.end() && found->second;
    }
    std::vector<Place> of(WidgetId id) const
    {
        const auto found = single_.find(keyOf(id));
        if (found == single_.end() || !found->second) return {};
        return {*found->second};
    }

private:
    void findInRun(const CanvasScene& scene, std::size_t i, std::span<const CanvasChange> changes)
    {
        const std::vector<int>& indices = scene.strokes->indices;
        const auto lineOf = [&](int index) -> std::ptrdiff_t {
            const auto at = std::lower_bound(indices.begin(), indices.end(), index);
            return at != indices.end() && *at == index ? at - indices.begin() : -1;
        };
        for (auto& [key, place] : single_)
            if (key >> 32U == static_cast<std::uint64_t>(WidgetKind::strokes))
                if (const std::ptrdiff_t j = lineOf(static_cast<int>(key & 0xFFFFFFFFU)); j >= 0) place = Place{i, j};
        for (auto& [c, places] : ranges_) {
            const CanvasChange& change = changes[c];
            if (change.kind != WidgetKind::strokes || indices.empty()) continue;
            if (change.lowest <= indices.front() && indices.back() <= change.highest) {
                places.push_back({i});
                continue;
            }
            for (std::size_t j = 0; j < indices.size(); ++j)
                if (change.holds({WidgetKind::strokes, indices[j]}))
                    places.push_back({i, static_cast<std::ptrdiff_t>(j)});
        }
    }

    std::unordered_map<std::uint64_t, std::optional<Place>> single_;
    std::unordered_map<std::size_t, std::vector<Place>> ranges_;
};

bool KeptCanvasPicture::isPaintedAt(const GenoCanvas& canvas, double scale) const
{
    return !image_.isNull() && canvas_ == &canvas && scale_ == scale;
}

QRegion KeptCanvasPicture::update(const GenoCanvas& canvas, double scale, int leftOut)
{
    const auto changes = isPaintedAt(canvas, scale) ? canvas.changeLog().since(logged_) : std::nullopt;
    logged_ = canvas.changeLog().end();
    if (changes && changes->empty() && leftOut == leftOut_) return {};
    fillScene(next_, canvas, leftOut, &strokes_);
    if (!changes || changes->size() > kMostChangesLookedUp) {
        std::swap(painted_, next_);
        leftOut_ = leftOut;
        paintAfresh(canvas, scale);
        return image_.rect();
    }
    Repaint repaint = repaintFor(*changes, leftOut, scale);
    std::swap(painted_, next_);
    leftOut_ = leftOut;
    repaint.area &= image_.rect();
    repaint.laidOver &= image_.rect();
    if (coversHalf(repaint.area, image_)) {
        paintAfresh(canvas, scale);
        return image_.rect();
    }
    if (repaint.area.isEmpty() && repaint.laidOver.isEmpty()) return {};
    const QImage* layer = painted_.strokes ? strokesLayer(scale) : nullptr;
    QPainter painter(&image_);
    for (const QRect& r : repaint.laidOver) paintSceneItemsOver(painter, painted_, scale, r, repaint.onTop, layer);
    for (const QRect& r : repaint.area) repaintSceneArea(painter, painted_, scale, r, itemsTouching(r, scale), layer);
    return repaint.area + repaint.laidOver;
}

// A change of values repaints where the widgets lay and where they lie now.
// Widgets that came or rose lie over everything they passed: where they
// cover their pixels outright, laying them over what they passed is enough;
// otherwise what they passed is painted afresh. Strokes drawn on the window
// surface are few, and repainted all when they change.
KeptCanvasPicture::Repaint KeptCanvasPicture::repaintFor(std::span<const CanvasChange> changes, int leftOut,
                                                         double scale)
{
    std::vector<WidgetId> leftOutSegments;
    if (leftOut != leftOut_)
        for (const int k : {leftOut_, leftOut})
            if (k != 0) leftOutSegments.push_back({WidgetKind::strokes, k});
    const SceneLookup was(painted_, changes, leftOutSegments), is(next_, changes, leftOutSegments);
    ChangedArea area;
    const auto addPlace = [&](const CanvasScene& scene, SceneLookup::Place place, bool cached) {
        const CanvasScene::Item& item = scene.items[place.item];
        if (place.runLine >= 0)
            area.addLine(scene.strokes->lines[static_cast<std::size_t>(place.runLine)], scale);
        else if (item.look == CanvasScene::Look::Line)
            area.addLine(scene.line(item), scale);
        else
            area.add(boundsOf(scene, item, scale, cached));
    };
    // Where widgets lay is measured before their labels' bounds are forgotten.
    for (std::size_t c = 0; c < changes.size(); ++c) {
        const CanvasChange& change = changes[c];
        if (change.what == CanvasChange::What::Rose || change.what == CanvasChange::What::Surface) continue;
        if (change.what != CanvasChange::What::Created)
            for (const SceneLookup::Place& place : was.of(c, change)) addPlace(painted_, place, true);
        for (int i = change.lowest; i <= change.highest; ++i) labelBounds_.erase(keyOf({change.kind, i}));
    }
    for (const WidgetId& id : leftOutSegments) {
        for (const SceneLookup::Place& place : was.of(id)) addPlace(painted_, place, true);
        for (const SceneLookup::Place& place : is.of(id)) addPlace(next_, place, true);
    }

    // Laying a few items over a piece costs little: more pieces are kept apart.
    ChangedArea laidOver(128);
    std::vector<bool> onTop(next_.items.size(), false);
    // The bounds of labels no longer on show are not kept.
    const auto boundsOfPlace = [&](const CanvasScene& scene, SceneLookup::Place place) {
        return place.runLine >= 0
                   ? lineDeviceBounds(scene.strokes->lines[static_cast<std::size_t>(place.runLine)], scale)
                   : boundsOf(scene, scene.items[place.item], scale, &scene == &next_);
    };
    const auto boundsOfPlaces = [&](const std::vector<SceneLookup::Place>& places) {
        std::vector<QRect> bounds;
        for (const SceneLookup::Place& place : places) bounds.push_back(boundsOfPlace(next_, place));
        return bounds;
    };
    const auto layOverOrRepaint = [&](const std::vector<SceneLookup::Place>& risen,
                                      const std::vector<QRect>& crossing) {
        const bool laid = std::all_of(risen.begin(), risen.end(), [&](const SceneLookup::Place& place) {
            return place.runLine < 0 && coversOutright(next_, next_.items[place.item]);
        });
        for (const QRect& r : crossing) (laid ? laidOver : area).add(r);
        if (laid)
            for (const SceneLookup::Place& place : risen) onTop[place.item] = true;
    };
    for (std::size_t c = 0; c < changes.size(); ++c) {
        const CanvasChange& change = changes[c];
        switch (change.what) {
        case CanvasChange::What::Values:
            for (const SceneLookup::Place& place : is.of(c, change)) addPlace(next_, place, true);
            break;
        case CanvasChange::What::Removed: break;
        case CanvasChange::What::Surface:
            for (const CanvasScene* scene : {&painted_, &next_})
                for (const CanvasScene::Item& item : scene->items)
                    if (item.look == CanvasScene::Look::SurfaceLine) area.addLine(scene->line(item), scale);
            break;
        case CanvasChange::What::Created: {
            const std::vector<SceneLookup::Place> created = is.of(c, change);
            layOverOrRepaint(created, boundsOfPlaces(created));
            break;
        }
        case CanvasChange::What::Rose: {
            const std::vector<SceneLookup::Place> risen = is.of(c, change);
            if (risen.empty()) break;
            std::vector<QRect> crossing;
            if (change.passedMany) crossing = boundsOfPlaces(risen);
            for (const WidgetId& id : change.passed) {
                for (const SceneLookup::Place& place : is.of(id)) crossing.push_back(boundsOfPlace(next_, place));
                if (!is.holds(id))
                    for (const SceneLookup::Place& place : was.of(id))
                        crossing.push_back(boundsOfPlace(painted_, place));
            }
            layOverOrRepaint(risen, crossing);
            break;
        }
        }
    }
    Repaint repaint{area.region(), laidOver.region(), {}};
    for (std::size_t i = 0; i < onTop.size(); ++i)
        if (onTop[i]) repaint.onTop.push_back(i);
    return repaint;
}

void KeptCanvasPicture::paintAfresh(const GenoCanvas& canvas, double scale)
{
    image_ = QImage(canvasPixelSize(canvas.geometry(), scale), QImage::Format_RGB32);
    canvas_ = &canvas;
    if (scale_ != scale) labelBounds_.clear();
    scale_ = scale;
    QPainter painter(&image_);
    // The strokes are laid from their layer, which later repaints of a part
    // of the canvas need anyway: painted now, it spares the first of them a
    // frame's time, and strokes given back whole, as after an undo of
    // clearing them, are mostly on it already.
    if (painted_.strokes) {
        std::vector<std::size_t> everyItem(painted_.items.size());
        std::iota(everyItem.begin(), everyItem.end(), std::size_t{0});
        repaintSceneArea(painter, painted_, scale, image_.rect(), everyItem, strokesLayer(scale));
        return;
    }
    paintScene(painter, painted_, canvas.geometry(), scale);
}

QRegion KeptCanvasPicture::addFreeLines(const GenoCanvas& canvas, int first, int last, double scale)
{
    QPainter painter(&image_);
    paintFreeLines(painter, canvas, first, last, scale);
    const std::size_t from = painted_.items.size();
    painted_.addFreeLines(canvas, first, last);
    QRegion touched;
    for (std::size_t i = from; i < painted_.items.size(); ++i)
        touched += boundsOf(painted_, painted_.items[i], scale, false);
    return touched;
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
    const auto& items = painted_.items;
    for (std::size_t i = 0; i < items.size(); ++i) {
        const CanvasScene::Item& item = items[i];
        if (item.look == CanvasScene::Look::Strokes) {
            touching.push_back(i);
        } else if (item.look == CanvasScene::Look::Line || item.look == CanvasScene::Look::SurfaceLine) {
            const LineWidget& line = painted_.line(item);
            if (!farFrom(line) && lineComesNear(line, scale, area)) touching.push_back(i);
        } else if (overlaps(boundsOf(painted_, item, scale, true))) {
            touching.push_back(i);
        }
    }
    // Nothing below an opaque label that fills the whole area can show: a
    // typed age repaints its own label and what lies over it.
    for (auto above = touching.rbegin(); above != touching.rend(); ++above) {
        const CanvasScene::Item& item = items[*above];
        if (item.look == CanvasScene::Look::Label && painted_.label(item).opaque &&
            labelDeviceBox(painted_.label(item), scale).contains(area)) {
            touching.erase(touching.begin(), std::prev(above.base()));
            break;
        }
    }
    return touching;
}

QRect KeptCanvasPicture::boundsOf(const CanvasScene& scene, const CanvasScene::Item& item, double scale, bool cached)
{
    switch (item.look) {
    case CanvasScene::Look::Label: {
        if (!cached) return labelDeviceBounds(scene.label(item), item.id, scale, &image_);
        const auto [known, isNew] = labelBounds_.try_emplace(keyOf(item.id));
        if (isNew) known->second = labelDeviceBounds(scene.label(item), item.id, scale, &image_);
        return known->second;
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
    const auto& strokes = painted_.strokes;
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
