// Mouse events on the canvas window of the full WIDE document, each timed
// until the window's picture is up to date: a pen stroke's step (the gesture
// stores the record, the canvas makes its segment, the window repaints what
// changed), the press that starts a stroke, and a text dragged in text mode. The cost must not grow with the
// records already drawn. BM_RepaintUnchanged is the yardstick: the window
// repainted with nothing changed.

#include "genogram/free_drawing.h"

#include "bench/support/shown_canvas.h"

#include <QApplication>
#include <QEvent>
#include <QMouseEvent>

#include <benchmark/benchmark.h>

#include <memory>
#include <optional>

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

// The pen of the free-line panel pressed on the canvas.
struct DrawnCanvas {
    explicit DrawnCanvas(const benchmark::State& state)
        : shown(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)))
    {
        panel.strokeNumber = bench::lastStrokeNumber(static_cast<int>(state.range(0)));
        drawing =
            std::make_unique<FreeDrawing>(CanvasSize::Wide, shown.window.canvas(), panel, boxes,
                                          [this](const FreeLineStep& step) { shown.window.showFreeLineStep(step); });
        drawing->mouseDown(kLeftButton, 2000, 2000);
        QApplication::processEvents();
    }

    bench::ShownCanvas shown;
    bench::SilentBoxes boxes;
    FreeLinePanelRegisters panel;
    std::unique_ptr<FreeDrawing> drawing;
};

void BM_PenMoveStep(benchmark::State& state)
{
    DrawnCanvas canvas(state);
    PaintCounter counter;
    canvas.shown.window.installEventFilter(&counter);
    int step = 0;
    for (auto _ : state) {
        ++step;
        canvas.drawing->mouseMove(kLeftButton, static_cast<float>(1000 + (step * 45) % 2000),
                                  static_cast<float>(1000 + (step * 30) % 2500));
        QApplication::processEvents();
    }
    state.counters["records after"] = static_cast<double>(canvas.shown.document.strokes.items().size());
    state.counters["paints per step"] = static_cast<double>(counter.paints) / static_cast<double>(step);
}
// Fixed iterations, so that each case adds the same 3000 records.
BENCHMARK(BM_PenMoveStep)->Apply(bench::stepCases)->Iterations(3000)->Unit(benchmark::kMicrosecond);

// The press that starts a stroke after an edit in the panel: the edit's
// rebuild put the frame back over the strokes, and the press lifts every
// segment above it again.
void BM_FirstPenPressAfterAnEdit(benchmark::State& state)
{
    DrawnCanvas canvas(state);
    for (auto _ : state) {
        state.PauseTiming();
        canvas.drawing->mouseUp(kLeftButton, 2100, 2100);
        canvas.shown.window.rebuild();
        QApplication::processEvents();
        state.ResumeTiming();
        canvas.drawing->mouseDown(kLeftButton, 2000, 2000);
        QApplication::processEvents();
    }
}
BENCHMARK(BM_FirstPenPressAfterAnEdit)->Apply(bench::stepCases)->Unit(benchmark::kMillisecond);

void BM_RepaintUnchanged(benchmark::State& state)
{
    DrawnCanvas canvas(state);
    for (auto _ : state) canvas.shown.window.repaint();
}
BENCHMARK(BM_RepaintUnchanged)->Apply(bench::stepCases)->Unit(benchmark::kMicrosecond);

// Text mode needs the dialog only to place or edit a text, never to drag one.
class NoTextDialog : public TextDialog {
public:
    std::optional<StyledText> edit(const StyledText&, const TextPlacement&) override { return std::nullopt; }
};

// Text 55 of the full document, grabbed inside and dragged a few pixels to
// and fro, so that it stays among the same neighbours.
void BM_TextDragStep(benchmark::State& state)
{
    bench::ShownCanvas shown(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    bench::SilentBoxes boxes;
    NoTextDialog dialog;
    shown.window.enableEditing(boxes, dialog);
    const LabelWidget& text = shown.window.canvas().textLabels[55];
    const DisplayScale scale(static_cast<int>(state.range(1)));
    const QPointF grab(scale.px(static_cast<int>(text.left) + 100), scale.px(static_cast<int>(text.top) + 100));
    const auto send = [&](QEvent::Type type, QPointF at, Qt::MouseButton button, Qt::MouseButtons held) {
        QMouseEvent event(type, at, shown.window.mapToGlobal(at), button, held, Qt::NoModifier);
        QApplication::sendEvent(&shown.window, &event);
        // The repaint the window asked for, as the event loop would deliver it.
        QCoreApplication::sendPostedEvents(&shown.window, QEvent::UpdateRequest);
    };
    send(QEvent::MouseButtonPress, grab, Qt::LeftButton, Qt::LeftButton);
    const float leftBefore = text.left;
    int step = 0;
    for (auto _ : state) {
        ++step;
        send(QEvent::MouseMove, grab + QPointF(step % 2 ? 7 : 0, step % 2 ? 5 : 0), Qt::NoButton, Qt::LeftButton);
        if (step == 1 && text.left == leftBefore) {
            state.SkipWithError("the text never moved");
            break;
        }
    }
}
BENCHMARK(BM_TextDragStep)->Apply(bench::stepCases)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace kinsketch
