#include "tools/mdi_line_add_tool.h"
#include "genogram/window/mdi_geno_inp_save.h"
#include "tests/support/recording_reporter.h"
#include "tests/support/scripted_message_boxes.h"
#include "tests/support/text_dialog_doubles.h"

#include "document/gdr_conversion.h"

#include <QApplication>
#include <QPushButton>

#include <gtest/gtest.h>

namespace kinsketch {
namespace {

TEST(LineTool, AddsALineToTheCanvasOfTheScreenSize)
{
    GdrRecord document;
    makeNewDocument(document);
    test::RecordingReporter reporter;
    test::ScriptedMessageBoxes boxes;
    test::ScriptedTextDialog dialog; // never answers
    CanvasContext lineMode{[] { return std::uint8_t{2}; }};
    mdiGenoInpSave normal(CanvasSize::Normal, document, reporter, lineMode);
    mdiGenoInpSave wide(CanvasSize::Wide, document, reporter, lineMode);
    normal.enableEditing(boxes, dialog);
    wide.enableEditing(boxes, dialog);
    mdiLineAdd_Tool tool([&]() -> mdiGenoInpSave& { return document.isWide() ? wide : normal; });
    tool.Form_Load();
    auto* button = tool.findChild<QPushButton*>(QStringLiteral("cmdTool1"));
    ASSERT_NE(button, nullptr);
    button->click();
    EXPECT_TRUE(normal.canvas().lineLine[1].visible);
    EXPECT_TRUE(normal.canvas().lblLine1[1].visible);

    document.ScreenMode = "WIDE";
    button->click();
    EXPECT_TRUE(wide.canvas().lineLine[1].visible);
    EXPECT_FALSE(normal.canvas().lineLine.exists(2));
}

} // namespace
} // namespace kinsketch
