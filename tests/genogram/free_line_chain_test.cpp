#include "genogram/geno_canvas.h"
#include "tests/support/recording_reporter.h"

#include "document/gdr_conversion.h"

#include <gtest/gtest.h>

#include <tuple>

namespace kinsketch {
namespace {

using test::RecordingReporter;
using Segment = std::tuple<float, float, float, float>;

class FreeLines : public ::testing::Test {
protected:
    FreeLines() { makeNewDocument(document); }

    FreeLineRecord& append(float x, float y, std::int32_t strokeNo, std::int32_t width = 1)
    {
        auto& list = document.FreeLine;
        if (list.items().size() == 1 && list.items()[0].BorderWidth == 0)
            list.mutableItems()[0] = {};
        else
            list.mutableItems().push_back({});
        list.mutableItems().back() = {x, y, 0, 0, width, 0, strokeNo};
        return list.mutableItems().back();
    }
    std::int32_t last() const { return document.FreeLine.upperBound(); }
    Segment segment(int k) const
    {
        const LineWidget& l = canvas.FreeLine[k];
        return {l.x1, l.y1, l.x2, l.y2};
    }

    GdrRecord document;
    RecordingReporter reporter;
    std::int32_t figureNo = 0;
    GenoCanvas canvas{CanvasSize::Normal, document, reporter, CanvasContext{{}, [this] { return figureNo; }}};
};

TEST_F(FreeLines, APenStrokeDrawnLiveStartsWithADotThatKeepsItsOwnPoint)
{
    append(100, 200, -1);
    ASSERT_TRUE(canvas.redrawFreeLines(last(), FreeLineRedraw::Figure));
    EXPECT_EQ(segment(1), Segment(100, 200, 100, 200));
    EXPECT_EQ(document.FreeLine[1].X2, 100);
    EXPECT_EQ(document.FreeLine[1].Y2, 200);

    append(130, 210, -1);
    canvas.redrawFreeLines(last(), FreeLineRedraw::Strokes);
    append(160, 260, -1);
    canvas.redrawFreeLines(last(), FreeLineRedraw::Strokes);
    EXPECT_EQ(segment(2), Segment(130, 210, 100, 200));
    EXPECT_EQ(segment(3), Segment(160, 260, 130, 210));

    // The next stroke begins a new chain: its first record keeps its own point.
    append(1000, 1000, -2);
    canvas.redrawFreeLines(last(), FreeLineRedraw::Figure);
    append(1100, 1000, -2);
    canvas.redrawFreeLines(last(), FreeLineRedraw::Strokes);
    EXPECT_EQ(segment(4), Segment(1000, 1000, 1000, 1000));
    EXPECT_EQ(segment(5), Segment(1100, 1000, 1000, 1000));

    // A full redraw rebuilds the same segments from the written-back points.
    canvas.rebuild();
    EXPECT_EQ(segment(3), Segment(160, 260, 130, 210));
    EXPECT_EQ(segment(4), Segment(1000, 1000, 1000, 1000));
    EXPECT_TRUE(reporter.errors.empty());
}

TEST_F(FreeLines, AFullRedrawJoinsRecordsWithoutAStartPointToTheOneBefore)
{
    document.FreeLine = {
        true,
        1,
        {{10, 10, 10, 10, 1, 0, -1}, {20, 20, 0, 0, 1, 0, -1}, {0, 0, 0, 0, 1, 0, -2}, {40, 40, 0, 0, 1, 0, -2}}};
    canvas.rebuild();
    EXPECT_EQ(segment(2), Segment(20, 20, 10, 10));
    // A stroke that starts exactly at (0, 0) has no start point of its own.
    EXPECT_EQ(segment(3), Segment(0, 0, 20, 20));
    EXPECT_EQ(segment(4), Segment(40, 40, 0, 0));
    EXPECT_EQ(document.FreeLine[3].X2, 20);
}

TEST_F(FreeLines, StrokesAfterTheSpareRecordOfAnOpenFigureStillDraw)
{
    document.FreeLine = {true, 1, {{10, 10, 10, 10, 0, 0, -1}}};
    canvas.rebuild();
    EXPECT_EQ(canvas.FreeLine.upperBound(), 0) << "an empty list draws nothing";

    document.FreeLine = {
        true,
        1,
        {{10, 10, 10, 10, 1, 0, 1}, {0, 0, 0, 0, 0, 0, 0}, {30, 30, 0, 0, 1, 0, -1}, {40, 40, 0, 0, 1, 0, -1}}};
    canvas.rebuild();
    EXPECT_FALSE(canvas.FreeLine.exists(2));
    EXPECT_EQ(segment(3), Segment(30, 30, 30, 30)) << "the empty record breaks the chain";
    EXPECT_EQ(segment(4), Segment(40, 40, 30, 30));
}

TEST_F(FreeLines, RecordsOfAnotherFigureStartAtThemselves)
{
    figureNo = 2;
    document.FreeLine = {
        true, 1, {{500, 500, 400, 400, 1, 0, 1}, {600, 600, 0, 0, 1, 0, 1}, {700, 700, 0, 0, 1, 0, 2}}};
    canvas.redrawFreeLines(2, FreeLineRedraw::Figure);
    EXPECT_EQ(segment(2), Segment(600, 600, 600, 600));
    EXPECT_EQ(segment(3), Segment(700, 700, 600, 600));
    EXPECT_FALSE(canvas.FreeLine.exists(1)) << "drawing from record 2 on leaves record 1 alone";

    canvas.redrawFreeLines(3, FreeLineRedraw::Strokes); // the rubber band: records 2 and 3
    EXPECT_EQ(segment(3), Segment(700, 700, 600, 600));
}

} // namespace
} // namespace kinsketch
