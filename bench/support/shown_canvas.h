#pragma once
// The canvas window on screen at a display size, with the full WIDE document
// opened on it: texts, added lines and `penRecords` pen records included.
// The benchmarks of interactive steps drive it and time until its picture
// is up to date.

#include "full_wide_document.h"
#include "silent_seams.h"

#include "genogram/canvas_layer_store.h"
#include "windows/canvas/canvas_window.h"

#include <QApplication>

#include <benchmark/benchmark.h>

namespace kinsketch::bench {

struct ShownCanvas {
    ShownCanvas(int penRecords, int percent)
        : document(fullWideDocument(penRecords))
        , window(CanvasSize::Wide, drawing, reporter, DisplayScale(percent))
    {
        CanvasLayerStore layers(document, reporter, [this](CanvasSize) -> GenoCanvas& { return window.canvas(); });
        window.openDocument(layers);
        QApplication::processEvents();
    }

    GdrRecord document;
    Drawing drawing{document};
    SilentReporter reporter;
    CanvasWindow window;
};

// Every interactive step is timed at 100 % and at 200 %, the largest display
// size, over as many pen records as a sparse, a busy and a crowded canvas carry.
inline void stepCases(benchmark::internal::Benchmark* b)
{
    b->ArgNames({"records", "percent"})->ArgsProduct({{10, 10000, 50000}, {100, 200}});
}

} // namespace kinsketch::bench
