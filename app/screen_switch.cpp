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
    GdrRecord& document = windows_.context().drawing.editWhole();
    const CanvasSize from = canvasSizeOf(document);
    const bool goingSmall = from == CanvasSize::Wide;
    if (goingSmall && dataWouldBeLost() && !userAgreesToDrop()) return false;

    // The canvas shows the document as it was until the switch is through.
    const GdrRecord before = document;
    const auto stayAsBefore = [&] {
        document = before;
        return false;
    };
    const bool droppedOutside = goingSmall && dropItemsOutsideNormalArea(document);
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
    windows_.context().drawing.changed(DrawingChange::everything());
    return true;
}

void ScreenSwitch::followDocumentSize(CanvasSize from)
{
    windows_.context().inputMode = InputMode::Text;
    closeWindows(from);
    openWindows(canvasSizeOf(windows_.document()));
}

bool ScreenSwitch::dataWouldBeLost() const
{
    return hasLargeOnlyRecordData(windows_.document()) || hasItemsOutsideNormalArea(windows_.document());
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
