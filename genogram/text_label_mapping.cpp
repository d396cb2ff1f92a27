#include "text_label_mapping.h"

#include "geno_canvas.h"

#include "document/run_time_error.h"

#include <algorithm>
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
    TextLabelRecord r;
    r.Caption = label.caption;
    r.Alignment = label.alignment;
    r.FontName = label.fontName;
    r.FontSize = storedFontSize(label.fontSize);
    r.FontBold = toBool16(label.bold);
    r.FontItalic = toBool16(label.italic);
    r.FontStrikethru = toBool16(label.strikethru);
    r.FontUnderline = toBool16(label.underline);
    r.ForeColor = label.foreColor;
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
    label.caption = r.Caption;
    label.alignment = r.Alignment;
    label.fontName = r.FontName;
    label.fontSize = r.FontSize;
    label.bold = r.FontBold != kFalse;
    label.italic = r.FontItalic != kFalse;
    label.strikethru = r.FontStrikethru != kFalse;
    label.underline = r.FontUnderline != kFalse;
    label.foreColor = r.ForeColor;
    label.left = r.Left;
    label.top = r.Top;
    label.width = r.Width;
    label.height = r.Height;
    label.visible = true;
    label.tag = kTextInUse;
    return label;
}

TextFormatting formattingOf(const LabelWidget& label)
{
    return {label.caption,
            label.fontName,
            static_cast<std::uint8_t>(std::clamp(std::nearbyint(label.fontSize), 0.0F, 255.0F)),
            label.foreColor,
            label.bold,
            label.italic,
            label.strikethru,
            label.underline};
}

void applyFormatting(LabelWidget& label, const TextFormatting& values)
{
    label.caption = values.text;
    label.fontName = values.fontName;
    label.fontSize = values.fontSize;
    label.bold = values.bold;
    label.italic = values.italic;
    label.strikethru = values.strikethrough;
    label.underline = values.underline;
    label.foreColor = values.color;
}

} // namespace kinsketch
