#include "app/save_command.h"

#include "document/error_trap.h"
#include "genogram/canvas_size.h"
#include "picture/canvas_picture.h"

namespace kinsketch {

SaveCommand::SaveCommand(EditingWindows& windows, GdrStore& store)
    : windows_(windows)
    , store_(store)
{
}

bool SaveCommand::run()
{
    QImage picture;
    bool stored = false;
    const int trapped = trapErrors(store_.reporter(), "cmdSave_Click", [&] {
        GenoCanvas& canvas = windows_.currentCanvas();
        if (!windows_.layerStore().saveCanvasLayers(canvas.geometry().size)) return;
        // The picture shows the canvas in its final form: no handles, strokes rebuilt.
        canvas.rebuild();
        picture = renderCanvasPicture(canvas);
        stored = store_.writeSavedDocument(canvas.document());
    });
    if (trapped != 0 || !stored) {
        windows_.resumeEditing();
        return false;
    }
    windows_.closeBarsAndToolWindows();
    windows_.showPictureConfirmation(picture);
    windows_.closeEditingWindows();
    return true;
}

} // namespace kinsketch
