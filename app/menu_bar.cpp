#include "app/menu_bar.h"

#include "document/version.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QToolButton>

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

QToolButton* commandButton(const QString& caption, const char* name, const QIcon& icon, QWidget* parent)
{
    auto* button = new QToolButton(parent);
    button->setIcon(icon);
    button->setText(caption);
    button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    button->setFixedSize(48, 48);
    button->setObjectName(QString::fromLatin1(name));
    button->setAccessibleName(caption);
    button->setIconSize(QSize(20, 20));
    return button;
}

} // namespace

MenuBar::MenuBar(std::function<void()> save, std::function<void()> end, QWidget* parent)
    : QWidget(parent)
    , saveButton_(commandButton(QStringLiteral("保存"), "cmdSave", saveIcon(), this))
    , endButton_(commandButton(QStringLiteral("終了"), "cmd_End", endIcon(), this))
    , versionLabel_(new QLabel(
          QStringLiteral("Version %1.%2.%3").arg(kVersionMajor).arg(kVersionMinor).arg(kVersionRevision), this))
{
    setObjectName(QStringLiteral("mdiMenuBar"));
    setWindowTitle(QStringLiteral("メニュー"));
    setAccessibleName(windowTitle());
    versionLabel_->setObjectName(QStringLiteral("lblVer"));
    versionLabel_->setAccessibleName(versionLabel_->text());
    auto* line = new QFrame(this);
    line->setObjectName(QStringLiteral("Line1"));
    line->setFrameShape(QFrame::VLine);
    // The bar fits the 2250 twips between its place and the screen switch's.
    versionLabel_->setWordWrap(true);
    QFont small = versionLabel_->font();
    small.setPointSizeF(small.pointSizeF() * 0.8);
    versionLabel_->setFont(small);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(3, 3, 3, 3);
    layout->setSpacing(2);
    setFixedSize(150, 54);
    layout->addWidget(saveButton_);
    layout->addWidget(endButton_);
    layout->addWidget(line);
    layout->addWidget(versionLabel_);
    connect(saveButton_, &QToolButton::clicked, this, [save = std::move(save)] { save(); });
    connect(endButton_, &QToolButton::clicked, this, [end = std::move(end)] { end(); });
}

} // namespace kinsketch
