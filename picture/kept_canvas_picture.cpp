#include "kept_canvas_picture.h"

#include "canvas_painter.h"
#include "canvas_picture.h"

#include <QPainter>

#include <algorithm>
#include <utility>

namespace kinsketch {

bool KeptCanvasPicture::isPaintedAt(const GenoCanvas& canvas, double scale) const
{
    return !image_.isNull() && geometry_ == &canvas.geometry() && scale_ == scale;
}

QRect KeptCanvasPicture::update(const GenoCanvas& canvas, double scale, int leftOut)
{
    fillScene(next_.scene, canvas, leftOut, &strokes_);
    next_.labelBounds.assign(next_.scene.labels.size(), std::nullopt);
    const bool painted = isPaintedAt(canvas, scale);
    const QRect area = painted ? changedArea(next_, scale) & image_.rect() : QRect();
    std::swap(painted_, next_);
    // Past half the canvas, painting the rest as well costs little more and
    // needs no clipping.
    if (!painted ||
        static_cast<qint64>(area.width()) * area.height() * 2 > static_cast<qint64>(image_.width()) * image_.height()) {
        paintAfresh(canvas, scale);
        return image_.rect();
    }
    if (!area.isEmpty()) {
        const std::vector<std::size_t> touching = itemsTouching(area, scale);
        const QImage* layer = painted_.scene.strokes ? strokesLayer(scale) : nullptr;
        QPainter painter(&image_);
        repaintSceneArea(painter, painted_.scene, scale, area, touching, layer);
    }
    return area;
}

void KeptCanvasPicture::paintAfresh(const GenoCanvas& canvas, double scale)
{
    image_ = QImage(canvasPixelSize(canvas.geometry(), scale), QImage::Format_RGB32);
    geometry_ = &canvas.geometry();
    scale_ = scale;
    QPainter painter(&image_);
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
// Strokes that both scenes share are one item; otherwise they are compared
// line by line.
QRect KeptCanvasPicture::changedArea(MeasuredScene& next, double scale)
{
    std::optional<CanvasScene> wasSpread, isSpread;
    if (painted_.scene.strokes != next.scene.strokes) {
        if (painted_.scene.strokes) wasSpread = spreadStrokes(painted_.scene);
        if (next.scene.strokes) isSpread = spreadStrokes(next.scene);
    }
    const CanvasScene& wasScene = wasSpread ? *wasSpread : painted_.scene;
    const CanvasScene& isScene = isSpread ? *isSpread : next.scene;
    const auto& was = wasScene.items;
    const auto& is = isScene.items;
    const std::size_t before = was.size(), after = is.size();
    std::size_t prefix = 0;
    while (prefix < std::min(before, after) && was[prefix].sameWidget(is[prefix])) ++prefix;
    std::size_t suffix = 0;
    while (suffix < std::min(before, after) - prefix && was[before - 1 - suffix].sameWidget(is[after - 1 - suffix]))
        ++suffix;

    QRect area;
    const auto compare = [&](const CanvasScene::Item& old, const CanvasScene::Item& now) {
        if (!wasScene.sameValues(old, isScene, now)) {
            area |= boundsOf(wasScene, painted_.labelBounds, old, scale);
            area |= boundsOf(isScene, next.labelBounds, now, scale);
        } else if (now.look == CanvasScene::Look::Label) {
            next.labelBounds[now.at] = painted_.labelBounds[old.at];
        }
    };
    for (std::size_t i = 0; i < prefix; ++i) compare(was[i], is[i]);
    for (std::size_t j = 0; j < suffix; ++j) compare(was[before - 1 - j], is[after - 1 - j]);
    for (std::size_t i = prefix; i < before - suffix; ++i)
        area |= boundsOf(wasScene, painted_.labelBounds, was[i], scale);
    for (std::size_t i = prefix; i < after - suffix; ++i) area |= boundsOf(isScene, next.labelBounds, is[i], scale);
    return area;
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
// holds, so they are painted onto it; anything else paints it afresh.
const QImage* KeptCanvasPicture::strokesLayer(double scale)
{
    const auto& strokes = painted_.scene.strokes;
    if (strokesLayer_.strokes == strokes) return &strokesLayer_.image;
    const bool sameCanvas =
        strokesLayer_.strokes && strokesLayer_.scale == scale && strokesLayer_.image.size() == image_.size();
    if (sameCanvas && startsWith(*strokes, *strokesLayer_.strokes)) {
        paintStrokesOnLayer(strokesLayer_.image, *strokes, strokesLayer_.strokes->lines.size(), scale);
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
