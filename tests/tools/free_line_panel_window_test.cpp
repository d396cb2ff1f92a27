#include "tests/support/qt_application.h"
#include "tools/window/free_line_panel_window.h"

#include "tests/support/recording_reporter.h"
#include "tests/support/scripted_message_boxes.h"

#include "document/gdr_conversion.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace kinsketch {
namespace {

class PanelWindow : public ::testing::Test {
protected:
    PanelWindow()
    {
        makeNewDocument(document);
        document.FreeLine = {true, 1, {{10, 10, 10, 10, 1, 0, -1}}};
        window.load();
        window.show();
        QApplication::setActiveWindow(&window);
    }
    template <class W>
    W* find(const char* name)
    {
        return window.findChild<W*>(QString::fromLatin1(name));
    }

    QApplication& app = test::application();
    GdrRecord document;
    std::int32_t loadedCount = 0;
    FreeLinePanelRegisters registers;
    test::ScriptedMessageBoxes boxes;
    test::RecordingReporter reporter;
    GenoCanvas canvas{CanvasSize::Normal, document, reporter};
    FreeLinePanelWindow window{CanvasSize::Normal, document, loadedCount,
                               registers,          boxes,    {[this]() -> GenoCanvas& { return canvas; }}};
};

TEST_F(PanelWindow, TheUndoButtonFollowsLsubBackEnable)
{
    auto* back = find<QPushButton>("cmd_Back");
    EXPECT_TRUE(back->isEnabled()) << "a stroke of a new document can be undone";
    loadedCount = 1;
    window.model().updateUndoEnabled();
    window.showRegisters();
    EXPECT_FALSE(back->isEnabled());
    EXPECT_EQ(registers.strokeTag, "-1");
}

} // namespace
} // namespace kinsketch
