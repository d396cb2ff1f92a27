#include "app/qt_message_boxes.h"

#include <QMessageBox>
#include <QPushButton>

namespace kinsketch {
namespace {

QMessageBox::Icon qtIcon(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Exclamation: return QMessageBox::Warning;
    case MessageIcon::Question: return QMessageBox::Question;
    case MessageIcon::Information: return QMessageBox::Information;
    case MessageIcon::Critical: return QMessageBox::Critical;
    case MessageIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

QPushButton* addButton(QMessageBox& box, const QString& caption, QMessageBox::ButtonRole role)
{
    QPushButton* button = box.addButton(caption, role);
    button->setAccessibleName(caption);
    return button;
}

} // namespace

MessageAnswer QtMessageBoxes::show(const MessageRequest& request)
{
    ++open_;
    struct Closed {
        int& open;
        ~Closed() { --open; }
    } closed{open_};
    QMessageBox box(parent_);
    const QString title = QString::fromStdString(request.title.empty() ? kApplicationTitle : request.title);
    box.setWindowTitle(title);
    box.setAccessibleName(title);
    box.setText(QString::fromStdString(request.text));
    box.setIcon(qtIcon(request.icon));
    if (request.buttons == MessageButtons::Ok) {
        box.setDefaultButton(addButton(box, QStringLiteral("OK"), QMessageBox::AcceptRole));
        box.exec();
        return MessageAnswer::Ok;
    }
    QPushButton* yes = addButton(box, QStringLiteral("はい"), QMessageBox::YesRole);
    QPushButton* no = addButton(box, QStringLiteral("いいえ"), QMessageBox::NoRole);
    box.setDefaultButton(no);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes ? MessageAnswer::Yes : MessageAnswer::No;
}

} // namespace kinsketch
