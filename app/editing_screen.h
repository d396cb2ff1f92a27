#pragma once
// The editing screen inside the main window: the windows that the main
// window's load opens (menu bar, switch bar, tool bar, screen switch, basic
// input and the canvas), the save that tears them down for the picture confirmation, the
// way back from it, and the end of the program.

#include "app/child_window_slot.h"
#include "app/command_gate.h"
#include "app/command_shortcuts.h"
#include "app/edit_history.h"
#include "app/edit_triggers.h"
#include "app/editing_windows.h"
#include "app/menu_bar.h"
#include "app/qt_print_platform.h"
#include "app/recovery_keeper.h"
#include "app/screen_switch.h"
#include "app/screen_switch_window.h"
#include "app/switch_bar_wiring.h"
#include "app/user_settings.h"
#include "app/window_directory.h"
#include "document/gdr_store.h"
#include "windows/picture/picture_confirm_window.h"

#include <QPointer>

#include <functional>
#include <memory>
#include <optional>

namespace kinsketch {

class PrintDialog;

class EditingScreen : public EditingWindows {
public:
    // `endProgram` leaves the program (after the picture was written, or when
    // the user chose to end without saving).
    EditingScreen(MainWindow& main, EditingContext& context, GdrStore& store, MessageBoxes& boxes, Timers& timers,
                  UserSettings& settings, std::function<void()> endProgram);
    ~EditingScreen() override;

    // The main window's load: the menu bar (which opens basic input), the
    // switch bar, the tool bar and the screen switch. No command runs before
    // the document is on the screen.
    void open();

    MenuBar& menuBar();
    ScreenSwitchWindow& screenSwitch();
    WindowDirectory& windows() { return windows_; }
    SwitchBarWiring& switching() { return switching_; }
    PictureConfirmWindow* pictureConfirmation() const { return confirm_.get(); }

    // The commands of the menu bar; refused while the gate is shut.
    void save();
    void end();
    // 表示サイズ's choice (自動 or a fixed size): every window is remade at
    // the size it comes to, with the drawing as it is and the input mode
    // kept; the choice is remembered for the next run.
    void changeDisplaySize(int choice);
    // The next larger (steps > 0) or smaller fixed size the screen fits at, if there is one.
    void stepDisplaySize(int steps);
    // The display sizes as they stand for the main window's room and the screen size.
    DisplaySizes displaySizes();
    // The print dialog over a copy of the drawing as the save would store it,
    // showing the choices of the last print done; refused while the gate is shut.
    void print();
    // The handed-in document's name, which a PDF is named after; empty for a new drawing.
    void setDocumentName(QString name) { documentName_ = std::move(name); }
    void usePrintPlatform(PrintPlatform& platform) { printPlatform_ = &platform; }
    // Where the room the windows have comes from: the main window's child
    // area, or a size of the caller's (a platform may clamp a test's window).
    void measureRoomWith(std::function<QSize()> room) { room_ = std::move(room); }
    // One step of the history back or forth; refused while the gate is shut.
    void undo();
    void redo();
    // Makes what the user changed since the last step a step (see EditHistory::record).
    void recordEdit(const QString& run = {});
    EditHistory& history() { return history_; }
    // Keeps a recovery copy of the edits from the opening on, until they are
    // saved or given up. Called before open().
    void keepRecoveryCopy(RecoveryKeeper::Copy copy);
    // What the copy's writer found. A copy that could not be written is told
    // once in the guidance box, and again only after one was written.
    void recoveryCopyWritten(bool written);

    GenoCanvas& currentCanvas() override;
    CanvasLayerStore& layerStore() override { return layers_; }
    void closeBarsAndToolWindows() override;
    void showPictureConfirmation(const QImage& picture) override;
    void closeEditingWindows() override;
    void resumeEditing() override;

private:
    bool returnFromConfirmation();
    void reopenAtDisplaySize(DisplayScale scale);
    // Remakes the windows when the size in force is not the one shown; false
    // when the canvas layers could not be stored first.
    bool showDisplaySizeInForce();
    void refitSoon();
    bool editingOnScreen();
    DrawingChange takeState(EditingState& state, bool whole);
    bool takeRecoveryDocument(GdrRecord& document);
    // The edits were saved or given up: the program ends.
    void finish();
    void showState(const EditingState& state);
    void showMarksAndNumbering(const EditingState& state);
    // A print was done: its choices are the next print's, and a PDF's folder is told.
    void printDone(const PrintChoices& done);
    void unloadMenuBar();
    void unloadScreenSwitch();

    MainWindow& main_;
    GdrStore& store_;
    MessageBoxes& boxes_;
    Timers& timers_;
    UserSettings& settings_;
    std::function<void()> endProgram_;
    CommandGate gate_;
    WindowDirectory windows_;
    SwitchBarWiring switching_;
    CanvasLayerStore layers_;
    ScreenSwitch screenSwitch_;
    EditHistory history_;
    EditTriggers triggers_;
    std::unique_ptr<RecoveryKeeper> recovery_;
    bool copyFailureTold_ = false;
    ChildWindowSlot<MenuBar> menuBar_;
    ChildWindowSlot<ScreenSwitchWindow> screen_;
    ChildWindowSlot<PictureConfirmWindow> confirm_;
    QString documentName_;
    QtPrintPlatform qtPrintPlatform_;
    PrintPlatform* printPlatform_ = &qtPrintPlatform_;
    std::unique_ptr<PrintDialog> printDialog_;
    // The heading typed, for the next print of this run only: names are not kept.
    std::optional<PrintTitle> printTitle_;
    QMetaObject::Connection confirmationGivesWay_;
    CommandShortcuts shortcuts_;
    static constexpr int kRefitMilliseconds = 300;
    int displayChoice_ = kAutomaticDisplaySize;
    int refitRequests_ = 0;
    std::function<QSize()> room_ = [this] { return main_.childRoom(); };
    std::shared_ptr<int> alive_ = std::make_shared<int>(); // timer shots check it: the screen may be gone
};

} // namespace kinsketch
