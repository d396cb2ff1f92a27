#include "window_directory.h"

#include "app/info_box.h"
#include "app/input_mode.h"
#include "app/main_window.h"
#include "app/tool_bar.h"
#include "document/document_globals.h"
#include "genogram/free_drawing.h"
#include "genogram/basic_input/window/mdi_geno_inp.h"
#include "genogram/window/mdi_geno_inp_save.h"
#include "tools/mdi_pan_com.h"
#include "tools/mdi_waku_add_tool2.h"

#include <QMdiSubWindow>

namespace kinsketch {
namespace {

std::size_t slotOf(CanvasSize size) { return size == CanvasSize::Wide ? 1 : 0; }

} // namespace

WindowDirectory::WindowDirectory(MainWindow& main, GdrRecord& document, ErrorReporter& reporter, MessageBoxes& boxes,
                                 Timers& timers)
    : main_(main)
    , document_(document)
    , reporter_(reporter)
    , boxes_(boxes)
    , timers_(timers)
    , textDialog_(boxes, &main)
{
}

// The windows live in the main window; they go before the seams they use.
WindowDirectory::~WindowDirectory()
{
    for (QWidget* window : std::initializer_list<QWidget*>{toolBar_, infoBox_, frameTool_, basicInput_[0], basicInput_[1],
                                                            canvas_[0], canvas_[1]})
        MainWindow::unloadChildWindow(window);
}

void WindowDirectory::addToMainWindow(QWidget* window) { main_.addChildWindow(window); }


mdiToolBar& WindowDirectory::toolBar()
{
    if (!toolBar_) {
        toolBar_ = new mdiToolBar;
        addToMainWindow(toolBar_);
        toolBar_->Form_Load();
    }
    toolBar_->show();
    return *toolBar_;
}

mdiInfoBox& WindowDirectory::infoBox()
{
    if (!infoBox_) {
        infoBox_ = new mdiInfoBox(timers_);
        addToMainWindow(infoBox_);
        infoBox_->Form_Load(document_.isWide());
        QObject::connect(infoBox_, &mdiInfoBox::unloadRequested, infoBox_, [this] { unloadInfoBox(); },
                         Qt::QueuedConnection);
    }
    infoBox_->show();
    return *infoBox_;
}

void WindowDirectory::unloadInfoBox()
{
    MainWindow::unloadChildWindow(infoBox_);
    infoBox_ = nullptr;
}

mdiGenoInp& WindowDirectory::basicInput(CanvasSize size)
{
    QPointer<mdiGenoInp>& window = basicInput_[slotOf(size)];
    if (!window) {
        BasicInputNeighbours neighbours;
        neighbours.selectedLineStyle = [this] { return toolBar().selectedStyle(); };
        neighbours.redrawCanvas = [this, size] { canvas(size).GfncPrev(); };
        neighbours.showGuidance = [this](const std::string& line) { infoBox().GfncSetMsg(0, line); };
        neighbours.closeGuidance = [this] { unloadInfoBox(); };
        neighbours.setFrameButtonCaption = [this](const std::string& caption) { frameTool().setButtonCaption(caption); };
        window = new mdiGenoInp(size, document_, reporter_, boxes_, std::move(neighbours));
        addToMainWindow(window);
        window->Form_Load();
    }
    window->show();
    return *window;
}

mdiWakuAdd_Tool2& WindowDirectory::frameTool()
{
    if (!frameTool_) {
        FrameToolNeighbours neighbours;
        neighbours.panelMark = [this](int slot) { return basicInput(canvasSizeOf(document_)).panel().slot(slot).mark; };
        neighbours.redrawCanvas = [this] { canvas(canvasSizeOf(document_)).GfncPrev(); };
        neighbours.clearPanelMarks = [this] { basicInput(canvasSizeOf(document_)).panel().clearMarks(); };
        frameTool_ = new mdiWakuAdd_Tool2(document_, reporter_, std::move(neighbours));
        addToMainWindow(frameTool_);
        frameTool_->Form_Load();
    }
    frameTool_->show();
    return *frameTool_;
}

mdiGenoInpSave& WindowDirectory::canvas(CanvasSize size)
{
    QPointer<mdiGenoInpSave>& window = canvas_[slotOf(size)];
    if (!window) {
        CanvasContext context;
        context.inputMode = [] { return gInputMode; };
        window = new mdiGenoInpSave(size, document_, reporter_, std::move(context));
        window->enableEditing(boxes_, textDialog_);
        freeDrawing_[slotOf(size)] = std::make_unique<FreeDrawing>(
            size, window->canvas(), freeLineRegisters_, boxes_, [this, shown = window.data()](const FreeLineStep& step) {
                shown->showFreeLineStep(step);
                if (freeLinePanel_) freeLinePanel_->showRegisters();
            });
        window->mouse()->setFreeDrawing(freeDrawing_[slotOf(size)].get());
        addToMainWindow(window);
    }
    return *window;
}

mdiPan_Com& WindowDirectory::freeLinePanel()
{
    if (!freeLinePanel_) {
        FreeLinePanelNeighbours neighbours;
        neighbours.canvas = [this]() -> GenoCanvas& { return canvas(canvasSizeOf(document_)).canvas(); };
        neighbours.showCanvas = [this] { canvas(canvasSizeOf(document_)).update(); };
        freeLinePanel_ = new mdiPan_Com(document_.isWide(), document_, gFreeLineCount, freeLineRegisters_, boxes_,
                                        std::move(neighbours));
        addToMainWindow(freeLinePanel_);
        freeLinePanel_->Form_Load();
    }
    freeLinePanel_->show();
    return *freeLinePanel_;
}

// An unloaded panel starts afresh from the document the next time.
void WindowDirectory::unloadFreeLinePanel()
{
    MainWindow::unloadChildWindow(freeLinePanel_);
    freeLinePanel_ = nullptr;
    freeLineRegisters_ = {};
}

void WindowDirectory::unloadToolBar()
{
    MainWindow::unloadChildWindow(toolBar_);
    toolBar_ = nullptr;
}

void WindowDirectory::unloadFrameTool()
{
    MainWindow::unloadChildWindow(frameTool_);
    frameTool_ = nullptr;
}

void WindowDirectory::unloadBasicInput(CanvasSize size)
{
    MainWindow::unloadChildWindow(basicInput_[slotOf(size)]);
    basicInput_[slotOf(size)] = nullptr;
}

void WindowDirectory::unloadCanvas(CanvasSize size)
{
    MainWindow::unloadChildWindow(canvas_[slotOf(size)]);
    canvas_[slotOf(size)] = nullptr;
}

} // namespace kinsketch
