#include "canvas_dump.h"
#include "genogram/geno_canvas.h"
#include "tests/support/recording_reporter.h"

#include "document/gdr_conversion.h"

#include <gtest/gtest.h>

namespace kinsketch {
namespace {

using test::dumpCanvas;
using test::RecordingReporter;

class Canvas : public ::testing::Test {
protected:
    Canvas() { makeNewDocument(document); }

    GenoCanvas& canvas(CanvasSize size = CanvasSize::Normal)
    {
        if (!canvas_) canvas_ = std::make_unique<GenoCanvas>(size, document, reporter);
        return *canvas_;
    }
    void style(int line, int value)
    {
        document.LineTag[static_cast<std::size_t>(line)] = static_cast<std::uint8_t>(value);
    }

    GdrRecord document;
    RecordingReporter reporter;
    std::unique_ptr<GenoCanvas> canvas_;
};

struct Look {
    bool visible;
    Colour colour;
    LinePattern pattern;
    int width;
    bool slashS, slashW;
};

TEST_F(Canvas, EveryStyleOnAMarriageLine)
{
    const std::array<Look, 10> expected = {{
        {false, kWhite, LinePattern::Solid, 1, false, false},
        {true, kBlack, LinePattern::Solid, 1, false, false},
        {true, kBlack, LinePattern::Dotted, 1, false, false},
        {true, kBlack, LinePattern::Solid, 3, false, false},
        {true, kBlack, LinePattern::Solid, 1, true, false},
        {true, kBlack, LinePattern::Solid, 1, true, true},
        {true, kBlack, LinePattern::Dotted, 1, true, false},
        {true, kBlack, LinePattern::Dotted, 1, true, true},
        {true, kBlack, LinePattern::Solid, 3, true, false},
        {true, kBlack, LinePattern::Solid, 3, true, true},
    }};
    for (int s = 0; s < 10; ++s) {
        style(7, s);
        ASSERT_TRUE(canvas().rebuild());
        const LineWidget& line = canvas().connectorLines[7];
        const Look& e = expected[static_cast<std::size_t>(s)];
        EXPECT_EQ(line.visible, e.visible) << s;
        EXPECT_EQ(line.colour, e.colour) << s;
        if (!e.visible) continue;
        EXPECT_EQ(line.pattern, e.pattern) << s;
        EXPECT_EQ(line.width, e.width) << s;
        EXPECT_EQ(canvas().slashesS[7].visible, e.slashS) << s;
        EXPECT_EQ(canvas().slashesW[7].visible, e.slashW) << s;
    }
}

// Codes above 9 hide the slashes and leave the line as it was.
TEST_F(Canvas, CodesAboveNineKeepTheLineAsItWas)
{
    style(7, 9);
    canvas().rebuild();
    style(7, 12);
    canvas().rebuild();
    EXPECT_FALSE(canvas().slashesS[7].visible || canvas().slashesW[7].visible);
    EXPECT_EQ(canvas().connectorLines[7].width, 3);
    EXPECT_TRUE(canvas().connectorLines[7].visible);
}

TEST_F(Canvas, SlashStylesOnAPlainLineDrawItsBaseLine)
{
    const std::array<std::pair<LinePattern, int>, 6> base = {{
        {LinePattern::Solid, 1},
        {LinePattern::Solid, 1},
        {LinePattern::Dotted, 1},
        {LinePattern::Dotted, 1},
        {LinePattern::Solid, 3},
        {LinePattern::Solid, 3},
    }};
    for (int s = 4; s <= 9; ++s) {
        style(10, 0);
        canvas().rebuild(); // left white and hidden by style 0
        style(10, s);
        canvas().rebuild();
        const LineWidget& line = canvas().connectorLines[10];
        EXPECT_TRUE(line.visible) << s;
        EXPECT_EQ(line.colour, kBlack) << s;
        EXPECT_EQ(line.pattern, base[static_cast<std::size_t>(s - 4)].first) << s;
        EXPECT_EQ(line.width, base[static_cast<std::size_t>(s - 4)].second) << s;
        EXPECT_EQ(document.LineTag[10], s) << "the stored style stays";
    }
}

TEST_F(Canvas, ABadSymbolKeyEmptiesItsCellOnlyAndIsReportedOnce)
{
    document.SymbolKey[3] = "ixyz";
    document.SymbolKey[4] = "i115"; // no such picture
    document.SymbolKey[5] = "i102";
    style(7, 1);
    document.CohabitSeg[0] = 1;
    canvas().rebuild();
    canvas().rebuild();
    EXPECT_EQ(canvas().symbols[3].image, 0);
    EXPECT_EQ(canvas().symbols[4].image, 0);
    EXPECT_EQ(canvas().symbols[5].image, 2);
    EXPECT_TRUE(canvas().connectorLines[7].visible);
    EXPECT_TRUE(canvas().frameLines.exists(0));
    ASSERT_EQ(reporter.errors.size(), 2U);
    EXPECT_EQ(reporter.errors[0].title, "Error At GfncPrev");
    EXPECT_EQ(reporter.errors[0].text.rfind("【13】", 0), 0U);
    EXPECT_EQ(reporter.errors[1].text.rfind("【9】", 0), 0U);
}

TEST_F(Canvas, FrameSegmentsOnlyForValueOne)
{
    document.ScreenMode = "WIDE";
    document.CohabitSeg[0] = 1;
    document.CohabitSeg[1] = 2;
    document.CohabitSeg[119] = 1;
    document.CohabitSeg[65] = 255;
    canvas(CanvasSize::Wide).rebuild();
    EXPECT_TRUE(canvas().frameLines.exists(0));
    EXPECT_FALSE(canvas().frameLines.exists(1));
    EXPECT_FALSE(canvas().frameLines.exists(65));
    ASSERT_TRUE(canvas().frameLines.exists(119));
    const LineWidget& s = canvas().frameLines[119];
    EXPECT_EQ(std::tie(s.x1, s.y1, s.x2, s.y2), std::make_tuple(5420.F, 6100.F, 6260.F, 6100.F));
    EXPECT_EQ(s.colour, kBlack);
    EXPECT_TRUE(s.visible);
    // The top of the z-order is the frame, drawn last.
    EXPECT_EQ(canvas().zOrder().bottomToTop().back(), (WidgetId{WidgetKind::frameLines, 119}));
}

TEST_F(Canvas, TheNormalCanvasReadsOnlyItsOwnSegments)
{
    document.CohabitSeg[66] = 1;
    canvas().rebuild();
    EXPECT_EQ(canvas().frameLines.upperBound(), -1);
}

TEST_F(Canvas, RedrawingTwiceGivesTheSameModel)
{
    document.SymbolKey[1] = "i108";
    document.AgeText[1] = "45";
    style(7, 5);
    style(0, 2);
    document.CohabitSeg[4] = 1;
    document.CohabitSeg[5] = 1;
    document.FreeLine = {
        true, 1, {{100, 100, 0, 0, 2, 0, -1}, {200, 150, 0, 0, 2, 0, -1}, {900, 900, 0, 0, 5, 0xFF, -2}}};
    document.AddLine[0] = {kTrue, 10, 20, 30, 40};
    canvas().drawAddedLines(AddedLineDraw::Create);
    canvas().drawOnSurface({1, 1, 2, 2, 0, LinePattern::Solid, 1, true});
    canvas().rebuild();
    const std::string once = dumpCanvas(canvas());
    const GdrRecord documentOnce = document;
    canvas().rebuild();
    EXPECT_EQ(dumpCanvas(canvas()), once);
    EXPECT_EQ(document, documentOnce);
    EXPECT_TRUE(canvas().surface().empty());
}

} // namespace
} // namespace kinsketch
