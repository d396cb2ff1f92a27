#pragma once
// The picture the canvas window shows, kept between repaints. The canvas
// logs every change to its widgets and their order as it makes it; bringing
// the picture up to date repaints the area of the changes logged since, so
// that an edit costs what it changes and not what the canvas holds.

#include "canvas_scene.h"

#include "genogram/canvas_change_log.h"

#include <QImage>
#include <QRect>
#include <QRegion>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <unordered_map>
#include <vector>

namespace kinsketch {

class SceneLookup;

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
    // The painted scene's strokes alone, painted on first need.
    struct StrokesLayer {
        std::shared_ptr<const StrokeRun> strokes;
        double scale = 0;
        QImage image;
    };

    // What logged changes come to: `laidOver` gets the items `onTop` of the
    // new scene laid over it, as items that rose over everything and cover
    // their pixels outright; then `area` is painted afresh.
    struct Repaint {
        QRegion area;
        QRegion laidOver;
        std::vector<std::size_t> onTop;
    };

    void paintAfresh(const GenoCanvas& canvas, double scale);
    Repaint repaintFor(std::span<const CanvasChange> changes, int leftOut, double scale);
    std::vector<std::size_t> itemsTouching(const QRect& area, double scale);
    // Labels are measured once while they stay as they are (`cached`).
    QRect boundsOf(const CanvasScene& scene, const CanvasScene::Item& item, double scale, bool cached);
    const QImage* strokesLayer(double scale);

    QImage image_;
    double scale_ = 0;
    const GenoCanvas* canvas_ = nullptr;
    CanvasChangeLog::Mark logged_ = 0;
    int leftOut_ = 0;
    CanvasScene painted_;
    // The next scene is built here, so that its storage is reused.
    CanvasScene next_;
    std::unordered_map<std::uint64_t, QRect> labelBounds_;
    StrokeRunKeeper strokes_;
    StrokesLayer strokesLayer_;
};

} // namespace kinsketch
