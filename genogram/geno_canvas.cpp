#include "geno_canvas.h"

#include "document/error_trap.h"
#include "line_style.h"

#include "document/run_time_error.h"

#include <algorithm>

namespace kinsketch {
namespace {

constexpr int kSymbolImageCount = 14;
constexpr float kLabelFontSize = 9.0F;
constexpr float kHandleFontSize = 8.25F;
constexpr float kHandleSize = 135.0F;

LabelWidget cellLabel(TwipsPlace place, Colour background)
{
    LabelWidget label;
    label.alignment = kAlignCentre;
    label.fontName = kCanvasFontName;
    label.fontSize = kLabelFontSize;
    label.foreColor = kWindowTextColour;
    label.opaque = true;
    label.backColor = background;
    label.left = static_cast<float>(place.left);
    label.top = static_cast<float>(place.top);
    label.width = kLabelWidth;
    label.height = kLabelHeight;
    label.visible = true;
    return label;
}

LineWidget lineAt(const TwipsLine& l, Colour colour, bool visible)
{
    return {static_cast<float>(l.x1), static_cast<float>(l.y1), static_cast<float>(l.x2), static_cast<float>(l.y2),
            colour, LinePattern::Solid, 1, visible};
}

bool isAsciiDigit(char c) { return c >= '0' && c <= '9'; }

} // namespace

LabelWidget textLabelTemplate()
{
    LabelWidget label;
    label.fontName = kCanvasFontName;
    label.fontSize = kLabelFontSize;
    label.foreColor = kWindowTextColour;
    return label;
}

LabelWidget lineHandleTemplate()
{
    LabelWidget label;
    label.caption = "●";
    label.fontName = kCanvasFontName;
    label.fontSize = kHandleFontSize;
    label.foreColor = kWindowTextColour;
    label.width = kHandleSize;
    label.height = kHandleSize;
    return label;
}

int LfncCnvKey2Idx(const std::string& key)
{
    // The last two characters, counted as characters, not bytes.
    std::size_t start = key.size();
    for (int characters = 0; characters < 2 && start > 0; ++characters) {
        do {
            --start;
        } while (start > 0 && (static_cast<unsigned char>(key[start]) & 0xC0U) == 0x80U);
    }
    std::string digits = key.substr(start);
    digits.erase(std::remove(digits.begin(), digits.end(), ' '), digits.end());
    if (digits.empty() || !std::all_of(digits.begin(), digits.end(), isAsciiDigit))
        throw RunTimeError::typeMismatch("シンボル \"" + key + "\"");
    return std::stoi(digits);
}

GenoCanvas::GenoCanvas(CanvasSize size, GdrRecord& document, ErrorReporter& reporter, CanvasContext context)
    : geometry_(canvasGeometry(size))
    , document_(document)
    , reporter_(reporter)
    , context_(std::move(context))
{
    loadDesign();
}

// The widgets that exist before any routine runs, bottom to top. Connector
// lines lie above the labels they cross, so a descent never shows a gap.
void GenoCanvas::loadDesign()
{
    for (int i = 0; i < geometry_.slotCount; ++i) {
        const TwipsPlace cell = geometry_.cells[static_cast<std::size_t>(i)];
        Image1.load(i, {static_cast<float>(cell.left), static_cast<float>(cell.top), 0, true});
    }
    for (int i = 0; i < geometry_.slotCount; ++i) lblAge.load(i, cellLabel(geometry_.ageLabel(i), kAgePink));
    for (int i = 0; i < geometry_.slotCount; ++i) lblRel.load(i, cellLabel(geometry_.remarkLabel(i), kRemarkGreen));
    for (int k = 0; k < geometry_.connectorCount(); ++k)
        Lines.load(k, lineAt(geometry_.connectorLines[static_cast<std::size_t>(k)], kDesignGrey, true));
    for (int k : geometry_.marriageLines) {
        LineTiltS.load(k, lineAt(geometry_.slashS(k), kWindowTextColour, false));
        LineTiltW.load(k, lineAt(geometry_.slashW(k), kWindowTextColour, false));
    }
    FreeLine.load(0, LineWidget{});
    lblInp.load(0, textLabelTemplate());
    lblLine1.load(0, lineHandleTemplate());
    lblLine2.load(0, lineHandleTemplate());
    lineLine.load(0, LineWidget{});
}

const LineWidget* GenoCanvas::lineWidget(WidgetId id) const
{
    switch (id.kind) {
    case WidgetKind::Lines: return Lines.find(id.index);
    case WidgetKind::LineTiltS: return LineTiltS.find(id.index);
    case WidgetKind::LineTiltW: return LineTiltW.find(id.index);
    case WidgetKind::lineWaku: return lineWaku.find(id.index);
    case WidgetKind::FreeLine: return FreeLine.find(id.index);
    case WidgetKind::lineLine: return lineLine.find(id.index);
    default: return nullptr;
    }
}

const LabelWidget* GenoCanvas::labelWidget(WidgetId id) const
{
    switch (id.kind) {
    case WidgetKind::lblAge: return lblAge.find(id.index);
    case WidgetKind::lblRel: return lblRel.find(id.index);
    case WidgetKind::lblInp: return lblInp.find(id.index);
    case WidgetKind::lblLine1: return lblLine1.find(id.index);
    case WidgetKind::lblLine2: return lblLine2.find(id.index);
    default: return nullptr;
    }
}

const SymbolWidget* GenoCanvas::symbolWidget(WidgetId id) const
{
    return id.kind == WidgetKind::Image1 ? Image1.find(id.index) : nullptr;
}

int GenoCanvas::GfncPrev()
{
    return trapErrors(reporter_, "GfncPrev", [&] {
        surface_.clear();
        LfncUnloadLine();
        GfncLineDraw2(0, false);
        showSymbols();
        for (int i = 0; i < geometry_.slotCount; ++i) lblAge[i].caption = document_.AgeText[static_cast<std::size_t>(i)];
        for (int i = 0; i < geometry_.slotCount; ++i) lblRel[i].caption = document_.RelText[static_cast<std::size_t>(i)];
        for (int k = 0; k < geometry_.connectorCount(); ++k) LfncSetLineStyle(k, document_.LineTag[static_cast<std::size_t>(k)]);
        for (int s = 0; s < geometry_.frameSegmentCount(); ++s)
            if (document_.CohabitSeg[static_cast<std::size_t>(s)] == 1) LfncWakuAuto2(s);
    });
}

// A key that names no picture leaves its cell empty and the redraw goes on:
// stopping here would leave the rest of the canvas, and the picture taken
// from it, half drawn.
void GenoCanvas::showSymbols()
{
    for (int i = 0; i < geometry_.slotCount; ++i) {
        const std::string& key = document_.SymbolKey[static_cast<std::size_t>(i)];
        int image = 0;
        try {
            image = LfncCnvKey2Idx(key);
            if (image > kSymbolImageCount) throw RunTimeError::subscriptOutOfRange("シンボル \"" + key + "\"");
        } catch (const RunTimeError& error) {
            reportBadSymbolOnce(i, key, error);
            image = 0;
        }
        Image1[i].image = image;
    }
}

// Every edit redraws the canvas; the same bad key is reported the first time only.
void GenoCanvas::reportBadSymbolOnce(int slot, const std::string& key, const RunTimeError& error)
{
    if (reportedBadSymbols_.emplace(slot, key).second) reporter_.reportTrapped("GfncPrev", error);
}

void GenoCanvas::LfncSetLineStyle(int k, int style)
{
    const bool marriage = geometry_.isMarriageLine(k);
    if (marriage) {
        LineTiltS[k].visible = false;
        LineTiltW[k].visible = false;
    }
    LineWidget& line = Lines[k];
    line.visible = true;
    const auto look = lineStyleLook(style, marriage);
    if (!look) return;
    if (!look->shown) {
        line.colour = kWhite;
        line.visible = false;
        return;
    }
    line.colour = kBlack;
    line.pattern = look->pattern;
    line.width = look->width;
    if (marriage) {
        LineTiltS[k].visible = look->slashS;
        LineTiltW[k].visible = look->slashW;
    }
}

void GenoCanvas::LfncWakuAuto2(int s)
{
    if (s < 0 || s >= geometry_.frameSegmentCount()) return;
    const TwipsLine& segment = geometry_.frameSegments[static_cast<std::size_t>(s)];
    LfncLoadLine(s, segment.x1, segment.y1, segment.x2, segment.y2);
}

void GenoCanvas::LfncLoadLine(int s, int x1, int y1, int x2, int y2)
{
    lineWaku.load(s, lineAt({x1, y1, x2, y2}, kBlack, true));
    lineWaku.bringToFront(s);
}

void GenoCanvas::LfncUnloadLine()
{
    for (int s = lineWaku.upperBound(); s >= 0; --s)
        if (lineWaku.exists(s)) lineWaku.unload(s);
}

} // namespace kinsketch
