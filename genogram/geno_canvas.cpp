#include "geno_canvas.h"

#include "text_label_mapping.h"

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

// The canvas's own labels are written in its font, in the window text colour.
StyledText canvasText(std::string caption, float points)
{
    return {
        .caption = std::move(caption), .fontName = kCanvasFontName, .fontSize = points, .colour = kWindowTextColour};
}

LabelWidget cellLabel(TwipsPlace place, Colour background, std::string text)
{
    LabelWidget label;
    label.text = canvasText(std::move(text), kLabelFontSize);
    label.alignment = kAlignCentre;
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
    return {static_cast<float>(l.x1),
            static_cast<float>(l.y1),
            static_cast<float>(l.x2),
            static_cast<float>(l.y2),
            colour,
            LinePattern::Solid,
            1,
            visible};
}

bool isAsciiDigit(char c) { return c >= '0' && c <= '9'; }

} // namespace

LabelWidget textLabelTemplate()
{
    LabelWidget label;
    label.text = canvasText({}, kLabelFontSize);
    return label;
}

LabelWidget cellLabelOf(const CanvasGeometry& geometry, WidgetId id, std::string text)
{
    if (id.kind == WidgetKind::ageLabels) return cellLabel(geometry.ageLabel(id.index), kAgePink, std::move(text));
    return cellLabel(geometry.remarkLabel(id.index), kRemarkGreen, std::move(text));
}

LabelWidget lineHandleTemplate()
{
    LabelWidget label;
    label.text = canvasText("●", kHandleFontSize);
    label.width = kHandleSize;
    label.height = kHandleSize;
    return label;
}

int symbolImageIndex(const std::string& key)
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
        symbols.load(i, {static_cast<float>(cell.left), static_cast<float>(cell.top), 0, true});
    }
    for (int i = 0; i < geometry_.slotCount; ++i)
        ageLabels.load(i, cellLabelOf(geometry_, {WidgetKind::ageLabels, i}, {}));
    for (int i = 0; i < geometry_.slotCount; ++i)
        remarkLabels.load(i, cellLabelOf(geometry_, {WidgetKind::remarkLabels, i}, {}));
    for (int k = 0; k < geometry_.connectorCount(); ++k)
        connectorLines.load(k, lineAt(geometry_.connectorLines[static_cast<std::size_t>(k)], kDesignGrey, true));
    for (int k : geometry_.marriageLines) {
        slashesS.load(k, lineAt(geometry_.slashS(k), kWindowTextColour, false));
        slashesW.load(k, lineAt(geometry_.slashW(k), kWindowTextColour, false));
    }
    strokes.load(0, LineWidget{});
    textLabels.load(0, textLabelTemplate());
    startHandles.load(0, lineHandleTemplate());
    endHandles.load(0, lineHandleTemplate());
    addedLines.load(0, LineWidget{});
}

const LineWidget* GenoCanvas::lineWidget(WidgetId id) const
{
    switch (id.kind) {
    case WidgetKind::connectorLines: return connectorLines.find(id.index);
    case WidgetKind::slashesS: return slashesS.find(id.index);
    case WidgetKind::slashesW: return slashesW.find(id.index);
    case WidgetKind::frameLines: return frameLines.find(id.index);
    case WidgetKind::strokes: return strokes.find(id.index);
    case WidgetKind::addedLines: return addedLines.find(id.index);
    default: return nullptr;
    }
}

const LabelWidget* GenoCanvas::labelWidget(WidgetId id) const
{
    switch (id.kind) {
    case WidgetKind::ageLabels: return ageLabels.find(id.index);
    case WidgetKind::remarkLabels: return remarkLabels.find(id.index);
    case WidgetKind::textLabels: return textLabels.find(id.index);
    case WidgetKind::startHandles: return startHandles.find(id.index);
    case WidgetKind::endHandles: return endHandles.find(id.index);
    default: return nullptr;
    }
}

const SymbolWidget* GenoCanvas::symbolWidget(WidgetId id) const
{
    return id.kind == WidgetKind::symbols ? symbols.find(id.index) : nullptr;
}

void GenoCanvas::showText(int n, bool toFront)
{
    const TextLabelRecord& record = document_.texts.at(static_cast<std::size_t>(n));
    const bool inUse = record.used != kFalse;
    if (!textLabels.exists(n)) {
        if (!inUse) return;
        textLabels.load(n, textLabelOf(record));
    }
    LabelWidget& label = textLabels[n];
    label = textLabelOf(record);
    label.visible = inUse;
    label.enabled = inUse;
    if (toFront) textLabels.bringToFront(n);
}

bool GenoCanvas::rebuild()
{
    return trapErrors(reporter_, "GfncPrev", [&] {
        surface_.clear();
        hideFrameSegments();
        redrawFreeLines(0, FreeLineRedraw::Strokes);
        showSymbols();
        for (int i = 0; i < geometry_.slotCount; ++i)
            ageLabels[i].text.caption = document_.ages[static_cast<std::size_t>(i)];
        for (int i = 0; i < geometry_.slotCount; ++i)
            remarkLabels[i].text.caption = document_.remarks[static_cast<std::size_t>(i)];
        for (int k = 0; k < geometry_.connectorCount(); ++k)
            applyLineStyle(k, document_.lineStyles[static_cast<std::size_t>(k)]);
        for (int s = 0; s < geometry_.frameSegmentCount(); ++s)
            if (document_.frameSegments[static_cast<std::size_t>(s)] == 1) showFrameSegment(s);
    });
}

// A key that names no picture leaves its cell empty and the redraw goes on:
// stopping here would leave the rest of the canvas, and the picture taken
// from it, half drawn.
void GenoCanvas::showSymbols()
{
    for (int i = 0; i < geometry_.slotCount; ++i) {
        const std::string& key = document_.symbols[static_cast<std::size_t>(i)];
        int image = 0;
        try {
            image = symbolImageIndex(key);
            if (image > kSymbolImageCount) throw RunTimeError::subscriptOutOfRange("シンボル \"" + key + "\"");
        } catch (const RunTimeError& error) {
            reportBadSymbolOnce(i, key, error);
            image = 0;
        }
        symbols[i].image = image;
    }
}

// Every edit redraws the canvas; the same bad key is reported the first time only.
void GenoCanvas::reportBadSymbolOnce(int slot, const std::string& key, const RunTimeError& error)
{
    if (reportedBadSymbols_.emplace(slot, key).second) reportTrapped(reporter_, "GfncPrev", error);
}

void GenoCanvas::applyLineStyle(int k, int style)
{
    const bool marriage = geometry_.isMarriageLine(k);
    if (marriage) {
        slashesS[k].visible = false;
        slashesW[k].visible = false;
    }
    LineWidget& line = connectorLines[k];
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
        slashesS[k].visible = look->slashS;
        slashesW[k].visible = look->slashW;
    }
}

void GenoCanvas::showFrameSegment(int s)
{
    if (s < 0 || s >= geometry_.frameSegmentCount()) return;
    const TwipsLine& segment = geometry_.frameSegments[static_cast<std::size_t>(s)];
    placeFrameSegment(s, segment.x1, segment.y1, segment.x2, segment.y2);
}

void GenoCanvas::placeFrameSegment(int s, int x1, int y1, int x2, int y2)
{
    frameLines.load(s, lineAt({x1, y1, x2, y2}, kBlack, true));
    frameLines.bringToFront(s);
}

void GenoCanvas::hideFrameSegments()
{
    for (int s = frameLines.upperBound(); s >= 0; --s)
        if (frameLines.exists(s)) frameLines.unload(s);
}

} // namespace kinsketch
