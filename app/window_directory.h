#pragma once
// The editing windows of the main window, one instance each, created on
// first use and addressed by name, as the routines that open, close and
// connect them expect. The directory owns nothing the document needs: every
// window reads and writes the editing context's document.

#include "app/child_window_slot.h"
#include "genogram/editing_context.h"
#include "genogram/free_line_panel_registers.h"
#include "geometry/canvas_size.h"
#include "seams/error_reporter.h"
#include "seams/message_boxes.h"
#include "seams/timers.h"
#include "windows/tools/text_dialog_loader.h"

#include <QWidget>

#include <array>
#include <memory>

namespace kinsketch {

class FreeDrawing;
class BasicInputWindow;
class CanvasWindow;
class GuidanceBox;
class FreeLinePanelWindow;
class LineStyleToolBar;
class FrameToolWindow;

class WindowDirectory {
public:
    WindowDirectory(MainWindow& main, EditingContext& context, ErrorReporter& reporter, MessageBoxes& boxes,
                    Timers& timers);
    ~WindowDirectory();
    WindowDirectory(const WindowDirectory&) = delete;
    WindowDirectory& operator=(const WindowDirectory&) = delete;

    EditingContext& context() { return context_; }
    // What the windows show; they change it through the context's drawing.
    const GdrRecord& document() const { return context_.document; }
    ErrorReporter& reporter() { return reporter_; }

    // Each of these loads its window on first use; a loaded window is shown.
    LineStyleToolBar& toolBar();
    GuidanceBox& infoBox();
    // What the picture will cut of the age, remark or text being typed; empty once it all shows.
    void tellCutText(const std::string& line);
    BasicInputWindow& basicInput(CanvasSize size);
    FrameToolWindow& frameTool();
    CanvasWindow& canvas(CanvasSize size);
    // The free-line panel of input mode 3; the canvases draw with its
    // registers, which outlive the window.
    FreeLinePanelWindow& freeLinePanel();
    FreeLinePanelWindow* loadedFreeLinePanel() const;
    // The registers the free-line panel and the canvases draw with.
    FreeLinePanelRegisters& freeLineRegisters() { return freeLineRegisters_; }
    // The panel and the canvas of the size, if loaded.
    BasicInputWindow* loadedBasicInput(CanvasSize size) const;
    CanvasWindow* loadedCanvas(CanvasSize size) const;
    void unloadFreeLinePanel();

    // The text dialog of canvases made from now on (tests answer it).
    void useTextDialog(TextDialog& dialog) { textDialogInUse_ = &dialog; }

    bool infoBoxLoaded() const { return infoBox_.loaded(); }
    void unloadInfoBox();
    void unloadToolBar();
    void unloadFrameTool();
    void unloadBasicInput(CanvasSize size);
    void unloadCanvas(CanvasSize size);

private:
    MainWindow& main_;
    EditingContext& context_;
    const GdrRecord& document_;
    ErrorReporter& reporter_;
    MessageBoxes& boxes_;
    Timers& timers_;
    TextDialogLoader textDialog_;
    TextDialog* textDialogInUse_ = &textDialog_;
    ChildWindowSlot<LineStyleToolBar> toolBar_;
    ChildWindowSlot<GuidanceBox> infoBox_;
    ChildWindowSlot<FrameToolWindow> frameTool_;
    std::array<ChildWindowSlot<BasicInputWindow>, 2> basicInput_;
    std::array<ChildWindowSlot<CanvasWindow>, 2> canvas_;
    FreeLinePanelRegisters freeLineRegisters_;
    ChildWindowSlot<FreeLinePanelWindow> freeLinePanel_;
    std::array<std::unique_ptr<FreeDrawing>, 2> freeDrawing_;
};

} // namespace kinsketch
