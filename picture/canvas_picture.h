#pragma once
// The picture of the canvas: the model rendered offscreen, never copied from
// the screen, so whatever lies on top of the window stays out of it; and the
// file it is written to.

#include "canvas_scene.h"

#include "genogram/geno_canvas.h"

#include <QImage>
#include <QSize>

#include <filesystem>

namespace kinsketch {

// The canvas's client area in device pixels at `scale`, halves to even.
QSize canvasPixelSize(const CanvasGeometry& geometry, double scale);

// The canvas as the picture takes it: 15 twips to the pixel, RGB888.
QImage renderCanvasPicture(const GenoCanvas& canvas, double scale = 1.0);
// The same of a scene drawn from a canvas of that geometry.
QImage renderScenePicture(const CanvasScene& scene, const CanvasGeometry& geometry, double scale = 1.0);

// Writes a 24-bit Windows bitmap (overwriting), or a PNG when the name ends in ".png".
// Raises RunTimeError when the file cannot be written.
void writePicture(const QImage& picture, const std::filesystem::path& file);

} // namespace kinsketch
