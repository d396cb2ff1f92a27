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

void CanvasScene::addFreeLines(const GenoCanvas& canvas, int first, int last)
{
    for (int k = first; k <= last; ++k)
        if (const LineWidget* line = canvas.strokes.find(k); line && line->visible)
            addLine(*this, Look::Line, {WidgetKind::strokes, k}, *line);
}

std::shared_ptr<const StrokeRun> StrokeRunKeeper::runOf(const GenoCanvas& canvas, const FreeLineRun& segments)
{
    if (run_ && kept_ == segments) return run_;
    auto run = std::make_shared<StrokeRun>();
    run->indices.reserve(static_cast<std::size_t>(segments.highest - segments.lowest + 1));
    run->lines.reserve(run->indices.capacity());
    for (int k = segments.lowest; k <= segments.highest; ++k) {
        if (const LineWidget* line = canvas.strokes.find(k); line && line->visible) {
            run->indices.push_back(k);
            run->lines.push_back(*line);
        }
    }
    kept_ = segments;
    run_ = std::move(run);
    return run_;
}

std::optional<ZOrder::Place> StrokeRunKeeper::keptRunAt(const GenoCanvas& canvas, ZOrder::Place place,
                                                        int leftOut) const
{
    if (!run_ || run_->indices.empty() || place->kind != WidgetKind::strokes || place->index != run_->indices[0])
        return std::nullopt;
    std::size_t j = 0;
    for (auto at = place; at != canvas.zOrder().bottomToTop().end(); ++at) {
        const LineWidget* line = at->kind == WidgetKind::strokes ? canvas.strokes.find(at->index) : nullptr;
        if (!line) return std::nullopt;
        if (!line->visible) continue; // drawn by no scene
        if (at->index == leftOut || at->index != run_->indices[j] || !(*line == run_->lines[j])) return std::nullopt;
        if (++j == run_->lines.size()) return at;
    }
    return std::nullopt;
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
        addLine(scene, CanvasScene::Look::SurfaceLine, {WidgetKind::strokes, static_cast<int>(i)}, canvas.surface()[i]);
    const auto& order = canvas.zOrder().bottomToTop();
    for (auto place = order.begin(); place != order.end(); ++place) {
        const WidgetId& id = *place;
        if (whole && id.kind == WidgetKind::strokes && id.index == whole->lowest) {
            scene.strokes = keeper->runOf(canvas, *whole);
            scene.items.push_back({CanvasScene::Look::Strokes, id, 0});
            place = canvas.strokes.stackPlace(whole->highest);
        } else if (const auto last = keeper && !whole ? keeper->keptRunAt(canvas, place, leftOut) : std::nullopt) {
            scene.strokes = keeper->keptRun();
            scene.items.push_back({CanvasScene::Look::Strokes, id, 0});
            place = *last;
        } else if (const LineWidget* line = canvas.lineWidget(id)) {
            if (line->visible && !(id.kind == WidgetKind::strokes && id.index == leftOut))
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
