#pragma once
// The genogram canvas window (mdiGenoInpSave, or mdiGenoInpSave_2 on the
// WIDE screen). It owns the canvas model and shows it through the painting
// routine; it holds nothing the model does not. It is drawn at the display
// size; the mouse is turned back into the document's twips.

#include "genogram/canvas_keys.h"
#include "genogram/canvas_mouse.h"
#include "genogram/canvas_opening.h"
#include "genogram/free_drawing.h"
#include "genogram/geno_canvas.h"
#include "label_text_measure.h"

#include "picture/kept_canvas_picture.h"
#include "ui/display_scale.h"

#include <QWidget>

#include <memory>

namespace kinsketch {

class CanvasWindow : public QWidget {
    Q_OBJECT

public:
    CanvasWindow(CanvasSize size, Drawing& drawing, ErrorReporter& reporter, DisplayScale scale = {},
                 CanvasContext context = {}, QWidget* parent = nullptr);

    GenoCanvas& canvas() { return canvas_; }
    const GenoCanvas& canvas() const { return canvas_; }

    // Lets the mouse edit texts and added lines; until then the canvas only
    // shows. The boxes and the dialog must outlive the window.
    void enableEditing(MessageBoxes& boxes, TextDialog& dialog);
    // Null until editing is enabled.
    CanvasMouse* mouse() { return mouse_.get(); }

    // The added-line routines of the canvas, for the line tool window and the
    // input-mode switch; each shows its result at once. addLine needs
    // editing enabled and returns 1 without it.
    std::int16_t addLine();
    bool drawAddedLines(AddedLineDraw how);
    bool drawAddedLine(int n, AddedLineDraw how);

    // Redraws the model from the document and shows the window.
    bool rebuild();
    // Opens the document on the canvas and shows it.
    CanvasLoad openDocument(CanvasLayerStore& layers);
    // The same on a canvas that shows a drawing: what it showed goes first.
    CanvasLoad reopenDocument(CanvasLayerStore& layers, const DrawingChange& change);

    // Shows what one free-drawing event changed: the new segments are drawn
    // over the picture the window keeps, and only their place is repainted.
    void showFreeLineStep(const FreeLineStep& step);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    // The chosen text's mark shows only while the canvas has the focus.
    void focusInEvent(QFocusEvent*) override { update(); }
    void focusOutEvent(QFocusEvent*) override { update(); }

private:
    // Device pixels per 96-dpi pixel of the picture shown.
    double paintScale() const;
    void showMouseResult();
    void showChanges();
    void repaintFromPicture(const QRegion& deviceArea);

    GenoCanvas canvas_;
    DisplayScale scale_;
    LabelTextMeasure measure_;
    std::unique_ptr<CanvasMouse> mouse_;
    std::unique_ptr<CanvasKeys> keys_;
    // The canvas as last painted, without the live figure segment, and the
    // part of the window that only needs that picture shown again.
    KeptCanvasPicture picture_;
    QRegion pictureCurrentIn_;
    std::int32_t live_ = 0;
    QRect liveRect_;
    bool stepShown_ = false;
};

} // namespace kinsketch
