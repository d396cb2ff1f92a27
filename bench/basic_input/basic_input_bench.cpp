// From a key typed into an age box of the WIDE panel to the canvas
// repainted, against a repaint of the whole canvas with nothing changed.
// The key's path is the panel's: layer 0 written, rebuild, the paint. A
// full document must keep that under 2 ms and within 3 × the bare repaint.

#include "windows/basic_input/basic_input_window.h"

#include "bench/support/shown_canvas.h"

#include <QApplication>
#include <QEvent>
#include <QLineEdit>
#include <QTest>

#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>

namespace kinsketch {
namespace {

// The WIDE panel beside its canvas, both on screen, as the program shows them.
struct EditingScreen {
    explicit EditingScreen(const benchmark::State& state)
        : shown(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)))
    {
        BasicInputNeighbours neighbours;
        neighbours.redrawCanvas = [this] { canvas.rebuild(); };
        panel = std::make_unique<BasicInputWindow>(CanvasSize::Wide, shown.drawing, shown.reporter, boxes,
                                                   std::move(neighbours));
        panel->load();
        panel->show();
        QApplication::processEvents();
    }
    bench::ShownCanvas shown;
    GdrRecord& document = shown.document;
    CanvasWindow& canvas = shown.window;
    bench::SilentBoxes boxes;
    std::unique_ptr<BasicInputWindow> panel;
};

void BM_EmptyRepaint(benchmark::State& state)
{
    EditingScreen screen(state);
    for (auto _ : state) screen.canvas.repaint();
}

// Typing and deleting a digit in turn keeps the text short; both are changes.
// An empty repaint of the same canvas is timed after each key, so that the
// ratio compares the two under the same conditions of the machine.
void BM_AgeKeyToCanvasRepainted(benchmark::State& state)
{
    using Clock = std::chrono::steady_clock;
    EditingScreen screen(state);
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
    if (screen.document.ages[30].empty()) state.SkipWithError("the key never reached the document");
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
    EditingScreen screen(state);
    QLineEdit* age = screen.panel->ageBox(30);
    bool typed = false;
    for (auto _ : state) {
        state.PauseTiming();
        auto& records = screen.document.strokes;
        records.mutableItems().push_back({3000, 3000, 3000, 3000, 2, 0x0000FFU, -1000000});
        screen.canvas.canvas().redrawFreeLines(records.upperBound(), FreeLineRedraw::Strokes);
        screen.canvas.repaint();
        state.ResumeTiming();
        QTest::keyClick(age, typed ? Qt::Key_Backspace : Qt::Key_5);
        typed = !typed;
        QCoreApplication::sendPostedEvents(&screen.canvas, QEvent::UpdateRequest);
    }
}

BENCHMARK(BM_EmptyRepaint)->Apply(bench::stepCases)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_AgeKeyToCanvasRepainted)->Apply(bench::stepCases)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FirstAgeKeyAfterAPenStroke)->Apply(bench::stepCases)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace kinsketch
