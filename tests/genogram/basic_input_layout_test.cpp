#include "genogram/basic_input/input_layout.h"

#include <gtest/gtest.h>

#include <set>

namespace kinsketch {
namespace {

bool operator==(const TwipsLine& a, const TwipsLine& b) { return a.x1 == b.x1 && a.y1 == b.y1 && a.x2 == b.x2 && a.y2 == b.y2; }

TEST(InputLayout, LinesStandWhereThePanelDrawsThem)
{
    const InputLayout& normal = inputLayout(CanvasSize::Normal);
    EXPECT_TRUE(normal.line(0) == (TwipsLine{2400, 240, 4440, 240}));
    EXPECT_TRUE(normal.line(3) == (TwipsLine{2400, 240, 2400, 480}));
    EXPECT_TRUE(normal.line(7) == (TwipsLine{3120, 1080, 3840, 1080}));
    EXPECT_TRUE(normal.line(10) == (TwipsLine{3480, 1080, 3480, 1800}));
    EXPECT_TRUE(normal.slashS(7) == (TwipsLine{3480, 960, 3360, 1200}));
    EXPECT_TRUE(normal.slashW(7) == (TwipsLine{3600, 960, 3480, 1200}));
    const InputLayout& wide = inputLayout(CanvasSize::Wide);
    EXPECT_TRUE(wide.line(7) == (TwipsLine{3000, 1080, 3480, 1080}));
    EXPECT_TRUE(wide.line(94) == (TwipsLine{2040, 5760, 2520, 5760}));

    EXPECT_EQ(normal.slotCount(), 18);
    EXPECT_EQ(normal.lineCount(), 52);
    EXPECT_EQ(normal.marriageLineCount(), 10);
    EXPECT_EQ(wide.slotCount(), 37);
    EXPECT_EQ(wide.lineCount(), 121);
    EXPECT_EQ(wide.marriageLineCount(), 26);
}

// The roles as the panel's users know them, written out by index range.
TEST(InputLayout, EveryLineHasTheRoleOfItsIndex)
{
    const std::vector<std::pair<int, int>> bars = {{0, 2}, {13, 16}, {30, 32}, {43, 46}, {52, 54}, {64, 66}, {76, 78}, {88, 90}, {108, 113}};
    const std::vector<std::pair<int, int>> marriages = {{7, 9}, {22, 25}, {37, 39}, {58, 60}, {70, 72}, {82, 84}, {94, 100}};
    const auto within = [](const auto& ranges, int k) {
        for (auto [from, to] : ranges)
            if (k >= from && k <= to) return true;
        return false;
    };
    for (CanvasSize size : {CanvasSize::Normal, CanvasSize::Wide}) {
        const InputLayout& layout = inputLayout(size);
        for (int k = 0; k < layout.lineCount(); ++k) {
            const LineRole expected = within(bars, k) ? LineRole::SiblingBar : within(marriages, k) ? LineRole::Marriage : LineRole::Vertical;
            EXPECT_EQ(layout.role(k), expected) << k;
        }
        EXPECT_EQ(layout.role(-1), LineRole::None);
        EXPECT_EQ(layout.role(layout.lineCount()), LineRole::None);
    }
}

// A descent ends on a sibling bar of the row below, and every drop meets a bar.
TEST(InputLayout, TheNetworkHangsTogether)
{
    for (CanvasSize size : {CanvasSize::Normal, CanvasSize::Wide}) {
        const InputLayout& layout = inputLayout(size);
        const auto onBar = [&](int x, int y) {
            for (int k = 0; k < layout.lineCount(); ++k) {
                const TwipsLine b = layout.line(k);
                if (layout.role(k) == LineRole::SiblingBar && b.y1 == y && x >= b.x1 && x <= b.x2) return true;
            }
            return false;
        };
        for (int k = 0; k < layout.lineCount(); ++k) {
            const TwipsLine l = layout.line(k);
            const LinkKind kind = layout.links[static_cast<std::size_t>(k)].kind;
            if (kind == LinkKind::Descent) {
                EXPECT_TRUE(onBar(l.x2, l.y2)) << k;
            }
            if (kind == LinkKind::Drop) {
                EXPECT_TRUE(onBar(l.x1, l.y1)) << k;
            }
            EXPECT_TRUE(l.x1 <= l.x2 && l.y1 <= l.y2) << k;
        }
    }
}

// Panel line k and canvas line k join the same slots: the canvas draws them
// between its cells (centres for bars and drops, edges for marriages) and
// hangs each descent from the marriage line of the same index.
TEST(InputLayout, PanelLinesJoinTheSlotsTheCanvasLinesJoin)
{
    for (CanvasSize size : {CanvasSize::Normal, CanvasSize::Wide}) {
        const InputLayout& panel = inputLayout(size);
        const CanvasGeometry& canvas = canvasGeometry(size);
        ASSERT_EQ(panel.lineCount(), canvas.connectorCount());
        const auto cell = [&](int slot) { return canvas.cells[static_cast<std::size_t>(slot)]; };
        const auto centre = [&](int slot) { return cell(slot).left + kCellSize / 2; };
        constexpr int kBarAbove = 240;
        for (int k = 0; k < panel.lineCount(); ++k) {
            const ConnectorLink& link = panel.links[static_cast<std::size_t>(k)];
            const TwipsLine c = canvas.connectorLines[static_cast<std::size_t>(k)];
            EXPECT_EQ(canvas.isMarriageLine(k), link.kind == LinkKind::Marriage) << k;
            switch (link.kind) {
            case LinkKind::Bar:
                EXPECT_TRUE(c == (TwipsLine{centre(link.a), cell(link.a).top - kBarAbove, centre(link.b), cell(link.b).top - kBarAbove})) << k;
                break;
            case LinkKind::Drop:
                EXPECT_TRUE(c.x1 == centre(link.a) && c.x2 == centre(link.a) && c.y2 == cell(link.a).top) << k;
                break;
            case LinkKind::Marriage: {
                const int y = cell(link.a).top + kCellSize / 2;
                EXPECT_TRUE(c == (TwipsLine{cell(link.a).left + kCellSize, y, cell(link.b).left, y})) << k;
                break;
            }
            case LinkKind::Descent: {
                const TwipsLine m = canvas.connectorLines[static_cast<std::size_t>(link.a)];
                EXPECT_TRUE(c.x1 == c.x2 && c.x1 > m.x1 && c.x1 < m.x2 && c.y1 == m.y1) << k; // hangs from marriage a
                break;
            }
            }
        }
    }
}

} // namespace
} // namespace kinsketch
