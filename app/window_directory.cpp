#include "window_directory.h"

#include "app/guidance_box.h"
#include "app/line_style_tool_bar.h"
#include "app/main_window.h"
#include "genogram/free_drawing.h"
#include "windows/basic_input/basic_input_window.h"
#include "windows/canvas/canvas_window.h"
#include "windows/tools/frame_tool_window.h"
#include "windows/tools/free_line_panel_window.h"

#include <QMdiSubWindow>

namespace kinsketch {
namespace {

std::size_t slotOf(CanvasSize size) { return size == CanvasSize::Wide ? 1 : 0; }

} // namespace

WindowDirectory::WindowDirectory(MainWindow& main, EditingContext& context, ErrorReporter& reporter,
                                 MessageBoxes& boxes, Timers& timers)
    : main_(main)
    , context_(context)
    , document_(context.document)
    , reporter_(reporter)
    , boxes_(boxes)
    , timers_(timers)
    , textDialog_(boxes, main.displayScale(), &main)
{
    textDialog_.tellCutTextTo([this](const std::string& line) { tellCutText(line); });
}

void WindowDirectory::tellCutText(const std::string& line)
{
    if (!line.empty())
        infoBox().tellCutText(line);
    else if (GuidanceBox* box = infoBox_.get())
        box->tellCutText(line);
}

// The windows live in the main window; they go before the seams they use.
WindowDirectory::~WindowDirectory()
{
    toolBar_.unload();
    infoBox_.unload();
    frameTool_.unload();
    for (auto& window : basicInput_) window.unload();
    for (auto& window : canvas_) window.unload();
}

LineStyleToolBar& WindowDirectory::toolBar()
{
    LineStyleToolBar& bar = toolBar_.ensure(
        main_, [this] { return new LineStyleToolBar(main_.displayScale()); },
        [](LineStyleToolBar& made) { made.load(); });
    bar.show();
    return bar;
}

GuidanceBox& WindowDirectory::infoBox()
{
    GuidanceBox& box = infoBox_.ensure(
        main_, [this] { return new GuidanceBox(timers_, main_.displayScale()); },
        [this](GuidanceBox& made) {
            QObject::connect(
                &made, &GuidanceBox::unloadRequested, &made, [this] { unloadInfoBox(); }, Qt::QueuedConnection);
        });
    box.show();
    return box;
}

void WindowDirectory::unloadInfoBox() { infoBox_.unload(); }

BasicInputWindow& WindowDirectory::basicInput(CanvasSize size)
{
    const auto make = [this, size] {
        BasicInputNeighbours neighbours;
        neighbours.selectedLineStyle = [this] { return toolBar().selectedStyle(); };
        neighbours.redrawCanvas = [this, size] { canvas(size).rebuild(); };
        neighbours.showGuidance = [this](const std::string& line) { infoBox().setGuidanceLine(0, line); };
        neighbours.tellCutText = [this](const std::string& line) { tellCutText(line); };
        neighbours.closeGuidance = [this] { unloadInfoBox(); };
        neighbours.setFrameButtonCaption = [this](const std::string& caption) {
            frameTool().setButtonCaption(caption);
        };
        return new BasicInputWindow(size, context_.drawing, reporter_, boxes_, std::move(neighbours),
                                    main_.displayScale());
    };
    BasicInputWindow& window =
        basicInput_[slotOf(size)].ensure(main_, make, [](BasicInputWindow& made) { made.load(); });
    window.show();
    return window;
}

FrameToolWindow& WindowDirectory::frameTool()
{
    const auto make = [this] {
        FrameToolNeighbours neighbours;
        neighbours.panelMark = [this](int slot) { return basicInput(canvasSizeOf(document_)).panel().slot(slot).mark; };
        neighbours.redrawCanvas = [this] { canvas(canvasSizeOf(document_)).rebuild(); };
        neighbours.clearPanelMarks = [this] { basicInput(canvasSizeOf(document_)).panel().clearMarks(); };
        return new FrameToolWindow(context_.drawing, reporter_, std::move(neighbours), main_.displayScale());
    };
    FrameToolWindow& tool = frameTool_.ensure(main_, make);
    tool.show();
    return tool;
}

CanvasWindow& WindowDirectory::canvas(CanvasSize size)
{
    const auto make = [this, size] {
        CanvasContext context;
        context.inputMode = [this] { return context_.inputMode; };
        auto* window = new CanvasWindow(size, context_.drawing, reporter_, main_.displayScale(), std::move(context));
        window->enableEditing(boxes_, *textDialogInUse_);
        freeDrawing_[slotOf(size)] = std::make_unique<FreeDrawing>(
            size, window->canvas(), freeLineRegisters_, boxes_, [this, window](const FreeLineStep& step) {
                window->showFreeLineStep(step);
                if (FreeLinePanelWindow* panel = freeLinePanel_.get()) panel->showRegisters();
            });
        window->mouse()->setFreeDrawing(freeDrawing_[slotOf(size)].get());
        return window;
    };
    return canvas_[slotOf(size)].ensure(main_, make);
}

FreeLinePanelWindow& WindowDirectory::freeLinePanel()
{
    const auto make = [this] {
        FreeLinePanelNeighbours neighbours;
        neighbours.canvas = [this]() -> GenoCanvas& { return canvas(canvasSizeOf(document_)).canvas(); };
        neighbours.showCanvas = [this] { canvas(canvasSizeOf(document_)).update(); };
        return new FreeLinePanelWindow(context_.drawing, context_.freeLineCount, freeLineRegisters_, boxes_,
                                       std::move(neighbours), main_.displayScale());
    };
    FreeLinePanelWindow& panel = freeLinePanel_.ensure(main_, make, [](FreeLinePanelWindow& made) { made.load(); });
    panel.show();
    return panel;
}

FreeLinePanelWindow* WindowDirectory::loadedFreeLinePanel() const { return freeLinePanel_.get(); }

BasicInputWindow* WindowDirectory::loadedBasicInput(CanvasSize size) const { return basicInput_[slotOf(size)].get(); }

CanvasWindow* WindowDirectory::loadedCanvas(CanvasSize size) const { return canvas_[slotOf(size)].get(); }

// An unloaded panel starts afresh from the document the next time.
void WindowDirectory::unloadFreeLinePanel()
{
    freeLinePanel_.unload();
    freeLineRegisters_ = {};
}

void WindowDirectory::unloadToolBar() { toolBar_.unload(); }

void WindowDirectory::unloadFrameTool() { frameTool_.unload(); }

void WindowDirectory::unloadBasicInput(CanvasSize size) { basicInput_[slotOf(size)].unload(); }

void WindowDirectory::unloadCanvas(CanvasSize size) { canvas_[slotOf(size)].unload(); }

} // namespace kinsketch
