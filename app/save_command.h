#pragma once
// The save button (cmdSave_Click): stores the canvas layers, writes the
// working document and shows the picture for confirmation. A layer or the document that cannot be
// stored stops the save with the error shown and the user back at editing,
// nothing lost; the windows close only once the document is on disk.

#include "app/editing_windows.h"
#include "document/gdr_store.h"

namespace kinsketch {

class SaveCommand {
public:
    SaveCommand(EditingWindows& windows, GdrStore& store);

    // True when the confirmation is on show, false when the save stopped.
    bool run();

private:
    EditingWindows& windows_;
    GdrStore& store_;
};

} // namespace kinsketch
