#include "relation_shapes.h"

#include "geometry/canvas_geometry.h"

#include <algorithm>
#include <cmath>

namespace kinsketch {

namespace {

// Sizes in twips (15 to a pixel of the filed picture).
constexpr float kParallelSpacing = 45; // between the lines of 親密 and 密着
constexpr float kZigzagStep = 90;      // along the line, from one peak to the next
constexpr float kZigzagHeight = 75;
constexpr float kDash = 120, kDashGap = 75;
constexpr float kBarGap = 60, kBarHalf = 120; // the two bars of 断絶
constexpr float kSymbolGap = 45;              // left free before a person symbol's outline
constexpr float kShortestLine = 90;
// Twins' lines reach from the sibling line to the tops of the two cells beside the click.
constexpr float kTwinsHalfWidth = 420, kTwinsHeight = 240;
constexpr float kMarkHalf = 120;

// The tag: the first record's start moved to whole twips plus these fractions.
constexpr float kTagUnit = 1.0F / 128;
constexpr float kTagSignature = 3 * kTagUnit;

float fraction(float v) { return v - std::floor(v); }

struct Frame {
    FreeLinePoint origin;
    float ux, uy, length;

    // The point `along` the line and `across` it, to its left.
    FreeLinePoint at(float along, float across) const
    {
        return {origin.x + ux * along - uy * across, origin.y + uy * along + ux * across};
    }
    FreeLineSegment piece(float fromAlong, float toAlong, float across = 0) const
    {
        return {at(fromAlong, across), at(toAlong, across)};
    }
};

Frame frameOf(FreeLineSegment line)
{
    const float dx = line.to.x - line.from.x, dy = line.to.y - line.from.y;
    const float length = std::hypot(dx, dy);
    return {line.from, dx / length, dy / length, length};
}

void addParallels(std::vector<FreeLineSegment>& out, const Frame& f, int count)
{
    for (int i = 0; i < count; ++i)
        out.push_back(
            f.piece(0, f.length, (static_cast<float>(i) - static_cast<float>(count - 1) / 2) * kParallelSpacing));
}

void addZigzag(std::vector<FreeLineSegment>& out, const Frame& f, float height)
{
    const int steps = std::max(2, static_cast<int>(std::lround(f.length / kZigzagStep)));
    const float step = f.length / static_cast<float>(steps);
    FreeLinePoint last = f.origin;
    for (int i = 1; i <= steps; ++i) {
        const float across = i == steps ? 0 : (i % 2 == 1 ? height : -height);
        const FreeLinePoint next = f.at(step * static_cast<float>(i), across);
        out.push_back({last, next});
        last = next;
    }
}

void addDashes(std::vector<FreeLineSegment>& out, const Frame& f)
{
    for (float t = 0; t < f.length; t += kDash + kDashGap) out.push_back(f.piece(t, std::min(t + kDash, f.length)));
}

// Two bars across the middle; the line stops at each.
void addCutOff(std::vector<FreeLineSegment>& out, const Frame& f)
{
    const float middle = f.length / 2, first = middle - kBarGap / 2, second = middle + kBarGap / 2;
    if (first > 0) out.push_back(f.piece(0, first));
    out.push_back({f.at(first, -kBarHalf), f.at(first, kBarHalf)});
    out.push_back({f.at(second, -kBarHalf), f.at(second, kBarHalf)});
    if (second < f.length) out.push_back(f.piece(second, f.length));
}

std::vector<FreeLineSegment> markSegments(RelationKind kind, FreeLinePoint c)
{
    const auto p = [c](float dx, float dy) { return FreeLinePoint{c.x + dx, c.y + dy}; };
    const float h = kMarkHalf;
    switch (kind) {
    case RelationKind::Twins:
    case RelationKind::IdenticalTwins: {
        std::vector<FreeLineSegment> twins = {{c, p(-kTwinsHalfWidth, kTwinsHeight)},
                                              {c, p(kTwinsHalfWidth, kTwinsHeight)}};
        if (kind == RelationKind::IdenticalTwins)
            twins.push_back({p(-kTwinsHalfWidth / 2, kTwinsHeight / 2), p(kTwinsHalfWidth / 2, kTwinsHeight / 2)});
        return twins;
    }
    case RelationKind::Pregnancy:
        return {{p(0, -h), p(h, h * 3 / 4)}, {p(h, h * 3 / 4), p(-h, h * 3 / 4)}, {p(-h, h * 3 / 4), p(0, -h)}};
    case RelationKind::Miscarriage: {
        // A small filled circle, one pixel row at a time.
        constexpr float r = 60;
        std::vector<FreeLineSegment> rows;
        for (float dy = -r; dy <= r; dy += kTwipsPerPixel) {
            const float half = std::sqrt(r * r - dy * dy);
            rows.push_back({p(-half, dy), p(half, dy)});
        }
        return rows;
    }
    case RelationKind::Abortion:
        return {{p(-h * 3 / 4, -h * 3 / 4), p(h * 3 / 4, h * 3 / 4)},
                {p(-h * 3 / 4, h * 3 / 4), p(h * 3 / 4, -h * 3 / 4)}};
    case RelationKind::Stillbirth: {
        const float s = h * 3 / 4;
        return {{p(-s, -s), p(s, -s)}, {p(s, -s), p(s, s)},  {p(s, s), p(-s, s)},
                {p(-s, s), p(-s, -s)}, {p(-s, -s), p(s, s)}, {p(-s, s), p(s, -s)}};
    }
    default: return {};
    }
}

std::optional<FreeLinePoint> personCentreAt(const GenoCanvas& canvas, FreeLinePoint point)
{
    for (int i = 0; i <= canvas.symbols.upperBound(); ++i) {
        const SymbolWidget* symbol = canvas.symbols.find(i);
        if (!symbol || !symbol->visible || symbol->image == 0) continue;
        if (point.x >= symbol->left && point.x < symbol->left + kCellSize && point.y >= symbol->top &&
            point.y < symbol->top + kCellSize)
            return FreeLinePoint{symbol->left + kCellSize / 2.0F, symbol->top + kCellSize / 2.0F};
    }
    return std::nullopt;
}

} // namespace

std::optional<FreeLineSegment> relationLineEnds(const GenoCanvas& canvas, FreeLinePoint press, FreeLinePoint release)
{
    const std::optional<FreeLinePoint> from = personCentreAt(canvas, press), to = personCentreAt(canvas, release);
    FreeLineSegment line{from.value_or(press), to.value_or(release)};
    const float dx = line.to.x - line.from.x, dy = line.to.y - line.from.y;
    const float length = std::hypot(dx, dy);
    if (length == 0) return std::nullopt;
    const float ux = dx / length, uy = dy / length;
    // From a symbol's centre to its square outline along the line, and the gap beyond.
    const float cut = kCellSize / 2.0F / std::max(std::abs(ux), std::abs(uy)) + kSymbolGap;
    const float fromCut = from ? cut : 0, toCut = to ? cut : 0;
    if (length - fromCut - toCut < kShortestLine) return std::nullopt;
    line.from = {line.from.x + ux * fromCut, line.from.y + uy * fromCut};
    line.to = {line.to.x - ux * toCut, line.to.y - uy * toCut};
    return line;
}

std::optional<FreeLineSegment> storableSegment(FreeLineSegment segment)
{
    const auto atOrigin = [](FreeLinePoint p) { return p.x == 0 && p.y == 0; };
    if (atOrigin(segment.to)) std::swap(segment.from, segment.to);
    if (atOrigin(segment.to)) return std::nullopt;
    return segment;
}

std::vector<FreeLineSegment> relationSegments(RelationKind kind, FreeLineSegment line)
{
    if (isRelationMark(kind)) return markSegments(kind, line.from);
    const Frame f = frameOf(line);
    std::vector<FreeLineSegment> out;
    switch (kind) {
    case RelationKind::Close: addParallels(out, f, 2); break;
    case RelationKind::Fused: addParallels(out, f, 3); break;
    case RelationKind::Conflict: addZigzag(out, f, kZigzagHeight); break;
    case RelationKind::FusedConflict:
        addParallels(out, f, 3);
        addZigzag(out, f, kZigzagHeight + kParallelSpacing);
        break;
    case RelationKind::Distant: addDashes(out, f); break;
    case RelationKind::CutOff: addCutOff(out, f); break;
    default: break;
    }
    return out;
}

FreeLineRange storeRelation(FreeLineList& list, std::int32_t first, const std::vector<FreeLineSegment>& segments,
                            RelationKind kind, std::int32_t width, Colour colour, std::int32_t strokeNumber)
{
    std::int32_t k = first - 1;
    const auto whole = [](FreeLinePoint p) { return FreeLinePoint{std::round(p.x), std::round(p.y)}; };
    for (FreeLineSegment s : segments) {
        // Whole twips, so that the tag below moves no end across a pixel's edge.
        s = {whole(s.from), whole(s.to)};
        const std::optional<FreeLineSegment> storable = storableSegment(s);
        if (!storable) continue;
        s = *storable;
        if (k < first) {
            s.from.x += static_cast<float>(static_cast<int>(kind) + 1) * kTagUnit;
            s.from.y += kTagSignature;
        }
        k = k < first ? first : growFreeLineList(list);
        list[k] = {s.from.x, s.from.y, s.to.x, s.to.y, width, colour, strokeNumber};
    }
    return {first, k};
}

std::vector<RelationKind> relationKindsIn(const FreeLineList& list)
{
    std::array<bool, kRelationKindCount> used{};
    if (list.dimensioned) {
        std::int32_t previousNumber = 0;
        for (const FreeLineRecord& r : list.items()) {
            const bool startsStroke = r.strokeNumber < 0 && r.strokeNumber != previousNumber && r.width != 0;
            previousNumber = r.strokeNumber;
            if (!startsStroke || fraction(r.y1) != kTagSignature) continue;
            const int index = static_cast<int>(std::lround(fraction(r.x1) / kTagUnit)) - 1;
            if (index >= 0 && index < kRelationKindCount && fraction(r.x1) == static_cast<float>(index + 1) * kTagUnit)
                used[static_cast<std::size_t>(index)] = true;
        }
    }
    std::vector<RelationKind> kinds;
    for (int i = 0; i < kRelationKindCount; ++i)
        if (used[static_cast<std::size_t>(i)]) kinds.push_back(static_cast<RelationKind>(i));
    return kinds;
}

} // namespace kinsketch
