#include "app/screen_switch.h"

#include "app/basic_input_opening.h"
#include "genogram/basic_input/basic_input_panel.h"
#include "genogram/cohabit_frame_builder.h"
#include "genogram/large_only_parts.h"
#include "windows/canvas/canvas_window.h"

#include <algorithm>
#include <vector>

namespace kinsketch {
namespace {

// The visible flags of the canvas items that dropping the items outside
// the normal area and storing change (pen segments, line handles), so that
// a switch that cannot go on leaves the canvas as it was; the document is
// kept whole beside them.
struct ItemVisibility {
    std::vector<bool> strokes, handles1, handles2;
};

template <class Widget>
std::vector<bool> visibleFlags(const WidgetArray<Widget>& items)
{
    std::vector<bool> flags;
    for (int i = 0; i <= items.upperBound(); ++i) flags.push_back(items.find(i) && items.find(i)->visible);
    return flags;
}

template <class Widget>
void restoreVisibleFlags(WidgetArray<Widget>& items, const std::vector<bool>& flags)
{
    for (std::size_t i = 0; i < flags.size(); ++i)
        if (Widget* item = items.find(static_cast<int>(i))) item->visible = flags[i];
}

ItemVisibility visibilityOf(const GenoCanvas& canvas)
{
    return {visibleFlags(canvas.strokes), visibleFlags(canvas.startHandles), visibleFlags(canvas.endHandles)};
}

void restoreVisibility(GenoCanvas& canvas, const ItemVisibility& shown)
{
    restoreVisibleFlags(canvas.strokes, shown.strokes);
    restoreVisibleFlags(canvas.startHandles, shown.handles1);
    restoreVisibleFlags(canvas.endHandles, shown.handles2);
}

void reportFailedLoad(MessageBoxes& boxes, bool loaded)
{
    if (!loaded) boxes.show({kLoadFailedMessage, "", MessageIcon::Exclamation, MessageButtons::Ok});
}

} // namespace

ScreenSwitch::ScreenSwitch(WindowDirectory& windows, SwitchBarWiring& switching, CanvasLayerStore& layers,
                           MessageBoxes& boxes)
    : windows_(windows)
    , switching_(switching)
    , layers_(layers)
    , boxes_(boxes)
{}

bool ScreenSwitch::switchSize()
{
    GdrRecord& document = windows_.document();
    const CanvasSize from = canvasSizeOf(document);
    const bool goingSmall = from == CanvasSize::Wide;
    CanvasWindow& oldCanvas = windows_.canvas(from);
    GenoCanvas& canvas = oldCanvas.canvas();
    if (goingSmall && dataWouldBeLost(canvas) && !userAgreesToDrop()) return false;

    const GdrRecord before = document;
    const ItemVisibility shown = visibilityOf(canvas);
    const auto stayAsBefore = [&] {
        document = before;
        restoreVisibility(canvas, shown);
        oldCanvas.update();
        return false;
    };
    const bool droppedOutside = goingSmall && dropItemsOutsideNormalArea(canvas);
    // A document with some layers stored and the windows of the other size
    // would lose the rest; the layer routine has said what went wrong.
    if (!layers_.saveCanvasLayers(from)) return stayAsBefore();

    const bool rebuildFrame =
        std::any_of(document.cohabitMarks.begin(), document.cohabitMarks.end(), [](std::uint8_t f) { return f == 1; });
    if (!openBasicInput(windows_)) return stayAsBefore();
    if (goingSmall) {
        resetLargeOnlyParts(document);
        if (droppedOutside) windows_.context().freeLineCount = document.strokes.upperBound();
    }
    const CanvasSize to = goingSmall ? CanvasSize::Normal : CanvasSize::Wide;
    document.screenMode = goingSmall ? "" : "WIDE";
    closeWindows(from);
    // The frame the old size built may border slots the new size lacks.
    if (rebuildFrame) {
        document.frameSegments.fill(0);
        rebuildCohabitFrameFromFlags(document, windows_.reporter());
    }
    openWindows(to);
    return true;
}

void ScreenSwitch::followDocumentSize(CanvasSize from)
{
    windows_.context().inputMode = InputMode::Text;
    closeWindows(from);
    openWindows(canvasSizeOf(windows_.document()));
}

bool ScreenSwitch::dataWouldBeLost(GenoCanvas& wide) const
{
    return hasLargeOnlyRecordData(windows_.document()) || hasItemsOutsideNormalArea(wide);
}

bool ScreenSwitch::userAgreesToDrop() const
{
    const auto yes = [this](const char* text) {
        return boxes_.show({text, "", MessageIcon::Question, MessageButtons::YesNo}) == MessageAnswer::Yes;
    };
    return yes("大から小に切り替えるとデータの一部は削除されます。\r\nまた変更を戻すことは出来ません。\r\n\r\nよろしい"
               "ですか？") &&
           yes("本当に削除してよろしいですか？");
}

void ScreenSwitch::closeWindows(CanvasSize size)
{
    windows_.unloadBasicInput(size);
    switching_.unloadSwitchBar();
    windows_.unloadCanvas(size);
    windows_.unloadInfoBox();
    windows_.unloadFrameTool();
}

void ScreenSwitch::openWindows(CanvasSize size)
{
    switching_.switchBar();
    windows_.toolBar();
    windows_.basicInput(size);
    windows_.frameTool();
    windows_.infoBox();
    const CanvasLoad load = windows_.canvas(size).openDocument(layers_);
    reportFailedLoad(boxes_, load.texts);
    reportFailedLoad(boxes_, load.addedLines);
}

} // namespace kinsketch
