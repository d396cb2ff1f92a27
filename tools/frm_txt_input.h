#pragma once
// frmtxtInput ("文字の指定"): the modal dialog in which the user writes the
// text of a canvas annotation and picks its font, size, colour and style,
// with the text area previewing the choice. Closing it any way but "決定"
// cancels. A text the document cannot store is refused here, with the
// character named, rather than saved in a damaged form.

#include "genogram/text_dialog.h"

#include "app/message_boxes.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;

namespace kinsketch {

class frmtxtInput : public QDialog {
    Q_OBJECT

public:
    explicit frmtxtInput(MessageBoxes& boxes, QWidget* parent = nullptr);

    // Shows the dialog modally for `values`; see TextDialog::GfncExec.
    std::int32_t GfncExec(TextFormatting& values);

    void accept() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void LsubFontPreview();
    void txtSize_LostFocus();
    void lblColor_Click();
    void setSwatch(Colour colour);
    int sizeBoxValue() const;

    MessageBoxes& boxes_;
    Colour colour_ = 0;
    QComboBox* cboFont_;
    QLineEdit* txtSize_;
    QLabel* lblColor_;
    QPlainTextEdit* txtInputArea_;
    QCheckBox* chkBold_;
    QCheckBox* chkItalic_;
    QCheckBox* chkStrike_;
    QCheckBox* chkUnlerL_;
};

} // namespace kinsketch
