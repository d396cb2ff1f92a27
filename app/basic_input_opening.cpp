#include "basic_input_opening.h"

#include "app/line_style_tool_bar.h"
#include "document/error_trap.h"
#include "genogram/canvas_layer_store.h"
#include "genogram/cohabit_frame_builder.h"
#include "windows/basic_input/basic_input_window.h"
#include "windows/canvas/canvas_window.h"
#include "windows/tools/frame_tool_window.h"

namespace kinsketch {

namespace {

bool open(WindowDirectory& windows, bool reloadCanvas)
{
    GdrRecord& document = windows.context().drawing.editWhole();
    return trapErrors(windows.reporter(), "LfncMenuSel", [&] {
        windows.context().inputMode = InputMode::Text;
        // Opening derives parts anew (the frame from the flags, the panel's
        // marks cleared): the history compares every part the next time.
        windows.context().drawing.changed(DrawingChange::everything());
        rebuildCohabitFrameFromFlags(document, windows.reporter());
        const CanvasSize size = canvasSizeOf(document);
        windows.basicInput(size);
        windows.toolBar();
        windows.frameTool();
        if (!reloadCanvas) return;
        windows.unloadCanvas(size);
        CanvasWindow& canvas = windows.canvas(size);
        CanvasLayerStore layers(document, windows.reporter(),
                                [&](CanvasSize) -> GenoCanvas& { return canvas.canvas(); });
        canvas.openDocument(layers);
    });
}

} // namespace

bool openBasicInput(WindowDirectory& windows) { return open(windows, false); }

bool openBasicInputAndCanvas(WindowDirectory& windows) { return open(windows, true); }

} // namespace kinsketch
