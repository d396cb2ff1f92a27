#pragma once
// symbolChooser: the person-symbol chooser of one panel slot. Its items carry the
// same pictures the canvas draws; the user can type into it, but typed text
// is never kept (the panel empties the slot instead).

#include "ui/display_scale.h"

#include <QComboBox>

namespace kinsketch {

class SymbolChooser : public QComboBox {
    Q_OBJECT
public:
    explicit SymbolChooser(DisplayScale scale = {}, QWidget* parent = nullptr);

protected:
    void wheelEvent(QWheelEvent* event) override;
};

// The picture of symbol image 1–14, drawn by the canvas's artwork.
QIcon personSymbolIcon(int image, DisplayScale scale = {});

} // namespace kinsketch
