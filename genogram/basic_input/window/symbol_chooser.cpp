#include "symbol_chooser.h"

#include "genogram/basic_input/symbol_choices.h"
#include "picture/person_symbol_artwork.h"

#include <QPainter>
#include <QPixmap>

namespace kinsketch {
namespace {

constexpr int kIconPixels = 16;

} // namespace

QIcon personSymbolIcon(int image)
{
    QPixmap pixmap(kIconPixels, kIconPixels);
    pixmap.fill(Qt::white);
    QPainter painter(&pixmap);
    drawPersonSymbol(painter, image, QRect(0, 0, kIconPixels, kIconPixels));
    return QIcon(pixmap);
}

SymbolChooser::SymbolChooser(QWidget* parent)
    : QComboBox(parent)
{
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr);
    setIconSize(QSize(kIconPixels, kIconPixels));
    for (int choice = 0; choice < kSymbolChoiceCount; ++choice) {
        const QString key = QString::fromLatin1(kSymbolChoiceKeys[static_cast<std::size_t>(choice)]);
        const int image = symbolChoiceImage(choice);
        if (image == 0)
            addItem(QString(), key);
        else
            addItem(personSymbolIcon(image), QString(), key);
    }
    setCurrentIndex(-1);
}

} // namespace kinsketch
