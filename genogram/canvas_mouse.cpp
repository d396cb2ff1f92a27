#include "canvas_mouse.h"

#include "document/error_trap.h"

namespace kinsketch {
namespace {

bool isHandle(WidgetKind kind) { return kind == WidgetKind::startHandles || kind == WidgetKind::endHandles; }
bool isCellLabel(WidgetKind kind) { return kind == WidgetKind::ageLabels || kind == WidgetKind::remarkLabels; }

} // namespace

CanvasMouse::CanvasMouse(GenoCanvas& canvas, MessageBoxes& boxes, TextDialog& dialog, const TextMeasure& measure,
                         std::function<void()> showNow)
    : canvas_(canvas)
    , texts_(canvas, boxes, dialog, measure)
    , lines_(canvas, boxes, std::move(showNow))
{}

// Labels take the mouse where they lie, the topmost first; hidden or
// disabled ones, lines and person symbols let it through to the canvas.
CanvasMouse::Target CanvasMouse::widgetAt(float x, float y) const
{
    const auto& order = canvas_.zOrder().bottomToTop();
    for (auto it = order.rbegin(); it != order.rend(); ++it) {
        const LabelWidget* l = canvas_.labelWidget(*it);
        if (!l || !l->visible || !l->enabled) continue;
        if (x >= l->left && x < l->left + l->width && y >= l->top && y < l->top + l->height) return *it;
    }
    return std::nullopt;
}

const LabelWidget& CanvasMouse::label(WidgetId id) const { return *canvas_.labelWidget(id); }

void CanvasMouse::mouseDown(MouseButtons button, float x, float y)
{
    captured_ = widgetAt(x, y);
    pressed_ = true;
    down(captured_, button, x, y);
}

void CanvasMouse::mouseMove(MouseButtons held, float x, float y)
{
    move(pressed_ ? captured_ : widgetAt(x, y), held, x, y);
}

void CanvasMouse::mouseUp(MouseButtons button, float x, float y)
{
    const Target target = pressed_ ? captured_ : widgetAt(x, y);
    pressed_ = false;
    up(target, button, x, y);
}

void CanvasMouse::doubleClick(MouseButtons button, float x, float y)
{
    const Target target = widgetAt(x, y);
    if (button != kLeftButton || !target || target->kind != WidgetKind::textLabels || mode() != InputMode::Text) {
        mouseDown(button, x, y);
        return;
    }
    captured_ = target;
    pressed_ = true;
    // A failed edit ends quietly, leaving the text as far as it got.
    try {
        texts_.edit(target->index);
    } catch (const RunTimeError&) {}
}

// Handlers other than the line routines have no error box of their own; an
// error ends the gesture under the handler's name and the canvas goes on.
void CanvasMouse::down(Target target, MouseButtons button, float x, float y)
{
    if (!target) {
        canvasDown(button, x, y);
        return;
    }
    const WidgetId id = *target;
    const float inX = x - label(id).left, inY = y - label(id).top;
    if (isCellLabel(id.kind)) {
        canvasDown(button, x, y);
    } else if (id.kind == WidgetKind::textLabels) {
        if (mode() == InputMode::FreeLines) {
            canvasDown(button, x, y);
        } else if (mode() == InputMode::Text) {
            if (button == kLeftButton) pointer_ = MousePointer::UpArrow;
            trapErrors(canvas_.reporter(), "lblInp_MouseDown", [&] { texts_.press(id.index, button, inX, inY); });
        }
    } else if (isHandle(id.kind)) {
        if (mode() == InputMode::Text) {
            canvasDown(button, x, y);
        } else if (mode() == InputMode::AddedLines) {
            if (button == kLeftButton) pointer_ = MousePointer::UpArrow;
            lines_.pressHandle(id.index, button, inX, inY);
        }
    }
}

void CanvasMouse::canvasDown(MouseButtons button, float x, float y)
{
    if (mode() == InputMode::Text && button == kLeftButton)
        trapErrors(canvas_.reporter(), "Form_MouseDown", [&] { texts_.place(x, y); });
    else if (mode() == InputMode::FreeLines && freeDrawing_)
        freeDrawing_->mouseDown(button, x, y);
}

void CanvasMouse::move(Target target, MouseButtons held, float x, float y)
{
    const bool freeDrawing = mode() == InputMode::FreeLines && freeDrawing_;
    if (!target || isCellLabel(target->kind)) {
        if (freeDrawing) freeDrawing_->mouseMove(held, x, y);
        return;
    }
    const WidgetId id = *target;
    const float inX = x - label(id).left, inY = y - label(id).top;
    if (id.kind == WidgetKind::textLabels) {
        if (freeDrawing)
            freeDrawing_->mouseMove(held, x, y);
        else if (mode() == InputMode::Text && (held & kLeftButton) != 0)
            trapErrors(canvas_.reporter(), "lblInp_MouseMove", [&] { texts_.drag(id.index, inX, inY); });
    } else if (isHandle(id.kind) && mode() == InputMode::AddedLines && (held & kLeftButton) != 0) {
        lines_.dragHandle(id.index, id.kind == WidgetKind::startHandles ? 1 : 2, inX, inY);
    }
}

void CanvasMouse::up(Target target, MouseButtons button, float x, float y)
{
    const bool freeDrawing = mode() == InputMode::FreeLines && freeDrawing_;
    if (!target || isCellLabel(target->kind)) {
        if (freeDrawing) freeDrawing_->mouseUp(button, x, y);
        return;
    }
    if (target->kind == WidgetKind::textLabels) {
        pointer_ = MousePointer::Default;
        if (freeDrawing) freeDrawing_->mouseUp(button, x, y);
    } else if (isHandle(target->kind)) {
        pointer_ = MousePointer::Default;
        if (mode() == InputMode::AddedLines) lines_.mouseUp(target->index);
    }
}

} // namespace kinsketch
