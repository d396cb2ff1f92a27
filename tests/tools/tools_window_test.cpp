// The tool windows: the text dialog, the line and frame tools and the
// free-line panel's window.
#include "genogram/window/canvas_window.h"
#include "tests/support/qt_application.h"
#include "tests/support/recording_reporter.h"
#include "tests/support/scripted_message_boxes.h"
#include "tests/support/text_dialog_doubles.h"
#include "tools/window/frame_tool_window.h"
#include "tools/window/free_line_panel_window.h"
#include "tools/window/line_tool_window.h"
#include "tools/window/text_input_dialog.h"

#include "genogram/cohabit_frame_builder.h"

#include "document/gdr_conversion.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace kinsketch {
namespace {

class TextDialogTest : public ::testing::Test {
protected:
    template <class Widget>
    Widget* child(const char* name)
    {
        return dialog.findChild<Widget*>(QString::fromLatin1(name));
    }
    // Runs `user` once the dialog is up, then calls edit.
    std::optional<TextFormatting> exec(const TextFormatting& values, std::function<void()> user)
    {
        QTimer::singleShot(0, &dialog, std::move(user));
        return dialog.edit(values);
    }
    void ok() { child<QPushButton>("cmdOK")->click(); }
    void setText(const QString& text) { child<QPlainTextEdit>("txtInputArea")->setPlainText(text); }
    void leaveSizeBox(const QString& text)
    {
        QLineEdit* size = child<QLineEdit>("txtSize");
        size->setText(text);
        emit size->editingFinished();
    }

    QApplication& app = test::application();
    test::ScriptedMessageBoxes boxes;
    TextInputDialog dialog{boxes};
};

TEST_F(TextDialogTest, ANewTextGetsTheDefaultsAndEveryStyleComesBack)
{
    const auto result = exec({"", "No Such Font", 0, 0x0000FF}, [&] {
        EXPECT_EQ(child<QLineEdit>("txtSize")->text(), QStringLiteral("9"));
        setText(QStringLiteral("一行目\n二行目"));
        for (const char* box : {"chkBold", "chkItalic", "chkStrike", "chkUnlerL"})
            child<QCheckBox>(box)->setChecked(true);
        EXPECT_TRUE(child<QPlainTextEdit>("txtInputArea")->font().strikeOut()) << "the text area previews the style";
        ok();
    });
    EXPECT_EQ(result, (TextFormatting{"一行目\r\n二行目", "ＭＳ Ｐゴシック", 9, 0x0000FF, true, true, true, true}));
}

TEST_F(TextDialogTest, AnEmptyOrZeroSizeBecomesNine)
{
    const auto result = exec({"x", "ＭＳ 明朝", 14}, [&] {
        EXPECT_EQ(child<QComboBox>("cboFont")->currentText(), QStringLiteral("ＭＳ 明朝"));
        for (const QString& size : {QString(), QStringLiteral("0")}) {
            leaveSizeBox(size);
            EXPECT_EQ(child<QLineEdit>("txtSize")->text(), QStringLiteral("9"));
        }
        child<QLineEdit>("txtSize")->setText(QStringLiteral("0")); // straight to OK
        ok();
    });
    ASSERT_TRUE(result);
    EXPECT_EQ(result->fontSize, 9);
    EXPECT_EQ(result->fontName, "ＭＳ 明朝");
}

TEST_F(TextDialogTest, CancelTheCloseBoxAndEscapeReturnNothing)
{
    const std::function<void()> cancels[] = {[&] { child<QPushButton>("cmdCan")->click(); }, [&] { dialog.close(); },
                                             [&] { QTest::keyClick(&dialog, Qt::Key_Escape); }};
    for (const auto& cancel : cancels) {
        EXPECT_EQ(exec({"元の文字", "ＭＳ 明朝", 12, 0xFF, true},
                       [&] {
                           setText(QStringLiteral("changed"));
                           cancel();
                       }),
                  std::nullopt);
    }
}

TEST_F(TextDialogTest, ATextTheDocumentCannotStoreIsRefusedWithItsCharacterNamed)
{
    const auto result = exec({}, [&] {
        setText(QStringLiteral("家族 😀"));
        ok();
        EXPECT_TRUE(dialog.isVisible());
        setText(QStringLiteral("家族 ～"));
        ok();
    });
    EXPECT_EQ(boxes.texts(), std::vector<std::string>{"「😀」は保存できない文字です。別の文字に置き換えてください。"});
    ASSERT_TRUE(result);
    EXPECT_EQ(result->text, "家族 ～");
}

class ToolWindows : public ::testing::Test {
protected:
    ToolWindows() { makeNewDocument(document); }

    QApplication& app = test::application();
    GdrRecord document;
    test::RecordingReporter reporter;
    test::ScriptedMessageBoxes boxes;
};

TEST_F(ToolWindows, TheLineToolAddsALineToTheCanvasOfTheScreenSize)
{
    test::ScriptedTextDialog dialog; // never answers
    CanvasContext lineMode{[] { return InputMode::AddedLines; }};
    CanvasWindow normal(CanvasSize::Normal, document, reporter, lineMode);
    CanvasWindow wide(CanvasSize::Wide, document, reporter, lineMode);
    normal.enableEditing(boxes, dialog);
    wide.enableEditing(boxes, dialog);
    LineToolWindow tool([&]() -> CanvasWindow& { return document.isWide() ? wide : normal; });
    tool.load();
    auto* button = tool.findChild<QPushButton*>(QStringLiteral("cmdTool1"));
    ASSERT_NE(button, nullptr);
    button->click();
    EXPECT_TRUE(normal.canvas().addedLines[1].visible && normal.canvas().startHandles[1].visible);
    document.ScreenMode = "WIDE";
    button->click();
    EXPECT_TRUE(wide.canvas().addedLines[1].visible);
    EXPECT_FALSE(normal.canvas().addedLines.exists(2));
}

// The frame comes from the panel's marks alone: an old mark the panel no
// longer shows is dropped, and with no mark the frame is erased.
TEST_F(ToolWindows, TheFrameToolDrawsThePanelMarksOfTheScreenSize)
{
    std::set<int> marks;
    FrameToolNeighbours neighbours;
    neighbours.panelMark = [&](int slot) { return marks.contains(slot) ? 1 : 0; };
    neighbours.clearPanelMarks = [&] { marks.clear(); };
    FrameToolWindow tool(document, reporter, std::move(neighbours));
    document.CohabitFlag[9] = 1;
    for (const char* mode : {"", "WIDE"}) {
        document.ScreenMode = mode;
        document.CohabitSeg.fill(1);
        tool.toggleFrame();
        EXPECT_EQ(document.CohabitSeg, decltype(document.CohabitSeg){}) << mode;
    }
    marks = {3, 18};
    tool.toggleFrame();
    std::array<std::uint8_t, kSlotCount> flags{};
    flags[3] = flags[18] = 1;
    EXPECT_EQ(document.CohabitSeg, cohabitSegments(CanvasSize::Wide, flags));
}

TEST_F(ToolWindows, TheFreeLinePanelsUndoButtonFollowsWhetherAStrokeCanBeUndone)
{
    document.FreeLine = {true, 1, {{10, 10, 10, 10, 1, 0, -1}}};
    std::int32_t loadedCount = 0;
    FreeLinePanelRegisters registers;
    GenoCanvas canvas{CanvasSize::Normal, document, reporter};
    FreeLinePanelWindow window{CanvasSize::Normal, document, loadedCount,
                               registers,          boxes,    {[&]() -> GenoCanvas& { return canvas; }}};
    window.load();
    window.show();
    auto* back = window.findChild<QPushButton*>(QStringLiteral("cmd_Back"));
    EXPECT_TRUE(back->isEnabled()) << "a stroke of a new document can be undone";
    loadedCount = 1;
    window.model().updateUndoEnabled();
    window.showRegisters();
    EXPECT_FALSE(back->isEnabled());
}

} // namespace
} // namespace kinsketch
