#include "genogram/window/canvas_window.h"
#include "tests/support/qt_application.h"
#include "tests/support/recording_reporter.h"

#include "picture/canvas_fonts.h"
#include "picture/canvas_picture.h"

#include "document/gdr_conversion.h"

#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

namespace kinsketch {
namespace {

QApplication& application()
{
    installCanvasFontSubstitutions();
    return test::application();
}

class CanvasWindowTest : public ::testing::Test {
protected:
    CanvasWindowTest()
    {
        application();
        makeNewDocument(document);
        document.SymbolKey[0] = "i108";
        document.AgeText[0] = "本人";
        document.LineTag[7] = 5;
        document.CohabitSeg[0] = 1;
    }
    GdrRecord document;
    test::RecordingReporter reporter;
};

TEST_F(CanvasWindowTest, ShowsWhatThePictureShows)
{
    CanvasWindow window(CanvasSize::Normal, document, reporter);
    EXPECT_TRUE(window.rebuild());
    EXPECT_TRUE(window.isVisible());
    const QImage shown = window.grab().toImage().convertToFormat(QImage::Format_RGB888);
    EXPECT_EQ(shown, renderCanvasPicture(window.canvas()));
}

// After an edit only the changed area is sent to the screen; what the
// screen then holds must still be the whole canvas as the picture shows it.
TEST_F(CanvasWindowTest, AnEditShownByItsAreaLeavesTheScreenShowingTheCanvas)
{
    CanvasWindow window(CanvasSize::Normal, document, reporter);
    window.rebuild();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QApplication::processEvents();
    document.AgeText[0] = "89歳";
    document.SymbolKey[5] = "i102";
    window.rebuild();
    QApplication::processEvents();
    const QImage onScreen =
        window.screen()->grabWindow(window.winId()).toImage().convertToFormat(QImage::Format_RGB888);
    EXPECT_EQ(onScreen, renderCanvasPicture(window.canvas()));
}

} // namespace
} // namespace kinsketch
