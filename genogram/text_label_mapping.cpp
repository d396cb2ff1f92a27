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
    r.Caption = text.caption;
    r.Alignment = label.alignment;
    r.FontName = text.fontName;
    r.FontSize = storedFontSize(text.fontSize);
    r.FontBold = toBool16(text.bold);
    r.FontItalic = toBool16(text.italic);
    r.FontStrikethru = toBool16(text.strikethrough);
    r.FontUnderline = toBool16(text.underline);
    r.ForeColor = text.colour;
    r.Left = label.left;
    r.Top = label.top;
    r.Width = label.width;
    r.Height = label.height;
    r.Used = kTrue;
    return r;
}

LabelWidget textLabelOf(const TextLabelRecord& r)
{
    LabelWidget label = textLabelTemplate();
    label.text = {.caption = r.Caption,
                  .fontName = r.FontName,
                  .fontSize = static_cast<float>(r.FontSize),
                  .colour = r.ForeColor,
                  .bold = r.FontBold != kFalse,
                  .italic = r.FontItalic != kFalse,
                  .strikethrough = r.FontStrikethru != kFalse,
                  .underline = r.FontUnderline != kFalse};
    label.alignment = r.Alignment;
    label.left = r.Left;
    label.top = r.Top;
    label.width = r.Width;
    label.height = r.Height;
    label.visible = true;
    label.tag = kTextInUse;
    return label;
}

} // namespace kinsketch
