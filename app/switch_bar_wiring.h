#pragma once
// The input-mode switch bar and the line tool window in the editing screen:
// loads them on first use into the main window and connects the bar to the
// guidance box, the line tool, the canvas of the screen size and the input mode.

#include "app/child_window_slot.h"
#include "app/command_gate.h"
#include "app/input_mode_bar.h"
#include "app/switch_bar_targets.h"
#include "app/window_directory.h"

namespace kinsketch {

class LineToolWindow;

class SwitchBarWiring : public SwitchBarTargets {
public:
    SwitchBarWiring(WindowDirectory& windows, MainWindow& main, const CommandGate& gate);
    ~SwitchBarWiring() override;
    SwitchBarWiring(const SwitchBarWiring&) = delete;
    SwitchBarWiring& operator=(const SwitchBarWiring&) = delete;

    // Loads the bar (which selects mode 1) or shows the loaded one.
    InputModeBar& switchBar();
    void unloadSwitchBar();
    void unloadLineTool();

    void setGuidance(const std::vector<std::string>& lines) override;
    void showLineTool(bool shown) override;
    void showLineHandles(bool shown) override;
    void setInputMode(InputMode mode) override;
    bool acceptsCommands() const override { return gate_.isOpen(); }

private:
    WindowDirectory& windows_;
    MainWindow& main_;
    const CommandGate& gate_;
    ChildWindowSlot<InputModeBar> switchBar_;
    ChildWindowSlot<LineToolWindow> lineTool_;
};

} // namespace kinsketch
