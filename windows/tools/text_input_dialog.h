#pragma once
// frmtxtInput ("文字の指定"): the modal dialog in which the user writes the
// text of a canvas annotation and picks its font, size, colour and style,
// with the text area previewing the choice. Closing it any way but "決定"
// cancels. A text the document cannot store is refused here, with the
// character named, rather than saved in a damaged form. The text area warns
// while the user types when the picture would not show all of the text
// where it is going; the text is kept all the same.

#include "genogram/text_dialog.h"

#include "seams/message_boxes.h"
#include "ui/display_scale.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;

namespace kinsketch {

class TextInputDialog : public QDialog {
    Q_OBJECT

public:
    TextInputDialog(MessageBoxes& boxes, const DisplayScale& scale, QWidget* parent = nullptr);

    // Shows the dialog modally for `values`; see TextDialog::edit.
    [[nodiscard]] std::optional<StyledText> edit(const StyledText& shown, const TextPlacement& placement);

    void accept() override;

    // Told, while the text is typed, what the picture will cut of it
    // (cutTextLine), and an empty line once it all shows or the dialog closes.
    using CutTextTeller = std::function<void(const std::string& line)>;
    void tellCutTextTo(CutTextTeller teller) { tellCutText_ = std::move(teller); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The text and formatting as the dialog shows them now.
    StyledText chosen() const;
    void showFontPreview();
    void showFit();
    void checkSizeBox();
    void chooseColour();
    void setSwatch(Colour colour);
    int sizeBoxValue() const;

    MessageBoxes& boxes_;
    DisplayScale scale_;
    TextPlacement placement_;
    CutTextTeller tellCutText_ = [](const std::string&) {};
    Colour colour_ = 0;
    QComboBox* fontBox_;
    QLineEdit* sizeBox_;
    QLabel* colourSwatch_;
    QPlainTextEdit* textArea_;
    QCheckBox* boldBox_;
    QCheckBox* italicBox_;
    QCheckBox* strikeBox_;
    QCheckBox* underlineBox_;
};

} // namespace kinsketch
