#include "windows/picture/picture_confirm_window.h"

#include "document/error_trap.h"
#include "picture/canvas_picture.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>

namespace kinsketch {
namespace {

QPushButton* button(const QString& caption, const char* name, QRect place, QWidget* parent)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAccessibleName(caption);
    b->setGeometry(place);
    // Enter presses the button that has the focus, as on Windows; 決定 still asks before it ends.
    b->setAutoDefault(true);
    return b;
}

} // namespace

PictureConfirmWindow::PictureConfirmWindow(QImage picture, std::filesystem::path pictureFile, MessageBoxes& boxes,
                                           ErrorReporter& reporter, Actions actions, DisplayScale scale,
                                           QWidget* parent)
    : QWidget(parent)
    , picture_(std::move(picture))
    , pictureFile_(std::move(pictureFile))
    , boxes_(boxes)
    , reporter_(reporter)
    , actions_(std::move(actions))
    , okButton_(button(QStringLiteral("決定"), "cmd_OK", scale.rect(5520, 6840, 1695, 615), this))
    , cancelButton_(button(QStringLiteral("キャンセル"), "cmd_Can", scale.rect(7560, 6840, 1695, 615), this))
{
    setObjectName(QStringLiteral("mdiPictConfirm"));
    setWindowTitle(QStringLiteral("保存画像の確認"));
    setAccessibleName(windowTitle());
    scale.scaleFont(*this);
    auto* question = new QLabel(QStringLiteral("この画像を保存してよろしいですか？"), this);
    question->setAccessibleName(question->text());
    question->setStyleSheet(QStringLiteral("color: #FF0000;"));
    question->adjustSize();
    // Beside the picture, above the buttons.
    question->move(okButton_->x(), okButton_->y() - question->height() - scale.pixels(12));
    connect(okButton_, &QPushButton::clicked, this, [this] { confirm(); });
    connect(cancelButton_, &QPushButton::clicked, this, [this] { cancel(); });
}

QSize PictureConfirmWindow::sizeHint() const
{
    const QRect buttons = okButton_->geometry().united(cancelButton_->geometry());
    const int margin = buttons.height() / 2;
    return {std::max(picture_.width(), buttons.right()) + margin,
            std::max(picture_.height(), buttons.bottom()) + margin};
}

void PictureConfirmWindow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawImage(0, 0, picture_);
}

void PictureConfirmWindow::confirm()
{
    if (finished_ || boxes_.isShowing()) return;
    const MessageAnswer answer = boxes_.show(
        {"画像を保存して終了します。\r\n\r\nよろしいですか？", "", MessageIcon::Question, MessageButtons::YesNo});
    if (answer != MessageAnswer::Yes) return;
    if (!trapErrors(reporter_, "cmd_OK_Click", [&] { writePicture(picture_, pictureFile_); })) return;
    finished_ = true;
    actions_.pictureSaved();
}

void PictureConfirmWindow::cancel()
{
    if (finished_ || boxes_.isShowing()) return;
    finished_ = actions_.cancelled();
}

void PictureConfirmWindow::lostActivation() { cancel(); }

} // namespace kinsketch
