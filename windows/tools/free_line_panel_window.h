#pragma once
// mdiPan_Com ("Tool Box"): the free-line panel window of input mode 3. Its
// buttons and the 関係線 list call the panel model and it shows the model's registers; the width
// boxes take digits and Backspace only, and Enter or leaving a box checks it.

#include "tools/free_line_panel.h"
#include "ui/display_scale.h"

#include <QWidget>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace kinsketch {

class FreeLinePanelWindow : public QWidget {
    Q_OBJECT

public:
    // The document, the count of its loaded strokes and the registers are
    // shared with the canvas and outlive the window.
    static constexpr QSize kClientTwips{4020, 1320};

    FreeLinePanelWindow(Drawing& drawing, std::int32_t& freeLineCount, FreeLinePanelRegisters& registers,
                        MessageBoxes& boxes, FreeLinePanelNeighbours neighbours, DisplayScale scale = {},
                        QWidget* parent = nullptr);

    FreeLinePanel& model() { return model_; }

    // Fills the registers from the document.
    void load();
    // Shows the registers as they are now; the canvas changes them while
    // drawing, so only what changed is touched.
    void showRegisters();

    void takeColourFromPicker();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPushButton* button(const QString& name, const QString& caption);
    QLineEdit* widthBox(const QString& name, const QString& caption);
    bool checkBox(QLineEdit* box);
    void after(void (FreeLinePanel::*click)());

    FreeLinePanel model_;
    FreeLinePanelRegisters shown_;
    QPushButton* figureButton_;
    QPushButton* eraserButton_;
    QPushButton* relationButton_;
    QComboBox* relationKinds_;
    QPushButton* undoButton_;
    QLineEdit* penWidthBox_;
    QLineEdit* eraserWidthBox_;
    QLabel* colourSample_;
    QLineEdit* focusSink_;
    bool checking_ = false;
};

} // namespace kinsketch
