#pragma once
// The basic-input panel (mdiGenoInp, or mdiGenoInp_2 for WIDE) as a model:
// the person slots with their symbol, age, remark and cohabitant mark, the
// connector lines with their styles, and the panel's routines. It holds the
// live copy of layer 0: every user change is written into the document at
// once and the canvas is asked to redraw. The window shows this model and
// turns its events into the calls below; tests drive the calls directly.

#include "genogram/symbol_choices.h"
#include "input_layout.h"

#include "document/gdr_record.h"
#include "genogram/canvas_widgets.h"
#include "genogram/drawing.h"
#include "seams/error_reporter.h"
#include "seams/message_boxes.h"

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

namespace kinsketch {

// What the panel asks of the windows around it.
struct BasicInputNeighbours {
    std::function<int()> selectedLineStyle = [] { return 0; };                        // the tool bar's Tag
    std::function<void()> redrawCanvas = [] {};                                       // rebuild of the canvas
    std::function<void(const std::string&)> showGuidance = [](const std::string&) {}; // one fixed line
    std::function<void(const std::string&)> tellCutText = [](const std::string&) {};  // empty: it all shows
    std::function<void()> closeGuidance = [] {};
    std::function<void(const std::string&)> setFrameButtonCaption = [](const std::string&) {};
};

struct InputSlot {
    int choice = kNoChoice; // the chooser's selected item
    std::string age;
    std::string remark;
    int mark = 0; // the background's tag: 1 lives in the household
};

struct InputLine {
    int tag = 0; // the style last applied
    Colour colour = kDesignGrey;
    LinePattern pattern = LinePattern::Solid;
    int width = 1;       // pixels
    bool slashS = false; // the slash marks of a marriage line, drawn black
    bool slashW = false;
};

enum class PanelButton { Left, Right, Middle };

constexpr int kNoLine = 9999;
inline constexpr const char* kFrameAddCaption = "同居枠追加（自動）";
inline constexpr const char* kFrameEraseCaption = "同居枠消去";
inline constexpr const char* kFrameGuidance = "「同居枠追加（自動）」ボタンで同居枠を自動的に描画します｡";
inline constexpr const char* kLoadFailedMessage =
    "保存ファイルからの読み込みに失敗しました。前回の続きからの編集は出来ません。";

class BasicInputPanel {
public:
    BasicInputPanel(CanvasSize size, Drawing& drawing, ErrorReporter& reporter, MessageBoxes& boxes,
                    BasicInputNeighbours neighbours);
    BasicInputPanel(const BasicInputPanel&) = delete;
    BasicInputPanel& operator=(const BasicInputPanel&) = delete;

    const InputLayout& layout() const { return layout_; }
    const InputSlot& slot(int i) const { return slots_.at(static_cast<std::size_t>(i)); }
    const InputLine& line(int k) const { return lines_.at(static_cast<std::size_t>(k)); }
    bool loading() const { return loading_; }
    // What the picture will cut of the box being typed in, for the guidance
    // box; empty when it all shows.
    void tellCutText(const std::string& line) { neighbours_.tellCutText(line); }

    // Fills the panel from the document and draws the stored line styles.
    void load();
    // A press on the panel background at (x, y) twips.
    void pressBackground(PanelButton button, int x, int y);
    int lineAt(int x, int y) const;
    void setLineStyle(int index, int style);
    LineRole lineRole(int index) const;
    void updatePreview();
    void toggleCohabitantMark(int index);

    // The user's edits. A text the document cannot store is refused with a
    // message and the change handler returns false; the box shows the slot's
    // text again.
    void chooseSymbol(int slot, int choice);
    bool changeAge(int slot, const std::string& text);
    bool changeRemark(int slot, const std::string& text);

    // What filling from the document sets; the controls follow.
    void fillSymbol(int slot, int choice);
    void fillAge(int slot, const std::string& text);
    void fillRemark(int slot, const std::string& text);
    void fillLineTag(int k, int tag);

    // The frame button's reset of every mark.
    void clearMarks();
    // Sets every slot's mark, as the marks of an earlier state are given
    // back; the guidance and the frame button follow when any changed.
    void showMarks(std::span<const std::uint8_t> marks);

    // Told when the model changed other than through the control that
    // reports the change, so that the window can show it.
    std::function<void(int slot)> slotChanged = [](int) {};
    std::function<void()> linesChanged = [] {};

private:
    InputSlot& slotAt(int i) { return slots_.at(static_cast<std::size_t>(i)); }
    bool textChange(int slot, std::string InputSlot::*field, const std::string& text);
    void showMarkedOrNot();

    const InputLayout& layout_;
    Drawing& drawing_;
    ErrorReporter& reporter_;
    MessageBoxes& boxes_;
    BasicInputNeighbours neighbours_;
    std::vector<InputSlot> slots_;
    std::vector<InputLine> lines_;
    bool loading_ = false;
    bool stylesShown_ = false;
};

} // namespace kinsketch
