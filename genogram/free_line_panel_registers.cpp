#include "free_line_panel_registers.h"

#include <algorithm>
#include <cstdlib>
#include <limits>

namespace kinsketch {
namespace {

// Leading optional sign and digits; what follows is ignored. Held within
// 32 bits rather than overflowing.
std::int64_t leadingNumber(const std::string& text, std::int64_t limit)
{
    std::size_t i = 0;
    const bool negative = !text.empty() && text[0] == '-';
    if (!text.empty() && (text[0] == '-' || text[0] == '+')) i = 1;
    std::int64_t value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
        value = std::min(value * 10 + (text[i] - '0'), limit);
    return negative ? -value : value;
}

} // namespace

FreeLineTool FreeLinePanelRegisters::tool() const
{
    switch (tagNumber(toolTag)) {
    case 1: return FreeLineTool::Eraser;
    case 2: return FreeLineTool::Figure;
    default: return FreeLineTool::Pen;
    }
}

Colour FreeLinePanelRegisters::penColour() const { return static_cast<Colour>(leadingNumber(colourTag, 0xFFFFFF)); }

std::int32_t tagNumber(const std::string& tag)
{
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(leadingNumber(tag, std::int64_t{1} << 32),
                                                              std::numeric_limits<std::int32_t>::min(),
                                                              std::numeric_limits<std::int32_t>::max()));
}

std::int16_t widthNumber(const std::string& text)
{
    return static_cast<std::int16_t>(std::clamp<std::int64_t>(
        leadingNumber(text, std::numeric_limits<std::int16_t>::max()), 0, std::numeric_limits<std::int16_t>::max()));
}

bool checkFreeLineWidth(const std::string& text, FreeLineTool tool, MessageBoxes& boxes)
{
    const bool eraser = tool == FreeLineTool::Eraser;
    const char* message = nullptr;
    if (text.empty())
        message = eraser ? "消しゴムの太さを指定してください。" : "線の太さを指定してください。";
    else if (widthNumber(text) == 0)
        message = eraser ? "消しゴムの太さは１以上を指定してください。" : "線の太さは１以上を指定してください。";
    if (!message) return true;
    boxes.show({message, "", MessageIcon::Exclamation, MessageButtons::Ok});
    return false;
}

} // namespace kinsketch
