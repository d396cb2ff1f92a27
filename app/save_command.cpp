#include "app/save_command.h"

#include "document/error_trap.h"
#include "genogram/canvas_size.h"
#include "picture/canvas_picture.h"

namespace kinsketch {

SaveCommand::SaveCommand(EditingWindows& windows, clsGdrOpe& store)
    : windows_(windows)
    , store_(store)
{
}

int SaveCommand::run()
{
    QImage picture;
    bool stored = false;
    const int trapped = trapErrors(store_.reporter(), "cmdSave_Click", [&] {
        GenoCanvas& canvas = windows_.currentCanvas();
        if (windows_.layerStore().saveCanvasLayers(canvas.geometry().size) != 0) return;
        // The picture shows the canvas in its final form: no handles, strokes rebuilt.
        canvas.GfncPrev();
        picture = renderCanvasPicture(canvas);
        stored = store_.WriteGdrFile() == 0;
    });
    if (trapped != 0 || !stored) {
        windows_.resumeEditing();
        return 1;
    }
    windows_.closeBarsAndToolWindows();
    windows_.showPictureConfirmation(picture);
    windows_.closeEditingWindows();
    return 0;
}

} // namespace kinsketch
