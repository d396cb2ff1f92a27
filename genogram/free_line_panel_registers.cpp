#include "free_line_panel_registers.h"

#include <algorithm>
#include <limits>

namespace kinsketch {

std::int16_t widthNumber(const std::string& text)
{
    constexpr std::int32_t kWidest = std::numeric_limits<std::int16_t>::max();
    std::int32_t value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') break;
        value = std::min(value * 10 + (c - '0'), kWidest);
    }
    return static_cast<std::int16_t>(value);
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
