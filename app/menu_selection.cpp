#include "menu_selection.h"

#include "app/input_mode.h"
#include "app/tool_bar.h"
#include "genogram/basic_input/window/mdi_geno_inp.h"
#include "genogram/canvas_layer_store.h"
#include "genogram/cls_auto_line2.h"
#include "document/error_trap.h"
#include "genogram/window/mdi_geno_inp_save.h"
#include "tools/mdi_waku_add_tool2.h"

namespace kinsketch {
namespace {

constexpr std::uint8_t kNoOpening = 9;

} // namespace

std::int32_t LfncMenuSel(WindowDirectory& windows, std::uint8_t menuNo, bool reloadCanvas, std::int32_t)
{
    GdrRecord& document = windows.document();
    std::int32_t result = 0;
    const int trapped = trapErrors(windows.reporter(), "LfncMenuSel", [&] {
        gInputMode = 1;
        if (menuNo == kNoOpening) {
            result = 1;
            return;
        }
        rebuildCohabitFrameFromFlags(document, windows.reporter());
        const CanvasSize size = canvasSizeOf(document);
        windows.basicInput(size);
        windows.toolBar();
        windows.frameTool();
        if (!reloadCanvas) return;
        windows.unloadCanvas(size);
        CanvasLayerStore store(document, windows.reporter(), [&](CanvasSize s) -> GenoCanvas& { return windows.canvas(s).canvas(); });
        store.loadCanvasLayers(size);
        mdiGenoInpSave& canvas = windows.canvas(size);
        canvas.GfncPrevMode();
        canvas.canvas().GfncLineDraw(0, 0, 0);
        canvas.update();
    });
    return trapped != 0 ? 1 : result;
}

} // namespace kinsketch
