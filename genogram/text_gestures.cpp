#include "text_gestures.h"

#include "canvas_layers.h"
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

const TextLabelRecord& TextGestures::text(int n) const
{
    return canvas_.document().texts.at(static_cast<std::size_t>(n));
}

// The highest number not in use and not deleted: one the document skipped,
// or one whose text was emptied.
int TextGestures::freeNumber() const
{
    const auto& texts = canvas_.document().texts;
    for (int n = highestTextNumber(canvas_.document()); n >= 1; --n) {
        const TextLabelRecord& text = texts[static_cast<std::size_t>(n)];
        if (text.used == kFalse && text.caption.empty()) return n;
    }
    return 0;
}

// A document may bring up to 100 texts; new ones stop at 99 unless a number
// is free, so that every text on the canvas fits into the next save.
int TextGestures::place(float x, float y)
{
    const int reuse = freeNumber();
    const int highest = highestTextNumber(canvas_.document());
    if (reuse == 0 && highest >= kHighestNewText) {
        boxes_.show({"これ以上追加できません。", {}, MessageIcon::Exclamation, MessageButtons::Ok});
        return 0;
    }
    LabelWidget placed = textLabelTemplate();
    placed.alignment = kAlignLeft;
    placed.left = x;
    placed.top = y;
    const std::optional<StyledText> edited = dialog_.edit({}, placementOf(placed));
    // An empty text would take a number and show nothing.
    if (!edited || edited->caption.empty()) return 0;

    const int n = reuse != 0 ? reuse : highest + 1;
    placed.text = withDefaults(*edited);
    fit(placed);
    canvas_.drawing().setText(n, textRecordOf(placed));
    canvas_.showText(n, true);
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
    // The record stays with its caption: a deleted text's number is not
    // handed out again.
    TextLabelRecord deleted = text(n);
    deleted.used = kFalse;
    canvas_.drawing().setText(n, deleted);
    canvas_.showText(n, false);
}

void TextGestures::drag(int n, float x, float y)
{
    const DragLimits limits = dragLimits(canvas_.geometry().size);
    TextLabelRecord moved = text(n);
    moved.left = std::clamp(moved.left + (x - grabX_), 0.0F, limits.textLeft);
    moved.top = std::clamp(moved.top + (y - grabY_), 0.0F, limits.textTop);
    canvas_.drawing().setText(n, moved);
    canvas_.showText(n, false);
}

int TextGestures::neighbourOnShow(int from, bool forward) const
{
    const auto& texts = canvas_.document().texts;
    const int step = forward ? 1 : -1;
    // From no text, backwards starts past the last.
    const int last = static_cast<int>(texts.size()) - 1;
    const int start = from == 0 && !forward ? last + 1 : from;
    for (int n = start + step; n >= 1 && n <= last; n += step)
        if (isTextOnShow(texts[static_cast<std::size_t>(n)])) return n;
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
    if (text(n).used == kFalse) return;
    LabelWidget label = textLabelOf(text(n));
    const std::optional<StyledText> values = dialog_.edit(label.text, placementOf(label));
    if (!values) return;
    if (values->caption.empty()) {
        // Emptied, the text frees its number for the next one.
        TextLabelRecord emptied = text(n);
        emptied.used = kFalse;
        emptied.caption.clear();
        canvas_.drawing().setText(n, emptied);
    } else {
        label.text = *values;
        fit(label);
        canvas_.drawing().setText(n, textRecordOf(label));
    }
    canvas_.showText(n, false);
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
