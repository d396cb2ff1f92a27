#include "app/switch_bar_wiring.h"

#include "app/guidance_box.h"
#include "app/main_window.h"
#include "windows/canvas/canvas_window.h"
#include "windows/tools/line_tool_window.h"

#include <QMdiSubWindow>

namespace kinsketch {
SwitchBarWiring::SwitchBarWiring(WindowDirectory& windows, MainWindow& main, const CommandGate& gate)
    : windows_(windows)
    , main_(main)
    , gate_(gate)
{}

SwitchBarWiring::~SwitchBarWiring()
{
    unloadLineTool();
    unloadSwitchBar();
}

InputModeBar& SwitchBarWiring::switchBar()
{
    const auto make = [this] {
        auto* bar = new InputModeBar(*this, windows_.reporter(), main_.displayScale());
        bar->setFreeLinePanelHook([this](bool shown) {
            if (shown)
                windows_.freeLinePanel();
            else
                windows_.unloadFreeLinePanel();
        });
        return bar;
    };
    InputModeBar& bar = switchBar_.ensure(main_, make, [](InputModeBar& made) { made.load(); });
    bar.show();
    return bar;
}

void SwitchBarWiring::unloadSwitchBar() { switchBar_.unload(); }

void SwitchBarWiring::unloadLineTool() { lineTool_.unload(); }

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
    const auto make = [this] {
        return new LineToolWindow(
            [this]() -> CanvasWindow& { return windows_.canvas(canvasSizeOf(windows_.document())); },
            main_.displayScale());
    };
    lineTool_.ensure(main_, make).show();
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
