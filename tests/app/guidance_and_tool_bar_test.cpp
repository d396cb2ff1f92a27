#include "tests/support/qt_application.h"
#include "app/info_box.h"
#include "app/tool_bar.h"
#include "tests/support/manual_timers.h"

#include <QApplication>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

namespace kinsketch {
namespace {

class InfoBox : public ::testing::Test {
protected:
    QString shown() const { return box.lblInfo()->text(); }
    void setLines(int count)
    {
        for (int n = 1; n <= count; ++n) box.GfncSetMsg(static_cast<std::uint8_t>(n), "line " + std::to_string(n));
    }

    QApplication& app = test::application();
    test::ManualTimers timers;
    mdiInfoBox box{timers};
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

TEST_F(InfoBox, AFixedLineStopsTheCycleUntilTheNextStart)
{
    setLines(2);
    box.GfncSetMsg(0, "fixed");
    timers.advance(10000);
    EXPECT_EQ(shown(), QStringLiteral("fixed"));
    EXPECT_EQ(box.cycle().tag(), 0);
    box.GfncSetMsg(6, "ignored");
    EXPECT_EQ(shown(), QStringLiteral("fixed"));
    box.GfncSetMsg(1, "again");
    timers.advance(2500);
    EXPECT_EQ(shown(), QStringLiteral("again")); // one line: it comes round to itself
}

TEST_F(InfoBox, TheCrossAsksToBeUnloaded)
{
    QSignalSpy unload(&box, &mdiInfoBox::unloadRequested);
    box.show();
    QTest::mouseClick(box.findChild<QLabel*>(QStringLiteral("lblBatu")), Qt::LeftButton);
    EXPECT_EQ(unload.count(), 1);
}

TEST(ToolBar, ASecondClickOnTheSelectedStyleFallsBackToNoLine)
{
    test::application();
    mdiToolBar bar;
    bar.Form_Load();
    bar.show();
    EXPECT_EQ(bar.selectedStyle(), 1);
    QTest::mouseClick(bar.cmdTool(5), Qt::LeftButton);
    EXPECT_EQ(bar.selectedStyle(), 5);
    QTest::mouseClick(bar.cmdTool(5), Qt::LeftButton);
    EXPECT_EQ(bar.selectedStyle(), 0);
    QTest::mouseClick(bar.cmdTool(0), Qt::LeftButton);
    EXPECT_EQ(bar.selectedStyle(), 0);
    for (int k : {3, 8, 9}) EXPECT_FALSE(bar.cmdTool(k)->isVisible()) << k;
    EXPECT_EQ(bar.accessibleName(), QStringLiteral("Tool Bar （線種の選択）"));
}

} // namespace
} // namespace kinsketch
