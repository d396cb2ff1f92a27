#include "text_label_mapping.h"

#include "geno_canvas.h"

#include "document/run_time_error.h"

#include <cmath>
#include <string>

namespace kinsketch {
namespace {

// Font sizes are stored as whole points, halves to even.
std::uint8_t storedFontSize(float points)
{
    const float rounded = std::nearbyint(points);
    if (!(rounded >= 0 && rounded <= 255)) throw RunTimeError::overflow("FontSize " + std::to_string(points));
    return static_cast<std::uint8_t>(rounded);
}

} // namespace

TextLabelRecord textRecordOf(const LabelWidget& label)
{
    const StyledText& text = label.text;
    TextLabelRecord r;
    r.caption = text.caption;
    r.alignment = label.alignment;
    r.fontName = text.fontName;
    r.fontSize = storedFontSize(text.fontSize);
    r.bold = toBool16(text.bold);
    r.italic = toBool16(text.italic);
    r.strikethrough = toBool16(text.strikethrough);
    r.underline = toBool16(text.underline);
    r.colour = text.colour;
    r.left = label.left;
    r.top = label.top;
    r.width = label.width;
    r.height = label.height;
    r.used = kTrue;
    return r;
}

LabelWidget textLabelOf(const TextLabelRecord& r)
{
    LabelWidget label = textLabelTemplate();
    label.text = {.caption = r.caption,
                  .fontName = r.fontName,
                  .fontSize = static_cast<float>(r.fontSize),
                  .colour = r.colour,
                  .bold = r.bold != kFalse,
                  .italic = r.italic != kFalse,
                  .strikethrough = r.strikethrough != kFalse,
                  .underline = r.underline != kFalse};
    label.alignment = r.alignment;
    label.left = r.left;
    label.top = r.top;
    label.width = r.width;
    label.height = r.height;
    label.visible = true;
    return label;
}

} // namespace kinsketch
