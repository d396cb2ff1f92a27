#include "tests/support/qt_application.h"
#include "app/mdi_switch_bar.h"
#include "tests/support/recording_reporter.h"

#include <QApplication>
#include <QLabel>
#include <QToolButton>

#include <gtest/gtest.h>

namespace kinsketch {
namespace {

// Records what the bar asks of the windows around it, as one line per call.
class RecordingTargets : public SwitchBarTargets {
public:
    void setGuidance(const std::vector<std::string>& lines) override { guidance = lines; }
    void showLineTool(bool shown) override { calls.push_back(shown ? "line tool on" : "line tool off"); }
    void showLineHandles(bool shown) override { calls.push_back(shown ? "handles on" : "handles off"); }
    void setInputMode(std::uint8_t m) override { mode = m; }

    std::vector<std::string> guidance;
    std::vector<std::string> calls;
    std::uint8_t mode = 0;
};

class SwitchBar : public ::testing::Test {
protected:
    SwitchBar()
    {
        bar.setFreeLinePanelHook([this](bool shown) { targets.calls.push_back(shown ? "panel on" : "panel off"); });
    }
    std::vector<bool> indicators() const
    {
        std::vector<bool> shown;
        for (int i = 1; i <= 6; ++i) shown.push_back(!bar.imgStatus(i)->isHidden());
        return shown;
    }

    QApplication& app = test::application();
    RecordingTargets targets;
    test::RecordingReporter reporter;
    mdiSwitchBar bar{targets, reporter};
};

TEST_F(SwitchBar, LoadSelectsTextModeWithItsFourHints)
{
    bar.Form_Load();
    EXPECT_EQ(targets.mode, 1);
    EXPECT_EQ(targets.guidance.size(), 4U);
    EXPECT_EQ(targets.calls, (std::vector<std::string>{"line tool off", "panel off", "handles off"}));
    EXPECT_EQ(indicators(), (std::vector<bool>{true, false, false, false, true, true}));
}

TEST_F(SwitchBar, EachModeOpensItsToolAfterClosingTheOther)
{
    bar.cmdMenu(2)->click();
    EXPECT_EQ(targets.calls, (std::vector<std::string>{"panel off", "line tool on", "handles on"}));
    EXPECT_EQ(targets.guidance.size(), 3U);
    EXPECT_EQ(indicators(), (std::vector<bool>{false, true, false, true, false, true}));

    targets.calls.clear();
    bar.cmdMenu(3)->click();
    EXPECT_EQ(targets.calls, (std::vector<std::string>{"line tool off", "panel on", "handles off"}));
    EXPECT_EQ(targets.mode, 3);
    EXPECT_EQ(targets.guidance.size(), 3U);
    EXPECT_EQ(indicators(), (std::vector<bool>{false, false, true, true, true, false}));
}

TEST_F(SwitchBar, NineChangesNothing)
{
    bar.Form_Load();
    targets.calls.clear();
    EXPECT_EQ(bar.LfncMenuSel(9), 0);
    EXPECT_TRUE(targets.calls.empty());
    EXPECT_EQ(targets.mode, 1);
}

} // namespace
} // namespace kinsketch
