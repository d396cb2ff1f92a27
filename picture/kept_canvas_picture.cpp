#include "kept_canvas_picture.h"

#include "canvas_painter.h"
#include "canvas_picture.h"

#include <QPainter>

#include <algorithm>

namespace kinsketch {

bool KeptCanvasPicture::isPaintedAt(const GenoCanvas& canvas, double scale) const
{
    return !image_.isNull() && geometry_ == &canvas.geometry() && scale_ == scale;
}

QRect KeptCanvasPicture::update(const GenoCanvas& canvas, double scale, int leftOut)
{
    if (!isPaintedAt(canvas, scale)) {
        scene_ = sceneOf(canvas, leftOut);
        paintAfresh(canvas, scale);
        return image_.rect();
    }
    CanvasScene next = sceneOf(canvas, leftOut);
    std::vector<std::optional<QRect>> nextBounds(next.items.size());
    const QRect area = changedArea(next, nextBounds, scale) & image_.rect();
    scene_ = std::move(next);
    bounds_ = std::move(nextBounds);
    // Past half the canvas, painting the rest as well costs little more and
    // needs no clipping.
    if (static_cast<qint64>(area.width()) * area.height() * 2 > static_cast<qint64>(image_.width()) * image_.height()) {
        paintAfresh(canvas, scale);
        return image_.rect();
    }
    if (!area.isEmpty()) {
        const std::vector<std::size_t> touching = itemsTouching(area, scale);
        QPainter painter(&image_);
        repaintSceneArea(painter, scene_, scale, area, touching);
    }
    return area;
}

void KeptCanvasPicture::paintAfresh(const GenoCanvas& canvas, double scale)
{
    image_ = QImage(canvasPixelSize(canvas.geometry(), scale), QImage::Format_RGB32);
    geometry_ = &canvas.geometry();
    scale_ = scale;
    bounds_.assign(scene_.items.size(), std::nullopt);
    QPainter painter(&image_);
    paintScene(painter, scene_, canvas.geometry(), scale);
}

QRegion KeptCanvasPicture::addFreeLines(const GenoCanvas& canvas, int first, int last, double scale)
{
    QPainter painter(&image_);
    paintFreeLines(painter, canvas, first, last, scale);
    const std::size_t from = scene_.items.size();
    scene_.addFreeLines(canvas, first, last);
    bounds_.resize(scene_.items.size());
    QRegion touched;
    for (std::size_t i = from; i < scene_.items.size(); ++i) touched += boundsOf(scene_, bounds_, i, scale);
    return touched;
}

// A pixel outside the area is touched by the same items, with the same
// values and in the same order, before and after: items before the first
// difference and after the last keep their order, so only those that changed
// value, or lie between the first and last difference, can change a pixel.
QRect KeptCanvasPicture::changedArea(const CanvasScene& next, std::vector<std::optional<QRect>>& nextBounds, double scale)
{
    const std::size_t before = scene_.items.size(), after = next.items.size();
    std::size_t prefix = 0;
    while (prefix < std::min(before, after) && scene_.items[prefix].sameWidget(next.items[prefix])) ++prefix;
    std::size_t suffix = 0;
    while (suffix < std::min(before, after) - prefix &&
           scene_.items[before - 1 - suffix].sameWidget(next.items[after - 1 - suffix]))
        ++suffix;

    QRect area;
    const auto compare = [&](std::size_t was, std::size_t is) {
        if (scene_.sameValues(scene_.items[was], next, next.items[is])) {
            nextBounds[is] = bounds_[was];
            return;
        }
        area |= boundsOf(scene_, bounds_, was, scale);
        area |= boundsOf(next, nextBounds, is, scale);
    };
    for (std::size_t i = 0; i < prefix; ++i) compare(i, i);
    for (std::size_t j = 0; j < suffix; ++j) compare(before - 1 - j, after - 1 - j);
    for (std::size_t i = prefix; i < before - suffix; ++i) area |= boundsOf(scene_, bounds_, i, scale);
    for (std::size_t i = prefix; i < after - suffix; ++i) area |= boundsOf(next, nextBounds, i, scale);
    return area;
}

std::vector<std::size_t> KeptCanvasPicture::itemsTouching(const QRect& area, double scale)
{
    // QRect::intersects is not inlined; this test runs once per pen segment.
    const auto overlaps = [&](const QRect& r) {
        return r.left() <= area.right() && area.left() <= r.right() && r.top() <= area.bottom() && area.top() <= r.bottom();
    };
    std::vector<std::size_t> touching;
    for (std::size_t i = 0; i < scene_.items.size(); ++i) {
        if (!overlaps(boundsOf(scene_, bounds_, i, scale))) continue;
        const CanvasScene::Item& item = scene_.items[i];
        const bool line = item.look == CanvasScene::Look::Line || item.look == CanvasScene::Look::SurfaceLine;
        if (!line || lineComesNear(scene_.line(item), scale, area)) touching.push_back(i);
    }
    return touching;
}

QRect KeptCanvasPicture::boundsOf(const CanvasScene& scene, std::vector<std::optional<QRect>>& bounds, std::size_t i,
                                  double scale) const
{
    std::optional<QRect>& known = bounds[i];
    if (known) return *known;
    const CanvasScene::Item& item = scene.items[i];
    switch (item.look) {
    case CanvasScene::Look::Label: known = labelDeviceBounds(scene.label(item), item.id, scale, &image_); break;
    case CanvasScene::Look::Symbol: known = symbolDeviceBounds(scene.symbol(item), scale); break;
    default: known = lineDeviceBounds(scene.line(item), scale); break;
    }
    return *known;
}

} // namespace kinsketch
