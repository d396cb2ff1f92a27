#include "app/menu_bar.h"

#include "document/version.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

namespace kinsketch {
namespace {

// The buttons' pictures, drawn here so that no image file has to ship.
QIcon saveIcon()
{
    QPixmap pixmap(24, 24);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setPen(QPen(QColor(0x20, 0x40, 0x80), 1));
    p.setBrush(QColor(0x3A, 0x6E, 0xC0));
    p.drawRect(3, 3, 17, 17);
    p.setBrush(Qt::white);
    p.drawRect(7, 3, 9, 6);
    p.drawRect(6, 13, 11, 7);
    return QIcon(pixmap);
}

QIcon endIcon()
{
    QPixmap pixmap(24, 24);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setPen(QPen(QColor(0x80, 0x20, 0x20), 3));
    p.drawLine(6, 6, 18, 18);
    p.drawLine(18, 6, 6, 18);
    return QIcon(pixmap);
}

QPushButton* commandButton(const QString& caption, const char* name, const QIcon& icon, QWidget* parent)
{
    auto* button = new QPushButton(icon, caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAccessibleName(caption);
    button->setIconSize(QSize(24, 24));
    return button;
}

} // namespace

mdiMenuBar::mdiMenuBar(std::function<void()> save, std::function<void()> end, QWidget* parent)
    : QWidget(parent)
    , cmdSave_(commandButton(QStringLiteral("保存"), "cmdSave", saveIcon(), this))
    , cmdEnd_(commandButton(QStringLiteral("終了"), "cmd_End", endIcon(), this))
    , lblVer_(new QLabel(QStringLiteral("Version %1.%2.%3").arg(kVersionMajor).arg(kVersionMinor).arg(kVersionRevision), this))
{
    setObjectName(QStringLiteral("mdiMenuBar"));
    setWindowTitle(QStringLiteral("メニュー"));
    setAccessibleName(windowTitle());
    lblVer_->setObjectName(QStringLiteral("lblVer"));
    lblVer_->setAccessibleName(lblVer_->text());
    auto* line = new QFrame(this);
    line->setObjectName(QStringLiteral("Line1"));
    line->setFrameShape(QFrame::VLine);
    auto* layout = new QHBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(cmdSave_);
    layout->addWidget(cmdEnd_);
    layout->addWidget(line);
    layout->addWidget(lblVer_);
    connect(cmdSave_, &QPushButton::clicked, this, [save = std::move(save)] { save(); });
    connect(cmdEnd_, &QPushButton::clicked, this, [end = std::move(end)] { end(); });
}

} // namespace kinsketch
