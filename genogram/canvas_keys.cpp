#include "canvas_keys.h"

#include "canvas_layers.h"

namespace kinsketch {

CanvasKeys::CanvasKeys(GenoCanvas& canvas, TextGestures& texts)
    : canvas_(canvas)
    , texts_(texts)
{}

int CanvasKeys::chosenText() const
{
    return chosen_ != 0 && isTextOnShow(canvas_.document().texts.at(static_cast<std::size_t>(chosen_))) ? chosen_ : 0;
}

bool CanvasKeys::press(CanvasKey key, bool far)
{
    if (canvas_.inputMode() != InputMode::Text) return false;
    if (key == CanvasKey::NextText || key == CanvasKey::PreviousText) {
        chosen_ = texts_.neighbourOnShow(chosenText(), key == CanvasKey::NextText);
        return chosen_ != 0;
    }
    const int n = chosenText();
    if (key == CanvasKey::NewText || (key == CanvasKey::Edit && n == 0)) {
        if (const int placed = texts_.place(kNewTextPlace, kNewTextPlace)) chosen_ = placed;
        return true;
    }
    if (n == 0) return false;
    const float step = far ? 10 * kStepTwips : kStepTwips;
    switch (key) {
    case CanvasKey::Left: texts_.nudge(n, -step, 0); break;
    case CanvasKey::Right: texts_.nudge(n, step, 0); break;
    case CanvasKey::Up: texts_.nudge(n, 0, -step); break;
    case CanvasKey::Down: texts_.nudge(n, 0, step); break;
    case CanvasKey::Edit: texts_.edit(n); break;
    case CanvasKey::Delete: texts_.press(n, kRightButton, 0, 0); break;
    case CanvasKey::NextText:
    case CanvasKey::PreviousText:
    case CanvasKey::NewText: break;
    }
    return true;
}

} // namespace kinsketch
