#include "tests/support/qt_application.h"
#include "genogram/window/mdi_geno_inp_save.h"
#include "tests/support/recording_reporter.h"

#include "picture/canvas_fonts.h"
#include "picture/canvas_picture.h"

#include "document/gdr_conversion.h"

#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>

#include <gtest/gtest.h>

namespace kinsketch {
namespace {

QApplication& application()
{
    installCanvasFontSubstitutions();
    return test::application();
}

class CanvasWindow : public ::testing::Test {
protected:
    CanvasWindow()
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

TEST_F(CanvasWindow, ShowsWhatThePictureShows)
{
    mdiGenoInpSave window(CanvasSize::Normal, document, reporter);
    EXPECT_EQ(window.GfncPrev(), 0);
    EXPECT_TRUE(window.isVisible());
    const QImage shown = window.grab().toImage().convertToFormat(QImage::Format_RGB888);
    EXPECT_EQ(shown, renderCanvasPicture(window.canvas()));
}

} // namespace
} // namespace kinsketch
