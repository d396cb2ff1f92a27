#pragma once
// The input-mode switch bar and the line tool window in the editing screen:
// loads them on first use into the main window and connects the bar to the
// guidance box, the line tool, the canvas of the screen size and gInputMode.

#include "app/mdi_switch_bar.h"
#include "app/switch_bar_targets.h"
#include "app/window_directory.h"

#include <QPointer>

namespace kinsketch {

class mdiLineAdd_Tool;

class SwitchBarWiring : public SwitchBarTargets {
public:
    SwitchBarWiring(WindowDirectory& windows, MainWindow& main);
    ~SwitchBarWiring() override;
    SwitchBarWiring(const SwitchBarWiring&) = delete;
    SwitchBarWiring& operator=(const SwitchBarWiring&) = delete;

    // Loads the bar (which selects mode 1) or shows the loaded one.
    mdiSwitchBar& switchBar();
    void unloadSwitchBar();
    void unloadLineTool();

    void setGuidance(const std::vector<std::string>& lines) override;
    void showLineTool(bool shown) override;
    void showLineHandles(bool shown) override;
    void setInputMode(std::uint8_t mode) override;

private:
    WindowDirectory& windows_;
    MainWindow& main_;
    QPointer<mdiSwitchBar> switchBar_;
    QPointer<mdiLineAdd_Tool> lineTool_;
};

} // namespace kinsketch
