#include "app/switch_bar_wiring.h"

#include "app/info_box.h"
#include "app/input_mode.h"
#include "app/main_window.h"
#include "genogram/window/mdi_geno_inp_save.h"
#include "tools/mdi_line_add_tool.h"

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

mdiSwitchBar& SwitchBarWiring::switchBar()
{
    if (!switchBar_) {
        switchBar_ = new mdiSwitchBar(*this, windows_.reporter());
        switchBar_->setFreeLinePanelHook([this](bool shown) {
            if (shown)
                windows_.freeLinePanel();
            else
                windows_.unloadFreeLinePanel();
        });
        main_.addChildWindow(switchBar_);
        switchBar_->Form_Load();
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
    mdiInfoBox& box = windows_.infoBox();
    for (std::size_t n = 0; n < lines.size(); ++n) box.GfncSetMsg(static_cast<std::uint8_t>(n + 1), lines[n]);
}

void SwitchBarWiring::showLineTool(bool shown)
{
    if (!shown) {
        unloadLineTool();
        return;
    }
    if (!lineTool_) {
        lineTool_ = new mdiLineAdd_Tool([this]() -> mdiGenoInpSave& { return windows_.canvas(canvasSizeOf(windows_.document())); });
        main_.addChildWindow(lineTool_);
        lineTool_->Form_Load();
    }
    lineTool_->show();
}

void SwitchBarWiring::showLineHandles(bool shown)
{
    mdiGenoInpSave& canvas = windows_.canvas(canvasSizeOf(windows_.document()));
    if (shown)
        canvas.canvas().showHandlesOfLinesOnShow();
    else
        canvas.canvas().hideLineHandles();
    canvas.update();
}

void SwitchBarWiring::setInputMode(std::uint8_t mode) { gInputMode = mode; }

} // namespace kinsketch
