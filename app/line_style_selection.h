#pragma once
// Which line style the tool bar has selected: exactly one of its ten buttons
// is highlighted, and a second click on the highlighted one falls back to
// style 0, the style without a line.

#include "genogram/line_style.h"

#include <array>

namespace kinsketch {

class LineStyleSelection {
public:
    // Returns the style selected afterwards.
    int selectStyle(int n);

    int selected() const { return selected_; }
    bool highlighted(int button) const { return buttonTags_.at(static_cast<std::size_t>(button)); }

private:
    std::array<bool, kLineStyleCount> buttonTags_{};
    int selected_ = 0;
};

} // namespace kinsketch
