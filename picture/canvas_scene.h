#pragma once
// The canvas model flattened into what the painter draws, bottom first: the
// strokes drawn on the window surface, then every visible widget in stacking
// order, each as a copy of its values. The window keeps the scene it last
// painted beside the picture, so that comparing it with the model's scene
// tells which pixels an edit can have changed.

#include "genogram/geno_canvas.h"

#include <cstdint>
#include <vector>

namespace kinsketch {

struct CanvasScene {
    enum class Look : std::uint8_t { SurfaceLine, Line, Label, Symbol };

    struct Item {
        Look look;
        WidgetId id;       // for a surface stroke, its place among them
        std::uint32_t at;  // its values in lines, labels or symbols

        bool sameWidget(const Item& other) const { return look == other.look && id == other.id; }
    };

    std::vector<Item> items;
    std::vector<LineWidget> lines;
    std::vector<LabelWidget> labels;
    std::vector<SymbolWidget> symbols;

    const LineWidget& line(const Item& item) const { return lines[item.at]; }
    const LabelWidget& label(const Item& item) const { return labels[item.at]; }
    const SymbolWidget& symbol(const Item& item) const { return symbols[item.at]; }
    // Whether two items show the same thing; they need not be the same widget.
    bool sameValues(const Item& item, const CanvasScene& other, const Item& otherItem) const;

    // Adds FreeLine segments first … last on top, as a free-drawing step does.
    void addFreeLines(const GenoCanvas& canvas, int first, int last);
};

// `leftOut` names a FreeLine segment to keep out of the scene (0: none).
CanvasScene sceneOf(const GenoCanvas& canvas, int leftOut = 0);
// The same into a scene whose storage is reused: a canvas can carry tens of
// thousands of pen segments, and the window builds a scene on every repaint.
void fillScene(CanvasScene& scene, const GenoCanvas& canvas, int leftOut);

} // namespace kinsketch
