#include "picture/window/pict_confirm_window.h"

#include "document/error_trap.h"
#include "picture/canvas_picture.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>

namespace kinsketch {
namespace {

constexpr int kTwipsPerPixel = 15;

QRect twipsRect(int left, int top, int width, int height)
{
    return {left / kTwipsPerPixel, top / kTwipsPerPixel, width / kTwipsPerPixel, height / kTwipsPerPixel};
}

QPushButton* button(const QString& caption, const char* name, QRect place, QWidget* parent)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAccessibleName(caption);
    b->setGeometry(place);
    return b;
}

} // namespace

mdiPictConfirm::mdiPictConfirm(QImage picture, std::filesystem::path pictureFile, MessageBoxes& boxes,
                               ErrorReporter& reporter, Actions actions, QWidget* parent)
    : QWidget(parent)
    , picture_(std::move(picture))
    , pictureFile_(std::move(pictureFile))
    , boxes_(boxes)
    , reporter_(reporter)
    , actions_(std::move(actions))
    , cmdOk_(button(QStringLiteral("決定"), "cmd_OK", twipsRect(5520, 6840, 1695, 615), this))
    , cmdCan_(button(QStringLiteral("キャンセル"), "cmd_Can", twipsRect(7560, 6840, 1695, 615), this))
{
    setObjectName(QStringLiteral("mdiPictConfirm"));
    setWindowTitle(QStringLiteral("保存画像の確認"));
    setAccessibleName(windowTitle());
    auto* question = new QLabel(QStringLiteral("この画像を保存してよろしいですか？"), this);
    question->setAccessibleName(question->text());
    question->setStyleSheet(QStringLiteral("color: #FF0000;"));
    question->adjustSize();
    // Beside the picture, above the buttons.
    question->move(cmdOk_->x(), cmdOk_->y() - question->height() - 12);
    connect(cmdOk_, &QPushButton::clicked, this, [this] { cmd_OK_Click(); });
    connect(cmdCan_, &QPushButton::clicked, this, [this] { cmd_Can_Click(); });
}

QSize mdiPictConfirm::sizeHint() const
{
    const QRect buttons = cmdOk_->geometry().united(cmdCan_->geometry());
    return {std::max(picture_.width(), buttons.right()) + 16, std::max(picture_.height(), buttons.bottom()) + 16};
}

void mdiPictConfirm::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawImage(0, 0, picture_);
}

void mdiPictConfirm::cmd_OK_Click()
{
    if (finished_) return;
    const MessageAnswer answer =
        boxes_.show({"画像を保存して終了します。\r\n\r\nよろしいですか？", "", MessageIcon::Question, MessageButtons::YesNo});
    if (answer != MessageAnswer::Yes) return;
    if (trapErrors(reporter_, "cmd_OK_Click", [&] { writePicture(picture_, pictureFile_); }) != 0) return;
    finished_ = true;
    actions_.pictureSaved();
}

void mdiPictConfirm::cmd_Can_Click()
{
    if (finished_) return;
    finished_ = true;
    actions_.cancelled();
}

void mdiPictConfirm::lostActivation() { cmd_Can_Click(); }

} // namespace kinsketch
