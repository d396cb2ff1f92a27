// One mouse-move step of a pen stroke on the canvas window: the gesture
// stores the record, the canvas makes its segment, and the window repaints
// what changed. The cost must not grow with the records already drawn.
// BM_RepaintUnchanged is the yardstick: the window repainted with nothing
// changed, which still compares every widget with the picture it keeps.

#include "genogram/free_drawing.h"
#include "genogram/window/canvas_window.h"

#include "bench/support/silent_seams.h"
#include "document/gdr_conversion.h"

#include <QApplication>
#include <QEvent>

#include <benchmark/benchmark.h>

#include <memory>

namespace kinsketch {
namespace {

// Counts the paint events, to show that each step did repaint.
class PaintCounter : public QObject {
public:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) ++paints;
        return false;
    }
    int paints = 0;
};

// A canvas window shown with `records` pen records already on it, in strokes
// of 100 points zig-zagging over the canvas.
struct DrawnCanvas {
    explicit DrawnCanvas(int records)
    {
        makeNewDocument(document);
        document.FreeLine = {true, 1, {}};
        for (int k = 0; k < records; ++k) {
            const float x = static_cast<float>(100 + (k * 37) % 4000), y = static_cast<float>(100 + (k * 53) % 4800);
            const bool first = k % 100 == 0;
            document.FreeLine.mutableItems().push_back(
                {x, y, first ? x : 0, first ? y : 0, 1 + k % 3, 0, -(1 + k / 100)});
        }
        panel.strokeTag = std::to_string(-(1 + records / 100));
        window = std::make_unique<CanvasWindow>(CanvasSize::Normal, document, reporter);
        drawing = std::make_unique<FreeDrawing>(CanvasSize::Normal, window->canvas(), panel, boxes,
                                                [this](const FreeLineStep& step) { window->showFreeLineStep(step); });
        window->rebuild();
        QApplication::processEvents();
        drawing->mouseDown(kLeftButton, 2000, 2000);
        QApplication::processEvents();
    }

    GdrRecord document;
    bench::SilentReporter reporter;
    bench::SilentBoxes boxes;
    FreeLinePanelRegisters panel;
    std::unique_ptr<CanvasWindow> window;
    std::unique_ptr<FreeDrawing> drawing;
};

void BM_PenMoveStep(benchmark::State& state)
{
    DrawnCanvas canvas(static_cast<int>(state.range(0)));
    PaintCounter counter;
    canvas.window->installEventFilter(&counter);
    int step = 0;
    for (auto _ : state) {
        ++step;
        canvas.drawing->mouseMove(kLeftButton, static_cast<float>(1000 + (step * 45) % 2000),
                                  static_cast<float>(1000 + (step * 30) % 2500));
        QApplication::processEvents();
    }
    state.counters["records after"] = static_cast<double>(canvas.document.FreeLine.items().size());
    state.counters["paints per step"] = static_cast<double>(counter.paints) / static_cast<double>(step);
}
// Fixed iterations, so that each case adds the same 3000 records.
BENCHMARK(BM_PenMoveStep)->Arg(10)->Arg(10000)->Arg(50000)->Iterations(3000)->Unit(benchmark::kMicrosecond);

void BM_RepaintUnchanged(benchmark::State& state)
{
    DrawnCanvas canvas(static_cast<int>(state.range(0)));
    for (auto _ : state) canvas.window->repaint();
}
BENCHMARK(BM_RepaintUnchanged)->Arg(10)->Arg(10000)->Arg(50000)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace kinsketch
