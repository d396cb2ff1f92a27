#pragma once
// mdiToolBar: the line-style tool bar. Its buttons pick the style that a
// click on a connector line of the basic-input panel applies; the panel
// reads the selection from selectedStyle() (the bar's Tag).

#include "app/line_style_selection.h"
#include "ui/display_scale.h"

#include <QWidget>

#include <array>

class QToolButton;

namespace kinsketch {

class LineStyleToolBar : public QWidget {
    Q_OBJECT

public:
    static constexpr QSize kClientTwips{4215, 600};

    explicit LineStyleToolBar(DisplayScale scale = {}, QWidget* parent = nullptr);

    // Selects the thin solid line.
    void load();
    void selectStyle(int index);
    int selectedStyle() const { return selection_.selected(); }

    QToolButton* styleButton(int index) const { return buttons_.at(static_cast<std::size_t>(index)); }

private:
    void paintButtons();

    LineStyleSelection selection_;
    std::array<QToolButton*, kLineStyleCount> buttons_{};
};

// The picture of a line-style button.
QIcon lineStyleIcon(int style, DisplayScale scale = {});

} // namespace kinsketch
