#include "added_line_gestures.h"

#include "canvas_layers.h"

#include "document/error_trap.h"
#include "drag_limits.h"

#include <algorithm>
#include <utility>

namespace kinsketch {
namespace {

constexpr AddLineRecord kNewLine{kTrue, 1000, 3500, 1000, 3500};

AddLineRecord record(const GenoCanvas& canvas, int n)
{
    if (n < 1 || n > kAddLineCount) throw RunTimeError::subscriptOutOfRange("AddLine(" + std::to_string(n) + ")");
    return canvas.document().addedLines[static_cast<std::size_t>(n - 1)];
}

} // namespace

AddedLineGestures::AddedLineGestures(GenoCanvas& canvas, MessageBoxes& boxes, std::function<void()> showNow)
    : canvas_(canvas)
    , boxes_(boxes)
    , showNow_(std::move(showNow))
{}

std::int16_t AddedLineGestures::addLine()
{
    std::int16_t added = 0;
    trapErrors(canvas_.reporter(), "GfncLineAdd", [&] {
        // Deleted lines keep their numbers until the next store.
        const int highest = highestLineNumber(canvas_.document());
        if (highest >= kAddLineCount) {
            boxes_.show({"これ以上、線を増やすことが出来ません。", {}, MessageIcon::Exclamation, MessageButtons::Ok});
            added = 1;
            return;
        }
        added = static_cast<std::int16_t>(highest + 1);
        canvas_.drawing().setAddedLine(added, kNewLine);
    });
    return added;
}

void AddedLineGestures::pressHandle(int n, MouseButtons button, float x, float y)
{
    trapErrors(canvas_.reporter(), "LfncMouseDown", [&] {
        if (button == kLeftButton) {
            grabX_ = x;
            grabY_ = y;
            return;
        }
        canvas_.addedLines[n].colour = kRed;
        showNow_();
        const MessageAnswer answer = boxes_.show(
            {"選択した線を削除します。\r\n\r\nよろしいですか？", {}, MessageIcon::Question, MessageButtons::YesNo});
        if (answer != MessageAnswer::Yes) {
            canvas_.addedLines[n].colour = kBlack;
            return;
        }
        AddLineRecord deleted = record(canvas_, n);
        deleted.used = kFalse;
        canvas_.drawing().setAddedLine(n, deleted);
        canvas_.drawAddedLine(n, AddedLineDraw::Redraw);
    });
}

void AddedLineGestures::dragHandle(int n, int end, float x, float y)
{
    trapErrors(canvas_.reporter(), "LfncMouseMove", [&] {
        const DragLimits limits = dragLimits(canvas_.geometry().size);
        const LabelWidget& handle = std::as_const(end == 1 ? canvas_.startHandles : canvas_.endHandles)[n];
        const float left = std::clamp(handle.left + (x - grabX_), 0.0F, limits.handleLeft);
        const float top = std::clamp(handle.top + (y - grabY_), 0.0F, limits.handleTop);
        AddLineRecord line = record(canvas_, n);
        (end == 1 ? line.x1 : line.x2) = left;
        (end == 1 ? line.y1 : line.y2) = top;
        canvas_.drawing().setAddedLine(n, line);
        canvas_.drawAddedLine(n, AddedLineDraw::Redraw, true);
    });
}

void AddedLineGestures::mouseUp(int n) { canvas_.drawAddedLine(n, AddedLineDraw::Redraw); }

} // namespace kinsketch
