#include "line_style_selection.h"

namespace kinsketch {

int LineStyleSelection::selectStyle(int n)
{
    auto& tag = buttonTags_.at(static_cast<std::size_t>(n));
    selected_ = tag ? 0 : n;
    buttonTags_.fill(false);
    buttonTags_[static_cast<std::size_t>(selected_)] = true;
    return selected_;
}

} // namespace kinsketch
