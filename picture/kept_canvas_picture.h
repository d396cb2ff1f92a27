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
#include <memory>
#include <optional>
#include <vector>

namespace kinsketch {

class KeptCanvasPicture {
public:
    // Makes the picture show the canvas at `scale` device pixels per 96-dpi
    // pixel, without pen segment `leftOut` (0: none). Returns the device
    // area painted afresh: empty when nothing changed.
    QRegion update(const GenoCanvas& canvas, double scale, int leftOut);

    // Whether the picture was painted from this canvas at this scale.
    bool isPaintedAt(const GenoCanvas& canvas, double scale) const;
    // Draws pen segments first … last over the picture, where a
    // free-drawing step has just put them: on top of everything. Returns the
    // device pixels they may touch.
    QRegion addFreeLines(const GenoCanvas& canvas, int first, int last, double scale);

    const QImage& image() const { return image_; }

private:
    // A scene with what its texts were measured to cover, one entry per
    // label, measured on first need: measuring costs more than comparing.
    using LabelBounds = std::vector<std::optional<QRect>>;
    struct MeasuredScene {
        CanvasScene scene;
        LabelBounds labelBounds;
    };

    // The painted scene's strokes alone, painted on first need.
    struct StrokesLayer {
        std::shared_ptr<const StrokeRun> strokes;
        double scale = 0;
        QImage image;
    };

    // What a new scene changes on the picture: `area` is painted afresh;
    // then the items `onTop` of the new scene are laid over `crossing`.
    struct Changes {
        QRegion area;
        QRegion crossing;
        std::vector<std::size_t> onTop;
    };

    void paintAfresh(const GenoCanvas& canvas, double scale);
    Changes changesTo(MeasuredScene& next, double scale);
    std::vector<std::size_t> itemsTouching(const QRect& area, double scale);
    QRect boundsOf(const CanvasScene& scene, LabelBounds& labelBounds, const CanvasScene::Item& item,
                   double scale) const;
    const QImage* strokesLayer(double scale);

    QImage image_;
    double scale_ = 0;
    const CanvasGeometry* geometry_ = nullptr;
    MeasuredScene painted_;
    // The next scene is built here, so that its storage is reused.
    MeasuredScene next_;
    StrokeRunKeeper strokes_;
    StrokesLayer strokesLayer_;
};

} // namespace kinsketch
