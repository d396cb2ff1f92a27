#include "app/guidance_box.h"
#include "app/line_style_tool_bar.h"
#include "tests/support/manual_timers.h"
#include "tests/support/qt_application.h"

#include <QApplication>
#include <QLabel>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

namespace kinsketch {
namespace {

class InfoBox : public ::testing::Test {
protected:
    QString shown() const { return box.guidanceLabel()->text(); }
    void setLines(int count)
    {
        for (int n = 1; n <= count; ++n) box.setGuidanceLine(static_cast<std::uint8_t>(n), "line " + std::to_string(n));
    }

    QApplication& app = test::application();
    test::ManualTimers timers;
    GuidanceBox box{timers};
};

TEST_F(InfoBox, CyclesThroughItsLinesEvery2500Milliseconds)
{
    setLines(3);
    std::vector<QString> seen{shown()};
    for (int i = 0; i < 4; ++i) {
        timers.advance(2499);
        EXPECT_EQ(shown(), seen.back());
        timers.advance(1);
        seen.push_back(shown());
    }
    EXPECT_EQ(seen, (std::vector<QString>{"line 1", "line 2", "line 3", "line 1", "line 2"}));

    // Five lines and then three: lines 4 and 5 are kept but never shown.
    setLines(5);
    setLines(3);
    for (int i = 0; i < 3; ++i) timers.advance(2500);
    EXPECT_EQ(shown(), QStringLiteral("line 1"));
    EXPECT_EQ(timers.pending.size(), 1U); // one cycle, however often it restarted
}

TEST(ToolBar, ASecondClickOnTheSelectedStyleFallsBackToNoLine)
{
    test::application();
    LineStyleToolBar bar;
    bar.load();
    bar.show();
    EXPECT_EQ(bar.selectedStyle(), 1);
    QTest::mouseClick(bar.styleButton(5), Qt::LeftButton);
    EXPECT_EQ(bar.selectedStyle(), 5);
    QTest::mouseClick(bar.styleButton(5), Qt::LeftButton);
    EXPECT_EQ(bar.selectedStyle(), 0);
    QTest::mouseClick(bar.styleButton(0), Qt::LeftButton);
    EXPECT_EQ(bar.selectedStyle(), 0);
}

} // namespace
} // namespace kinsketch
