#pragma once
// The editing windows of the main window, one instance each, created on
// first use and addressed by name, as the routines that open, close and
// connect them expect. The directory owns nothing the document needs: every
// window reads and writes gGdr (or the record it is given).

#include "app/message_boxes.h"
#include "app/timers.h"
#include "document/error_reporter.h"
#include "document/gdr_record.h"
#include "genogram/free_line_panel_registers.h"
#include "genogram/canvas_size.h"
#include "tools/text_dialog_loader.h"

#include <QPointer>
#include <QWidget>

#include <array>
#include <memory>

namespace kinsketch {

class FreeDrawing;
class MainWindow;
class mdiGenoInp;
class mdiGenoInpSave;
class mdiInfoBox;
class mdiPan_Com;
class mdiToolBar;
class mdiWakuAdd_Tool2;

class WindowDirectory {
public:
    WindowDirectory(MainWindow& main, GdrRecord& document, ErrorReporter& reporter, MessageBoxes& boxes, Timers& timers);
    ~WindowDirectory();
    WindowDirectory(const WindowDirectory&) = delete;
    WindowDirectory& operator=(const WindowDirectory&) = delete;

    GdrRecord& document() { return document_; }
    ErrorReporter& reporter() { return reporter_; }

    // Each of these loads its window on first use; a loaded window is shown.
    mdiToolBar& toolBar();
    mdiInfoBox& infoBox();
    mdiGenoInp& basicInput(CanvasSize size);
    mdiWakuAdd_Tool2& frameTool();
    mdiGenoInpSave& canvas(CanvasSize size);
    // The free-line panel of input mode 3; the canvases draw with its
    // registers, which outlive the window.
    mdiPan_Com& freeLinePanel();
    void unloadFreeLinePanel();

    bool infoBoxLoaded() const { return !infoBox_.isNull(); }
    void unloadInfoBox();
    void unloadToolBar();
    void unloadFrameTool();
    void unloadBasicInput(CanvasSize size);
    void unloadCanvas(CanvasSize size);

private:
    void addToMainWindow(QWidget* window);

    MainWindow& main_;
    GdrRecord& document_;
    ErrorReporter& reporter_;
    MessageBoxes& boxes_;
    Timers& timers_;
    TextDialogLoader textDialog_;
    QPointer<mdiToolBar> toolBar_;
    QPointer<mdiInfoBox> infoBox_;
    QPointer<mdiWakuAdd_Tool2> frameTool_;
    std::array<QPointer<mdiGenoInp>, 2> basicInput_;
    std::array<QPointer<mdiGenoInpSave>, 2> canvas_;
    FreeLinePanelRegisters freeLineRegisters_;
    QPointer<mdiPan_Com> freeLinePanel_;
    std::array<std::unique_ptr<FreeDrawing>, 2> freeDrawing_;
};

} // namespace kinsketch
