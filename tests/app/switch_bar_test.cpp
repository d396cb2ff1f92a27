#include "app/input_mode_bar.h"
#include "tests/support/qt_application.h"
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
    void setInputMode(InputMode m) override { mode = m; }

    std::vector<std::string> guidance;
    std::vector<std::string> calls;
    InputMode mode = InputMode::None;
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
        for (int i = 1; i <= 6; ++i) shown.push_back(!bar.modeIndicator(i)->isHidden());
        return shown;
    }

    QApplication& app = test::application();
    RecordingTargets targets;
    test::RecordingReporter reporter;
    InputModeBar bar{targets, reporter};
};

TEST_F(SwitchBar, LoadSelectsTextModeWithItsFourHints)
{
    bar.load();
    EXPECT_EQ(targets.mode, InputMode::Text);
    EXPECT_EQ(targets.guidance.size(), 4U);
    EXPECT_EQ(targets.calls, (std::vector<std::string>{"line tool off", "panel off", "handles off"}));
    EXPECT_EQ(indicators(), (std::vector<bool>{true, false, false, false, true, true}));
}

TEST_F(SwitchBar, EachModeOpensItsToolAfterClosingTheOther)
{
    bar.modeButton(2)->click();
    EXPECT_EQ(targets.calls, (std::vector<std::string>{"panel off", "line tool on", "handles on"}));
    EXPECT_EQ(targets.guidance.size(), 3U);
    EXPECT_EQ(indicators(), (std::vector<bool>{false, true, false, true, false, true}));

    targets.calls.clear();
    bar.modeButton(3)->click();
    EXPECT_EQ(targets.calls, (std::vector<std::string>{"line tool off", "panel on", "handles off"}));
    EXPECT_EQ(targets.mode, InputMode::FreeLines);
    EXPECT_EQ(targets.guidance.size(), 3U);
    EXPECT_EQ(indicators(), (std::vector<bool>{false, false, true, true, true, false}));
}

} // namespace
} // namespace kinsketch
