#pragma once
// The genogram canvas window (mdiGenoInpSave, or mdiGenoInpSave_2 on the
// WIDE screen). It owns the canvas model and shows it through the painting
// routine; it holds nothing the model does not. It can stand alone or sit in
// a QMdiSubWindow, which it then moves instead of itself.

#include "genogram/geno_canvas.h"

#include <QWidget>

namespace kinsketch {

class mdiGenoInpSave : public QWidget {
    Q_OBJECT

public:
    mdiGenoInpSave(CanvasSize size, GdrRecord& document, ErrorReporter& reporter, CanvasContext context = {},
                   QWidget* parent = nullptr);

    GenoCanvas& canvas() { return canvas_; }

    // Redraws the model from the document and shows the window.
    int GfncPrev();
    // The same, after moving the window to its place beside the input panel.
    int GfncPrevMode();

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void moveToTwips(TwipsPlace place);

    GenoCanvas canvas_;
};

} // namespace kinsketch
