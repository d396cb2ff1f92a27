#pragma once
// The start routine: guards the working folder against a second instance,
// clears what a previous run left, and fills the editing context from the command line (a new
// document, with or without the splash window, or a handed-in document).

#include "app/instance_lock.h"
#include "document/recovery_copy.h"
#include "genogram/editing_context.h"
#include "seams/message_boxes.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

namespace kinsketch {

enum class StartupOutcome {
    Run,            // the document is ready; show the main window
    AlreadyRunning, // another instance owns the working folder
    FolderUnusable, // the working folder cannot be made or locked
    LeftoverLocked, // a previous result could not be removed
};

class Startup {
public:
    // `showSplash` shows the splash window modally and returns when it closed.
    Startup(std::filesystem::path programFolder, EditingContext& context, MessageBoxes& boxes,
            std::function<void()> showSplash);

    StartupOutcome run(const std::string& commandLine);

    std::filesystem::path workFolder() const { return programFolder_ / "imgTmp"; }
    // The recovery copy of the edits, the handed-in document's or the new drawing's.
    const std::optional<RecoveryCopy>& recoveryCopy() const { return recoveryCopy_; }
    // The name the host handed the document in under; empty for a new document.
    const std::string& documentName() const { return documentName_; }

private:
    void readDocument(const std::string& commandLine);

    std::filesystem::path programFolder_;
    EditingContext& context_;
    MessageBoxes& boxes_;
    std::function<void()> showSplash_;
    InstanceLock lock_; // held for the life of the process
    std::optional<RecoveryCopy> recoveryCopy_;
    std::string documentName_;
};

// The whole command line as one string, as the host passes it.
std::string commandLineOf(int argc, char** argv);

} // namespace kinsketch
