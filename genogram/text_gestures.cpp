#include "text_gestures.h"

#include "drag_limits.h"
#include "text_label_mapping.h"

#include <algorithm>
#include <cmath>

namespace kinsketch {
namespace {

constexpr float kLabelMargin = 50; // twips around the measured text

// A new text without a font or size takes the canvas's own.
StyledText withDefaults(StyledText values)
{
    const StyledText canvasOwn = textLabelTemplate().text;
    if (values.fontName.empty()) values.fontName = canvasOwn.fontName;
    if (values.fontSize == 0) values.fontSize = canvasOwn.fontSize;
    return values;
}

} // namespace

TextGestures::TextGestures(GenoCanvas& canvas, MessageBoxes& boxes, TextDialog& dialog, const TextMeasure& measure)
    : canvas_(canvas)
    , boxes_(boxes)
    , dialog_(dialog)
    , measure_(measure)
{}

// A number with no label behind it (a loaded document may skip numbers) is
// as free as one whose text was emptied.
int TextGestures::freeSlot() const
{
    for (int n = canvas_.textLabels.upperBound(); n >= 1; --n) {
        const LabelWidget* label = canvas_.textLabels.find(n);
        if (!label || label->tag == kTextFree) return n;
    }
    return 0;
}

// A document may bring up to 100 texts; new ones stop at 99 unless a slot is
// free, so that every text on the canvas fits into the next save.
int TextGestures::place(float x, float y)
{
    const int reuse = freeSlot();
    const int highest = canvas_.textLabels.upperBound();
    if (reuse == 0 && highest >= kHighestNewText) {
        boxes_.show({"これ以上追加できません。", {}, MessageIcon::Exclamation, MessageButtons::Ok});
        return 0;
    }
    LabelWidget placed = textLabelTemplate();
    placed.alignment = kAlignLeft;
    placed.left = x;
    placed.top = y;
    const std::optional<StyledText> edited = dialog_.edit({}, placementOf(placed));
    // An empty text would take a slot and show nothing.
    if (!edited || edited->caption.empty()) return 0;

    const int n = reuse != 0 ? reuse : highest + 1;
    if (!canvas_.textLabels.exists(n)) canvas_.textLabels.load(n, textLabelTemplate());
    LabelWidget& label = canvas_.textLabels[n];
    label.text = withDefaults(*edited);
    label.alignment = kAlignLeft;
    label.tag = kTextInUse;
    label.left = x;
    label.top = y;
    fit(label);
    canvas_.textLabels.bringToFront(n);
    label.visible = true;
    label.enabled = true;
    return n;
}

void TextGestures::press(int n, MouseButtons button, float x, float y)
{
    if (button == kLeftButton) {
        grabX_ = x;
        grabY_ = y;
        return;
    }
    const MessageAnswer answer = boxes_.show(
        {"選択した文字を削除します。\r\n\r\nよろしいですか？", {}, MessageIcon::Question, MessageButtons::YesNo});
    if (answer != MessageAnswer::Yes) return;
    // The tag stays "2": a deleted text's number is not handed out again.
    LabelWidget& label = canvas_.textLabels[n];
    label.visible = false;
    label.enabled = false;
}

void TextGestures::drag(int n, float x, float y)
{
    const DragLimits limits = dragLimits(canvas_.geometry().size);
    LabelWidget& label = canvas_.textLabels[n];
    label.left = std::clamp(label.left + (x - grabX_), 0.0F, limits.textLeft);
    label.top = std::clamp(label.top + (y - grabY_), 0.0F, limits.textTop);
}

int TextGestures::neighbourOnShow(int from, bool forward) const
{
    const int step = forward ? 1 : -1;
    // From no text, backwards starts past the last.
    const int start = from == 0 && !forward ? canvas_.textLabels.upperBound() + 1 : from;
    for (int n = start + step; n >= 1 && n <= canvas_.textLabels.upperBound(); n += step)
        if (const LabelWidget* label = canvas_.textLabels.find(n);
            label && label->visible && !label->text.caption.empty())
            return n;
    return 0;
}

void TextGestures::nudge(int n, float dx, float dy)
{
    grabX_ = 0;
    grabY_ = 0;
    drag(n, dx, dy);
}

void TextGestures::edit(int n)
{
    LabelWidget& label = canvas_.textLabels[n];
    if (label.tag != kTextInUse) return;
    const std::optional<StyledText> values = dialog_.edit(label.text, placementOf(label));
    if (!values) return;
    if (values->caption.empty()) {
        label.tag = kTextFree;
        label.visible = false;
        return;
    }
    label.text = *values;
    fit(label);
}

void TextGestures::fit(LabelWidget& label) const
{
    const TwipsSize size = measure_.measure(label.text);
    label.width = size.width + kLabelMargin;
    label.height = size.height + kLabelMargin;
}

TextPlacement TextGestures::placementOf(const LabelWidget& label) const
{
    return {canvas_.geometry().size, [this, label](const StyledText& values) {
                LabelWidget placed = label;
                placed.text = withDefaults(values);
                fit(placed);
                return placed;
            }};
}

} // namespace kinsketch
