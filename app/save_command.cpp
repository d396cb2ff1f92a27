#include "app/save_command.h"

#include "document/error_trap.h"
#include "geometry/canvas_size.h"
#include "picture/saved_picture.h"

namespace kinsketch {

SaveCommand::SaveCommand(EditingWindows& windows, GdrStore& store)
    : windows_(windows)
    , store_(store)
{}

bool SaveCommand::run()
{
    QImage picture;
    bool stored = false;
    const bool ranThrough = trapErrors(store_.reporter(), "cmdSave_Click", [&] {
        GenoCanvas& canvas = windows_.currentCanvas();
        std::optional<QImage> painted = storeLayersAndPaint(windows_.layerStore(), canvas);
        if (!painted) return;
        picture = std::move(*painted);
        stored = store_.writeSavedDocument(canvas.document());
    });
    if (!ranThrough || !stored) {
        windows_.resumeEditing();
        return false;
    }
    windows_.closeBarsAndToolWindows();
    windows_.showPictureConfirmation(picture);
    windows_.closeEditingWindows();
    return true;
}

} // namespace kinsketch
