#pragma once
// The one painting routine of the genogram canvas. The window, the saved
// picture and kinsketch-render all draw the canvas model through it.
//
// The painter works in device pixels (no transform): `scale` is device pixels
// per 96-dpi pixel (1 for the picture, the screen's ratio on screen). Every
// position is snapped to whole device pixels and lines, symbols and frames
// are drawn without antialiasing, as the classic canvas draws them; only
// text is smoothed.

#include "canvas_scene.h"

#include "genogram/geno_canvas.h"

#include <QPainter>
#include <QRegion>

#include <cstddef>
#include <span>

namespace kinsketch {

// Twips to device pixels at `scale`, halves to even.
int twipsToDevicePixels(double twips, double scale);

// `leftOut` names a pen segment not to draw (0: none): the window keeps
// the segment that follows the mouse out of the picture it caches.
void paintCanvas(QPainter& painter, const GenoCanvas& canvas, double scale, int leftOut = 0);
void paintScene(QPainter& painter, const CanvasScene& scene, const CanvasGeometry& geometry, double scale);

// Paints `area` of the scene afresh and leaves every other pixel as it is.
// `items` lists, in scene order, at least every item that touches the area.
// `strokesLayer`, if given, holds the scene's strokes painted alone on a
// transparent image of the canvas's size; they are then copied from it.
void repaintSceneArea(QPainter& painter, const CanvasScene& scene, double scale, const QRect& area,
                      std::span<const std::size_t> items, const QImage* strokesLayer = nullptr);
// Lays the items listed over `area` of what the device shows, as if they
// lay on top of everything there; the painter's other pixels stay.
void paintSceneItemsOver(QPainter& painter, const CanvasScene& scene, double scale, const QRect& area,
                         std::span<const std::size_t> items, const QImage* strokesLayer = nullptr);
// Paints the strokes from line `from` on over `layer`, a transparent image of
// the canvas's size that holds the rest of the scene's strokes alone.
void paintStrokesOnLayer(QImage& layer, const StrokeRun& strokes, std::size_t from, double scale);
// Paints such a layer afresh over `area`, which no longer holds lines that
// `strokes` lacks.
void repaintStrokesOnLayer(QImage& layer, const StrokeRun& strokes, const QRegion& area, double scale);

// The device pixels a widget may touch when painted at `scale`; texts are
// measured as drawn on `device`.
QRect lineDeviceBounds(const LineWidget& line, double scale);
// The same pixels covered more closely, by boxes along the line: a long
// slanting line crosses the canvas while touching little of it.
QRegion lineDeviceFootprint(const LineWidget& line, double scale);
QRect labelDeviceBounds(const LabelWidget& label, WidgetId id, double scale, const QPaintDevice* device);
QRect symbolDeviceBounds(const SymbolWidget& symbol, double scale);
// The box an opaque label fills with its background.
QRect labelDeviceBox(const LabelWidget& label, double scale);
// Whether the picture shows all of a label's text, measured as the picture
// draws it. An age or remark label wraps its text and cuts off what falls
// below its box; a text placed by the user is drawn whole around its box,
// but the picture ends at the canvas's edge.
bool labelTextFits(const LabelWidget& label, WidgetKind kind, const CanvasGeometry& geometry);
// The longest beginning of the label's caption that the picture shows whole.
std::string shownPartOfLabelText(const LabelWidget& label, WidgetKind kind, const CanvasGeometry& geometry);
// Whether a line passes within its reach of `area`: a long line whose box
// overlaps a small area need not touch it.
bool lineComesNear(const LineWidget& line, double scale, const QRect& area);

// pen segments first … last alone, the way paintCanvas draws them. They
// lie on top of everything once drawn, so the window adds them to what it
// shows without drawing the rest again.
void paintFreeLines(QPainter& painter, const GenoCanvas& canvas, int first, int last, double scale);
// The device pixels a pen segment may touch, its width included.
QRect freeLineDeviceRect(const GenoCanvas& canvas, int index, double scale);

} // namespace kinsketch
