#include "text_input_dialog.h"

#include "picture/canvas_fonts.h"
#include "picture/canvas_painter.h"
#include "ui/text_fit_warning.h"

#include "document/storable_text.h"

#include "document/code_page_932.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QEvent>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>

#include <cmath>

namespace kinsketch {
namespace {

constexpr int kDefaultSize = 9;

template <class Widget>
Widget* place(Widget* widget, const char* name, QRect rect)
{
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(rect);
    return widget;
}

QCheckBox* styleBox(QWidget* parent, const char* name, const QString& caption, QRect rect)
{
    auto* box = place(new QCheckBox(caption, parent), name, rect);
    box->setAccessibleName(caption);
    return box;
}

QPushButton* button(QWidget* parent, const char* name, const QString& caption, QRect rect)
{
    auto* b = place(new QPushButton(caption, parent), name, rect);
    b->setAccessibleName(caption);
    b->setAutoDefault(false); // Enter in the size box moves on, it does not close the dialog
    return b;
}

QColor qColour(Colour c)
{
    return QColor(static_cast<int>(c & 0xFFU), static_cast<int>((c >> 8) & 0xFFU), static_cast<int>((c >> 16) & 0xFFU));
}

Colour colourOf(const QColor& c)
{
    return static_cast<Colour>(c.red()) | (static_cast<Colour>(c.green()) << 8) | (static_cast<Colour>(c.blue()) << 16);
}

// The document keeps line breaks as CR LF; the text area works with LF.
QString forTextArea(const std::string& text)
{
    return QString::fromStdString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

std::string forDocument(const QString& text)
{
    return QString(text).replace(QStringLiteral("\n"), QStringLiteral("\r\n")).toStdString();
}

} // namespace

TextInputDialog::TextInputDialog(MessageBoxes& boxes, const DisplayScale& scale, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , boxes_(boxes)
    , scale_(scale)
{
    installCanvasFontSubstitutions();
    const QString caption = QStringLiteral("文字の指定");
    setObjectName(QStringLiteral("frmtxtInput"));
    setWindowTitle(caption);
    setAccessibleName(caption);
    setFont(scale_.font(QFont(QString::fromUtf8(kCanvasFontName), kDefaultSize)));
    setFixedSize(scale_.size(7605, 3135));

    place(new QLabel(QStringLiteral("Font"), this), "Label2", scale_.rect(360, 240, 375, 255));
    fontBox_ = place(new QComboBox(this), "cboFont", scale_.rect(840, 240, 2535, 300));
    fontBox_->setAccessibleName(QStringLiteral("Font"));
    place(new QLabel(QStringLiteral("Size"), this), "Label1", scale_.rect(3720, 240, 375, 255));
    sizeBox_ = place(new QLineEdit(QString::number(kDefaultSize), this), "txtSize", scale_.rect(4200, 240, 735, 270));
    sizeBox_->setAccessibleName(QStringLiteral("Size"));
    sizeBox_->setMaxLength(2);
    sizeBox_->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,2}")), sizeBox_));
    place(new QLabel(QStringLiteral("Color"), this), "Label3", scale_.rect(5280, 240, 495, 255));
    colourSwatch_ = place(new QLabel(this), "lblColor", scale_.rect(5760, 240, 855, 270));
    colourSwatch_->setAccessibleName(QStringLiteral("Color"));
    colourSwatch_->setAutoFillBackground(true);
    colourSwatch_->setFrameShape(QFrame::Box);
    colourSwatch_->installEventFilter(this);
    textArea_ = place(new QPlainTextEdit(this), "txtInputArea", scale_.rect(240, 720, 5295, 1935));
    textArea_->setAccessibleName(QStringLiteral("文字"));
    textArea_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Tab goes on to the style boxes and 決定, so the keyboard alone reaches them.
    textArea_->setTabChangesFocus(true);
    boldBox_ = styleBox(this, "chkBold", QStringLiteral("太字"), scale_.rect(5760, 840, 735, 255));
    italicBox_ = styleBox(this, "chkItalic", QStringLiteral("斜体"), scale_.rect(6720, 840, 735, 255));
    strikeBox_ = styleBox(this, "chkStrike", QStringLiteral("取消線"), scale_.rect(5760, 1320, 855, 255));
    underlineBox_ = styleBox(this, "chkUnlerL", QStringLiteral("下線"), scale_.rect(6720, 1320, 735, 255));
    QPushButton* ok = button(this, "cmdOK", QStringLiteral("決定"), scale_.rect(5760, 1800, 1695, 495));
    QPushButton* cancel = button(this, "cmdCan", QStringLiteral("キャンセル"), scale_.rect(5760, 2400, 1695, 495));
    auto* warning =
        place(new QLabel(QStringLiteral("Attention : １０行以上入力すると正しく処理できない場合があります。"), this),
              "Label4", scale_.rect(240, 2760, 5295, 255));
    warning->setStyleSheet(QStringLiteral("color: red"));

    fontBox_->addItems(offeredFontNames());
    const int listFont = fontBox_->findText(fontBox_->font().family());
    fontBox_->setCurrentIndex(listFont >= 0 ? listFont : 0);
    setSwatch(0);

    connect(fontBox_, &QComboBox::currentIndexChanged, this, &TextInputDialog::showFontPreview);
    for (QCheckBox* box : {boldBox_, italicBox_, strikeBox_, underlineBox_})
        connect(box, &QCheckBox::toggled, this, &TextInputDialog::showFontPreview);
    connect(textArea_, &QPlainTextEdit::textChanged, this, &TextInputDialog::showFit);
    connect(sizeBox_, &QLineEdit::returnPressed, textArea_, qOverload<>(&QWidget::setFocus));
    connect(sizeBox_, &QLineEdit::editingFinished, this, &TextInputDialog::checkSizeBox);
    connect(ok, &QPushButton::clicked, this, &TextInputDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &TextInputDialog::reject);
}

std::optional<StyledText> TextInputDialog::edit(const StyledText& shown, const TextPlacement& placement)
{
    placement_ = placement;
    textArea_->setPlainText(forTextArea(shown.caption));
    // The box holds whole points, as the document does.
    if (shown.fontSize != 0) sizeBox_->setText(QString::number(std::nearbyint(shown.fontSize)));
    setSwatch(shown.colour);
    const QString wanted = QString::fromStdString(shown.fontName);
    if (!wanted.isEmpty() && wanted != fontBox_->currentText()) {
        int found = fontBox_->findText(wanted);
        // A text keeps a font the list leaves out (a second Windows name of
        // a face, a face without Japanese) as long as it can be drawn.
        if (found < 0 && QFontDatabase::hasFamily(canvasFontFamily(shown.fontName))) {
            fontBox_->addItem(wanted);
            found = fontBox_->count() - 1;
        }
        if (found >= 0) fontBox_->setCurrentIndex(found);
    }
    boldBox_->setChecked(shown.bold);
    italicBox_->setChecked(shown.italic);
    strikeBox_->setChecked(shown.strikethrough);
    underlineBox_->setChecked(shown.underline);
    showFontPreview();
    textArea_->setFocus();

    const bool accepted = exec() == QDialog::Accepted;
    tellCutText_({});
    if (!accepted) return std::nullopt;
    return chosen();
}

StyledText TextInputDialog::chosen() const
{
    return {forDocument(textArea_->toPlainText()),
            fontBox_->currentText().toStdString(),
            static_cast<float>(sizeBoxValue()),
            colour_,
            boldBox_->isChecked(),
            italicBox_->isChecked(),
            strikeBox_->isChecked(),
            underlineBox_->isChecked()};
}

// "決定" with a character the document's code page lacks would store a
// damaged text, and a text longer than the document holds would make every
// save fail; the user is told why and the dialog stays open.
void TextInputDialog::accept()
{
    checkSizeBox();
    const auto refuse = [this](const std::string& reason) {
        boxes_.show({reason, {}, MessageIcon::Exclamation, MessageButtons::Ok});
        textArea_->setFocus();
    };
    if (const auto refusal = unstorableTextMessage(forDocument(textArea_->toPlainText()))) return refuse(*refusal);
    QDialog::accept();
}

bool TextInputDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == colourSwatch_ && event->type() == QEvent::MouseButtonRelease) {
        chooseColour();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

// The preview grows with the display like the rest of the dialog; the
// values handed back keep the size the user typed.
void TextInputDialog::showFontPreview()
{
    QFont font(canvasFontFamily(fontBox_->currentText().toStdString()));
    font.setPointSize(sizeBoxValue());
    font.setBold(boldBox_->isChecked());
    font.setItalic(italicBox_->isChecked());
    font.setStrikeOut(strikeBox_->isChecked());
    font.setUnderline(underlineBox_->isChecked());
    textArea_->setFont(scale_.font(font));
    QPalette palette = textArea_->palette();
    palette.setColor(QPalette::Text, qColour(colour_));
    textArea_->setPalette(palette);
    showFit();
}

void TextInputDialog::showFit()
{
    if (!placement_.label) return;
    const LabelWidget label = placement_.label(chosen());
    const CanvasGeometry& geometry = canvasGeometry(placement_.size);
    const bool fits = labelTextFits(label, WidgetKind::textLabels, geometry);
    showTextFitWarning(*textArea_, fits);
    tellCutText_(fits ? std::string()
                      : cutTextLine("文字", shownPartOfLabelText(label, WidgetKind::textLabels, geometry)));
}

// The box holds up to two digits; empty and 0 both mean the default size.
int TextInputDialog::sizeBoxValue() const
{
    const int value = sizeBox_->text().toInt();
    return value == 0 ? kDefaultSize : value;
}

void TextInputDialog::checkSizeBox()
{
    sizeBox_->setText(QString::number(sizeBoxValue()));
    showFontPreview();
}

void TextInputDialog::chooseColour()
{
    const QColor chosen = QColorDialog::getColor(qColour(colour_), this, QStringLiteral("色の設定"));
    if (!chosen.isValid()) return;
    setSwatch(colourOf(chosen));
    showFontPreview();
}

void TextInputDialog::setSwatch(Colour colour)
{
    colour_ = colour;
    QPalette palette = colourSwatch_->palette();
    palette.setColor(QPalette::Window, qColour(colour));
    colourSwatch_->setPalette(palette);
}

} // namespace kinsketch
