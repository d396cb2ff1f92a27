#include "tests/support/qt_application.h"
#include "app/info_box.h"
#include "app/input_mode.h"
#include "app/main_window.h"
#include "app/menu_selection.h"
#include "app/tool_bar.h"
#include "genogram/basic_input/window/mdi_geno_inp.h"
#include "genogram/basic_input/window/slot_background.h"
#include "genogram/window/mdi_geno_inp_save.h"
#include "tests/support/manual_timers.h"
#include "tests/support/recording_reporter.h"
#include "tests/support/scripted_message_boxes.h"
#include "tools/mdi_waku_add_tool2.h"

#include "document/document_globals.h"
#include "document/gdr_conversion.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QToolButton>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace kinsketch {
namespace {

class Opening : public ::testing::Test {
protected:
    Opening()
    {
        resetInputMode();
        makeNewDocument(document);
        document.AgeText[2] = "80";
        document.LineTag[7] = 4;
        main.show();
    }
    QString frameButton() { return windows.frameTool().cmdTool1()->text(); }

    QApplication& app = test::application();
    GdrRecord document;
    test::RecordingReporter reporter;
    test::ScriptedMessageBoxes boxes;
    test::ManualTimers timers;
    MainWindow main;
    WindowDirectory windows{main, document, reporter, boxes, timers};
};

TEST_F(Opening, ShowsThePanelAndTheCanvasFilledFromTheDocumentAndWritesNothingBack)
{
    document.CohabitSeg[3] = 1; // with nobody marked, the stored frame is left as it is
    const GdrRecord before = document;
    EXPECT_EQ(LfncMenuSel(windows, 0, true), 0);
    EXPECT_EQ(gInputMode, 1);
    mdiGenoInp& panel = windows.basicInput(CanvasSize::Normal);
    EXPECT_EQ(panel.txtAge(2)->text(), QStringLiteral("80"));
    EXPECT_TRUE(panel.panel().line(7).slashS);
    EXPECT_EQ(windows.canvas(CanvasSize::Normal).canvas().lblAge[2].caption, "80");
    EXPECT_TRUE(document == before);
    EXPECT_TRUE(reporter.errors.empty());
    EXPECT_TRUE(boxes.shown.empty());

    // Opening again reuses the panel and rebuilds the canvas.
    const QPointer<mdiGenoInpSave> firstCanvas = &windows.canvas(CanvasSize::Normal);
    EXPECT_EQ(LfncMenuSel(windows, 0, true), 0);
    EXPECT_EQ(&windows.basicInput(CanvasSize::Normal), &panel);
    EXPECT_TRUE(firstCanvas.isNull());
}

TEST_F(Opening, MenuNine_OnlySetsTheInputMode)
{
    document.CohabitFlag[0] = 1;
    EXPECT_EQ(LfncMenuSel(windows, 9, true), 1);
    EXPECT_EQ(gInputMode, 1);
    EXPECT_TRUE(main.mdiArea()->subWindowList().isEmpty());
    EXPECT_EQ(document.CohabitSeg[0], 0);
}

TEST_F(Opening, TheWideScreenOpensTheWideWindowsAndRebuildsTheFrame)
{
    document.ScreenMode = "WIDE";
    document.CohabitFlag[20] = 1;
    document.CohabitSeg[0] = 1;
    LfncMenuSel(windows, 0, true);
    EXPECT_EQ(document.CohabitSeg[0], 0);
    EXPECT_EQ(document.CohabitSeg[68], 1);
    EXPECT_TRUE(windows.canvas(CanvasSize::Wide).canvas().lineWaku.exists(68));
}

TEST_F(Opening, MarksShowTheGuidanceAndRenameTheFrameButton)
{
    LfncMenuSel(windows, 0, true);
    mdiGenoInp& panel = windows.basicInput(CanvasSize::Normal);
    QTest::mouseClick(panel.Label1(0), Qt::LeftButton, {}, QPoint(2, 2));
    ASSERT_TRUE(windows.infoBoxLoaded());
    EXPECT_EQ(windows.infoBox().lblInfo()->text(), QString::fromUtf8(kFrameGuidance));
    EXPECT_EQ(frameButton(), QStringLiteral("同居枠追加（自動）"));
    QTest::mouseClick(panel.Label1(17), Qt::LeftButton, {}, QPoint(2, 2));
    QTest::mouseClick(panel.Label1(0), Qt::LeftButton, {}, QPoint(2, 2));
    EXPECT_TRUE(windows.infoBoxLoaded());
    QTest::mouseClick(panel.Label1(17), Qt::LeftButton, {}, QPoint(2, 2));
    EXPECT_FALSE(windows.infoBoxLoaded());
    EXPECT_EQ(frameButton(), QStringLiteral("同居枠消去"));

    // The frame button builds the outline on the canvas and clears the marks.
    QTest::mouseClick(panel.Label1(0), Qt::LeftButton, {}, QPoint(2, 2));
    QTest::mouseClick(windows.frameTool().cmdTool1(), Qt::LeftButton);
    EXPECT_TRUE(windows.canvas(CanvasSize::Normal).canvas().lineWaku.exists(10));
    EXPECT_EQ(panel.panel().slot(0).mark, 0);
    EXPECT_EQ(frameButton(), QStringLiteral("同居枠消去"));
}

TEST_F(Opening, AStyleClickUsesTheToolBarsSelection)
{
    LfncMenuSel(windows, 0, true);
    mdiGenoInp& panel = windows.basicInput(CanvasSize::Normal);
    const TwipsLine bar = panel.panel().layout().line(1);
    const QPoint onBar((bar.x1 + bar.x2) / 2 / kTwipsPerPixel, bar.y1 / kTwipsPerPixel);
    QTest::mouseClick(&panel, Qt::LeftButton, {}, onBar);
    EXPECT_EQ(document.LineTag[1], 1);
    QTest::mouseClick(windows.toolBar().cmdTool(1), Qt::LeftButton);
    QTest::mouseClick(&panel, Qt::LeftButton, {}, onBar);
    EXPECT_EQ(document.LineTag[1], 0);
}

} // namespace
} // namespace kinsketch
