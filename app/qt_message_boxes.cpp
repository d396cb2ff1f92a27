#include "app/qt_message_boxes.h"

#include <QDialog>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QMessageBox>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>
#include <QWidget>

#include <algorithm>
#include <utility>

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

// The picture at most half the screen's available area, so the box and its
// buttons always fit; never enlarged, which would blur it.
QPixmap fittedPicture(const MessagePicture& picture, const QWidget* parent)
{
    const QImage image(reinterpret_cast<const uchar*>(picture.argb.data()), picture.width, picture.height,
                       static_cast<qsizetype>(picture.width) * 4, QImage::Format_ARGB32);
    const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    const QSize room = screen ? screen->availableSize() / 2 : QSize(640, 384);
    if (image.width() <= room.width() && image.height() <= room.height()) return QPixmap::fromImage(image);
    return QPixmap::fromImage(image.scaled(room, Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

struct Choice {
    QString caption;
    QMessageBox::ButtonRole role;
    MessageAnswer answer;
};

// The two answers of a question, the affirmative first.
std::pair<Choice, Choice> choicesOf(MessageButtons buttons)
{
    if (buttons == MessageButtons::RestoreDiscard)
        return {{QStringLiteral("復元する"), QMessageBox::AcceptRole, MessageAnswer::Restore},
                {QStringLiteral("破棄する"), QMessageBox::DestructiveRole, MessageAnswer::Discard}};
    return {{QStringLiteral("はい"), QMessageBox::YesRole, MessageAnswer::Yes},
            {QStringLiteral("いいえ"), QMessageBox::NoRole, MessageAnswer::No}};
}

// Which button Enter presses and which has the focus. With no default
// answer neither button reacts to Enter and the negative one has the focus,
// so a stray Space asks once more rather than taking the affirmative answer.
void setDefaults(QPushButton& yes, QPushButton& no, DefaultAnswer defaultAnswer)
{
    yes.setAutoDefault(false);
    no.setAutoDefault(false);
    QPushButton* focused = defaultAnswer == DefaultAnswer::Affirmative ? &yes : &no;
    if (defaultAnswer != DefaultAnswer::None) focused->setDefault(true);
    focused->setFocus();
}

MessageAnswer askBetween(QMessageBox& box, const Choice& affirmative, const Choice& negative,
                         DefaultAnswer defaultAnswer)
{
    QPushButton* yes = addButton(box, affirmative.caption, affirmative.role);
    QPushButton* no = addButton(box, negative.caption, negative.role);
    setDefaults(*yes, *no, defaultAnswer);
    // A destructive answer is never Esc's, nor any answer when none is the default.
    if (defaultAnswer != DefaultAnswer::None && negative.role == QMessageBox::NoRole) box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes ? affirmative.answer : negative.answer;
}

// A question with its picture above the text: a message box would put the
// picture in its icon's place and squeeze the text into a column beside it.
// Esc and the close button choose nothing.
class PictureQuestion : public QDialog {
public:
    PictureQuestion(const MessageRequest& request, const QString& title, QWidget* parent)
        : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::CustomizeWindowHint)
    {
        setWindowTitle(title);
        setAccessibleName(title);
        auto* layout = new QVBoxLayout(this);
        auto* picture = new QLabel(this);
        picture->setPixmap(fittedPicture(request.picture, parent));
        picture->setAlignment(Qt::AlignCenter);
        picture->setAccessibleName(QStringLiteral("記録の図"));
        auto* text = new QLabel(QString::fromStdString(request.text), this);
        text->setWordWrap(true);
        text->setMinimumWidth(std::max(picture->pixmap().width(), 360));
        layout->addWidget(picture);
        layout->addWidget(text);
        const auto [affirmative, negative] = choicesOf(request.buttons);
        auto* row = new QHBoxLayout;
        row->addStretch();
        QPushButton* yes = addChoice(affirmative, *row);
        QPushButton* no = addChoice(negative, *row);
        layout->addLayout(row);
        setDefaults(*yes, *no, request.defaultAnswer);
        layout->setSizeConstraint(QLayout::SetFixedSize);
    }

    MessageAnswer ask()
    {
        exec();
        return answer_;
    }

    void reject() override {}

private:
    QPushButton* addChoice(const Choice& choice, QHBoxLayout& row)
    {
        auto* button = new QPushButton(choice.caption, this);
        button->setAccessibleName(choice.caption);
        row.addWidget(button);
        connect(button, &QPushButton::clicked, this, [this, answer = choice.answer] {
            answer_ = answer;
            accept();
        });
        return button;
    }

    MessageAnswer answer_ = MessageAnswer::No;
};

} // namespace

MessageAnswer QtMessageBoxes::show(const MessageRequest& request)
{
    ++open_;
    struct Closed {
        int& open;
        ~Closed() { --open; }
    } closed{open_};
    const QString title = QString::fromStdString(request.title.empty() ? kApplicationTitle : request.title);
    if (!request.picture.empty() && request.buttons != MessageButtons::Ok)
        return PictureQuestion(request, title, parent_).ask();
    QMessageBox box(parent_);
    box.setWindowTitle(title);
    box.setAccessibleName(title);
    box.setText(QString::fromStdString(request.text));
    box.setIcon(qtIcon(request.icon));
    if (request.buttons != MessageButtons::Ok) {
        const auto [affirmative, negative] = choicesOf(request.buttons);
        return askBetween(box, affirmative, negative, request.defaultAnswer);
    }
    box.setDefaultButton(addButton(box, QStringLiteral("OK"), QMessageBox::AcceptRole));
    box.exec();
    return MessageAnswer::Ok;
}

} // namespace kinsketch
