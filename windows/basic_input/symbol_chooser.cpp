#include "symbol_chooser.h"

#include "genogram/symbol_choices.h"
#include "picture/person_symbol_artwork.h"

#include <QAbstractItemView>
#include <QKeyEvent>
#include <QPainter>
#include <QSignalBlocker>
#include <QStylePainter>
#include <QWheelEvent>

#include <algorithm>

namespace kinsketch {
namespace {

constexpr int kIconPixels = 16;

QString choiceName(int choice)
{
    const std::string_view name = kSymbolChoiceNames.at(static_cast<std::size_t>(choice));
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

// The keys a closed list opens on, as on a native drop-down list.
bool opensList(const QKeyEvent& event)
{
    const Qt::KeyboardModifiers modifiers = event.modifiers() & ~Qt::KeypadModifier;
    if (modifiers == Qt::AltModifier) return event.key() == Qt::Key_Down;
    return modifiers == Qt::NoModifier && (event.key() == Qt::Key_Space || event.key() == Qt::Key_F4);
}

} // namespace

QIcon personSymbolIcon(int image, DisplayScale scale)
{
    return QIcon(scale.picture(
        QSize(kIconPixels, kIconPixels),
        [image](QPainter& painter) { drawPersonSymbol(painter, image, QRect(0, 0, kIconPixels, kIconPixels)); },
        Qt::white));
}

SymbolChooser::SymbolChooser(const QString& caption, DisplayScale scale, QWidget* parent)
    : QComboBox(parent)
    , caption_(caption)
{
    // Not wheel focus: the panel scrolls past a chooser the user never chose.
    setFocusPolicy(Qt::StrongFocus);
    setIconSize(QSize(scale.pixels(kIconPixels), scale.pixels(kIconPixels)));
    // The blank item's empty picture keeps its name in line with the others'.
    QPixmap blank(iconSize());
    blank.fill(Qt::transparent);
    for (int choice = 0; choice < kSymbolChoiceCount; ++choice) {
        const QString key = QString::fromLatin1(kSymbolChoiceKeys[static_cast<std::size_t>(choice)]);
        const int image = symbolChoiceImage(choice);
        const QString name = choiceName(choice);
        addItem(image == 0 ? QIcon(blank) : personSymbolIcon(image, scale), name, key);
        setItemData(choice, name, Qt::ToolTipRole);
        setItemData(choice, name, Qt::AccessibleTextRole);
    }
    connect(this, &QComboBox::currentIndexChanged, this, &SymbolChooser::describeCurrent);
    showChoice(-1);
}

void SymbolChooser::showChoice(int choice)
{
    {
        const QSignalBlocker blocker(this);
        setCurrentIndex(choice);
    }
    describeCurrent();
}

// A slot that shows no item yet reads as the blank one, which is what a save stores for it.
void SymbolChooser::describeCurrent()
{
    const QString name = choiceName(std::max(currentIndex(), kBlankChoice));
    setToolTip(name);
    setAccessibleName(QStringLiteral("%1：%2").arg(caption_, name));
}

// The list is wider than the box, so that every name shows whole.
void SymbolChooser::showPopup()
{
    view()->setMinimumWidth(view()->sizeHintForColumn(0) + 2 * view()->frameWidth());
    QComboBox::showPopup();
}

// Every other key passes on, as a closed list that does not use it.
void SymbolChooser::keyPressEvent(QKeyEvent* event)
{
    if (opensList(*event))
        showPopup();
    else
        event->ignore();
}

// The wheel changes a person only in the chooser the user is working in.
void SymbolChooser::wheelEvent(QWheelEvent* event)
{
    if (hasFocus())
        QComboBox::wheelEvent(event);
    else
        event->ignore();
}

// The box is as narrow as the picture: the name is in the list and the tooltip.
// The style's arrow keeps its width at every display size, so in a narrow box
// the picture gives way to nothing: the arrow goes when both do not fit, and
// the box still opens on a click or a key.
void SymbolChooser::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    option.currentText.clear();
    const int side = option.iconSize.height();
    const QRect inside = rect().adjusted(3, 3, -3, -3);
    const QRect arrow = style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxArrow, this);
    const bool arrowFits = arrow.left() - inside.left() >= side;
    if (!arrowFits) option.subControls &= ~QStyle::SC_ComboBoxArrow;
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    const QRect room(inside.topLeft(), QPoint(arrowFits ? arrow.left() - 1 : inside.right(), inside.bottom()));
    const int shown = std::min({side, room.width(), room.height()});
    const QRect place(room.left() + (arrowFits ? 0 : (room.width() - shown) / 2),
                      room.top() + (room.height() - shown) / 2, shown, shown);
    painter.drawPixmap(place, option.currentIcon.pixmap(option.iconSize, devicePixelRatioF()));
}

} // namespace kinsketch
