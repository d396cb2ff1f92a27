#include "genogram/basic_input/input_layout.h"

#include <gtest/gtest.h>

namespace kinsketch {
namespace {

bool operator==(const TwipsLine& a, const TwipsLine& b)
{
    return a.x1 == b.x1 && a.y1 == b.y1 && a.x2 == b.x2 && a.y2 == b.y2;
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
                EXPECT_TRUE(c == (TwipsLine{centre(link.a), cell(link.a).top - kBarAbove, centre(link.b),
                                            cell(link.b).top - kBarAbove}))
                    << k;
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
