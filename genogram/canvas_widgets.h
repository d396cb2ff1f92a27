#pragma once
// The widgets of the genogram canvas as plain values: what each label, line
// and symbol picture shows and where. The canvas owns them; the painting
// routine draws them; nothing here needs a screen.

#include "styled_text.h"

#include "document/gdr_record.h"

#include <cstdint>
#include <string>

namespace kinsketch {

enum class WidgetKind : std::uint8_t {
    symbols,
    ageLabels,
    remarkLabels,
    connectorLines,
    slashesS,
    slashesW,
    frameLines,
    strokes,
    textLabels,
    startHandles,
    endHandles,
    addedLines,
};

struct WidgetId {
    WidgetKind kind;
    int index;

    bool operator==(const WidgetId&) const = default;
};

enum class LinePattern : std::uint8_t { Solid, Dotted };

struct LineWidget {
    float x1 = 0, y1 = 0, x2 = 0, y2 = 0; // twips
    Colour colour = 0;
    LinePattern pattern = LinePattern::Solid;
    std::int32_t width = 1; // pixels
    bool visible = false;

    bool operator==(const LineWidget&) const = default;
};

// Label alignment as stored: 0 left, 1 right, 2 centre. Other values are kept
// as they came so that a save writes them back; they draw left-aligned.
using LabelAlignment = std::uint8_t;
constexpr LabelAlignment kAlignLeft = 0;
constexpr LabelAlignment kAlignRight = 1;
constexpr LabelAlignment kAlignCentre = 2;

struct LabelWidget {
    StyledText text;
    LabelAlignment alignment = kAlignLeft;
    bool opaque = false; // transparent labels show what lies below them
    Colour backColor = 0xFFFFFF;
    float left = 0, top = 0, width = 0, height = 0; // twips
    bool visible = false;
    bool enabled = true;

    bool operator==(const LabelWidget&) const = default;
};

// A person symbol picture; image 0 shows nothing, 1–14 the person symbols.
struct SymbolWidget {
    float left = 0, top = 0;
    int image = 0;
    bool visible = true;

    bool operator==(const SymbolWidget&) const = default;
};

// Colours the canvas takes from the system: the classic defaults, fixed, so
// that neither the screen nor the picture depends on the desktop theme.
constexpr Colour kWindowTextColour = 0x000000;
constexpr Colour kButtonFaceColour = 0xC0C0C0;
constexpr Colour kWhite = 0xFFFFFF;
constexpr Colour kBlack = 0x000000;
constexpr Colour kRed = 0x0000FF;
constexpr Colour kDesignGrey = 0xE0E0E0;
constexpr Colour kAgePink = 0xFFC0FF;
constexpr Colour kRemarkGreen = 0xC0FFC0;

// The font the canvas's own labels are drawn in.
inline constexpr const char* kCanvasFontName = "ＭＳ Ｐゴシック";

} // namespace kinsketch
