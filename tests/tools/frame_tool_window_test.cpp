#include "tests/support/qt_application.h"
#include "tests/support/recording_reporter.h"
#include "tools/window/frame_tool_window.h"

#include "document/gdr_conversion.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <set>

namespace kinsketch {
namespace {

class FrameTool : public ::testing::Test {
protected:
    FrameTool()
    {
        makeNewDocument(document);
        document.CohabitFlag[9] = 1; // an old mark the panel no longer shows
        document.CohabitSeg[40] = 1;
    }
    std::set<int> drawn() const
    {
        std::set<int> out;
        for (int s = 0; s < kCohabitSegCount; ++s)
            if (document.CohabitSeg[static_cast<std::size_t>(s)] == 1) out.insert(s);
        return out;
    }
    FrameToolWindow& window()
    {
        FrameToolNeighbours neighbours;
        neighbours.panelMark = [this](int slot) { return marks.contains(slot) ? 1 : 0; };
        neighbours.redrawCanvas = [this] { redrawnWith = drawn(); };
        neighbours.clearPanelMarks = [this] { marks.clear(); };
        tool = std::make_unique<FrameToolWindow>(document, reporter, std::move(neighbours));
        return *tool;
    }

    QApplication& app = test::application();
    GdrRecord document;
    test::RecordingReporter reporter;
    std::set<int> marks;
    std::set<int> redrawnWith;
    std::unique_ptr<FrameToolWindow> tool;
};

TEST_F(FrameTool, WithNoMarkItErasesTheFrameOnEitherScreen)
{
    for (const char* mode : {"", "WIDE"}) {
        document.ScreenMode = mode;
        document.CohabitSeg.fill(1);
        window().toggleFrame();
        EXPECT_TRUE(drawn().empty()) << mode;
    }
    marks = {3, 18};
    window().toggleFrame();
    EXPECT_FALSE(drawn().contains(8)); // shared by the two marked slots of the WIDE screen
    EXPECT_TRUE(drawn().contains(66));
}

} // namespace
} // namespace kinsketch
