#pragma once
// Where everything of the basic-input panel (mdiGenoInp, and mdiGenoInp_2 for
// WIDE) stands, in twips of the panel's client area. The connector network
// is held as what each line joins; its end points follow from the slot
// frames, so the two layouts share one network table (the WIDE one extends
// the normal one: lines 0–51 join the same slots in both).

#include "geometry/canvas_geometry.h"
#include "geometry/canvas_size.h"

#include <span>
#include <vector>

namespace kinsketch {

// The role numbers are what lineRole returns.
enum class LineRole : int { None = 0, Marriage = 1, SiblingBar = 2, Vertical = 3 };

enum class LinkKind : unsigned char {
    Bar,      // sibling bar between the drop points of slots a and b
    Drop,     // from the bar down to slot a
    Marriage, // from slot a to its right-hand neighbour b
    Descent,  // from the middle of marriage line a down to the next bar
};

struct ConnectorLink {
    LinkKind kind;
    int a;
    int b = -1;
};

constexpr int kSlotFrameWidth = 1335;
constexpr int kSlotFrameHeight = 1080;
constexpr TwipsPlace kChooserOffset{360, 120};
constexpr int kChooserWidth = 615;
constexpr int kChooserHeight = 315;
constexpr TwipsPlace kAgeOffset{240, 480};
constexpr TwipsPlace kRemarkOffset{240, 720};
constexpr int kTextBoxWidth = 855;
constexpr int kTextBoxHeight = 270;
constexpr int kRowCaptionWidth = 855;
constexpr int kRowCaptionHeight = 255;

struct InputLayout {
    CanvasSize size;
    int clientWidth;
    int clientHeight;
    std::span<const TwipsPlace> slotFrames;
    std::span<const ConnectorLink> links;
    std::span<const int> lateDropSlots;   // slots whose drop point is further right
    std::span<const int> rowCaptionLefts; // "年齢→" / "備考→" of each row

    int slotCount() const { return static_cast<int>(slotFrames.size()); }
    int lineCount() const { return static_cast<int>(links.size()); }
    int rowCount() const { return static_cast<int>(rowCaptionLefts.size()); }
    int rowTop(int row) const;

    LineRole role(int line) const;
    TwipsLine line(int k) const;
    // The first and second slash across marriage line k.
    TwipsLine slashS(int k) const;
    TwipsLine slashW(int k) const;
    int marriageLineCount() const;

private:
    int dropX(int slot) const;
};

const InputLayout& inputLayout(CanvasSize size);

} // namespace kinsketch
