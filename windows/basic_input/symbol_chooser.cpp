#include "symbol_chooser.h"

#include "genogram/basic_input/symbol_choices.h"
#include "picture/person_symbol_artwork.h"

#include <QPainter>
#include <QWheelEvent>

namespace kinsketch {
namespace {

constexpr int kIconPixels = 16;

} // namespace

QIcon personSymbolIcon(int image, DisplayScale scale)
{
    return QIcon(scale.picture(
        QSize(kIconPixels, kIconPixels),
        [image](QPainter& painter) { drawPersonSymbol(painter, image, QRect(0, 0, kIconPixels, kIconPixels)); },
        Qt::white));
}

SymbolChooser::SymbolChooser(DisplayScale scale, QWidget* parent)
    : QComboBox(parent)
{
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr);
    // Not wheel focus: the panel scrolls past a chooser the user never chose.
    setFocusPolicy(Qt::StrongFocus);
    setIconSize(QSize(scale.pixels(kIconPixels), scale.pixels(kIconPixels)));
    for (int choice = 0; choice < kSymbolChoiceCount; ++choice) {
        const QString key = QString::fromLatin1(kSymbolChoiceKeys[static_cast<std::size_t>(choice)]);
        const int image = symbolChoiceImage(choice);
        if (image == 0)
            addItem(QString(), key);
        else
            addItem(personSymbolIcon(image, scale), QString(), key);
    }
    setCurrentIndex(-1);
}

// The wheel changes a person only in the chooser the user is working in.
void SymbolChooser::wheelEvent(QWheelEvent* event)
{
    if (hasFocus())
        QComboBox::wheelEvent(event);
    else
        event->ignore();
}

} // namespace kinsketch
