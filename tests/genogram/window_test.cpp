// The canvas window and the basic-input window beside it, as shown on screen.
#include "genogram/basic_input/window/basic_input_window.h"
#include "genogram/window/canvas_window.h"
#include "tests/support/qt_application.h"
#include "tests/support/recording_reporter.h"
#include "tests/support/scripted_message_boxes.h"

#include "picture/canvas_fonts.h"
#include "picture/canvas_picture.h"

#include "document/gdr_conversion.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

namespace kinsketch {
namespace {

// After an edit only the changed area is sent to the screen; what the
// screen then holds must still be the whole canvas as the picture shows it.
TEST(CanvasWindowTest, TheScreenShowsWhatThePictureShowsAlsoAfterAnEdit)
{
    installCanvasFontSubstitutions();
    test::application();
    GdrRecord document;
    makeNewDocument(document);
    document.SymbolKey[0] = "i108";
    document.AgeText[0] = "本人";
    document.LineTag[7] = 5;
    document.CohabitSeg[0] = 1;
    test::RecordingReporter reporter;
    CanvasWindow window(CanvasSize::Normal, document, reporter);
    EXPECT_TRUE(window.rebuild());
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.grab().toImage().convertToFormat(QImage::Format_RGB888), renderCanvasPicture(window.canvas()));

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

// The panel beside its canvas, wired as the editing screen wires them.
class PanelWindow : public ::testing::TestWithParam<CanvasSize> {
protected:
    PanelWindow()
    {
        makeNewDocument(document);
        if (GetParam() == CanvasSize::Wide) document.ScreenMode = "WIDE";
        BasicInputNeighbours neighbours;
        neighbours.selectedLineStyle = [this] { return style; };
        neighbours.redrawCanvas = [this] { ++redraws, canvas.rebuild(); };
        window = std::make_unique<BasicInputWindow>(GetParam(), document, reporter, boxes, std::move(neighbours));
        window->load();
        window->show();
        canvas.rebuild();
        redraws = 0;
    }
    // A point in pixels whose twips are (x, y).
    static QPoint at(int x, int y) { return {x / kTwipsPerPixel, y / kTwipsPerPixel}; }
    void typeInto(QWidget* box, const QString& committed)
    {
        QInputMethodEvent preedit(QStringLiteral("はち"), {});
        QApplication::sendEvent(box, &preedit);
        QInputMethodEvent commit;
        commit.setCommitString(committed);
        QApplication::sendEvent(box, &commit);
    }

    QApplication& app = test::application();
    GdrRecord document;
    test::RecordingReporter reporter;
    test::ScriptedMessageBoxes boxes;
    int style = 1;
    int redraws = 0;
    CanvasWindow canvas{GetParam(), document, reporter};
    std::unique_ptr<BasicInputWindow> window;
};

TEST_P(PanelWindow, ClicksStyleTheLineUnderThemOnTheCanvasAndAlwaysRefresh)
{
    const TwipsLine marriage = window->panel().layout().line(7);
    style = 5;
    QTest::mouseClick(window.get(), Qt::LeftButton, {}, at((marriage.x1 + marriage.x2) / 2 + 30, marriage.y1 + 30));
    EXPECT_TRUE(canvas.canvas().slashesS[7].visible && canvas.canvas().slashesW[7].visible);

    // Bar 0 starts where drop 3 hangs from it: the lower index wins.
    const TwipsLine drop = window->panel().layout().line(3);
    style = 2;
    QTest::mouseClick(window.get(), Qt::LeftButton, {}, at(drop.x1, drop.y1 + 60));
    EXPECT_EQ(document.LineTag[0], 2);
    EXPECT_EQ(document.LineTag[3], 0);

    document.AgeText[0] = "stale";
    QTest::mouseClick(window.get(), Qt::RightButton, {}, at(60, 60)); // on no line
    EXPECT_EQ(document.AgeText[0], "");
    EXPECT_EQ(canvas.canvas().ageLabels[0].caption, "");
    EXPECT_EQ(redraws, 3);
}

TEST_P(PanelWindow, TypedTextReachesTheCanvasAtOnce)
{
    QTest::keyClicks(window->ageBox(2), QStringLiteral("85"));
    EXPECT_EQ(canvas.canvas().ageLabels[2].caption, "85");
    typeInto(window->remarkBox(2), QStringLiteral("長男"));
    EXPECT_EQ(document.RelText[2], "長男");
    EXPECT_EQ(canvas.canvas().remarkLabels[2].caption, "長男");
    EXPECT_EQ(redraws, 3);

    // A character the document cannot store never reaches it.
    typeInto(window->remarkBox(2), QStringLiteral("😀"));
    EXPECT_EQ(window->remarkBox(2)->text(), QStringLiteral("長男"));
    EXPECT_EQ(document.RelText[2], "長男");
    EXPECT_NE(boxes.shown.at(0).text.find("😀"), std::string::npos);

    // A long paste is kept whole while a document can hold it, and refused
    // with a message once it cannot: never cut short without a word.
    window->ageBox(3)->insert(QString(40000, QLatin1Char('x')));
    EXPECT_EQ(document.AgeText[3].size(), 40000U);
    window->ageBox(3)->insert(QString(30000, QLatin1Char('y')));
    EXPECT_EQ(document.AgeText[3].size(), 40000U);
    EXPECT_EQ(window->ageBox(3)->text().size(), 40000);
    EXPECT_EQ(boxes.shown.size(), 2U);
}

INSTANTIATE_TEST_SUITE_P(BothLayouts, PanelWindow, ::testing::Values(CanvasSize::Normal, CanvasSize::Wide));

} // namespace
} // namespace kinsketch
