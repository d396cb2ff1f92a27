#pragma once
// cmdSave_Click: stores the canvas layers, writes the working document and
// shows the picture for confirmation. A layer or the document that cannot be
// stored stops the save with the error shown and the user back at editing,
// nothing lost; the windows close only once the document is on disk.

#include "app/editing_windows.h"
#include "document/gdr_store.h"

namespace kinsketch {

class SaveCommand {
public:
    SaveCommand(EditingWindows& windows, clsGdrOpe& store);

    // 0 when the confirmation is on show, 1 when the save stopped.
    int run();

private:
    EditingWindows& windows_;
    clsGdrOpe& store_;
};

} // namespace kinsketch
