// The windows on screen, the free-drawing gestures and free-line panel on the pen records, and the tools.
#include "genogram/canvas_layer_store.h"
#include "genogram/free_drawing.h"
#include "genogram/relation_shapes.h"
#include "picture/canvas_fonts.h"
#include "picture/canvas_picture.h"
#include "tests/support/qt_application.h"
#include "tests/support/recording_reporter.h"
#include "tests/support/scripted_message_boxes.h"
#include "tools/free_line_panel.h"
#include "windows/canvas/canvas_window.h"
#include "windows/tools/text_input_dialog.h"

#include "document/file_io.h"
#include "document/gdr_codec.h"
#include "document/gdr_conversion.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <ranges>

namespace kinsketch {
namespace {

// After an edit only the changed area is sent, yet the screen must hold the whole picture.
TEST(CanvasWindowTest, TheScreenShowsWhatThePictureShowsAlsoAfterAnEdit)
{
    installCanvasFontSubstitutions();
    test::application();
    GdrRecord document = decodeCurrentGdr(readWholeFile(KINSKETCH_FIXTURE_DIR "/documents/sample_family.gdr"));
    test::RecordingReporter reporter;
    Drawing drawing{document};
    CanvasWindow window(CanvasSize::Normal, drawing, reporter);
    EXPECT_TRUE(window.rebuild() && window.isVisible());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QApplication::processEvents();
    document.ages[0] = "89歳";
    document.symbols[5] = "i102";
    window.rebuild();
    QApplication::processEvents();
    EXPECT_EQ(window.screen()->grabWindow(window.winId()).toImage().convertToFormat(QImage::Format_RGB888),
              renderCanvasPicture(window.canvas()));
}

class FreeDrawingList : public ::testing::Test {
protected:
    FreeDrawingList() { restart(); }

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
    // Points 30 twips apart rightwards; one point is a click.
    void stroke(int points, float y = 1000, float x = 100)
    {
        drawing.mouseDown(kLeftButton, x, y);
        for (int i = 1; i < points - 1; ++i) drawing.mouseMove(kLeftButton, x + 30 * static_cast<float>(i), y);
        drawing.mouseUp(kLeftButton, x + 30 * static_cast<float>(points - 1), y);
    }
    std::int32_t upperBound() const { return document.strokes.upperBound(); }
    void restart()
    {
        makeNewDocument(document);
        panel.load();
    }
    std::vector<std::int32_t> strokeNos() const
    {
        const auto numbers = document.strokes.items() | std::views::transform(&FreeLineRecord::strokeNumber);
        return {numbers.begin(), numbers.end()};
    }

    GdrRecord document;
    std::int32_t loadedCount = 0;
    FreeLinePanelRegisters registers;
    test::ScriptedMessageBoxes boxes;
    test::RecordingReporter reporter;
    GenoCanvas canvas{CanvasSize::Normal, document, reporter,
                      CanvasContext{{}, [this] { return registers.figureNumber; }}};
    FreeDrawing drawing{CanvasSize::Normal, canvas, registers, boxes};
    FreeLinePanel panel{canvas.drawing(), loadedCount, registers, boxes, {[this]() -> GenoCanvas& { return canvas; }}};
};

// A figure clicked open and shut is a dot, not a line to the record before.
TEST_F(FreeDrawingList, StrokesTakeFallingNumbersAndUndoTakesAWholeStrokeButOneFigureSegment)
{
    stroke(1, 100);
    EXPECT_EQ(upperBound(), 2) << "the press reused record 1, the release appended";
    stroke(3);
    EXPECT_EQ(std::make_tuple(strokeNos(), registers.strokeNumber),
              std::make_tuple(std::vector<std::int32_t>{-1, -1, -2, -2, -2}, -2));
    panel.undoStroke();
    EXPECT_EQ(strokeNos(), (std::vector<std::int32_t>{-1, -1})) << "one undo takes one stroke";
    const auto before = document.strokes;
    panel.toggleFigure();
    EXPECT_TRUE(registers.figureHighlighted);
    panel.toggleFigure();
    EXPECT_TRUE(document.strokes == before && registers.tool == FreeLineTool::Pen) << "figure twice adds no record";
    panel.undoStroke();
    EXPECT_TRUE(isEmptyFreeLineList(document.strokes) && !canvas.strokes.exists(1));

    figure({{1000, 1000}, {2000, 1000}, {2000, 2000}, {1500, 2500}});
    panel.undoStroke();
    EXPECT_EQ(std::make_tuple(upperBound(), document.strokes[2].x1, registers.tool, registers.figureHighlighted),
              std::make_tuple(2, 2000.F, FreeLineTool::Pen, false))
        << "the last segment and the spare record went";
    panel.toggleFigure();
    stroke(1, 3000, 3000);
    EXPECT_EQ(document.strokes[3], (FreeLineRecord{3000, 3000, 3000, 3000, 1, 0, 2}));
    EXPECT_EQ(std::make_tuple(canvas.strokes[3].x2, registers.tool), std::make_tuple(3000, FreeLineTool::Pen));
}

TEST_F(FreeDrawingList, AFigureClosesWithin150TwipsOfItsStartOrAtTheEraserAndEmptyOrZeroWidthsDrawNothing)
{
    for (const auto& [dx, dy, closes] :
         {std::tuple{150.F, 150.F, true}, {-150.F, -150.F, true}, {151.F, 150.F, false}, {150.F, 151.F, false}}) {
        SCOPED_TRACE(testing::Message() << dx << ", " << dy);
        restart();
        figure({{1000, 1000}, {2000, 1000}, {1000 + dx, 1000 + dy}});
        const FreeLinePoint end = closes ? FreeLinePoint{1000, 1000} : FreeLinePoint{1000 + dx, 1000 + dy};
        EXPECT_EQ(std::tie(registers.figureNumber, document.strokes[2].x1, document.strokes[2].y1),
                  std::make_tuple(closes ? 0 : 1, end.x, end.y));
        EXPECT_EQ(std::make_tuple(registers.tool, upperBound()),
                  std::make_tuple(closes ? FreeLineTool::Pen : FreeLineTool::Figure, closes ? 2 : 3));
    }
    restart(); // the eraser button closes an open figure back to its start
    figure({{1000, 1000}, {2000, 1000}, {2000, 2000}});
    panel.toggleEraser();
    EXPECT_EQ(document.strokes[3], (FreeLineRecord{2000, 2000, 1000, 1000, 1, 0, 1}));
    EXPECT_EQ(registers.tool, FreeLineTool::Eraser);

    stroke(2);
    EXPECT_EQ(std::tie(document.strokes[4].colour, document.strokes[4].width), std::make_tuple(kWhite, 10));

    for (const auto& [eraser, width, message] :
         {std::tuple<bool, std::string, std::string>{false, "", "線の太さを指定してください。"},
          {false, "0", "線の太さは１以上を指定してください。"},
          {true, "", "消しゴムの太さを指定してください。"},
          {true, "00", "消しゴムの太さは１以上を指定してください。"}}) {
        SCOPED_TRACE(message);
        restart();
        boxes.shown.clear();
        if (eraser) panel.toggleEraser();
        (eraser ? registers.eraserWidthText : registers.penWidthText) = width;
        stroke(4);
        EXPECT_EQ(boxes.texts(), std::vector<std::string>{message});
        EXPECT_TRUE(isEmptyFreeLineList(document.strokes));
        EXPECT_EQ(registers.strokeNumber, -1) << "the number went down all the same";
        // The same check refuses the width when the Tool Box's box is left.
        EXPECT_FALSE(eraser ? panel.checkEraserWidth() : panel.checkPenWidth());
    }
}

// A loaded stroke whose number a new stroke happens to share stays too; only 全クリア after はい takes them.
TEST_F(FreeDrawingList, StrokesThatCameWithTheDocumentCannotBeUndoneButAreClearedAfterYes)
{
    document.strokes = {true, 1, {{10, 10, 10, 10, 1, 0, -4}, {20, 20, 0, 0, 1, 0, -4}}};
    loadedCount = loadedFreeLineCount(document);
    panel.load();
    EXPECT_EQ(std::tie(registers.undoEnabled, registers.strokeNumber), std::make_tuple(false, -4));
    stroke(3);
    EXPECT_EQ(document.strokes[3].strokeNumber, -5) << "\"0\" in front of \"-4\" still reads -4";
    EXPECT_TRUE(registers.undoEnabled);
    panel.undoStroke();
    EXPECT_FALSE(registers.undoEnabled);
    panel.undoStroke();
    EXPECT_EQ(upperBound(), 2);
    registers.strokeNumber = -3;
    stroke(2);
    panel.undoStroke();
    EXPECT_EQ(upperBound(), 2);

    figure({{1000, 1000}, {2000, 1000}});
    const auto before = document.strokes;
    panel.clearAll(); // answered No
    EXPECT_EQ(document.strokes, before);
    boxes.answers = {MessageAnswer::Yes};
    panel.clearAll();
    EXPECT_EQ(document.strokes, (FreeLineList{true, 1, {FreeLineRecord{}}}));
    EXPECT_EQ(std::make_tuple(canvas.strokes.upperBound(), loadedCount), std::make_tuple(0, 0));
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

    GdrRecord second = reopened;
    GenoCanvas shown{CanvasSize::Normal, second, reporter};
    shown.rebuild();
    EXPECT_EQ(second.strokes, reopened.strokes) << "a redraw of the saved list changes nothing";
    EXPECT_EQ(renderCanvasPicture(shown), picture);
    EXPECT_TRUE(reporter.errors.empty());
}

// Every 関係線 kind is one stroke of ordinary records: a line runs between two people without
// touching their symbols, 一つ戻る takes it back whole, and the records alone name it again
// after the document was written and read.
TEST_F(FreeDrawingList, EachRelationKindIsOneWholeStrokeBetweenThePeopleNamedAgainByItsRecords)
{
    document.symbols[4] = "i101"; // cells at (480, 1680) and (1320, 1680), 240 square
    document.symbols[5] = "i102";
    canvas.rebuild();
    stroke(3);
    panel.toggleRelation();
    const auto drag = [this](FreeLinePoint from, FreeLinePoint to) {
        drawing.mouseDown(kLeftButton, from.x, from.y);
        drawing.mouseMove(kLeftButton, to.x, to.y);
        drawing.mouseUp(kLeftButton, to.x, to.y);
    };
    drawing.mouseDown(kLeftButton, 560, 1760);
    drawing.mouseMove(kLeftButton, 1400, 1850); // the release never comes
    drag({560, 1760}, {700, 1900});
    drag({2000, 3000}, {2050, 3000});
    EXPECT_EQ(std::make_tuple(upperBound(), canvas.strokes.exists(4)), std::make_tuple(3, false))
        << "a drag within one person, too short, or never released leaves nothing";

    std::vector<RelationKind> all;
    for (int i = 0; i < kRelationKindCount; ++i) {
        const auto kind = static_cast<RelationKind>(i);
        all.push_back(kind);
        panel.chooseRelation(kind);
        const auto before = document.strokes;
        for (int pass = 0; pass < 2; ++pass) {
            if (isRelationMark(kind))
                drag({1020, 1440}, {1020, 1440});
            else
                drag({560, 1760}, {1400, 1850});
            if (pass == 0) {
                panel.undoStroke();
                EXPECT_EQ(document.strokes, before) << i << " is taken back whole";
            }
        }
        for (std::int32_t k = before.upperBound() + 1; k <= upperBound(); ++k) {
            const FreeLineRecord& r = document.strokes[k];
            EXPECT_TRUE(r.strokeNumber == registers.strokeNumber && r.width == 1 && canvas.strokes.exists(k)) << i;
            if (isRelationMark(kind)) continue;
            for (const float x : {r.x1, r.x2})
                EXPECT_TRUE(x >= 720 + 45 - 1 && x <= 1320 - 45 + 1) << i << " covers a symbol at " << x;
        }
    }
    EXPECT_EQ(registers.tool, FreeLineTool::Relation) << "undo keeps the tool for the next try";
    EXPECT_EQ(relationKindsIn(document.strokes), all);
    CanvasLayerStore store{document, reporter, [this](CanvasSize) -> GenoCanvas& { return canvas; }};
    ASSERT_TRUE(store.saveStrokes(CanvasSize::Normal));
    const GdrRecord reopened = decodeCurrentGdr(encodeGdr(document));
    EXPECT_EQ(std::make_tuple(reopened.strokes, relationKindsIn(reopened.strokes)),
              std::make_tuple(document.strokes, all));
    GdrRecord second = reopened;
    GenoCanvas shown{CanvasSize::Normal, second, reporter};
    shown.rebuild();
    EXPECT_EQ(renderCanvasPicture(shown), renderCanvasPicture(canvas))
        << "the pen strokes' drawing shows them as drawn";
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

TEST_F(TextDialogTest, ANewTextGetsTheDefaultsEveryStyleComesBackAndUnstorableTextsAreRefused)
{
    const auto result = exec({"", "No Such Font", 0, 0x0000FF}, [&] {
        QLineEdit* size = child<QLineEdit>("txtSize");
        EXPECT_EQ(size->text(), QStringLiteral("9"));
        for (const char* box : {"chkBold", "chkItalic", "chkStrike", "chkUnlerL"})
            child<QCheckBox>(box)->setChecked(true);
        EXPECT_TRUE(child<QPlainTextEdit>("txtInputArea")->font().strikeOut()) << "the text area previews the style";
        for (const QString& text : {QString(), QStringLiteral("0")}) {
            size->setText(text);
            emit size->editingFinished();
            EXPECT_EQ(size->text(), QStringLiteral("9"));
        }
        // 32768 あ are 65536 bytes: one more than the document holds.
        for (const QString& refused : {QStringLiteral("家族 😀"), QString(32768, QChar(u'あ'))}) {
            setText(refused);
            ok();
            EXPECT_TRUE(dialog.isVisible());
        }
        setText(QStringLiteral("一行目\n二行目 ～"));
        size->setText(QStringLiteral("0")); // straight to OK
        ok();
    });
    EXPECT_EQ(result, (StyledText{"一行目\r\n二行目 ～", "ＭＳ Ｐゴシック", 9, 0x0000FF, true, true, true, true}));
    ASSERT_EQ(boxes.texts().size(), 2U);
    EXPECT_EQ(boxes.texts()[0], "「😀」は保存できない文字です。別の文字に置き換えてください。");
    EXPECT_TRUE(boxes.texts()[1].starts_with("文字が長すぎます（65536 バイト）。保存できるのは 65535 バイト"));
}

TEST_F(TextDialogTest, EachJapaneseFaceIsOfferedOnceStoredFontsAndSizesComeBackAndCancelsReturnNothing)
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

    const std::function<void()> cancels[] = {[&] { child<QPushButton>("cmdCan")->click(); }, [&] { dialog.close(); },
                                             [&] { QTest::keyClick(&dialog, Qt::Key_Escape); }};
    for (const auto& cancel : cancels) {
        const auto cancelled = exec({"元の文字", "ＭＳ 明朝", 12, 0xFF, true}, [&] {
            setText(QStringLiteral("changed"));
            cancel();
        });
        EXPECT_EQ(cancelled, std::nullopt);
    }

    // The dialog and its preview grow with the display, but the chosen size does not.
    const auto grown = exec({"家族", "ＭＳ 明朝", 12}, [&] {
        EXPECT_EQ(std::make_tuple(dialog.size(), child<QPlainTextEdit>("txtInputArea")->geometry(),
                                  dialog.font().pointSizeF(),
                                  child<QPlainTextEdit>("txtInputArea")->font().pointSizeF()),
                  std::make_tuple(QSize(1014, 418), QRect(32, 96, 706, 258), 18.0, 24.0));
        ok();
    });
    ASSERT_TRUE(grown);
    EXPECT_EQ(std::tie(grown->fontName, grown->fontSize), std::make_tuple("ＭＳ 明朝", 12));
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
    std::string told; // the guidance line, "(a part)" when it names a beginning of the text that is not all of it
    dialog.tellCutTextTo([&](const std::string& line) { told = line; });
    const auto look = [&] {
        const QString text = area->toPlainText();
        const QRegularExpressionMatch part =
            QRegularExpression(QStringLiteral("^文字：『(.+)』まで画像に表示されます$"))
                .match(QString::fromStdString(told));
        const bool aPart = part.hasMatch() && text.startsWith(part.captured(1)) && part.captured(1) != text;
        return std::make_tuple(area->toolTip().toStdString(), area->palette().base().color().name().toStdString(),
                               aPart ? std::string("(a part)") : told);
    };
    const auto normal = std::make_tuple(std::string(), std::get<1>(look()), std::string());
    const auto cut =
        std::make_tuple(std::string("画像では一部が表示されません"), std::string("#ffecb3"), std::string("(a part)"));
    std::vector<std::tuple<std::string, std::string, std::string>> shown;
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
    EXPECT_EQ(std::make_tuple(result.value_or(StyledText{}).caption, told), std::make_tuple("長女", ""))
        << "the text is kept as typed, and the line goes with the dialog";
}

} // namespace
} // namespace kinsketch
