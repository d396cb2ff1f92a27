#pragma once
// symbolChooser: the person-symbol chooser of one panel slot. Its items carry the
// same pictures the canvas draws, each with its name. A symbol is chosen only in
// the open list: while the list is closed no key changes the person, and the
// wheel only when the chooser has the focus.

#include "ui/display_scale.h"

#include <QComboBox>

namespace kinsketch {

class SymbolChooser : public QComboBox {
    Q_OBJECT
public:
    // `caption` names the slot; the accessible name adds the symbol shown.
    explicit SymbolChooser(const QString& caption, DisplayScale scale = {}, QWidget* parent = nullptr);

    // Shows item `choice` (or none for -1) without reporting a change.
    void showChoice(int choice);
    void showPopup() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void describeCurrent();

    QString caption_;
};

// The picture of symbol image 1–14, drawn by the canvas's artwork.
QIcon personSymbolIcon(int image, DisplayScale scale = {});

} // namespace kinsketch
