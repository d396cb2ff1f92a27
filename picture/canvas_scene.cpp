#include "canvas_scene.h"

#include <algorithm>

namespace kinsketch {
namespace {

void addLine(CanvasScene& scene, CanvasScene::Look look, WidgetId id, const LineWidget& line)
{
    scene.items.push_back({look, id, static_cast<std::uint32_t>(scene.lines.size())});
    scene.lines.push_back(line);
}

} // namespace

bool startsWith(const StrokeRun& run, const StrokeRun& start)
{
    return run.lines.size() >= start.lines.size() &&
           std::equal(start.lines.begin(), start.lines.end(), run.lines.begin()) &&
           std::equal(start.indices.begin(), start.indices.end(), run.indices.begin());
}

bool CanvasScene::sameValues(const Item& item, const CanvasScene& other, const Item& otherItem) const
{
    if (item.look != otherItem.look) return false;
    switch (item.look) {
    case Look::Label: return label(item) == other.label(otherItem);
    case Look::Symbol: return symbol(item) == other.symbol(otherItem);
    case Look::Strokes: return strokes == other.strokes; // others are compared line by line
    default: return line(item) == other.line(otherItem);
    }
}

void CanvasScene::addFreeLines(const GenoCanvas& canvas, int first, int last)
{
    for (int k = first; k <= last; ++k)
        if (const LineWidget* line = canvas.FreeLine.find(k); line && line->visible)
            addLine(*this, Look::Line, {WidgetKind::FreeLine, k}, *line);
}

std::shared_ptr<const StrokeRun> StrokeRunKeeper::runOf(const GenoCanvas& canvas, const FreeLineRun& segments)
{
    if (run_ && kept_ == segments) return run_;
    auto run = std::make_shared<StrokeRun>();
    for (int k = segments.lowest; k <= segments.highest; ++k) {
        if (const LineWidget* line = canvas.FreeLine.find(k); line && line->visible) {
            run->indices.push_back(k);
            run->lines.push_back(*line);
        }
    }
    kept_ = segments;
    run_ = std::move(run);
    return run_;
}

CanvasScene spreadStrokes(const CanvasScene& scene)
{
    CanvasScene spread = scene;
    spread.items.clear();
    spread.strokes.reset();
    for (const CanvasScene::Item& item : scene.items) {
        if (item.look != CanvasScene::Look::Strokes) {
            spread.items.push_back(item);
            continue;
        }
        for (std::size_t j = 0; j < scene.strokes->lines.size(); ++j)
            addLine(spread, CanvasScene::Look::Line, {WidgetKind::FreeLine, scene.strokes->indices[j]},
                    scene.strokes->lines[j]);
    }
    return spread;
}

CanvasScene sceneOf(const GenoCanvas& canvas, int leftOut)
{
    CanvasScene scene;
    fillScene(scene, canvas, leftOut);
    return scene;
}

void fillScene(CanvasScene& scene, const GenoCanvas& canvas, int leftOut, StrokeRunKeeper* keeper)
{
    scene.items.clear();
    scene.lines.clear();
    scene.labels.clear();
    scene.symbols.clear();
    scene.strokes.reset();
    std::optional<FreeLineRun> whole = keeper ? canvas.unchangedFreeLineRun() : std::nullopt;
    if (whole && leftOut >= whole->lowest && leftOut <= whole->highest) whole.reset();
    const std::size_t widgets = canvas.zOrder().bottomToTop().size();
    scene.items.reserve(canvas.surface().size() + widgets);
    scene.lines.reserve(canvas.surface().size() + widgets);
    for (std::size_t i = 0; i < canvas.surface().size(); ++i)
        addLine(scene, CanvasScene::Look::SurfaceLine, {WidgetKind::FreeLine, static_cast<int>(i)},
                canvas.surface()[i]);
    const auto& order = canvas.zOrder().bottomToTop();
    for (auto place = order.begin(); place != order.end(); ++place) {
        const WidgetId& id = *place;
        if (whole && id.kind == WidgetKind::FreeLine && id.index == whole->lowest) {
            scene.strokes = keeper->runOf(canvas, *whole);
            scene.items.push_back({CanvasScene::Look::Strokes, id, 0});
            place = canvas.FreeLine.stackPlace(whole->highest);
        } else if (const LineWidget* line = canvas.lineWidget(id)) {
            if (line->visible && !(id.kind == WidgetKind::FreeLine && id.index == leftOut))
                addLine(scene, CanvasScene::Look::Line, id, *line);
        } else if (const LabelWidget* label = canvas.labelWidget(id)) {
            if (!label->visible) continue;
            scene.items.push_back({CanvasScene::Look::Label, id, static_cast<std::uint32_t>(scene.labels.size())});
            scene.labels.push_back(*label);
        } else if (const SymbolWidget* symbol = canvas.symbolWidget(id)) {
            if (!symbol->visible || symbol->image == 0) continue;
            scene.items.push_back({CanvasScene::Look::Symbol, id, static_cast<std::uint32_t>(scene.symbols.size())});
            scene.symbols.push_back(*symbol);
        }
    }
}

} // namespace kinsketch
