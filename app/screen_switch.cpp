#include "app/screen_switch.h"

#include "app/large_only_parts.h"
#include "app/menu_selection.h"
#include "genogram/cls_auto_line2.h"
#include "genogram/window/mdi_geno_inp_save.h"

#include <algorithm>
#include <vector>

namespace kinsketch {
namespace {

constexpr std::int32_t kOnlyLook = 1, kHideOutside = 0;

// The visible flags of the canvas items that hiding and storing change, so
// that a switch that cannot store the layers leaves the canvas as it was.
struct ItemVisibility {
    std::vector<bool> texts, handles1, handles2, lines, strokes;
};

template <class Widget>
std::vector<bool> visibleFlags(const WidgetArray<Widget>& items)
{
    std::vector<bool> flags;
    for (int i = 0; i <= items.upperBound(); ++i) flags.push_back(items.find(i) && items.find(i)->visible);
    return flags;
}

template <class Widget>
void restoreVisibleFlags(WidgetArray<Widget>& items, const std::vector<bool>& flags)
{
    for (std::size_t i = 0; i < flags.size(); ++i)
        if (Widget* item = items.find(static_cast<int>(i))) item->visible = flags[i];
}

ItemVisibility visibilityOf(const GenoCanvas& canvas)
{
    return {visibleFlags(canvas.lblInp), visibleFlags(canvas.lblLine1), visibleFlags(canvas.lblLine2),
            visibleFlags(canvas.lineLine), visibleFlags(canvas.FreeLine)};
}

void restoreVisibility(GenoCanvas& canvas, const ItemVisibility& shown)
{
    restoreVisibleFlags(canvas.lblInp, shown.texts);
    restoreVisibleFlags(canvas.lblLine1, shown.handles1);
    restoreVisibleFlags(canvas.lblLine2, shown.handles2);
    restoreVisibleFlags(canvas.lineLine, shown.lines);
    restoreVisibleFlags(canvas.FreeLine, shown.strokes);
}

void reportFailedLoad(MessageBoxes& boxes, int result)
{
    if (result == 1)
        boxes.show({"保存ファイルからの読み込みに失敗しました。前回の続きからの編集は出来ません。", "", MessageIcon::Exclamation,
                    MessageButtons::Ok});
}

} // namespace

ScreenSwitch::ScreenSwitch(WindowDirectory& windows, SwitchBarWiring& switching, CanvasLayerStore& layers,
                           MessageBoxes& boxes, std::int32_t& freeLineCount)
    : windows_(windows)
    , switching_(switching)
    , layers_(layers)
    , boxes_(boxes)
    , freeLineCount_(freeLineCount)
{
}

int ScreenSwitch::cmdChg_Click()
{
    GdrRecord& document = windows_.document();
    const CanvasSize from = canvasSizeOf(document);
    const bool goingSmall = from == CanvasSize::Wide;
    mdiGenoInpSave& oldCanvas = windows_.canvas(from);
    GenoCanvas& canvas = oldCanvas.canvas();
    if (goingSmall && dataWouldBeLost(canvas) && !userAgreesToDrop()) return 1;

    const ItemVisibility shown = visibilityOf(canvas);
    std::int32_t found = 0;
    if (goingSmall) xfnc_DelOutControl(canvas, kHideOutside, found);
    // A document with some layers stored and the windows of the other size
    // would lose the rest; the layer routine has said what went wrong.
    if (layers_.saveCanvasLayers(from) != 0) {
        restoreVisibility(canvas, shown);
        oldCanvas.update();
        return 1;
    }

    const bool rebuildFrame = std::any_of(document.CohabitFlag.begin(), document.CohabitFlag.end(), [](std::uint8_t f) { return f == 1; });
    LfncMenuSel(windows_, 0, false, -1);
    if (goingSmall) {
        resetLargeOnlyParts(document);
        if (found == 1) freeLineCount_ = document.FreeLine.upperBound();
    }
    const CanvasSize to = goingSmall ? CanvasSize::Normal : CanvasSize::Wide;
    document.ScreenMode = goingSmall ? "" : "WIDE";
    closeWindows(from);
    // The frame the old size built may border slots the new size lacks.
    if (rebuildFrame) {
        document.CohabitSeg.fill(0);
        rebuildCohabitFrameFromFlags(document, windows_.reporter());
    }
    openWindows(to);
    return 0;
}

bool ScreenSwitch::dataWouldBeLost(GenoCanvas& wide) const
{
    if (hasLargeOnlyRecordData(windows_.document())) return true;
    std::int32_t found = 0;
    xfnc_DelOutControl(wide, kOnlyLook, found);
    return found == 1;
}

bool ScreenSwitch::userAgreesToDrop() const
{
    const auto yes = [this](const char* text) {
        return boxes_.show({text, "", MessageIcon::Question, MessageButtons::YesNo}) == MessageAnswer::Yes;
    };
    return yes("大から小に切り替えるとデータの一部は削除されます。\r\nまた変更を戻すことは出来ません。\r\n\r\nよろしいですか？") &&
           yes("本当に削除してよろしいですか？");
}

void ScreenSwitch::closeWindows(CanvasSize size)
{
    windows_.unloadBasicInput(size);
    switching_.unloadSwitchBar();
    windows_.unloadCanvas(size);
    windows_.unloadInfoBox();
    windows_.unloadFrameTool();
}

void ScreenSwitch::openWindows(CanvasSize size)
{
    switching_.switchBar();
    windows_.toolBar();
    windows_.basicInput(size);
    windows_.frameTool();
    windows_.infoBox();
    const bool wide = size == CanvasSize::Wide;
    reportFailedLoad(boxes_, wide ? layers_.LoadGd1_2() : layers_.LoadGd1());
    reportFailedLoad(boxes_, wide ? layers_.LoadGd2_2() : layers_.LoadGd2());
    mdiGenoInpSave& canvas = windows_.canvas(size);
    canvas.GfncLineDraw(0, 0, 0);
    canvas.GfncPrevMode();
}

} // namespace kinsketch
