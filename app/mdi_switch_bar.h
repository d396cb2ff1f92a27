#pragma once
// mdiSwitchBar ("入力切替"): the three buttons that choose how the canvas
// takes the mouse — texts, added lines, free lines — each with an ON/OFF
// indicator below it and the chosen one in green. Choosing a mode opens its
// tool window, closes the others and sets the mode's hints in the guidance
// box. The free-line panel is opened and closed through a hook, since it is
// built apart from this bar.

#include "app/switch_bar_targets.h"

#include "document/error_reporter.h"

#include <QWidget>

#include <array>
#include <cstdint>
#include <functional>

class QLabel;
class QToolButton;

namespace kinsketch {

class mdiSwitchBar : public QWidget {
    Q_OBJECT

public:
    mdiSwitchBar(SwitchBarTargets& targets, ErrorReporter& reporter, QWidget* parent = nullptr);

    // Places the bar and selects mode 1.
    void Form_Load();
    // Selects input mode 1, 2 or 3 (9 changes nothing); always returns 0.
    std::int32_t LfncMenuSel(std::uint8_t mode, std::int32_t option1 = 0, std::int32_t option2 = 0);

    // Opens (true) or closes (false) the free-line panel of mode 3.
    using PanelHook = std::function<void(bool shown)>;
    void setFreeLinePanelHook(PanelHook hook) { freeLinePanel_ = std::move(hook); }

    QToolButton* cmdMenu(int index) const { return cmdMenu_.at(static_cast<std::size_t>(index - 1)); }
    QLabel* imgStatus(int index) const { return imgStatus_.at(static_cast<std::size_t>(index - 1)); }

private:
    void showSelection(std::uint8_t mode);

    SwitchBarTargets& targets_;
    ErrorReporter& reporter_;
    PanelHook freeLinePanel_ = [](bool) {};
    std::array<QToolButton*, 3> cmdMenu_{};
    std::array<QLabel*, 6> imgStatus_{};
};

} // namespace kinsketch
