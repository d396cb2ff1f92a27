#pragma once
// The genogram canvas (mdiGenoInpSave, and mdiGenoInpSave_2 for WIDE) as a
// model: its widget arrays, their z-order and the routines that set them from
// the document. One class serves both sizes; the geometry tables make the
// difference. The window that shows it and the picture both draw this model
// through the one painting routine, so logic and tests need no screen.

#include "canvas_change_log.h"
#include "canvas_widgets.h"
#include "drawing.h"
#include "geometry/canvas_geometry.h"
#include "input_mode.h"
#include "widget_array.h"
#include "z_order.h"

#include "document/gdr_record.h"
#include "seams/error_reporter.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace kinsketch {

// Pen segments lowest … highest that lie next to each other in the stacking
// order, in record order, as the last full redraw left them. The revision is
// that of the `strokes` array: it tells that no segment changed since.
struct FreeLineRun {
    int lowest = 0;
    int highest = 0;
    std::uint64_t revision = 0;

    bool operator==(const FreeLineRun&) const = default;
};

enum class AddedLineDraw : std::uint8_t { Create, Redraw };

// How pen records are joined into segments: as strokes, or (while a free
// figure is built) with the records of the current figure joined apart.
enum class FreeLineRedraw : std::uint8_t { Strokes, Figure };

// What the canvas reads from the windows beside it.
struct CanvasContext {
    std::function<InputMode()> inputMode = [] { return InputMode::Text; };
    // The number of the figure the free-line panel is building.
    std::function<std::int32_t()> currentFigureNo = [] { return std::int32_t{0}; };
};

class GenoCanvas {
public:
    // Edits go through `drawing`, which the editing windows share.
    GenoCanvas(CanvasSize size, Drawing& drawing, ErrorReporter& reporter, CanvasContext context = {});
    // A canvas of a document of its own (a picture, a test), whose edits nobody else follows.
    GenoCanvas(CanvasSize size, GdrRecord& document, ErrorReporter& reporter, CanvasContext context = {});
    GenoCanvas(const GenoCanvas&) = delete;
    GenoCanvas& operator=(const GenoCanvas&) = delete;

    const CanvasGeometry& geometry() const { return geometry_; }
    const GdrRecord& document() const { return drawing_.document(); }
    Drawing& drawing() { return drawing_; }
    ErrorReporter& reporter() { return reporter_; }
    InputMode inputMode() const { return context_.inputMode(); }

    // Rebuilds the picture of the document: symbols, labels, connector lines,
    // the automatic frame and the pen strokes. Texts and added lines stay.
    bool rebuild();
    // The same when the added lines are drawn over everything next: pen and
    // frame segments that lie in order right beneath them stay there.
    bool rebuildUnderAddedLines();
    // Re-creates the pen-segment widgets from record `first` on (see the .cpp).
    bool redrawFreeLines(std::int32_t first, FreeLineRedraw how);
    // Whether the last redrawFreeLines moved segments it did not re-create,
    // so that what lay above them before now lies below.
    bool freeLinesRestacked() const { return freeLinesRestacked_; }
    // The segments of the last full redraw while none of them has changed:
    // what draws the canvas can take them as one.
    std::optional<FreeLineRun> unchangedFreeLineRun() const;
    // Added lines 1–100 from the document: Create makes the widgets a line
    // lacks and draws it; Redraw draws and hides the lines no longer in use.
    // A selected line is drawn red. False after a trapped error.
    bool drawAddedLines(AddedLineDraw how);
    bool drawAddedLine(int n, AddedLineDraw how, bool selected = false);

    // Shows text n as the document holds it (texts[n]): its label is made on
    // first need and hidden while the text is not in use. `toFront` lays it
    // over everything, as placing a text or opening the document does.
    void showText(int n, bool toFront);

    // Shows every text as the document holds it, those in use over
    // everything else in number order, as opening the document lays them;
    // labels of texts no longer in use go. Labels that lie so already stay
    // where they are: the pen and frame segments a rebuild lays over them
    // anyway may lie above them.
    void showTexts();

    // What a save does before storing layer 2: both handles of every added
    // line on show become visible, so that the handles select the lines.
    void showHandlesOfLinesOnShow();
    // What leaving line mode does: no handle of any line shows.
    void hideLineHandles();

    // Pixels drawn straight on the window surface while the mouse moves;
    // the next rebuild wipes them.
    void drawOnSurface(const LineWidget& segment);
    const std::vector<LineWidget>& surface() const { return surface_; }

    const ZOrder& zOrder() const { return zOrder_; }
    // The widget an entry of the z-order stands for; null for another kind.
    const LineWidget* lineWidget(WidgetId id) const;
    const LabelWidget* labelWidget(WidgetId id) const;
    const SymbolWidget* symbolWidget(WidgetId id) const;

    // Every change to the widgets and their order, as it happened.
    const CanvasChangeLog& changeLog() const { return changeLog_; }

private:
    CanvasChangeLog changeLog_;
    ZOrder zOrder_{changeLog_};

public:
    // The widget arrays under their window names.
    WidgetArray<SymbolWidget> symbols{WidgetKind::symbols, zOrder_};
    WidgetArray<LabelWidget> ageLabels{WidgetKind::ageLabels, zOrder_};
    WidgetArray<LabelWidget> remarkLabels{WidgetKind::remarkLabels, zOrder_};
    WidgetArray<LineWidget> connectorLines{WidgetKind::connectorLines, zOrder_};
    WidgetArray<LineWidget> slashesS{WidgetKind::slashesS, zOrder_};
    WidgetArray<LineWidget> slashesW{WidgetKind::slashesW, zOrder_};
    WidgetArray<LineWidget> frameLines{WidgetKind::frameLines, zOrder_};
    WidgetArray<LineWidget> strokes{WidgetKind::strokes, zOrder_};
    WidgetArray<LabelWidget> textLabels{WidgetKind::textLabels, zOrder_};
    WidgetArray<LabelWidget> startHandles{WidgetKind::startHandles, zOrder_};
    WidgetArray<LabelWidget> endHandles{WidgetKind::endHandles, zOrder_};
    WidgetArray<LineWidget> addedLines{WidgetKind::addedLines, zOrder_};

private:
    // A canvas with a drawing of its own holds it in `own`; else `shared` is the editing windows'.
    GenoCanvas(CanvasSize size, std::unique_ptr<Drawing> own, Drawing* shared, ErrorReporter& reporter,
               CanvasContext context);
    void loadDesign();
    // `rebuilding`: the frame is laid over the segments next, so that a
    // frame already lying just above them leaves them in order.
    bool redrawFreeLines(std::int32_t first, FreeLineRedraw how, bool rebuilding);
    void showSymbols();
    void reportBadSymbolOnce(int slot, const std::string& key, const RunTimeError& error);
    void applyLineStyle(int k, int style);
    void showFrameSegments();
    // Whether the pen segments `lowest` … `highest` and then the frame
    // segments lie in order at the top, save for added lines above them.
    bool liesUnderAddedLines(int lowest, int highest) const;
    void drawOneAddedLine(int k, AddedLineDraw how, bool selected, bool toFront = true);
    std::optional<std::int32_t> figureNoOf(bool figure) const;
    bool redrawsUnchangedFreeLines(bool figure) const;
    void rememberFullFreeLineDraw(bool figure, std::int32_t lastReached);

    std::unique_ptr<Drawing> ownDrawing_;
    Drawing& drawing_;
    const CanvasGeometry& geometry_;
    ErrorReporter& reporter_;
    CanvasContext context_;
    std::vector<LineWidget> surface_;
    // The z-order as redrawFreeLines left it: segments 1 … freeLinesOnTop_ on
    // top in record order, as long as nothing has changed the order since.
    std::uint64_t freeLinesOrderedAt_ = ~std::uint64_t{0};
    std::int32_t freeLinesOnTop_ = 0;
    // The last rebuild laid the frame over those segments, and nothing has
    // moved since: to a rebuild they are still in order, to the pen not.
    bool frameOverFreeLines_ = false;
    // A rebuild under the added lines is running.
    bool underAddedLines_ = false;
    bool freeLinesRestacked_ = true;
    // What the last redraw of every pen record found and left, so that a
    // redraw of records and segments that have not changed since only moves
    // the segments to the front: every edit of the panel redraws them all.
    struct FullFreeLineDraw {
        std::uint64_t recordsRevision;
        bool dimensioned;
        std::int32_t lowerBound;
        std::int32_t upperBound;
        std::optional<std::int32_t> figureNo; // the chains' figure, in figure mode
        std::uint64_t segmentsRevision;
        // The segments on top, lowest … highest in record order (0: none).
        int lowest;
        int highest;
    };
    std::optional<FullFreeLineDraw> fullFreeLineDraw_;
    std::set<std::pair<int, std::string>> reportedBadSymbols_;
};

// The image number of a symbol key: its last two characters as a number
// ("i000" → 0, "i105" → 5). Anything else raises a type-mismatch error.
int symbolImageIndex(const std::string& key);

// Label templates the canvas and its editors copy.
LabelWidget textLabelTemplate();
LabelWidget lineHandleTemplate();
// The age or remark label `id` (of kind ageLabels or remarkLabels) as the
// canvas of `geometry` shows `text` in it.
LabelWidget cellLabelOf(const CanvasGeometry& geometry, WidgetId id, std::string text);

} // namespace kinsketch
