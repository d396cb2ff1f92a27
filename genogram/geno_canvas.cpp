#include "geno_canvas.h"

#include "text_label_mapping.h"

#include "document/error_trap.h"
#include "line_style.h"

#include "document/run_time_error.h"

#include <algorithm>
#include <utility>
#include <vector>

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

void showCaption(WidgetArray<LabelWidget>& labels, int i, const std::string& caption)
{
    if (std::as_const(labels)[i].text.caption != caption) labels[i].text.caption = caption;
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

GenoCanvas::GenoCanvas(CanvasSize size, Drawing& drawing, ErrorReporter& reporter, CanvasContext context)
    : GenoCanvas(size, nullptr, &drawing, reporter, std::move(context))
{}

GenoCanvas::GenoCanvas(CanvasSize size, GdrRecord& document, ErrorReporter& reporter, CanvasContext context)
    : GenoCanvas(size, std::make_unique<Drawing>(document), nullptr, reporter, std::move(context))
{}

GenoCanvas::GenoCanvas(CanvasSize size, std::unique_ptr<Drawing> own, Drawing* shared, ErrorReporter& reporter,
                       CanvasContext context)
    : ownDrawing_(std::move(own))
    , drawing_(shared ? *shared : *ownDrawing_)
    , geometry_(canvasGeometry(size))
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
    const TextLabelRecord& record = document().texts.at(static_cast<std::size_t>(n));
    const bool inUse = record.used != kFalse;
    if (!textLabels.exists(n)) {
        if (!inUse) return;
        textLabels.load(n, textLabelOf(record));
    }
    LabelWidget label = textLabelOf(record);
    label.visible = inUse;
    label.enabled = inUse;
    textLabels.set(n, label);
    if (toFront) textLabels.bringToFront(n);
}

void GenoCanvas::showTexts()
{
    std::vector<WidgetId> inUse;
    for (int n = 1; n < kTextLabelCount; ++n) {
        if (document().texts[static_cast<std::size_t>(n)].used != kFalse) {
            showText(n, false);
            inUse.push_back({WidgetKind::textLabels, n});
        } else if (textLabels.exists(n)) {
            textLabels.unload(n);
        }
    }
    static constexpr WidgetKind kLaidOverByRebuild[] = {WidgetKind::strokes, WidgetKind::frameLines};
    if (!zOrder_.liesOnTop(inUse, kLaidOverByRebuild)) textLabels.bringToFrontInOrder(1, textLabels.upperBound());
}

void GenoCanvas::drawOnSurface(const LineWidget& segment)
{
    surface_.push_back(segment);
    changeLog_.add({CanvasChange::What::Surface, WidgetKind::strokes, 0, 0, {}});
}

bool GenoCanvas::rebuildUnderAddedLines()
{
    underAddedLines_ = true;
    const bool rebuilt = rebuild();
    underAddedLines_ = false;
    return rebuilt;
}

bool GenoCanvas::liesUnderAddedLines(int lowest, int highest) const
{
    std::vector<WidgetId> segments;
    for (int k = lowest; k <= highest; ++k)
        if (strokes.exists(k)) segments.push_back({WidgetKind::strokes, k});
    for (int s = 0; s <= frameLines.upperBound(); ++s)
        if (frameLines.exists(s)) segments.push_back({WidgetKind::frameLines, s});
    static constexpr WidgetKind kAddedLineKinds[] = {WidgetKind::startHandles, WidgetKind::endHandles,
                                                     WidgetKind::addedLines};
    return zOrder_.liesOnTop(segments, kAddedLineKinds);
}

// Widgets keep what they show where it stays, so that the change log names
// only what an edit changed: the frame segments that stay shown are not made
// anew, and neither they nor the pen segments move while they lie in order.
bool GenoCanvas::rebuild()
{
    return trapErrors(reporter_, "GfncPrev", [&] {
        if (!surface_.empty()) {
            surface_.clear();
            changeLog_.add({CanvasChange::What::Surface, WidgetKind::strokes, 0, 0, {}});
        }
        for (int s = frameLines.upperBound(); s >= 0; --s)
            if (frameLines.exists(s) && document().frameSegments[static_cast<std::size_t>(s)] != 1)
                frameLines.unload(s);
        redrawFreeLines(0, FreeLineRedraw::Strokes, true);
        showSymbols();
        for (int i = 0; i < geometry_.slotCount; ++i) {
            showCaption(ageLabels, i, document().ages[static_cast<std::size_t>(i)]);
            showCaption(remarkLabels, i, document().remarks[static_cast<std::size_t>(i)]);
        }
        for (int k = 0; k < geometry_.connectorCount(); ++k)
            applyLineStyle(k, document().lineStyles[static_cast<std::size_t>(k)]);
        showFrameSegments();
    });
}

// A key that names no picture leaves its cell empty and the redraw goes on:
// stopping here would leave the rest of the canvas, and the picture taken
// from it, half drawn.
void GenoCanvas::showSymbols()
{
    for (int i = 0; i < geometry_.slotCount; ++i) {
        const std::string& key = document().symbols[static_cast<std::size_t>(i)];
        int image = 0;
        try {
            image = symbolImageIndex(key);
            if (image > kSymbolImageCount) throw RunTimeError::subscriptOutOfRange("シンボル \"" + key + "\"");
        } catch (const RunTimeError& error) {
            reportBadSymbolOnce(i, key, error);
            image = 0;
        }
        SymbolWidget symbol = std::as_const(symbols)[i];
        symbol.image = image;
        symbols.set(i, symbol);
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
    LineWidget line = std::as_const(connectorLines)[k];
    line.visible = true;
    bool slashS = false, slashW = false;
    if (const auto look = lineStyleLook(style, marriage); look && !look->shown) {
        line.colour = kWhite;
        line.visible = false;
    } else if (look) {
        line.colour = kBlack;
        line.pattern = look->pattern;
        line.width = look->width;
        slashS = look->slashS;
        slashW = look->slashW;
    }
    connectorLines.set(k, line);
    if (!marriage) return;
    const auto showSlash = [k](WidgetArray<LineWidget>& slashes, bool shown) {
        LineWidget slash = std::as_const(slashes)[k];
        slash.visible = shown;
        slashes.set(k, slash);
    };
    showSlash(slashesS, slashS);
    showSlash(slashesW, slashW);
}

// The frame segments the document marks lie on top, in their order.
void GenoCanvas::showFrameSegments()
{
    for (int s = 0; s < geometry_.frameSegmentCount(); ++s) {
        if (document().frameSegments[static_cast<std::size_t>(s)] != 1) continue;
        const LineWidget line = lineAt(geometry_.frameSegments[static_cast<std::size_t>(s)], kBlack, true);
        if (frameLines.exists(s))
            frameLines.set(s, line);
        else
            frameLines.load(s, line);
    }
    const std::uint64_t orderedBefore = zOrder_.changes();
    const bool freeLinesOrdered = freeLinesOrderedAt_ == orderedBefore;
    if (!underAddedLines_ || !liesUnderAddedLines(1, 0)) frameLines.bringToFrontInOrder(0, frameLines.upperBound());
    if (freeLinesOrdered) freeLinesOrderedAt_ = zOrder_.changes();
    frameOverFreeLines_ = frameLines.upperBound() >= 0;
}

} // namespace kinsketch
