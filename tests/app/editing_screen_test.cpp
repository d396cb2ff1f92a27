#include "app/basic_input_opening.h"
#include "app/guidance_box.h"
#include "app/line_style_tool_bar.h"
#include "app/main_window.h"
#include "app/screen_switch.h"
#include "genogram/basic_input/window/basic_input_window.h"
#include "genogram/basic_input/window/slot_background.h"
#include "genogram/cohabit_frame_builder.h"
#include "genogram/window/canvas_window.h"
#include "tests/support/manual_timers.h"
#include "tests/support/qt_application.h"
#include "tests/support/recording_reporter.h"
#include "tests/support/scripted_message_boxes.h"
#include "tools/window/frame_tool_window.h"

#include "document/gdr_conversion.h"

#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <functional>
#include <map>

namespace kinsketch {
namespace {

using Answer = MessageAnswer;

TextLabelRecord textAt(float left, float top)
{
    return {"注記", 0, "MS UI Gothic", 9, kFalse, kFalse, kFalse, kFalse, 0, left, top, 500, 200, kTrue};
}

FreeLineRecord strokeAt(float x, float y) { return {x, y, x + 100, y, 2, 0, 1}; }

// The editing windows of the main window on a new document.
class EditingScreenTest : public ::testing::Test {
protected:
    EditingScreenTest()
    {
        makeNewDocument(document);
        main.show();
    }
    // What the main window's load opens.
    void open()
    {
        ASSERT_TRUE(openBasicInput(windows, true));
        switching.switchBar();
    }
    GenoCanvas& canvas(CanvasSize size) { return windows.canvas(size).canvas(); }
    void clickSlot(int slot)
    {
        QTest::mouseClick(windows.basicInput(canvasSizeOf(document)).slotBackground(slot), Qt::LeftButton, {},
                          QPoint(2, 2));
    }
    QString frameButton() { return windows.frameTool().button()->text(); }

    QApplication& app = test::application();
    EditingContext context;
    GdrRecord& document = context.document;
    test::RecordingReporter reporter;
    test::ScriptedMessageBoxes boxes;
    test::ManualTimers timers;
    MainWindow main;
    WindowDirectory windows{main, context, reporter, boxes, timers};
    SwitchBarWiring switching{windows, main};
    CanvasLayerStore layers{document, reporter, [this](CanvasSize s) -> GenoCanvas& { return canvas(s); }};
    ScreenSwitch screenSwitch{windows, switching, layers, boxes};
};

TEST_F(EditingScreenTest, OpeningFillsThePanelAndTheCanvasAndRebuildsTheFrameOnlyForMarks)
{
    document.AgeText[2] = "80";
    document.LineTag[7] = 4;
    document.CohabitSeg[3] = 1; // with nobody marked, the stored frame is left as it is
    const GdrRecord before = document;
    EXPECT_TRUE(openBasicInput(windows, true));
    EXPECT_EQ(context.inputMode, InputMode::Text);
    BasicInputWindow& panel = windows.basicInput(CanvasSize::Normal);
    EXPECT_EQ(panel.ageBox(2)->text(), QStringLiteral("80"));
    EXPECT_TRUE(panel.panel().line(7).slashS);
    EXPECT_EQ(canvas(CanvasSize::Normal).ageLabels[2].caption, "80");
    EXPECT_TRUE(document == before);
    EXPECT_TRUE(reporter.errors.empty());
    EXPECT_TRUE(boxes.shown.empty());

    // Opening again reuses the panel and rebuilds the canvas.
    const QPointer<CanvasWindow> firstCanvas = &windows.canvas(CanvasSize::Normal);
    EXPECT_TRUE(openBasicInput(windows, true));
    EXPECT_EQ(&windows.basicInput(CanvasSize::Normal), &panel);
    EXPECT_TRUE(firstCanvas.isNull());

    // On the WIDE screen, with someone marked, the frame is rebuilt from the marks.
    document.ScreenMode = "WIDE";
    document.CohabitFlag[20] = 1;
    ASSERT_TRUE(openBasicInput(windows, true));
    EXPECT_EQ(document.CohabitSeg[3], 0);
    EXPECT_EQ(document.CohabitSeg[68], 1);
    EXPECT_TRUE(canvas(CanvasSize::Wide).frameLines.exists(68));
}

TEST_F(EditingScreenTest, MarksShowTheGuidanceAndRenameTheFrameButton)
{
    open();
    clickSlot(0);
    ASSERT_TRUE(windows.infoBoxLoaded());
    EXPECT_EQ(windows.infoBox().guidanceLabel()->text(), QString::fromUtf8(kFrameGuidance));
    EXPECT_EQ(frameButton(), QStringLiteral("同居枠追加（自動）"));
    clickSlot(17);
    clickSlot(0);
    EXPECT_TRUE(windows.infoBoxLoaded());
    clickSlot(17);
    EXPECT_FALSE(windows.infoBoxLoaded());
    EXPECT_EQ(frameButton(), QStringLiteral("同居枠消去"));

    // The frame button builds the outline on the canvas and clears the marks.
    clickSlot(0);
    QTest::mouseClick(windows.frameTool().button(), Qt::LeftButton);
    EXPECT_TRUE(canvas(CanvasSize::Normal).frameLines.exists(10));
    EXPECT_EQ(windows.basicInput(CanvasSize::Normal).panel().slot(0).mark, 0);
    EXPECT_EQ(frameButton(), QStringLiteral("同居枠消去"));
}

TEST_F(EditingScreenTest, AStyleClickUsesTheToolBarsSelection)
{
    open();
    BasicInputWindow& panel = windows.basicInput(CanvasSize::Normal);
    const TwipsLine bar = panel.panel().layout().line(1);
    const QPoint onBar((bar.x1 + bar.x2) / 2 / kTwipsPerPixel, bar.y1 / kTwipsPerPixel);
    QTest::mouseClick(&panel, Qt::LeftButton, {}, onBar);
    EXPECT_EQ(document.LineTag[1], 1);
    QTest::mouseClick(windows.toolBar().styleButton(1), Qt::LeftButton);
    QTest::mouseClick(&panel, Qt::LeftButton, {}, onBar);
    EXPECT_EQ(document.LineTag[1], 0);
}

// A WIDE document whose persons, ages and lines reach the last slot and line
// of the normal screen, which going small keeps without asking.
class ScreenSwitchTest : public EditingScreenTest {
protected:
    ScreenSwitchTest()
    {
        document.ScreenMode = "WIDE";
        document.SymbolKey[3] = "i104";
        document.AgeText[17] = "80歳";
        document.LineTag[51] = 1;
    }
    // Every box these switches show is a yes-no question.
    std::size_t questions() const { return boxes.shown.size(); }
    std::map<QString, int> windowCounts() const
    {
        std::map<QString, int> counts;
        for (QMdiSubWindow* sub : main.childArea()->subWindowList()) ++counts[sub->widget()->objectName()];
        return counts;
    }
};

struct LossCase {
    const char* name;
    std::function<void(GdrRecord&)> document;
    std::function<void(GenoCanvas&)> canvas;
    int questions;
};

class GoingSmall : public ScreenSwitchTest, public ::testing::WithParamInterface<LossCase> {};

TEST_P(GoingSmall, AsksTwiceOnlyWhenDataBeyondTheNormalScreenWouldBeLost)
{
    GetParam().document(document);
    open();
    GetParam().canvas(canvas(CanvasSize::Wide));
    boxes.answers = {Answer::Yes, Answer::Yes};
    EXPECT_TRUE(screenSwitch.switchSize());
    EXPECT_FALSE(document.isWide());
    EXPECT_EQ(questions(), std::size_t(GetParam().questions));
    EXPECT_TRUE(reporter.errors.empty());
}

const auto noCanvasChange = [](GenoCanvas&) {};

INSTANTIATE_TEST_SUITE_P(
    ScreenSwitch, GoingSmall,
    ::testing::Values(
        LossCase{"DataOnlyInTheNormalArea",
                 [](GdrRecord& d) {
                     d.CohabitSeg[65] = 1;
                     d.TextLabel[1] = textAt(4300, 5070);
                     d.AddLine[0] = {kTrue, 4000, 6000, 5000, 6000}; // one end inside
                 },
                 noCanvasChange, 0},
        LossCase{"ASymbolAloneOnRow25", [](GdrRecord& d) { d.SymbolKey[25] = "i103"; }, noCanvasChange, 2},
        LossCase{"AMarkAloneOnRow30", [](GdrRecord& d) { d.CohabitFlag[30] = 1; }, noCanvasChange, 2},
        LossCase{"ATextAtLeft4301", [](GdrRecord& d) { d.TextLabel[1] = textAt(4301, 100); }, noCanvasChange, 2},
        LossCase{"AHiddenPenStrokeOutside",
                 [](GdrRecord& d) {
                     d.FreeLine.mutableItems() = {strokeAt(100, 100), strokeAt(4400, 5100)};
                 },
                 [](GenoCanvas& c) { c.FreeLine[2].visible = false; }, 2}),
    [](const ::testing::TestParamInfo<LossCase>& c) { return std::string(c.param.name); });

TEST_F(ScreenSwitchTest, NoToEitherQuestionKeepsDocumentAndWindows)
{
    document.SymbolKey[25] = "i103";
    open();
    const GdrRecord before = document;
    const QPointer<CanvasWindow> wide = &windows.canvas(CanvasSize::Wide);
    for (const auto& answers : {std::deque{Answer::No}, std::deque{Answer::Yes, Answer::No}}) {
        boxes.answers = answers;
        EXPECT_FALSE(screenSwitch.switchSize());
    }
    EXPECT_EQ(questions(), 3u);
    EXPECT_EQ(document, before);
    EXPECT_FALSE(wide.isNull());
    EXPECT_EQ(windowCounts().count(QStringLiteral("mdiGenoInp")), 0u);
}

TEST_F(ScreenSwitchTest, GoingSmallDropsWhatLiesOutsideAndKeepsTheRest)
{
    document.TextLabel[1] = textAt(4300, 100);
    document.TextLabel[2] = textAt(4301, 100);
    document.AddLine[0] = {kTrue, 4301, 100, 100, 100};  // one end inside
    document.AddLine[1] = {kTrue, 4301, 4500, 100, 100}; // both ends right of the area
    document.AddLine[2] = {kTrue, 100, 200, 5071, 6000}; // both ends below it
    document.FreeLine.mutableItems() = {strokeAt(100, 100), strokeAt(4400, 200), strokeAt(300, 300)};
    open();
    boxes.answers = {Answer::Yes, Answer::Yes};
    ASSERT_TRUE(screenSwitch.switchSize());

    EXPECT_EQ(document.TextLabel[1].Left, 4300);
    EXPECT_EQ(document.TextLabel[2].Used, kFalse);
    EXPECT_EQ(document.AddLine[0].X1, 4301);
    EXPECT_EQ(document.AddLine[1].Used, kFalse);
    ASSERT_EQ(document.FreeLine.upperBound(), 2);
    EXPECT_EQ(document.FreeLine[2].X1, 300);
    EXPECT_EQ(context.freeLineCount, 2);
    GenoCanvas& normal = canvas(CanvasSize::Normal);
    EXPECT_EQ(normal.textLabels.upperBound(), 1);
    EXPECT_TRUE(normal.addedLines[1].visible);
    EXPECT_FALSE(normal.addedLines.exists(2));
    EXPECT_TRUE(reporter.errors.empty());
}

// The marks of rows that no longer exist used to stay, so that going large
// again framed empty slots and every later switch asked about them. Slot 18
// lies right of slot 3 on the WIDE screen only, so the frame must be rebuilt
// to close slot 3's right edge (segment 8).
TEST_F(ScreenSwitchTest, GoingSmallEmptiesTheLargeOnlyRowsAndRebuildsTheFrame)
{
    for (std::size_t i : {3u, 18u}) document.CohabitFlag[i] = 1;
    document.SymbolKey[20] = "i108";
    document.AgeText[33] = "5歳";
    document.RelText[25] = "不明";
    document.LineTag[60] = 5;
    open();
    const auto opened = windowCounts();
    ASSERT_EQ(document.CohabitSeg[8], 0);
    boxes.answers = {Answer::Yes, Answer::Yes};
    ASSERT_TRUE(screenSwitch.switchSize());
    for (std::size_t i = kNormalSlotCount; i < kSlotCount; ++i) {
        EXPECT_EQ(document.SymbolKey[i], "i000");
        EXPECT_EQ(document.AgeText[i] + document.RelText[i], "");
        EXPECT_EQ(document.CohabitFlag[i], 0);
    }
    EXPECT_EQ(document.LineTag[60], 0);
    EXPECT_EQ(document.CohabitFlag[3], 1);
    EXPECT_EQ(document.CohabitSeg, cohabitSegments(CanvasSize::Normal, document.CohabitFlag));
    EXPECT_TRUE(canvas(CanvasSize::Normal).frameLines.exists(8));

    ASSERT_TRUE(screenSwitch.switchSize());
    EXPECT_EQ(windowCounts(), opened);
    EXPECT_EQ(context.inputMode, InputMode::Text);
    ASSERT_TRUE(screenSwitch.switchSize());
    EXPECT_EQ(questions(), 2u);
}

TEST_F(ScreenSwitchTest, GoingLargeNeverAsksAndLosesNothing)
{
    document.ScreenMode = "";
    document.TextLabel[1] = textAt(4200, 5000);
    document.AddLine[0] = {kTrue, 4000, 4200, 5000, 100};
    document.FreeLine.mutableItems() = {strokeAt(4000, 5000)};
    document.CohabitFlag[3] = 1;
    open();
    const GdrRecord before = document;
    ASSERT_TRUE(screenSwitch.switchSize());
    EXPECT_EQ(questions(), 0u);
    GdrRecord expected = before;
    expected.ScreenMode = "WIDE";
    expected.CohabitSeg = cohabitSegments(CanvasSize::Wide, before.CohabitFlag);
    EXPECT_EQ(document, expected);
    GenoCanvas& wide = canvas(CanvasSize::Wide);
    EXPECT_EQ(wide.textLabels[1].left, 4200);
    EXPECT_TRUE(wide.addedLines[1].visible);
    EXPECT_TRUE(wide.FreeLine[1].visible);
}

TEST_F(ScreenSwitchTest, LayersThatCannotBeStoredStopTheSwitchWithNothingChanged)
{
    document.TextLabel[1] = textAt(5000, 100);
    open();
    GenoCanvas& wide = canvas(CanvasSize::Wide);
    // One added line more than a document holds.
    for (int i = 1; i <= kAddLineCount + 1; ++i) {
        wide.addedLines.load(i, LineWidget{0, 0, 10, 10, 0, LinePattern::Solid, 1, true});
        wide.startHandles.load(i, lineHandleTemplate());
        wide.endHandles.load(i, lineHandleTemplate());
    }
    const GdrRecord before = document;
    boxes.answers = {Answer::Yes, Answer::Yes};
    EXPECT_FALSE(screenSwitch.switchSize());
    EXPECT_EQ(reporter.titles(), std::vector<std::string>{"Error At clsGdrOpe.SaveGd2"});
    EXPECT_EQ(document, before);
    EXPECT_TRUE(wide.textLabels[1].visible);
    EXPECT_FALSE(wide.startHandles[1].visible);
    EXPECT_EQ(&canvas(CanvasSize::Wide), &wide);
}

TEST(GuidanceBox, CyclesThroughItsLinesEvery2500Milliseconds)
{
    test::application();
    test::ManualTimers timers;
    GuidanceBox box{timers};
    const auto shown = [&] { return box.guidanceLabel()->text(); };
    const auto setLines = [&](int count) {
        for (int n = 1; n <= count; ++n) box.setGuidanceLine(static_cast<std::uint8_t>(n), "line " + std::to_string(n));
    };
    setLines(3);
    std::vector<QString> seen{shown()};
    for (int i = 0; i < 4; ++i) {
        timers.advance(2499);
        EXPECT_EQ(shown(), seen.back());
        timers.advance(1);
        seen.push_back(shown());
    }
    EXPECT_EQ(seen, (std::vector<QString>{"line 1", "line 2", "line 3", "line 1", "line 2"}));

    // Five lines and then three: lines 4 and 5 are kept but never shown.
    setLines(5);
    setLines(3);
    for (int i = 0; i < 3; ++i) timers.advance(2500);
    EXPECT_EQ(shown(), QStringLiteral("line 1"));
    EXPECT_EQ(timers.pending.size(), 1U); // one cycle, however often it restarted
}

TEST(ToolBar, ASecondClickOnTheSelectedStyleFallsBackToNoLine)
{
    test::application();
    LineStyleToolBar bar;
    bar.load();
    bar.show();
    EXPECT_EQ(bar.selectedStyle(), 1);
    QTest::mouseClick(bar.styleButton(5), Qt::LeftButton);
    EXPECT_EQ(bar.selectedStyle(), 5);
    QTest::mouseClick(bar.styleButton(5), Qt::LeftButton);
    EXPECT_EQ(bar.selectedStyle(), 0);
    QTest::mouseClick(bar.styleButton(0), Qt::LeftButton);
    EXPECT_EQ(bar.selectedStyle(), 0);
}

// Records what the switch bar asks of the windows around it, as one line per call.
class RecordingTargets : public SwitchBarTargets {
public:
    void setGuidance(const std::vector<std::string>&) override {}
    void showLineTool(bool shown) override { calls.push_back(shown ? "line tool on" : "line tool off"); }
    void showLineHandles(bool shown) override { calls.push_back(shown ? "handles on" : "handles off"); }
    void setInputMode(InputMode m) override { mode = m; }

    std::vector<std::string> calls;
    InputMode mode = InputMode::None;
};

TEST(SwitchBar, EachModeOpensItsToolAfterClosingTheOtherAndShowsItsIndicators)
{
    test::application();
    RecordingTargets targets;
    test::RecordingReporter reporter;
    InputModeBar bar{targets, reporter};
    bar.setFreeLinePanelHook([&](bool shown) { targets.calls.push_back(shown ? "panel on" : "panel off"); });
    const auto indicators = [&] {
        std::vector<bool> shown;
        for (int i = 1; i <= 6; ++i) shown.push_back(!bar.modeIndicator(i)->isHidden());
        return shown;
    };
    const auto select = [&](const std::function<void()>& click) {
        targets.calls.clear();
        click();
        return targets.calls;
    };
    using Calls = std::vector<std::string>;
    EXPECT_EQ(select([&] { bar.load(); }), (Calls{"line tool off", "panel off", "handles off"}));
    EXPECT_EQ(targets.mode, InputMode::Text);
    EXPECT_EQ(indicators(), (std::vector<bool>{true, false, false, false, true, true}));
    EXPECT_EQ(select([&] { bar.modeButton(2)->click(); }), (Calls{"panel off", "line tool on", "handles on"}));
    EXPECT_EQ(indicators(), (std::vector<bool>{false, true, false, true, false, true}));
    EXPECT_EQ(select([&] { bar.modeButton(3)->click(); }), (Calls{"line tool off", "panel on", "handles off"}));
    EXPECT_EQ(targets.mode, InputMode::FreeLines);
    EXPECT_EQ(indicators(), (std::vector<bool>{false, false, true, true, true, false}));
}

} // namespace
} // namespace kinsketch
