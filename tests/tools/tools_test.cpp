// The windows on screen, the free-drawing gestures and free-line panel on the pen records, and the tools.
#include "genogram/canvas_layer_store.h"
#include "genogram/cohabit_frame_builder.h"
#include "genogram/free_drawing.h"
#include "picture/canvas_fonts.h"
#include "picture/canvas_picture.h"
#include "tests/support/qt_application.h"
#include "tests/support/recording_reporter.h"
#include "tests/support/scripted_message_boxes.h"
#include "tools/free_line_panel.h"
#include "windows/basic_input/basic_input_window.h"
#include "windows/canvas/canvas_window.h"
#include "windows/tools/frame_tool_window.h"
#include "windows/tools/text_input_dialog.h"

#include "document/gdr_codec.h"
#include "document/gdr_conversion.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace kinsketch {
namespace {

// After an edit only the changed area is sent, yet the screen must hold the whole picture.
TEST(CanvasWindowTest, TheScreenShowsWhatThePictureShowsAlsoAfterAnEdit)
{
    installCanvasFontSubstitutions();
    test::application();
    GdrRecord document;
    makeNewDocument(document);
    document.symbols[0] = "i108";
    document.ages[0] = "本人";
    document.lineStyles[7] = 5;
    document.frameSegments[0] = 1;
    test::RecordingReporter reporter;
    CanvasWindow window(CanvasSize::Normal, document, reporter);
    EXPECT_TRUE(window.rebuild() && window.isVisible());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QApplication::processEvents();
    document.ages[0] = "89歳";
    document.symbols[5] = "i102";
    window.rebuild();
    QApplication::processEvents();
    const QImage onScreen =
        window.screen()->grabWindow(window.winId()).toImage().convertToFormat(QImage::Format_RGB888);
    EXPECT_EQ(onScreen, renderCanvasPicture(window.canvas()));
}

class PanelWindow : public ::testing::TestWithParam<CanvasSize> {
protected:
    PanelWindow()
    {
        if (GetParam() == CanvasSize::Wide) document.screenMode = "WIDE";
        makeNewDocument(document);
        window.load();
        window.show();
        canvas.rebuild();
        redraws = 0;
    }
    static QPoint at(int x, int y) { return {x / kTwipsPerPixel, y / kTwipsPerPixel}; }

    QApplication& app = test::application();
    GdrRecord document;
    test::RecordingReporter reporter;
    test::ScriptedMessageBoxes boxes;
    int style = 1;
    int redraws = 0;
    CanvasWindow canvas{GetParam(), document, reporter};
    BasicInputNeighbours neighbours{.selectedLineStyle = [this] { return style; },
                                    .redrawCanvas = [this] { ++redraws, canvas.rebuild(); }};
    BasicInputWindow window{GetParam(), document, reporter, boxes, neighbours};
};

TEST_P(PanelWindow, ClicksStyleTheLineUnderThemOnTheCanvasAndAlwaysRefresh)
{
    const TwipsLine marriage = window.panel().layout().line(7);
    style = 5;
    QTest::mouseClick(&window, Qt::LeftButton, {}, at((marriage.x1 + marriage.x2) / 2 + 30, marriage.y1 + 30));
    EXPECT_TRUE(canvas.canvas().slashesS[7].visible && canvas.canvas().slashesW[7].visible);

    // Bar 0 starts where drop 3 hangs from it: the lower index wins.
    const TwipsLine drop = window.panel().layout().line(3);
    style = 2;
    QTest::mouseClick(&window, Qt::LeftButton, {}, at(drop.x1, drop.y1 + 60));
    EXPECT_EQ(std::tie(document.lineStyles[0], document.lineStyles[3]), std::make_tuple(2, 0));

    document.ages[0] = "stale";
    QTest::mouseClick(&window, Qt::RightButton, {}, at(60, 60)); // on no line
    EXPECT_EQ(canvas.canvas().ageLabels[0].text.caption, "");
    EXPECT_EQ(redraws, 3);
}

TEST_P(PanelWindow, TypedTextReachesTheCanvasAtOnce)
{
    QTest::keyClicks(window.ageBox(2), QStringLiteral("85"));
    EXPECT_EQ(canvas.canvas().ageLabels[2].text.caption, "85");
    QInputMethodEvent preedit(QStringLiteral("ちょうなん"), {}), commit;
    QApplication::sendEvent(window.remarkBox(2), &preedit);
    commit.setCommitString(QStringLiteral("長男"));
    QApplication::sendEvent(window.remarkBox(2), &commit);
    EXPECT_EQ(canvas.canvas().remarkLabels[2].text.caption, "長男");
    EXPECT_EQ(redraws, 3);

    // A long paste is kept whole or refused with a message, never cut short.
    window.ageBox(3)->insert(QString(40000, QLatin1Char('x')));
    EXPECT_EQ(document.ages[3].size(), 40000U);
    window.ageBox(3)->insert(QString(30000, QLatin1Char('y')));
    EXPECT_EQ(document.ages[3].size(), 40000U);
    EXPECT_EQ(window.ageBox(3)->text().size(), 40000);
    EXPECT_EQ(boxes.shown.size(), 1U);
}

INSTANTIATE_TEST_SUITE_P(BothLayouts, PanelWindow, ::testing::Values(CanvasSize::Normal, CanvasSize::Wide));

class FreeDrawingList : public ::testing::Test {
protected:
    FreeDrawingList() { restart(); }

    void click(float x, float y)
    {
        drawing.mouseDown(kLeftButton, x, y);
        drawing.mouseUp(kLeftButton, x, y);
    }
    // The figure button, then one drag from each vertex to the next.
    void figure(const std::vector<FreeLinePoint>& vertices)
    {
        panel.toggleFigure();
        for (std::size_t i = 1; i < vertices.size(); ++i) {
            const FreeLinePoint from = vertices[i - 1], to = vertices[i];
            drawing.mouseDown(kLeftButton, from.x, from.y);
            drawing.mouseMove(kLeftButton, (from.x + to.x) / 2, (from.y + to.y) / 2);
            drawing.mouseUp(kLeftButton, to.x, to.y);
        }
    }
    void stroke(int points, float y = 1000)
    {
        drawing.mouseDown(kLeftButton, 100, y);
        for (int i = 1; i < points - 1; ++i) drawing.mouseMove(kLeftButton, 100 + 30 * static_cast<float>(i), y);
        drawing.mouseUp(kLeftButton, 100 + 30 * static_cast<float>(points - 1), y);
    }
    std::int32_t upperBound() const { return document.strokes.upperBound(); }
    void restart()
    {
        makeNewDocument(document);
        panel.load();
    }
    std::vector<std::int32_t> strokeNos() const
    {
        std::vector<std::int32_t> out;
        for (const auto& r : document.strokes.items()) out.push_back(r.strokeNumber);
        return out;
    }

    GdrRecord document;
    std::int32_t loadedCount = 0;
    FreeLinePanelRegisters registers;
    test::ScriptedMessageBoxes boxes;
    test::RecordingReporter reporter;
    GenoCanvas canvas{CanvasSize::Normal, document, reporter,
                      CanvasContext{{}, [this] { return registers.figureNumber; }}};
    FreeDrawing drawing{CanvasSize::Normal, canvas, registers, boxes};
    FreeLinePanel panel{document, loadedCount, registers, boxes, {[this]() -> GenoCanvas& { return canvas; }}};
};

TEST_F(FreeDrawingList, StrokesReuseTheOneEmptyRecordAndTakeFallingSignedNumbers)
{
    click(100, 100);
    EXPECT_EQ(upperBound(), 2) << "the press reused record 1, the release appended";
    stroke(3);
    EXPECT_EQ(strokeNos(), (std::vector<std::int32_t>{-1, -1, -2, -2, -2}));
    EXPECT_EQ(registers.strokeNumber, -2);

    panel.undoStroke();
    EXPECT_EQ(strokeNos(), (std::vector<std::int32_t>{-1, -1})) << "one undo takes one stroke";

    const auto before = document.strokes;
    panel.toggleFigure();
    EXPECT_TRUE(registers.figureHighlighted);
    panel.toggleFigure();
    EXPECT_EQ(document.strokes, before) << "the figure button twice adds no record";
    EXPECT_EQ(registers.tool, FreeLineTool::Pen);
}

TEST_F(FreeDrawingList, UndoTakesAWholeStrokeButOneFigureSegmentAndReturnsToThePen)
{
    stroke(30);
    ASSERT_EQ(upperBound(), 30);
    panel.undoStroke();
    EXPECT_TRUE(isEmptyFreeLineList(document.strokes) && !canvas.strokes.exists(1));

    figure({{1000, 1000}, {2000, 1000}, {2000, 2000}, {1500, 2500}});
    ASSERT_EQ(lastDrawnFreeLine(document.strokes), 3);
    panel.undoStroke();
    EXPECT_EQ(upperBound(), 2) << "the last segment and the spare record went";
    EXPECT_EQ(document.strokes[2].x1, 2000);
    EXPECT_EQ(std::make_tuple(registers.tool, registers.figureHighlighted), std::make_tuple(FreeLineTool::Pen, false));
}

TEST_F(FreeDrawingList, AFigureReleasedWithin150TwipsOfItsStartOnBothAxesClosesExactlyOnIt)
{
    struct Case {
        float dx, dy;
        bool closes;
    };
    for (const Case c : {Case{150, 150, true}, Case{-150, -150, true}, Case{151, 150, false}, Case{150, 151, false}}) {
        SCOPED_TRACE(testing::Message() << c.dx << ", " << c.dy);
        restart();
        figure({{1000, 1000}, {2000, 1000}, {1000 + c.dx, 1000 + c.dy}});
        EXPECT_EQ(registers.tool, c.closes ? FreeLineTool::Pen : FreeLineTool::Figure);
        EXPECT_EQ(registers.figureNumber, c.closes ? 0 : 1);
        EXPECT_EQ(upperBound(), c.closes ? 2 : 3);
        const FreeLinePoint end = c.closes ? FreeLinePoint{1000, 1000} : FreeLinePoint{1000 + c.dx, 1000 + c.dy};
        EXPECT_EQ(std::tie(document.strokes[2].x1, document.strokes[2].y1), std::tie(end.x, end.y));
    }
}

TEST_F(FreeDrawingList, TheEraserButtonClosesAnOpenFigureBackToItsStart)
{
    figure({{1000, 1000}, {2000, 1000}, {2000, 2000}});
    panel.toggleEraser();
    EXPECT_EQ(document.strokes[3], (FreeLineRecord{2000, 2000, 1000, 1000, 1, 0, 1}));
    EXPECT_EQ(registers.tool, FreeLineTool::Eraser);

    stroke(2);
    EXPECT_EQ(std::tie(document.strokes[4].colour, document.strokes[4].width), std::make_tuple(kWhite, 10));
}

TEST_F(FreeDrawingList, StrokesThatCameWithTheDocumentCannotBeUndone)
{
    document.strokes = {true, 1, {{10, 10, 10, 10, 1, 0, -4}, {20, 20, 0, 0, 1, 0, -4}}};
    loadedCount = loadedFreeLineCount(document);
    panel.load();
    EXPECT_EQ(std::tie(registers.undoEnabled, registers.strokeNumber), std::make_tuple(false, -4));

    stroke(3);
    EXPECT_EQ(document.strokes[3].strokeNumber, -5);
    EXPECT_TRUE(registers.undoEnabled);
    panel.undoStroke();
    EXPECT_FALSE(registers.undoEnabled);
    panel.undoStroke();
    EXPECT_EQ(upperBound(), 2);

    // A loaded stroke whose number a new stroke happens to share stays too.
    registers.strokeNumber = -3;
    stroke(2);
    panel.undoStroke();
    EXPECT_EQ(upperBound(), 2);
}

TEST_F(FreeDrawingList, ClearAllAsksFirstAndLeavesOneEmptyRecord)
{
    document.strokes = {true, 1, {{10, 10, 10, 10, 1, 0, -4}}};
    loadedCount = 1;
    panel.load();
    figure({{1000, 1000}, {2000, 1000}});
    const auto before = document.strokes;

    panel.clearAll(); // answered No
    EXPECT_EQ(document.strokes, before);

    boxes.answers = {MessageAnswer::Yes};
    panel.clearAll();
    EXPECT_EQ(document.strokes, (FreeLineList{true, 1, {FreeLineRecord{}}}));
    EXPECT_EQ(std::make_tuple(canvas.strokes.upperBound(), loadedCount), std::make_tuple(0, 0));
}

TEST_F(FreeDrawingList, AnEmptyOrZeroWidthIsRefusedAndTheGestureDrawsNothing)
{
    struct Case {
        bool eraser;
        std::string width, message;
    };
    for (const Case& c :
         {Case{false, "", "線の太さを指定してください。"}, Case{false, "0", "線の太さは１以上を指定してください。"},
          Case{true, "", "消しゴムの太さを指定してください。"},
          Case{true, "00", "消しゴムの太さは１以上を指定してください。"}}) {
        SCOPED_TRACE(c.message);
        restart();
        boxes.shown.clear();
        if (c.eraser) panel.toggleEraser();
        (c.eraser ? registers.eraserWidthText : registers.penWidthText) = c.width;
        stroke(4);
        EXPECT_EQ(boxes.texts(), std::vector<std::string>{c.message});
        EXPECT_TRUE(isEmptyFreeLineList(document.strokes));
        EXPECT_EQ(registers.strokeNumber, -1) << "the number went down all the same";
        // The same check refuses the width when the Tool Box's box is left.
        EXPECT_EQ(c.eraser ? panel.checkEraserWidth() : panel.checkPenWidth(), false);
    }
}

TEST_F(FreeDrawingList, AFigureClickedOpenAndShutDrawsADotNotALineToAnEarlierRecord)
{
    stroke(2);
    panel.toggleFigure();
    click(3000, 3000);
    EXPECT_EQ(document.strokes[3], (FreeLineRecord{3000, 3000, 3000, 3000, 1, 0, 1}));
    EXPECT_EQ(canvas.strokes[3].x2, 3000);
    EXPECT_EQ(registers.tool, FreeLineTool::Pen);
}

// Regression: strokes after a figure left open by a mode switch vanished on redraw and from the save.
TEST_F(FreeDrawingList, StrokesAfterAFigureLeftOpenSurviveRedrawSaveAndReload)
{
    figure({{1000, 1000}, {2000, 1000}, {2000, 2000}});
    panel.load(); // the panel closed and opened again by the switch bar
    stroke(3, 3000);
    stroke(2, 4000);
    ASSERT_EQ(document.strokes[3].width, 0) << "the spare record stays";

    canvas.rebuild();
    const QImage picture = renderCanvasPicture(canvas);
    for (int k : {1, 2, 4, 5, 6, 7, 8}) EXPECT_TRUE(canvas.strokes.exists(k)) << k;

    CanvasLayerStore store{document, reporter, [this](CanvasSize) -> GenoCanvas& { return canvas; }};
    ASSERT_TRUE(store.saveStrokes(CanvasSize::Normal));
    const GdrRecord reopened = decodeCurrentGdr(encodeGdr(document));
    EXPECT_EQ(strokeNos(), (std::vector<std::int32_t>{1, 1, -1, -1, -1, -2, -2}));
    EXPECT_EQ(reopened.strokes, document.strokes);

    GdrRecord second = reopened;
    GenoCanvas shown{CanvasSize::Normal, second, reporter};
    shown.rebuild();
    EXPECT_EQ(second.strokes, reopened.strokes) << "a redraw of the saved list changes nothing";
    EXPECT_EQ(renderCanvasPicture(shown), picture);
    EXPECT_TRUE(reporter.errors.empty());
}

class TextDialogTest : public ::testing::Test {
protected:
    template <class Widget>
    Widget* child(const char* name)
    {
        return dialog.findChild<Widget*>(QString::fromLatin1(name));
    }
    std::optional<StyledText> exec(const StyledText& values, std::function<void()> user,
                                   const TextPlacement& placement = {})
    {
        QTimer::singleShot(0, &dialog, std::move(user));
        return dialog.edit(values, placement);
    }
    void ok() { child<QPushButton>("cmdOK")->click(); }
    void setText(const QString& text) { child<QPlainTextEdit>("txtInputArea")->setPlainText(text); }

    QApplication& app = test::application();
    test::ScriptedMessageBoxes boxes;
    DisplayScale scale{200};
    TextInputDialog dialog{boxes, scale};
};

TEST_F(TextDialogTest, ANewTextGetsTheDefaultsAndEveryStyleComesBack)
{
    const auto result = exec({"", "No Such Font", 0, 0x0000FF}, [&] {
        QLineEdit* size = child<QLineEdit>("txtSize");
        EXPECT_EQ(size->text(), QStringLiteral("9"));
        setText(QStringLiteral("一行目\n二行目"));
        for (const char* box : {"chkBold", "chkItalic", "chkStrike", "chkUnlerL"})
            child<QCheckBox>(box)->setChecked(true);
        EXPECT_TRUE(child<QPlainTextEdit>("txtInputArea")->font().strikeOut()) << "the text area previews the style";
        for (const QString& text : {QString(), QStringLiteral("0")}) {
            size->setText(text);
            emit size->editingFinished();
            EXPECT_EQ(size->text(), QStringLiteral("9"));
        }
        size->setText(QStringLiteral("0")); // straight to OK
        ok();
    });
    EXPECT_EQ(result, (StyledText{"一行目\r\n二行目", "ＭＳ Ｐゴシック", 9, 0x0000FF, true, true, true, true}));
}

TEST_F(TextDialogTest, CancelTheCloseBoxAndEscapeReturnNothing)
{
    const std::function<void()> cancels[] = {[&] { child<QPushButton>("cmdCan")->click(); }, [&] { dialog.close(); },
                                             [&] { QTest::keyClick(&dialog, Qt::Key_Escape); }};
    for (const auto& cancel : cancels) {
        const auto result = exec({"元の文字", "ＭＳ 明朝", 12, 0xFF, true}, [&] {
            setText(QStringLiteral("changed"));
            cancel();
        });
        EXPECT_EQ(result, std::nullopt);
    }
}

TEST_F(TextDialogTest, ATextTheDocumentCannotStoreIsRefusedWithItsCharacterNamed)
{
    const auto result = exec({"", "ＭＳ 明朝", 14}, [&] {
        EXPECT_EQ(child<QComboBox>("cboFont")->currentText(), QStringLiteral("ＭＳ 明朝"));
        setText(QStringLiteral("家族 😀"));
        ok();
        EXPECT_TRUE(dialog.isVisible());
        setText(QString(32768, QChar(u'あ'))); // 65536 bytes: one more than the document holds
        ok();
        EXPECT_TRUE(dialog.isVisible());
        setText(QStringLiteral("家族 ～"));
        ok();
    });
    ASSERT_EQ(boxes.texts().size(), 2U);
    EXPECT_EQ(boxes.texts()[0], "「😀」は保存できない文字です。別の文字に置き換えてください。");
    EXPECT_TRUE(boxes.texts()[1].starts_with("文字が長すぎます（65536 バイト）。保存できるのは 65535 バイト"));
    ASSERT_TRUE(result);
    EXPECT_EQ(std::tie(result->caption, result->fontName, result->fontSize),
              std::make_tuple("家族 ～", "ＭＳ 明朝", 14));
}

TEST_F(TextDialogTest, TheFontListOffersEachJapaneseFaceOnceAndKeepsAStoredNameItLeavesOut)
{
    const auto* fonts = child<QComboBox>("cboFont");
    QStringList faces;
    for (int i = 0; i < fonts->count(); ++i) {
        faces << canvasFontFamily(fonts->itemText(i).toStdString());
        EXPECT_TRUE(QFontDatabase::writingSystems(faces.back()).contains(QFontDatabase::Japanese))
            << fonts->itemText(i).toStdString();
    }
    EXPECT_EQ(faces.removeDuplicates(), 0) << faces.join(u',').toStdString();

    const auto result = exec({"", "MS PGothic", 9}, [&] { ok(); });
    EXPECT_EQ(result.value_or(StyledText{}).fontName, "MS PGothic");
}

TEST_F(TextDialogTest, TheDialogAndItsPreviewGrowWithTheDisplayButTheChosenSizeDoesNot)
{
    const auto result = exec({"家族", "ＭＳ 明朝", 12}, [&] {
        EXPECT_EQ(std::make_tuple(dialog.size(), child<QPlainTextEdit>("txtInputArea")->geometry(),
                                  dialog.font().pointSizeF(),
                                  child<QPlainTextEdit>("txtInputArea")->font().pointSizeF()),
                  std::make_tuple(QSize(1014, 418), QRect(32, 96, 706, 258), 18.0, 24.0));
        ok();
    });
    EXPECT_EQ(result.value_or(StyledText{}).fontSize, 12);
}

// A text placed near the canvas's right edge runs off the picture once it grows.
TEST_F(TextDialogTest, TheTextAreaWarnsWhileTheTextWouldRunOffThePicture)
{
    const TextPlacement nearTheEdge{CanvasSize::Normal, [](const StyledText& values) {
                                        LabelWidget label = textLabelTemplate();
                                        label.text = values;
                                        label.left = 3500;
                                        return label;
                                    }};
    auto* area = child<QPlainTextEdit>("txtInputArea");
    const auto look = [area] {
        return std::make_tuple(area->toolTip().toStdString(), area->palette().base().color().name().toStdString());
    };
    const auto normal = std::make_tuple(std::string(), std::get<1>(look()));
    const auto cut = std::make_tuple(std::string("画像では一部が表示されません"), std::string("#ffecb3"));
    std::vector<std::tuple<std::string, std::string>> shown;
    const auto result = exec(
        {"長女", "", 9},
        [&] {
            shown.push_back(look());
            setText(QStringLiteral("長女の元夫"));
            shown.push_back(look());
            setText(QStringLiteral("長女"));
            shown.push_back(look());
            child<QCheckBox>("chkBold")->setChecked(true);
            child<QLineEdit>("txtSize")->setText(QStringLiteral("20"));
            emit child<QLineEdit>("txtSize")->editingFinished();
            shown.push_back(look());
            ok();
        },
        nearTheEdge);
    EXPECT_EQ(shown, (std::vector{normal, cut, normal, cut}));
    EXPECT_EQ(result.value_or(StyledText{}).caption, "長女") << "the text is kept as typed";
}

// The frame comes from the panel's marks alone: old marks are dropped, no mark erases the frame.
TEST(FrameTool, TheFrameToolDrawsThePanelMarksOfTheScreenSize)
{
    test::application();
    GdrRecord document;
    makeNewDocument(document);
    test::RecordingReporter reporter;
    std::set<int> marks;
    FrameToolNeighbours neighbours;
    neighbours.panelMark = [&](int slot) { return marks.contains(slot) ? 1 : 0; };
    neighbours.clearPanelMarks = [&] { marks.clear(); };
    FrameToolWindow tool(document, reporter, std::move(neighbours), DisplayScale{});
    document.cohabitMarks[9] = 1;
    for (const char* mode : {"", "WIDE"}) {
        document.screenMode = mode;
        document.frameSegments.fill(1);
        tool.toggleFrame();
        EXPECT_EQ(document.frameSegments, decltype(document.frameSegments){}) << mode;
    }
    marks = {3, 18};
    tool.toggleFrame();
    std::array<std::uint8_t, kSlotCount> flags{};
    flags[3] = flags[18] = 1;
    EXPECT_EQ(document.frameSegments, cohabitSegments(CanvasSize::Wide, flags));
}

} // namespace
} // namespace kinsketch
