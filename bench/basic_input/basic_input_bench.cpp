// From a key typed into an age box of the WIDE panel to the canvas
// repainted, against a repaint of the whole canvas with nothing changed.
// The key's path is the panel's: layer 0 written, rebuild, the paint. A
// full document must keep that under 2 ms and within 3 × the bare repaint.

#include "genogram/basic_input/window/basic_input_window.h"
#include "genogram/canvas_layer_store.h"
#include "genogram/window/canvas_window.h"

#include "bench/support/full_wide_document.h"
#include "bench/support/silent_seams.h"

#include <QApplication>
#include <QEvent>
#include <QLineEdit>
#include <QTest>

#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>
#include <string>

namespace kinsketch {
namespace {

using bench::SilentBoxes;
using bench::SilentReporter;

// The full WIDE document with pen strokes of `strokeRecords` segments.
GdrRecord fullWideDocument(int strokeRecords)
{
    GdrRecord d = bench::fullWideDocument();
    for (int i = 0; i < strokeRecords; ++i) {
        const auto x = static_cast<float>(100 + (i * 37) % 6800), y = static_cast<float>(100 + (i * 53) % 6000);
        const bool first = i % 40 == 0;
        d.FreeLine.mutableItems().push_back({x, y, first ? x : 0, first ? y : 0, 1 + i % 3, 0x0000FFU, -(1 + i / 40)});
    }
    return d;
}

// The WIDE panel beside its canvas, both on screen, as the program shows them.
struct EditingScreen {
    explicit EditingScreen(int strokeRecords)
        : document(fullWideDocument(strokeRecords))
    {
        CanvasLayerStore layers(document, reporter, [this](CanvasSize) -> GenoCanvas& { return canvas.canvas(); });
        canvas.openDocument(layers);
        BasicInputNeighbours neighbours;
        neighbours.redrawCanvas = [this] { canvas.rebuild(); };
        panel = std::make_unique<BasicInputWindow>(CanvasSize::Wide, document, reporter, boxes, std::move(neighbours));
        panel->load();
        panel->show();
        canvas.show();
        QApplication::processEvents();
    }
    GdrRecord document;
    SilentReporter reporter;
    SilentBoxes boxes;
    CanvasWindow canvas{CanvasSize::Wide, document, reporter};
    std::unique_ptr<BasicInputWindow> panel;
};

void BM_EmptyRepaint(benchmark::State& state)
{
    EditingScreen screen(static_cast<int>(state.range(0)));
    for (auto _ : state) screen.canvas.repaint();
}

// Typing and deleting a digit in turn keeps the text short; both are changes.
// An empty repaint of the same canvas is timed after each key, so that the
// ratio compares the two under the same conditions of the machine.
void BM_AgeKeyToCanvasRepainted(benchmark::State& state)
{
    using Clock = std::chrono::steady_clock;
    EditingScreen screen(static_cast<int>(state.range(0)));
    QLineEdit* age = screen.panel->ageBox(30);
    bool typed = false;
    Clock::duration keys{}, emptyRepaints{};
    for (auto _ : state) {
        const Clock::time_point start = Clock::now();
        QTest::keyClick(age, typed ? Qt::Key_Backspace : Qt::Key_5);
        typed = !typed;
        // The repaint the canvas asked for, as the event loop would deliver it.
        QCoreApplication::sendPostedEvents(&screen.canvas, QEvent::UpdateRequest);
        const Clock::time_point repainted = Clock::now();
        screen.canvas.repaint();
        keys += repainted - start;
        emptyRepaints += Clock::now() - repainted;
        state.SetIterationTime(std::chrono::duration<double>(repainted - start).count());
    }
    if (screen.document.AgeText[30].empty()) state.SkipWithError("the key never reached the document");
    const auto microseconds = [&](Clock::duration total) {
        return std::chrono::duration<double, std::micro>(total).count() / static_cast<double>(state.iterations());
    };
    state.counters["empty repaint us"] = microseconds(emptyRepaints);
    state.counters["x empty repaint"] = microseconds(keys) / microseconds(emptyRepaints);
}

// The first key after a pen stroke: the strokes changed, so the canvas
// redraws every record, the window compares them one by one and paints their
// layer afresh. Later keys cost what BM_AgeKeyToCanvasRepainted measures.
void BM_FirstAgeKeyAfterAPenStroke(benchmark::State& state)
{
    EditingScreen screen(static_cast<int>(state.range(0)));
    QLineEdit* age = screen.panel->ageBox(30);
    bool typed = false;
    for (auto _ : state) {
        state.PauseTiming();
        auto& records = screen.document.FreeLine;
        records.mutableItems().push_back({3000, 3000, 3000, 3000, 2, 0x0000FFU, -1000000});
        screen.canvas.canvas().redrawFreeLines(records.upperBound(), FreeLineRedraw::Strokes);
        screen.canvas.repaint();
        state.ResumeTiming();
        QTest::keyClick(age, typed ? Qt::Key_Backspace : Qt::Key_5);
        typed = !typed;
        QCoreApplication::sendPostedEvents(&screen.canvas, QEvent::UpdateRequest);
    }
}

constexpr int kRepetitions = 15;
BENCHMARK(BM_EmptyRepaint)
    ->Arg(0)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(50000)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(kRepetitions)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_AgeKeyToCanvasRepainted)
    ->Arg(0)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(50000)
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(kRepetitions)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_FirstAgeKeyAfterAPenStroke)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(50000)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

} // namespace
} // namespace kinsketch
