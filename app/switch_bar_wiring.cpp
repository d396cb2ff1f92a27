#include "app/switch_bar_wiring.h"

#include "app/guidance_box.h"
#include "app/main_window.h"
#include "genogram/window/canvas_window.h"
#include "tools/window/line_tool_window.h"

#include <QMdiSubWindow>

namespace kinsketch {
namespace {


} // namespace

SwitchBarWiring::SwitchBarWiring(WindowDirectory& windows, MainWindow& main)
    : windows_(windows)
    , main_(main)
{
}

SwitchBarWiring::~SwitchBarWiring()
{
    unloadLineTool();
    unloadSwitchBar();
}

InputModeBar& SwitchBarWiring::switchBar()
{
    if (!switchBar_) {
        switchBar_ = new InputModeBar(*this, windows_.reporter());
        switchBar_->setFreeLinePanelHook([this](bool shown) {
            if (shown)
                windows_.freeLinePanel();
            else
                windows_.unloadFreeLinePanel();
        });
        main_.addChildWindow(switchBar_);
        switchBar_->load();
    }
    switchBar_->show();
    return *switchBar_;
}

void SwitchBarWiring::unloadSwitchBar()
{
    MainWindow::unloadChildWindow(switchBar_);
    switchBar_ = nullptr;
}

void SwitchBarWiring::unloadLineTool()
{
    MainWindow::unloadChildWindow(lineTool_);
    lineTool_ = nullptr;
}

void SwitchBarWiring::setGuidance(const std::vector<std::string>& lines)
{
    GuidanceBox& box = windows_.infoBox();
    for (std::size_t n = 0; n < lines.size(); ++n) box.setGuidanceLine(static_cast<std::uint8_t>(n + 1), lines[n]);
}

void SwitchBarWiring::showLineTool(bool shown)
{
    if (!shown) {
        unloadLineTool();
        return;
    }
    if (!lineTool_) {
        lineTool_ = new LineToolWindow([this]() -> CanvasWindow& { return windows_.canvas(canvasSizeOf(windows_.document())); });
        main_.addChildWindow(lineTool_);
        lineTool_->load();
    }
    lineTool_->show();
}

void SwitchBarWiring::showLineHandles(bool shown)
{
    CanvasWindow& canvas = windows_.canvas(canvasSizeOf(windows_.document()));
    if (shown)
        canvas.canvas().showHandlesOfLinesOnShow();
    else
        canvas.canvas().hideLineHandles();
    canvas.update();
}

void SwitchBarWiring::setInputMode(InputMode mode) { windows_.context().inputMode = mode; }

} // namespace kinsketch
