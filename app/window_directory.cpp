#include "window_directory.h"

#include "app/guidance_box.h"
#include "app/main_window.h"
#include "app/line_style_tool_bar.h"
#include "genogram/free_drawing.h"
#include "genogram/basic_input/window/basic_input_window.h"
#include "genogram/window/canvas_window.h"
#include "tools/window/free_line_panel_window.h"
#include "tools/window/frame_tool_window.h"

#include <QMdiSubWindow>

namespace kinsketch {
namespace {

std::size_t slotOf(CanvasSize size) { return size == CanvasSize::Wide ? 1 : 0; }

} // namespace

WindowDirectory::WindowDirectory(MainWindow& main, EditingContext& context, ErrorReporter& reporter, MessageBoxes& boxes,
                                 Timers& timers)
    : main_(main)
    , context_(context)
    , document_(context.document)
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


LineStyleToolBar& WindowDirectory::toolBar()
{
    if (!toolBar_) {
        toolBar_ = new LineStyleToolBar;
        addToMainWindow(toolBar_);
        toolBar_->load();
    }
    toolBar_->show();
    return *toolBar_;
}

GuidanceBox& WindowDirectory::infoBox()
{
    if (!infoBox_) {
        infoBox_ = new GuidanceBox(timers_);
        addToMainWindow(infoBox_);
        infoBox_->load(document_.isWide());
        QObject::connect(infoBox_, &GuidanceBox::unloadRequested, infoBox_, [this] { unloadInfoBox(); },
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

BasicInputWindow& WindowDirectory::basicInput(CanvasSize size)
{
    QPointer<BasicInputWindow>& window = basicInput_[slotOf(size)];
    if (!window) {
        BasicInputNeighbours neighbours;
        neighbours.selectedLineStyle = [this] { return toolBar().selectedStyle(); };
        neighbours.redrawCanvas = [this, size] { canvas(size).rebuild(); };
        neighbours.showGuidance = [this](const std::string& line) { infoBox().setGuidanceLine(0, line); };
        neighbours.closeGuidance = [this] { unloadInfoBox(); };
        neighbours.setFrameButtonCaption = [this](const std::string& caption) { frameTool().setButtonCaption(caption); };
        window = new BasicInputWindow(size, document_, reporter_, boxes_, std::move(neighbours));
        addToMainWindow(window);
        window->load();
    }
    window->show();
    return *window;
}

FrameToolWindow& WindowDirectory::frameTool()
{
    if (!frameTool_) {
        FrameToolNeighbours neighbours;
        neighbours.panelMark = [this](int slot) { return basicInput(canvasSizeOf(document_)).panel().slot(slot).mark; };
        neighbours.redrawCanvas = [this] { canvas(canvasSizeOf(document_)).rebuild(); };
        neighbours.clearPanelMarks = [this] { basicInput(canvasSizeOf(document_)).panel().clearMarks(); };
        frameTool_ = new FrameToolWindow(document_, reporter_, std::move(neighbours));
        addToMainWindow(frameTool_);
        frameTool_->load();
    }
    frameTool_->show();
    return *frameTool_;
}

CanvasWindow& WindowDirectory::canvas(CanvasSize size)
{
    QPointer<CanvasWindow>& window = canvas_[slotOf(size)];
    if (!window) {
        CanvasContext context;
        context.inputMode = [this] { return context_.inputMode; };
        window = new CanvasWindow(size, document_, reporter_, std::move(context));
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

FreeLinePanelWindow& WindowDirectory::freeLinePanel()
{
    if (!freeLinePanel_) {
        FreeLinePanelNeighbours neighbours;
        neighbours.canvas = [this]() -> GenoCanvas& { return canvas(canvasSizeOf(document_)).canvas(); };
        neighbours.showCanvas = [this] { canvas(canvasSizeOf(document_)).update(); };
        freeLinePanel_ = new FreeLinePanelWindow(document_.isWide(), document_, context_.freeLineCount, freeLineRegisters_, boxes_,
                                        std::move(neighbours));
        addToMainWindow(freeLinePanel_);
        freeLinePanel_->load();
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
