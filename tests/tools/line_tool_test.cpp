#include "genogram/window/canvas_window.h"
#include "tests/support/recording_reporter.h"
#include "tests/support/scripted_message_boxes.h"
#include "tests/support/text_dialog_doubles.h"
#include "tools/window/line_tool_window.h"

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
    CanvasContext lineMode{[] { return InputMode::AddedLines; }};
    CanvasWindow normal(CanvasSize::Normal, document, reporter, lineMode);
    CanvasWindow wide(CanvasSize::Wide, document, reporter, lineMode);
    normal.enableEditing(boxes, dialog);
    wide.enableEditing(boxes, dialog);
    LineToolWindow tool([&]() -> CanvasWindow& { return document.isWide() ? wide : normal; });
    tool.load();
    auto* button = tool.findChild<QPushButton*>(QStringLiteral("cmdTool1"));
    ASSERT_NE(button, nullptr);
    button->click();
    EXPECT_TRUE(normal.canvas().addedLines[1].visible);
    EXPECT_TRUE(normal.canvas().startHandles[1].visible);

    document.ScreenMode = "WIDE";
    button->click();
    EXPECT_TRUE(wide.canvas().addedLines[1].visible);
    EXPECT_FALSE(normal.canvas().addedLines.exists(2));
}

} // namespace
} // namespace kinsketch
