#pragma once
// The canvas model flattened into what the painter draws, bottom first: the
// strokes drawn on the window surface, then every visible widget in stacking
// order, each as a copy of its values. The window keeps the scene it last
// painted beside the picture, so that it can tell where a widget the model
// says it changed lay before.

#include "genogram/geno_canvas.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

namespace kinsketch {

// The visible pen segments of a run, bottom first, with their stroke-record indices.
struct StrokeRun {
    std::vector<int> indices;
    std::vector<LineWidget> lines;
};

// Whether `run` begins with every line of `start`, in the same order.
bool startsWith(const StrokeRun& run, const StrokeRun& start);

struct CanvasScene {
    enum class Look : std::uint8_t { SurfaceLine, Line, Label, Symbol, Strokes };

    struct Item {
        Look look;
        WidgetId id;      // for a surface stroke, its place among them; for strokes, the lowest
        std::uint32_t at; // its values in lines, labels or symbols
    };

    std::vector<Item> items;
    std::vector<LineWidget> lines;
    std::vector<LabelWidget> labels;
    std::vector<SymbolWidget> symbols;
    // The pen segments taken whole, if any: one Strokes item stands for them.
    std::shared_ptr<const StrokeRun> strokes;

    const LineWidget& line(const Item& item) const { return lines[item.at]; }
    const LabelWidget& label(const Item& item) const { return labels[item.at]; }
    const SymbolWidget& symbol(const Item& item) const { return symbols[item.at]; }

    // Adds pen segments first … last on top, as a free-drawing step does.
    void addFreeLines(const GenoCanvas& canvas, int first, int last);
};

// Keeps the pen segments of the canvas's last full redraw as one run while
// none of them changes, so that successive scenes share it: two scenes then
// compare in constant time however many segments the canvas carries.
class StrokeRunKeeper {
public:
    std::shared_ptr<const StrokeRun> runOf(const GenoCanvas& canvas, const FreeLineRun& segments);
    // The pen lifts every segment above the rest without changing one: when
    // the stacking order holds the kept run's segments from `place` on, in
    // its order and with its values, the place of its last one.
    std::optional<ZOrder::Place> keptRunAt(const GenoCanvas& canvas, ZOrder::Place place, int leftOut) const;
    const std::shared_ptr<const StrokeRun>& keptRun() const { return run_; }

private:
    FreeLineRun kept_;
    std::shared_ptr<const StrokeRun> run_;
};

// `leftOut` names a pen segment to keep out of the scene (0: none).
CanvasScene sceneOf(const GenoCanvas& canvas, int leftOut = 0);
// The same into a scene whose storage is reused: a canvas can carry tens of
// thousands of pen segments, and the window builds a scene on every repaint.
// With a keeper, unchanged segments come as one Strokes item, also where
// the pen has lifted them above the rest.
void fillScene(CanvasScene& scene, const GenoCanvas& canvas, int leftOut, StrokeRunKeeper* keeper = nullptr);

} // namespace kinsketch
