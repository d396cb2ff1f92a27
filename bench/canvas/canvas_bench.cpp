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
#include <random>
#include <string>

namespace kinsketch {
namespace {

using bench::SilentReporter;

// Strokes of 40 points wandering over the canvas: mostly thin pens, some
// wide ones and some eraser strokes, as hand drawing leaves them.
void addStrokes(GdrRecord& d, int records)
{
    std::mt19937 random(42);
    std::uniform_real_distribution<float> x(0, 7050), y(0, 6195), step(-90, 90);
    const std::int32_t widths[] = {1, 1, 2, 3, 10};
    d.FreeLine = {true, 1, {}};
    d.FreeLine.mutableItems().reserve(static_cast<std::size_t>(records));
    float px = 0, py = 0;
    std::int32_t stroke = 0;
    for (int i = 0; i < records; ++i) {
        const bool first = i % 40 == 0;
        if (first) {
            --stroke;
            px = x(random);
            py = y(random);
        } else {
            px = std::clamp(px + step(random), 0.F, 7050.F);
            py = std::clamp(py + step(random), 0.F, 6195.F);
        }
        const std::int32_t width = widths[static_cast<std::size_t>(-stroke) % 5];
        d.FreeLine.mutableItems().push_back(
            {px, py, first ? px : 0, first ? py : 0, width, width == 10 ? 0xFFFFFFU : 0x0000FFU, stroke});
    }
}

GdrRecord fullWideDocument(int strokeRecords)
{
    GdrRecord d = bench::fullWideDocument();
    addStrokes(d, strokeRecords);
    return d;
}

struct LoadedCanvas {
    explicit LoadedCanvas(int strokeRecords)
        : document(fullWideDocument(strokeRecords))
    {
        CanvasLayerStore layers(document, reporter, [this](CanvasSize) -> GenoCanvas& { return canvas; });
        openDocumentOnCanvas(layers, canvas);
    }
    GdrRecord document;
    SilentReporter reporter;
    GenoCanvas canvas{CanvasSize::Wide, document, reporter};
};

void prevAndPaint(benchmark::State& state, int strokeRecords)
{
    LoadedCanvas loaded(strokeRecords);
    QImage image(canvasPixelSize(loaded.canvas.geometry(), 1.0), QImage::Format_RGB32);
    for (auto _ : state) {
        loaded.canvas.rebuild();
        QPainter painter(&image);
        paintCanvas(painter, loaded.canvas, 1.0);
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
    state.SetComplexityN(strokeRecords);
}

void BM_PrevAndPaintWideFull(benchmark::State& state) { prevAndPaint(state, 50000); }
BENCHMARK(BM_PrevAndPaintWideFull)->Unit(benchmark::kMillisecond);

void BM_PrevAndPaintStrokes(benchmark::State& state) { prevAndPaint(state, static_cast<int>(state.range(0))); }
BENCHMARK(BM_PrevAndPaintStrokes)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(50000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

// The same at 200 %, the largest screen scale the canvas is drawn at.
void BM_PrevAndPaintWideFullAt200(benchmark::State& state)
{
    LoadedCanvas loaded(50000);
    QImage image(canvasPixelSize(loaded.canvas.geometry(), 2.0), QImage::Format_RGB32);
    for (auto _ : state) {
        loaded.canvas.rebuild();
        QPainter painter(&image);
        paintCanvas(painter, loaded.canvas, 2.0);
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_PrevAndPaintWideFullAt200)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace kinsketch
