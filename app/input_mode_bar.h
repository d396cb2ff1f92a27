#pragma once
// mdiSwitchBar ("入力切替"): the three buttons that choose how the canvas
// takes the mouse — texts, added lines, free lines — each with an ON/OFF
// indicator below it and the chosen one in green. Choosing a mode opens its
// tool window, closes the others and sets the mode's hints in the guidance
// box. The free-line panel is opened and closed through a hook, since it is
// built apart from this bar.

#include "app/switch_bar_targets.h"

#include "seams/error_reporter.h"
#include "ui/display_scale.h"

#include <QWidget>

#include <array>
#include <cstdint>
#include <functional>

class QLabel;
class QToolButton;

namespace kinsketch {

class InputModeBar : public QWidget {
    Q_OBJECT

public:
    static constexpr QSize kClientTwips{3225, 1155};

    InputModeBar(SwitchBarTargets& targets, ErrorReporter& reporter, DisplayScale scale = {},
                 QWidget* parent = nullptr);

    // Selects mode 1.
    void load();
    // Opens the mode's tool window, closes the others and sets its hints.
    void selectInputMode(InputMode mode);

    // Opens (true) or closes (false) the free-line panel of mode 3.
    using PanelHook = std::function<void(bool shown)>;
    void setFreeLinePanelHook(PanelHook hook) { freeLinePanel_ = std::move(hook); }

    QToolButton* modeButton(int index) const { return modeButtons_.at(static_cast<std::size_t>(index - 1)); }
    QLabel* modeIndicator(int index) const { return modeIndicators_.at(static_cast<std::size_t>(index - 1)); }

private:
    void showSelection(InputMode mode);

    SwitchBarTargets& targets_;
    ErrorReporter& reporter_;
    PanelHook freeLinePanel_ = [](bool) {};
    std::array<QToolButton*, 3> modeButtons_{};
    std::array<QLabel*, 6> modeIndicators_{};
};

} // namespace kinsketch
