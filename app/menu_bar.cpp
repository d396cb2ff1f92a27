#include "app/menu_bar.h"

#include "app/command_keys.h"

#include "document/version.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QSignalBlocker>
#include <QStandardItemModel>
#include <QToolButton>

namespace kinsketch {
namespace {

constexpr int kIconPixels = 24;

// The buttons' pictures, drawn here so that no image file has to ship.
QIcon saveIcon(DisplayScale scale)
{
    return QIcon(scale.picture(QSize(kIconPixels, kIconPixels), [](QPainter& p) {
        p.setPen(QPen(QColor(0x20, 0x40, 0x80), 1));
        p.setBrush(QColor(0x3A, 0x6E, 0xC0));
        p.drawRect(3, 3, 17, 17);
        p.setBrush(Qt::white);
        p.drawRect(7, 3, 9, 6);
        p.drawRect(6, 13, 11, 7);
    }));
}

QIcon endIcon(DisplayScale scale)
{
    return QIcon(scale.picture(QSize(kIconPixels, kIconPixels), [](QPainter& p) {
        p.setPen(QPen(QColor(0x80, 0x20, 0x20), 3));
        p.drawLine(6, 6, 18, 18);
        p.drawLine(18, 6, 6, 18);
    }));
}

// A curved arrow turning back to the left (undo) or on to the right (redo).
QIcon historyIcon(bool forward, DisplayScale scale)
{
    return QIcon(scale.picture(QSize(kIconPixels, kIconPixels), [forward](QPainter& p) {
        if (forward) {
            p.translate(kIconPixels, 0);
            p.scale(-1, 1);
        }
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(QColor(0x20, 0x60, 0x30), 2.5));
        p.drawArc(QRectF(6, 6, 14, 12), 90 * 16, -200 * 16);
        p.setBrush(QColor(0x20, 0x60, 0x30));
        p.setPen(Qt::NoPen);
        p.drawPolygon(QPolygonF({QPointF(3, 6), QPointF(11, 1), QPointF(11, 11)}));
    }));
}

// A printer with a sheet going in at the back and the printed sheet coming out.
QIcon printIcon(DisplayScale scale)
{
    return QIcon(scale.picture(QSize(kIconPixels, kIconPixels), [](QPainter& p) {
        p.setPen(QPen(QColor(0x40, 0x40, 0x40), 1));
        p.setBrush(Qt::white);
        p.drawRect(7, 2, 10, 7);
        p.setBrush(QColor(0x70, 0x78, 0x88));
        p.drawRoundedRect(QRectF(2.5, 8.5, 19, 9), 2, 2);
        p.setBrush(Qt::white);
        p.drawRect(6, 14, 12, 8);
        p.setPen(QPen(QColor(0x3A, 0x6E, 0xC0), 1));
        p.drawLine(8, 17, 15, 17);
        p.drawLine(8, 19, 13, 19);
    }));
}

QToolButton* commandButton(const QString& caption, const char* name, const QIcon& icon, QRect place, DisplayScale scale,
                           QWidget* parent)
{
    auto* button = new QToolButton(parent);
    button->setIcon(icon);
    button->setText(caption);
    button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    button->setGeometry(place);
    button->setObjectName(QString::fromLatin1(name));
    button->setAccessibleName(caption);
    button->setIconSize(QSize(scale.pixels(20), scale.pixels(20)));
    return button;
}

} // namespace

MenuBar::MenuBar(Commands commands, DisplayScale scale, QWidget* parent)
    : QWidget(parent)
    , saveButton_(
          commandButton(QStringLiteral("保存"), "cmdSave", saveIcon(scale), scale.rect(45, 45, 720, 720), scale, this))
    , endButton_(
          commandButton(QStringLiteral("終了"), "cmd_End", endIcon(scale), scale.rect(795, 45, 720, 720), scale, this))
    , undoButton_(commandButton(QStringLiteral("元に戻す"), "cmdUndo", historyIcon(false, scale),
                                scale.rect(1545, 45, 900, 720), scale, this))
    , redoButton_(commandButton(QStringLiteral("やり直し"), "cmdRedo", historyIcon(true, scale),
                                scale.rect(2475, 45, 900, 720), scale, this))
    , printButton_(commandButton(QStringLiteral("印刷"), "cmdPrint", printIcon(scale), scale.rect(3405, 45, 630, 720),
                                 scale, this))
    , versionLabel_(new QLabel(
          QStringLiteral("Version %1.%2.%3").arg(kVersionMajor).arg(kVersionMinor).arg(kVersionRevision), this))
    , displaySizeBox_(new QComboBox(this))
{
    setObjectName(QStringLiteral("mdiMenuBar"));
    setWindowTitle(QStringLiteral("メニュー"));
    setAccessibleName(windowTitle());
    scale.scaleFont(*this);
    setFixedSize(scale.size(kClientTwips.width(), kClientTwips.height()));
    auto* line = new QFrame(this);
    line->setObjectName(QStringLiteral("Line1"));
    line->setFrameShape(QFrame::VLine);
    line->setGeometry(scale.rect(4050, 45, 60, 720));

    versionLabel_->setObjectName(QStringLiteral("lblVer"));
    versionLabel_->setAccessibleName(versionLabel_->text());
    versionLabel_->setFont(scale.font([] {
        QFont small;
        small.setPointSizeF(small.pointSizeF() * 0.8);
        return small;
    }()));
    versionLabel_->setGeometry(scale.rect(4125, 45, 1050, 300));

    const QString sizeCaption = QStringLiteral("表示サイズ");
    displaySizeBox_->setObjectName(QStringLiteral("cboDisplaySize"));
    displaySizeBox_->setAccessibleName(sizeCaption);
    displaySizeBox_->addItem(QStringLiteral("自動"), kAutomaticDisplaySize);
    for (const int percent : DisplayScale::kPercents)
        displaySizeBox_->addItem(QStringLiteral("%1 %").arg(percent), percent);
    displaySizeBox_->setGeometry(scale.rect(4125, 390, 1050, 375));
    showDisplaySizes({kAutomaticDisplaySize, scale, scale, {true, true, true, true}});

    connect(saveButton_, &QToolButton::clicked, this, [save = std::move(commands.save)] { save(); });
    connect(endButton_, &QToolButton::clicked, this, [end = std::move(commands.end)] { end(); });
    connect(undoButton_, &QToolButton::clicked, this, [undo = std::move(commands.undo)] { undo(); });
    connect(redoButton_, &QToolButton::clicked, this, [redo = std::move(commands.redo)] { redo(); });
    connect(printButton_, &QToolButton::clicked, this, [print = std::move(commands.print)] { print(); });
    const CommandKeys& keys = commandKeys();
    for (const auto& [button, key] : {std::pair{saveButton_, keys.save}, std::pair{undoButton_, keys.undo},
                                      std::pair{redoButton_, keys.redo}, std::pair{printButton_, keys.print}})
        button->setToolTip(withKey(button->text(), key));
    showHistory(false, false);
    connect(displaySizeBox_, &QComboBox::activated, this,
            [this, choose = std::move(commands.chooseDisplaySize)](int index) {
                choose(displaySizeBox_->itemData(index).toInt());
            });
}

void MenuBar::showHistory(bool canUndo, bool canRedo)
{
    undoButton_->setEnabled(canUndo);
    redoButton_->setEnabled(canRedo);
}

void MenuBar::showDisplaySizes(const DisplaySizes& sizes)
{
    const QSignalBlocker blocker(displaySizeBox_);
    displaySizeBox_->setCurrentIndex(displaySizeBox_->findData(sizes.choiceInForce()));
    auto* items = qobject_cast<QStandardItemModel*>(displaySizeBox_->model());
    for (int i = 0; i < displaySizeBox_->count(); ++i) {
        const int percent = displaySizeBox_->itemData(i).toInt();
        const bool offered = percent == kAutomaticDisplaySize || sizes.fits(percent);
        items->item(i)->setEnabled(offered);
        displaySizeBox_->setItemData(
            i, offered ? QVariant() : QVariant(QStringLiteral("%1 % ではこの画面に収まりません").arg(percent)),
            Qt::ToolTipRole);
    }
    const CommandKeys& keys = commandKeys();
    displaySizeBox_->setToolTip(QStringLiteral("表示サイズ：%1（%2 大きく / %3 小さく / %4 自動）")
                                    .arg(sizes.choiceInForce() == kAutomaticDisplaySize
                                             ? QStringLiteral("自動 %1 %").arg(sizes.shown.percent())
                                             : QStringLiteral("%1 %").arg(sizes.shown.percent()),
                                         keys.largerDisplay.front().toString(QKeySequence::NativeText),
                                         keys.smallerDisplay.toString(QKeySequence::NativeText),
                                         keys.automaticDisplay.toString(QKeySequence::NativeText)));
}

} // namespace kinsketch
