#include "basic_input_panel.h"

#include "basic_input_layer_store.h"

#include "document/error_trap.h"
#include "document/storable_text.h"
#include "genogram/line_style.h"

#include "document/run_time_error.h"

#include <numeric>
#include <utility>

namespace kinsketch {
namespace {

constexpr int kHitSlackX = 150;
constexpr int kHitSlackY = 100;

} // namespace

BasicInputPanel::BasicInputPanel(CanvasSize size, Drawing& drawing, ErrorReporter& reporter, MessageBoxes& boxes,
                                 BasicInputNeighbours neighbours)
    : layout_(inputLayout(size))
    , drawing_(drawing)
    , reporter_(reporter)
    , boxes_(boxes)
    , neighbours_(std::move(neighbours))
    , slots_(static_cast<std::size_t>(layout_.slotCount()))
    , lines_(static_cast<std::size_t>(layout_.lineCount()))
{}

// Styles already shown stay as they are: loading again (an undo) then
// repaints only the lines whose style changed.
void BasicInputPanel::load()
{
    std::vector<int> shownTags;
    for (InputLine& line : lines_) shownTags.push_back(std::exchange(line.tag, 0));
    loading_ = true;
    if (!BasicInputLayerStore(drawing_, reporter_).load(*this))
        boxes_.show({kLoadFailedMessage, {}, MessageIcon::Exclamation, MessageButtons::Ok});
    loading_ = false;
    for (int k = 0; k < layout_.lineCount(); ++k) {
        const int tag = lines_[static_cast<std::size_t>(k)].tag;
        if (!stylesShown_ || tag != shownTags[static_cast<std::size_t>(k)]) setLineStyle(k, tag);
    }
    stylesShown_ = true;
}

void BasicInputPanel::pressBackground(PanelButton button, int x, int y)
{
    trapErrors(reporter_, "Form_MouseDown", [&] {
        if (button == PanelButton::Left) {
            const int k = lineAt(x, y);
            if (k != kNoLine) setLineStyle(k, neighbours_.selectedLineStyle());
        }
        updatePreview();
    });
}

int BasicInputPanel::lineAt(int x, int y) const
{
    for (int k = 0; k < layout_.lineCount(); ++k) {
        const TwipsLine l = layout_.line(k);
        if (x >= l.x1 - kHitSlackX && x <= l.x2 + kHitSlackX && y >= l.y1 - kHitSlackY && y <= l.y2 + kHitSlackY)
            return k;
    }
    return kNoLine;
}

void BasicInputPanel::setLineStyle(int index, int style)
{
    trapErrors(reporter_, "LfncLineChg", [&] {
        if (index < 0 || index >= layout_.lineCount())
            throw RunTimeError::subscriptOutOfRange("線 " + std::to_string(index));
        InputLine& line = lines_[static_cast<std::size_t>(index)];
        const bool marriage = layout_.role(index) == LineRole::Marriage;
        if (marriage) line.slashS = line.slashW = false;
        if (const auto look = lineStyleLook(style, marriage)) {
            // Style 0 keeps the line on show in grey as a placeholder to click.
            line.colour = look->shown ? kBlack : kDesignGrey;
            line.pattern = look->pattern;
            line.width = look->width;
            line.slashS = look->slashS;
            line.slashW = look->slashW;
        }
        line.tag = style;
    });
    linesChanged();
}

LineRole BasicInputPanel::lineRole(int index) const { return layout_.role(index); }

void BasicInputPanel::updatePreview()
{
    trapErrors(reporter_, "LsubPrvNow", [&] {
        // A slot the document cannot take was reported; the others are stored and shown.
        static_cast<void>(BasicInputLayerStore(drawing_, reporter_).save(*this));
        neighbours_.redrawCanvas();
    });
}

void BasicInputPanel::toggleCohabitantMark(int index)
{
    trapErrors(reporter_, "Label1_Click", [&] {
        InputSlot& s = slotAt(index);
        s.mark = s.mark == 0 ? 1 : 0;
        drawing_.marksChanged();
        slotChanged(index);
        showMarkedOrNot();
    });
}

void BasicInputPanel::showMarks(std::span<const std::uint8_t> marks)
{
    bool changed = false;
    for (int i = 0; i < layout_.slotCount(); ++i) {
        if (slotAt(i).mark == marks[static_cast<std::size_t>(i)]) continue;
        slotAt(i).mark = marks[static_cast<std::size_t>(i)];
        slotChanged(i);
        changed = true;
    }
    if (changed) showMarkedOrNot();
}

// With anyone marked the guidance tells how to draw the frame, and the frame
// button builds it; with no one it erases.
void BasicInputPanel::showMarkedOrNot()
{
    const int sum =
        std::accumulate(slots_.begin(), slots_.end(), 0, [](int n, const InputSlot& t) { return n + t.mark; });
    if (sum > 0) {
        neighbours_.showGuidance(kFrameGuidance);
        neighbours_.setFrameButtonCaption(kFrameAddCaption);
    } else {
        neighbours_.closeGuidance();
        neighbours_.setFrameButtonCaption(kFrameEraseCaption);
    }
}

void BasicInputPanel::chooseSymbol(int slot, int choice)
{
    slotAt(slot).choice = choice;
    if (!loading()) updatePreview();
}

bool BasicInputPanel::changeAge(int slot, const std::string& text) { return textChange(slot, &InputSlot::age, text); }

bool BasicInputPanel::changeRemark(int slot, const std::string& text)
{
    return textChange(slot, &InputSlot::remark, text);
}

bool BasicInputPanel::textChange(int slot, std::string InputSlot::*field, const std::string& text)
{
    if (!loading()) {
        if (const auto refusal = unstorableTextMessage(text)) {
            slotChanged(slot);
            boxes_.show({*refusal, {}, MessageIcon::Exclamation, MessageButtons::Ok});
            return false;
        }
    }
    slotAt(slot).*field = text;
    if (!loading()) updatePreview();
    return true;
}

void BasicInputPanel::fillSymbol(int slot, int choice)
{
    slotAt(slot).choice = choice;
    slotChanged(slot);
}

void BasicInputPanel::fillAge(int slot, const std::string& text)
{
    slotAt(slot).age = text;
    slotChanged(slot);
}

void BasicInputPanel::fillRemark(int slot, const std::string& text)
{
    slotAt(slot).remark = text;
    slotChanged(slot);
}

void BasicInputPanel::fillLineTag(int k, int tag) { lines_.at(static_cast<std::size_t>(k)).tag = tag; }

void BasicInputPanel::clearMarks()
{
    drawing_.marksChanged();
    for (int i = 0; i < layout_.slotCount(); ++i) {
        slotAt(i).mark = 0;
        slotChanged(i);
    }
}

} // namespace kinsketch
