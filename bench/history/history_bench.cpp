// One undo and one redo of each kind of edit on the largest WIDE document
// (100 texts, 100 added lines, 50 000 pen records), the screen repainted,
// at 100 % and 200 %; and what the history holds after 200 steps there.
// Every interactive step must fit in one 60 Hz frame (16.7 ms). Beside them,
// the screen remade at another display size: chosen in the menu, and fitted
// by 自動 after the main window's room changed (another screen).

#include "app/editing_screen.h"
#include "app/main_window.h"
#include "app/qt_timers.h"
#include "app/user_settings.h"
#include "bench/support/full_wide_document.h"
#include "bench/support/silent_seams.h"
#include "windows/basic_input/basic_input_window.h"
#include "windows/canvas/canvas_window.h"
#include "windows/tools/free_line_panel_window.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>

namespace kinsketch {
namespace {

constexpr int kPenRecords = 50'000;
constexpr QSize kRoomy(3600, 2200); // room for the WIDE screen at 200 %
constexpr QSize kLaptop(1366, 768);

class YesBoxes : public bench::SilentBoxes {
public:
    MessageAnswer show(const MessageRequest&) override { return MessageAnswer::Yes; }
};

enum class Edit { Age, MoveText, DragLine, PenStroke, ClearAll };

// The whole editing screen on the largest document, as the program shows it.
class FullScreen {
public:
    explicit FullScreen(int percent)
    {
        context.document = bench::fullWideDocument(kPenRecords);
        settings.setValue("display/percent", percent);
        main.resize(kRoomy);
        main.show();
        screen = std::make_unique<EditingScreen>(main, context, store, boxes, timers, userSettings, [] {});
        screen->open();
        settle();
    }
    static void settle()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
        QApplication::processEvents();
    }
    CanvasWindow& canvas() { return screen->windows().canvas(CanvasSize::Wide); }
    void chooseMode(int k)
    {
        screen->switching().switchBar().findChild<QToolButton*>(QStringLiteral("cmdMenu%1").arg(k))->click();
    }
    QPoint at(float x, float y) const
    {
        const double f = main.displayScale().factor();
        return {static_cast<int>(x / kTwipsPerPixel * f) + 2, static_cast<int>(y / kTwipsPerPixel * f) + 2};
    }
    void drag(QPoint from, QPoint to)
    {
        QTest::mousePress(&canvas(), Qt::LeftButton, {}, from);
        QTest::mouseMove(&canvas(), (from + to) / 2);
        QTest::mouseMove(&canvas(), to);
        QTest::mouseRelease(&canvas(), Qt::LeftButton, {}, to);
    }
    void edit(Edit edit, int n = 0)
    {
        GenoCanvas& model = canvas().canvas();
        switch (edit) {
        case Edit::Age:
            QTest::keyClick(screen->windows().basicInput(CanvasSize::Wide).ageBox(n % kSlotCount), Qt::Key_7);
            break;
        case Edit::MoveText: {
            chooseMode(1);
            const LabelWidget& text = model.textLabels[1 + n % 99];
            drag(at(text.left, text.top), at(text.left + 150, text.top + 90));
            break;
        }
        case Edit::DragLine: {
            chooseMode(2);
            const LabelWidget& handle = model.endHandles[1 + n % 99];
            drag(at(handle.left, handle.top), at(handle.left - 150, handle.top + 90));
            break;
        }
        case Edit::PenStroke:
            chooseMode(3);
            drag(at(300.0F + static_cast<float>(n % 50) * 60, 300), at(900.0F + static_cast<float>(n % 50) * 60, 900));
            break;
        case Edit::ClearAll:
            chooseMode(3);
            screen->windows().freeLinePanel().findChild<QPushButton*>(QStringLiteral("cmd_AllErase"))->click();
            break;
        }
        settle();
        screen->recordEdit();
    }

    QApplication& app = *qApp;
    QTemporaryDir folder;
    QSettings settings{folder.filePath(QStringLiteral("settings.ini")), QSettings::IniFormat};
    UserSettings userSettings{settings};
    bench::SilentReporter reporter;
    YesBoxes boxes;
    QtTimers timers;
    MainWindow main;
    EditingContext context;
    GdrStore store{folder.path().toStdU16String(), reporter};
    std::unique_ptr<EditingScreen> screen;
};

// Undo timed, redo counted beside it; each brings the screen up to date.
void BM_UndoAndRedo(benchmark::State& state)
{
    using Clock = std::chrono::steady_clock;
    FullScreen screen(static_cast<int>(state.range(1)));
    // The first rebuild after the opening lays the pen strokes above the
    // frame once for all; an edit before the timed one takes that cost.
    screen.edit(Edit::Age, 5);
    screen.edit(static_cast<Edit>(state.range(0)));
    if (!screen.screen->history().stack().canUndo()) state.SkipWithError("the edit made no step");
    Clock::duration redos{};
    for (auto _ : state) {
        const Clock::time_point start = Clock::now();
        screen.screen->undo();
        FullScreen::settle();
        const Clock::time_point undone = Clock::now();
        screen.screen->redo();
        FullScreen::settle();
        redos += Clock::now() - undone;
        state.SetIterationTime(std::chrono::duration<double>(undone - start).count());
    }
    state.counters["redo ms"] =
        std::chrono::duration<double, std::milli>(redos).count() / static_cast<double>(state.iterations());
}
BENCHMARK(BM_UndoAndRedo)
    ->ArgsProduct({{static_cast<int>(Edit::Age), static_cast<int>(Edit::MoveText), static_cast<int>(Edit::DragLine),
                    static_cast<int>(Edit::PenStroke), static_cast<int>(Edit::ClearAll)},
                   {100, 200}})
    ->ArgNames({"edit", "percent"})
    ->UseManualTime()
    ->Iterations(20)
    ->Unit(benchmark::kMillisecond);

// 200 steps of every kind in turn, 全クリア once: what the history holds.
void BM_HistoryAfter200Steps(benchmark::State& state)
{
    FullScreen screen(100);
    for (auto _ : state) {
        for (int n = 0; n < 200; ++n) screen.edit(n == 100 ? Edit::ClearAll : static_cast<Edit>(n % 4), n);
    }
    state.counters["steps"] = screen.screen->history().stack().count();
    state.counters["MB"] = static_cast<double>(screen.screen->history().bytes()) / (1 << 20);
}
BENCHMARK(BM_HistoryAfter200Steps)->Iterations(1)->Unit(benchmark::kMillisecond);

// A change of 表示サイズ in the menu: the screen remade at 125 % and back at 100 %.
void BM_DisplaySizeChosen(benchmark::State& state)
{
    FullScreen screen(100);
    for (auto _ : state) {
        screen.screen->changeDisplaySize(125);
        FullScreen::settle();
        screen.screen->changeDisplaySize(100);
        FullScreen::settle();
    }
}
BENCHMARK(BM_DisplaySizeChosen)->Iterations(10)->Unit(benchmark::kMillisecond);

// The main window moved to a laptop's screen and back: 自動 recomputed and the screen remade both times.
void BM_AutomaticRefittedToAnotherScreen(benchmark::State& state)
{
    FullScreen screen(kAutomaticDisplaySize);
    for (auto _ : state) {
        for (const QSize room : {kLaptop, kRoomy}) {
            screen.main.resize(room);
            screen.screen->changeDisplaySize(kAutomaticDisplaySize);
            FullScreen::settle();
        }
    }
    if (screen.main.displayScale().percent() == 100) state.SkipWithError("自動 did not fit the roomy screen");
}
BENCHMARK(BM_AutomaticRefittedToAnotherScreen)->Iterations(10)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace kinsketch
