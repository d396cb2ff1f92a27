#pragma once
// The picture the canvas window shows, kept between repaints. The scene it
// was painted from is kept beside it; bringing it up to date compares that
// scene with the model's and paints afresh only the area where they differ,
// so that an edit costs what it changes and not what the canvas holds.

#include "canvas_scene.h"

#include <QImage>
#include <QRect>
#include <QRegion>

#include <cstddef>
#include <optional>
#include <vector>

namespace kinsketch {

class KeptCanvasPicture {
public:
    // Makes the picture show the canvas at `scale` device pixels per 96-dpi
    // pixel, without FreeLine segment `leftOut` (0: none). Returns the device
    // area painted afresh: empty when nothing changed.
    QRect update(const GenoCanvas& canvas, double scale, int leftOut);

    // Whether the picture was painted from this canvas at this scale.
    bool isPaintedAt(const GenoCanvas& canvas, double scale) const;
    // Draws FreeLine segments first … last over the picture, where a
    // free-drawing step has just put them: on top of everything. Returns the
    // device pixels they may touch.
    QRegion addFreeLines(const GenoCanvas& canvas, int first, int last, double scale);

    const QImage& image() const { return image_; }

private:
    void paintAfresh(const GenoCanvas& canvas, double scale);
    QRect changedArea(const CanvasScene& next, std::vector<std::optional<QRect>>& nextBounds, double scale);
    std::vector<std::size_t> itemsTouching(const QRect& area, double scale);
    QRect boundsOf(const CanvasScene& scene, std::vector<std::optional<QRect>>& bounds, std::size_t i, double scale) const;

    QImage image_;
    double scale_ = 0;
    const CanvasGeometry* geometry_ = nullptr;
    CanvasScene scene_;
    // Measured on first need: measuring texts costs more than comparing them.
    std::vector<std::optional<QRect>> bounds_;
};

} // namespace kinsketch
