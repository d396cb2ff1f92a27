#include "tests/support/qt_application.h"
#include "tests/support/scripted_message_boxes.h"
#include "tools/window/text_input_dialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QLabel>
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
    TextFormatting values{"", "No Such Font", 0, 0x0000FF};
    const auto result = exec(values, [&] {
        EXPECT_EQ(child<QLineEdit>("txtSize")->text(), QStringLiteral("9"));
        child<QPlainTextEdit>("txtInputArea")->setPlainText(QStringLiteral("一行目\n二行目"));
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
        EXPECT_EQ(child<QLineEdit>("txtSize")->text(), QStringLiteral("14"));
        leaveSizeBox({});
        EXPECT_EQ(child<QLineEdit>("txtSize")->text(), QStringLiteral("9"));
        leaveSizeBox(QStringLiteral("0"));
        EXPECT_EQ(child<QLineEdit>("txtSize")->text(), QStringLiteral("9"));
        child<QLineEdit>("txtSize")->setText(QStringLiteral("0")); // straight to OK
        ok();
    });
    ASSERT_TRUE(result);
    EXPECT_EQ(result->fontSize, 9);
    EXPECT_EQ(result->fontName, "ＭＳ 明朝");
}

TEST_F(TextDialogTest, CancelTheCloseBoxAndEscapeReturnNothing)
{
    const TextFormatting given{"元の文字", "ＭＳ 明朝", 12, 0xFF, true};
    const std::function<void()> cancels[] = {[&] { child<QPushButton>("cmdCan")->click(); }, [&] { dialog.close(); },
                                             [&] { QTest::keyClick(&dialog, Qt::Key_Escape); }};
    for (const auto& cancel : cancels) {
        EXPECT_EQ(exec(given,
                       [&] {
                           child<QPlainTextEdit>("txtInputArea")->setPlainText(QStringLiteral("changed"));
                           child<QCheckBox>("chkBold")->setChecked(false);
                           cancel();
                       }),
                  std::nullopt);
    }
}

TEST_F(TextDialogTest, ATextTheDocumentCannotStoreIsRefusedWithItsCharacterNamed)
{
    const auto result = exec({}, [&] {
        child<QPlainTextEdit>("txtInputArea")->setPlainText(QStringLiteral("家族 😀"));
        ok();
        EXPECT_TRUE(dialog.isVisible());
        child<QPlainTextEdit>("txtInputArea")->setPlainText(QStringLiteral("家族 ～"));
        ok();
    });
    ASSERT_EQ(boxes.texts().size(), 1U);
    EXPECT_EQ(boxes.texts()[0], "「😀」は保存できない文字です。別の文字に置き換えてください。");
    ASSERT_TRUE(result);
    EXPECT_EQ(result->text, "家族 ～");
}

} // namespace
} // namespace kinsketch
