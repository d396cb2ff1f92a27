// rebuild plus a full paint of the canvas: a WIDE canvas with every layer
// full must fit in one 60 Hz frame (16.7 ms), and the cost must grow no
// worse than linearly with the number of pen-stroke records.

#include "genogram/canvas_opening.h"
#include "genogram/geno_canvas.h"
#include "picture/canvas_painter.h"
#include "picture/canvas_picture.h"

#include "bench/support/full_wide_document.h"
#include "bench/support/silent_seams.h"

#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

namespace kinsketch {
namespace {

using bench::SilentReporter;

struct LoadedCanvas {
    explicit LoadedCanvas(int strokeRecords)
        : document(bench::fullWideDocument(strokeRecords))
    {
        CanvasLayerStore layers(document, reporter, [this](CanvasSize) -> GenoCanvas& { return canvas; });
        openDocumentOnCanvas(layers, canvas);
    }
    GdrRecord document;
    SilentReporter reporter;
    GenoCanvas canvas{CanvasSize::Wide, document, reporter};
};

// `percent` is the screen scale: 200 % is the largest the canvas is drawn at.
void prevAndPaint(benchmark::State& state, int strokeRecords, int percent = 100)
{
    LoadedCanvas loaded(strokeRecords);
    const double scale = percent / 100.0;
    QImage image(canvasPixelSize(loaded.canvas.geometry(), scale), QImage::Format_RGB32);
    for (auto _ : state) {
        loaded.canvas.rebuild();
        QPainter painter(&image);
        paintCanvas(painter, loaded.canvas, scale);
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
    state.SetComplexityN(strokeRecords);
}

void BM_PrevAndPaintWideFull(benchmark::State& state) { prevAndPaint(state, 50000, static_cast<int>(state.range(0))); }
BENCHMARK(BM_PrevAndPaintWideFull)->ArgName("percent")->Arg(100)->Arg(200)->Unit(benchmark::kMillisecond);

void BM_PrevAndPaintStrokes(benchmark::State& state) { prevAndPaint(state, static_cast<int>(state.range(0))); }
BENCHMARK(BM_PrevAndPaintStrokes)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(50000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

} // namespace
} // namespace kinsketch
