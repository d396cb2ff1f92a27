#include "line_style.h"

#include <array>

namespace kinsketch {

const std::array<std::string_view, kLineStyleCount> kLineStyleNames = {
    "線なし",        "細い実線",      "細い点線",      "太い実線",      "実線・斜線1本",
    "実線・斜線2本", "点線・斜線1本", "点線・斜線2本", "太線・斜線1本", "太線・斜線2本",
};

namespace {

constexpr std::array<LineStyleLook, kLineStyleCount> kLooks = {{
    {false, LinePattern::Solid, 1, false, false}, // 0 none
    {true, LinePattern::Solid, 1, false, false},  // 1 thin solid
    {true, LinePattern::Dotted, 1, false, false}, // 2 thin dotted
    {true, LinePattern::Solid, 3, false, false},  // 3 thick solid
    {true, LinePattern::Solid, 1, true, false},   // 4
    {true, LinePattern::Solid, 1, true, true},    // 5
    {true, LinePattern::Dotted, 1, true, false},  // 6
    {true, LinePattern::Dotted, 1, true, true},   // 7
    {true, LinePattern::Solid, 3, true, false},   // 8
    {true, LinePattern::Solid, 3, true, true},    // 9
}};

} // namespace

std::optional<LineStyleLook> lineStyleLook(int style, bool marriageLine)
{
    if (style < 0 || style >= static_cast<int>(kLooks.size())) return std::nullopt;
    LineStyleLook look = kLooks[static_cast<std::size_t>(style)];
    if (!marriageLine) look.slashS = look.slashW = false;
    return look;
}

int shownLineStyle(int style, bool marriageLine)
{
    return !marriageLine && style >= 4 && style < kLineStyleCount ? (style - 4) / 2 + 1 : style;
}

} // namespace kinsketch
