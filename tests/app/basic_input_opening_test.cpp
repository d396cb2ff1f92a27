#include "app/basic_input_opening.h"
#include "app/guidance_box.h"
#include "app/line_style_tool_bar.h"
#include "app/main_window.h"
#include "genogram/basic_input/window/basic_input_window.h"
#include "genogram/basic_input/window/slot_background.h"
#include "genogram/window/canvas_window.h"
#include "tests/support/manual_timers.h"
#include "tests/support/qt_application.h"
#include "tests/support/recording_reporter.h"
#include "tests/support/scripted_message_boxes.h"
#include "tools/window/frame_tool_window.h"

#include "document/gdr_conversion.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

namespace kinsketch {
namespace {

class Opening : public ::testing::Test {
protected:
    Opening()
    {
        makeNewDocument(document);
        document.AgeText[2] = "80";
        document.LineTag[7] = 4;
        main.show();
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
};

TEST_F(Opening, ShowsThePanelAndTheCanvasFilledFromTheDocumentAndWritesNothingBack)
{
    document.CohabitSeg[3] = 1; // with nobody marked, the stored frame is left as it is
    const GdrRecord before = document;
    EXPECT_TRUE(openBasicInput(windows, true));
    EXPECT_EQ(context.inputMode, InputMode::Text);
    BasicInputWindow& panel = windows.basicInput(CanvasSize::Normal);
    EXPECT_EQ(panel.ageBox(2)->text(), QStringLiteral("80"));
    EXPECT_TRUE(panel.panel().line(7).slashS);
    EXPECT_EQ(windows.canvas(CanvasSize::Normal).canvas().ageLabels[2].caption, "80");
    EXPECT_TRUE(document == before);
    EXPECT_TRUE(reporter.errors.empty());
    EXPECT_TRUE(boxes.shown.empty());

    // Opening again reuses the panel and rebuilds the canvas.
    const QPointer<CanvasWindow> firstCanvas = &windows.canvas(CanvasSize::Normal);
    EXPECT_TRUE(openBasicInput(windows, true));
    EXPECT_EQ(&windows.basicInput(CanvasSize::Normal), &panel);
    EXPECT_TRUE(firstCanvas.isNull());
}

TEST_F(Opening, TheWideScreenOpensTheWideWindowsAndRebuildsTheFrame)
{
    document.ScreenMode = "WIDE";
    document.CohabitFlag[20] = 1;
    document.CohabitSeg[0] = 1;
    ASSERT_TRUE(openBasicInput(windows, true));
    EXPECT_EQ(document.CohabitSeg[0], 0);
    EXPECT_EQ(document.CohabitSeg[68], 1);
    EXPECT_TRUE(windows.canvas(CanvasSize::Wide).canvas().frameLines.exists(68));
}

TEST_F(Opening, MarksShowTheGuidanceAndRenameTheFrameButton)
{
    ASSERT_TRUE(openBasicInput(windows, true));
    BasicInputWindow& panel = windows.basicInput(CanvasSize::Normal);
    QTest::mouseClick(panel.slotBackground(0), Qt::LeftButton, {}, QPoint(2, 2));
    ASSERT_TRUE(windows.infoBoxLoaded());
    EXPECT_EQ(windows.infoBox().guidanceLabel()->text(), QString::fromUtf8(kFrameGuidance));
    EXPECT_EQ(frameButton(), QStringLiteral("同居枠追加（自動）"));
    QTest::mouseClick(panel.slotBackground(17), Qt::LeftButton, {}, QPoint(2, 2));
    QTest::mouseClick(panel.slotBackground(0), Qt::LeftButton, {}, QPoint(2, 2));
    EXPECT_TRUE(windows.infoBoxLoaded());
    QTest::mouseClick(panel.slotBackground(17), Qt::LeftButton, {}, QPoint(2, 2));
    EXPECT_FALSE(windows.infoBoxLoaded());
    EXPECT_EQ(frameButton(), QStringLiteral("同居枠消去"));

    // The frame button builds the outline on the canvas and clears the marks.
    QTest::mouseClick(panel.slotBackground(0), Qt::LeftButton, {}, QPoint(2, 2));
    QTest::mouseClick(windows.frameTool().button(), Qt::LeftButton);
    EXPECT_TRUE(windows.canvas(CanvasSize::Normal).canvas().frameLines.exists(10));
    EXPECT_EQ(panel.panel().slot(0).mark, 0);
    EXPECT_EQ(frameButton(), QStringLiteral("同居枠消去"));
}

TEST_F(Opening, AStyleClickUsesTheToolBarsSelection)
{
    ASSERT_TRUE(openBasicInput(windows, true));
    BasicInputWindow& panel = windows.basicInput(CanvasSize::Normal);
    const TwipsLine bar = panel.panel().layout().line(1);
    const QPoint onBar((bar.x1 + bar.x2) / 2 / kTwipsPerPixel, bar.y1 / kTwipsPerPixel);
    QTest::mouseClick(&panel, Qt::LeftButton, {}, onBar);
    EXPECT_EQ(document.LineTag[1], 1);
    QTest::mouseClick(windows.toolBar().styleButton(1), Qt::LeftButton);
    QTest::mouseClick(&panel, Qt::LeftButton, {}, onBar);
    EXPECT_EQ(document.LineTag[1], 0);
}

} // namespace
} // namespace kinsketch
