#pragma once
// The basic-input panel window (mdiGenoInp, or mdiGenoInp_2 on the WIDE
// screen): shows the panel model and turns the user's actions into its
// routines. The line network is painted by the window itself; the slots are
// a background, a symbol chooser and two text boxes each.

#include "genogram/basic_input/basic_input_panel.h"
#include "ui/display_scale.h"

#include <QWidget>

#include <vector>

class QLineEdit;

namespace kinsketch {

class SlotBackground;
class SymbolChooser;

class BasicInputWindow : public QWidget {
    Q_OBJECT

public:
    BasicInputWindow(CanvasSize size, Drawing& drawing, ErrorReporter& reporter, MessageBoxes& boxes,
                     BasicInputNeighbours neighbours, DisplayScale scale = {}, QWidget* parent = nullptr);

    BasicInputPanel& panel() { return panel_; }

    // Fills the window from the document.
    void load();

    SlotBackground* slotBackground(int i) const { return slots_.at(static_cast<std::size_t>(i)).background; }
    SymbolChooser* symbolChooser(int i) const { return slots_.at(static_cast<std::size_t>(i)).chooser; }
    QLineEdit* ageBox(int i) const { return slots_.at(static_cast<std::size_t>(i)).age; }
    QLineEdit* remarkBox(int i) const { return slots_.at(static_cast<std::size_t>(i)).remark; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    struct SlotControls {
        SlotBackground* background;
        SymbolChooser* chooser;
        QLineEdit* age;
        QLineEdit* remark;
    };

    void buildSlot(int i);
    void buildRowCaptions();
    void showSlot(int i);
    // Marks the slot's age and remark boxes whose text the picture would cut.
    void showTextFit(int i);

    BasicInputPanel panel_;
    DisplayScale scale_;
    std::vector<SlotControls> slots_;
};

} // namespace kinsketch
