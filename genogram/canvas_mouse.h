#pragma once
// The mouse on the genogram canvas. The window hands over every event in
// canvas twips; this finds the widget under the pointer, routes the event
// by widget and input mode (1 texts, 2 added lines, 3 free drawing) and
// keeps the pointer shape. The widget that took a button press receives the
// moves and the release that follow it, wherever the pointer goes.

#include "added_line_gestures.h"
#include "free_drawing_gestures.h"
#include "geno_canvas.h"
#include "mouse_buttons.h"
#include "text_gestures.h"

#include <functional>
#include <optional>

namespace kinsketch {

enum class MousePointer { Default, UpArrow };

class CanvasMouse {
public:
    CanvasMouse(
        GenoCanvas& canvas, MessageBoxes& boxes, TextDialog& dialog, const TextMeasure& measure,
        std::function<void()> showNow = [] {});

    void mouseDown(MouseButtons button, float x, float y);
    void mouseMove(MouseButtons held, float x, float y);
    void mouseUp(MouseButtons button, float x, float y);
    // The second press of a double-click. Only a text in text mode has a use
    // for it; elsewhere it counts as an ordinary press, so no click is lost.
    void doubleClick(MouseButtons button, float x, float y);

    // Mode 3 gestures; null until the free-line panel installs them.
    void setFreeDrawing(FreeDrawingGestures* gestures) { freeDrawing_ = gestures; }

    MousePointer pointer() const { return pointer_; }
    AddedLineGestures& addedLines() { return lines_; }
    TextGestures& texts() { return texts_; }

private:
    // The canvas itself is the target when no widget is.
    using Target = std::optional<WidgetId>;

    Target widgetAt(float x, float y) const;
    const LabelWidget& label(WidgetId id) const;
    InputMode mode() const { return canvas_.inputMode(); }
    void down(Target target, MouseButtons button, float x, float y);
    void move(Target target, MouseButtons held, float x, float y);
    void up(Target target, MouseButtons button, float x, float y);
    void canvasDown(MouseButtons button, float x, float y);

    GenoCanvas& canvas_;
    TextGestures texts_;
    AddedLineGestures lines_;
    FreeDrawingGestures* freeDrawing_ = nullptr;
    MousePointer pointer_ = MousePointer::Default;
    Target captured_;
    bool pressed_ = false;
};

} // namespace kinsketch
