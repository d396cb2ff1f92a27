#include "app/editing_screen_layout.h"

#include "app/guidance_box.h"
#include "app/input_mode_bar.h"
#include "app/line_style_tool_bar.h"
#include "app/menu_bar.h"
#include "app/screen_switch_window.h"
#include "genogram/basic_input/input_layout.h"
#include "geometry/canvas_geometry.h"
#include "windows/tools/frame_tool_window.h"
#include "windows/tools/free_line_panel_window.h"
#include "windows/tools/line_tool_window.h"

#include "ui/window_arrangement.h"

#include <algorithm>
#include <array>

namespace kinsketch {
namespace {

constexpr int kGapPixels = 2;
constexpr std::size_t kInputPanelIndex = 7;

struct DescribedWindow {
    const char* normalName;
    const char* wideName;
    TwipsPlace normalPlace;
    TwipsPlace widePlace;
    QSize normalClient; // twips
    QSize wideClient;
    bool titled = true;
};

// In the order they give way: the bars along the top edge from the left,
// the guidance box above the canvas, then the panel, the canvas and the
// frame tool below it. The line tool and the free-line panel are never
// shown together, but each must clear the guidance box and the bars.
std::vector<DescribedWindow> describedWindows()
{
    const InputLayout& normalPanel = inputLayout(CanvasSize::Normal);
    const InputLayout& widePanel = inputLayout(CanvasSize::Wide);
    const CanvasGeometry& normalCanvas = canvasGeometry(CanvasSize::Normal);
    const CanvasGeometry& wideCanvas = canvasGeometry(CanvasSize::Wide);
    const auto same = [](QSize size) { return std::pair{size, size}; };
    std::vector<DescribedWindow> windows;
    const auto add = [&](const char* normalName, const char* wideName, TwipsPlace normalPlace, TwipsPlace widePlace,
                         std::pair<QSize, QSize> clients, bool titled = true) {
        windows.push_back({normalName, wideName, normalPlace, widePlace, clients.first, clients.second, titled});
    };
    add("mdiSwitchBar", "mdiSwitchBar", {0, 0}, {0, 0}, same(InputModeBar::kClientTwips));
    add("mdiMenuBar", "mdiMenuBar", {3300, 0}, {3300, 0}, same(MenuBar::kClientTwips));
    add("mdiScreen", "mdiScreen", {5550, 0}, {5550, 0}, same(ScreenSwitchWindow::kClientTwips));
    add("mdiToolBar", "mdiToolBar", {6900, 0}, {6900, 0}, same(LineStyleToolBar::kClientTwips));
    add("mdiLineAdd_Tool", "mdiLineAdd_Tool", {9450, 0}, {9450, 0}, same(LineToolWindow::kClientTwips));
    add("mdiPan_Com", "mdiPan_Com", {11200, 0}, {15150, 0}, same(FreeLinePanelWindow::kClientTwips));
    add("mdiInfoBox", "mdiInfoBox", {10900, 1650}, {15150, 1650}, same(GuidanceBox::kClientTwips), false);
    add("mdiGenoInp", "mdiGenoInp_2", {0, 2200}, {0, 2200},
        {QSize(normalPanel.clientWidth, normalPanel.clientHeight),
         QSize(widePanel.clientWidth, widePanel.clientHeight)});
    add("mdiGenoInpSave", "mdiGenoInpSave_2", normalCanvas.previewPlace, wideCanvas.previewPlace,
        {QSize(normalCanvas.clientWidth, normalCanvas.clientHeight),
         QSize(wideCanvas.clientWidth, wideCanvas.clientHeight)});
    add("mdiWakuAdd_Tool2", "mdiWakuAdd_Tool2", {10915, 7500}, {15150, 8600}, same(FrameToolWindow::kClientTwips));
    return windows;
}

} // namespace

EditingScreenLayout::EditingScreenLayout(CanvasSize size, DisplayScale scale, QMargins titled, QMargins frameless)
{
    const bool wide = size == CanvasSize::Wide;
    std::vector<WindowToArrange> toArrange;
    for (const DescribedWindow& window : describedWindows()) {
        const QMargins margins = window.titled ? titled : frameless;
        const QSize client = wide ? window.wideClient : window.normalClient;
        toArrange.push_back({scale.point(wide ? window.widePlace : window.normalPlace),
                             scale.size(client.width(), client.height()).grownBy(margins)});
        windows_.push_back({QString::fromLatin1(wide ? window.wideName : window.normalName), {}});
    }
    const std::vector<QRect> frames = arrangeWithoutOverlap(toArrange, kGapPixels);
    for (std::size_t i = 0; i < frames.size(); ++i) windows_[i].frame = frames[i];
}

QSize EditingScreenLayout::extent() const
{
    QRect all;
    for (const ArrangedWindow& window : windows_) all |= window.frame;
    return {all.right() + 1, all.bottom() + 1};
}

QPoint EditingScreenLayout::frameTopLeft(const QString& name) const
{
    // The picture confirmation is shown alone, where the input panel was.
    if (name == QStringLiteral("mdiPictConfirm")) return windows_[kInputPanelIndex].frame.topLeft();
    const auto found =
        std::ranges::find_if(windows_, [&name](const ArrangedWindow& window) { return window.name == name; });
    return found != windows_.end() ? found->frame.topLeft() : QPoint();
}

} // namespace kinsketch
