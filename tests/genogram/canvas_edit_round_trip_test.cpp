#include "genogram/canvas_mouse.h"
#include "genogram/canvas_opening.h"
#include "tests/support/recording_reporter.h"
#include "tests/support/scripted_message_boxes.h"
#include "tests/support/text_dialog_doubles.h"

#include "document/gdr_codec.h"
#include "document/gdr_conversion.h"

#include <gtest/gtest.h>

#include <memory>

namespace kinsketch {
namespace {

// Texts and lines placed with the mouse, saved through layers 1 and 2 into
// a file, and found where they were after the document is opened again.
TEST(CanvasEditRoundTrip, PlacedTextsAndLinesComeBackRenumbered)
{
    GdrRecord document;
    makeNewDocument(document);
    test::RecordingReporter reporter;
    test::ScriptedMessageBoxes boxes;
    test::ScriptedTextDialog dialog;
    test::FixedMeasure measure;
    InputMode mode = InputMode::Text;
    auto canvas =
        std::make_unique<GenoCanvas>(CanvasSize::Normal, document, reporter, CanvasContext{[&] { return mode; }});
    auto mouse = std::make_unique<CanvasMouse>(*canvas, boxes, dialog, measure);
    CanvasLayerStore store(document, reporter, [&](CanvasSize) -> GenoCanvas& { return *canvas; });

    for (const auto& [text, x] : {std::pair{"一", 100.0F}, {"二", 1000.0F}, {"三", 2000.0F}}) {
        dialog.answers.push_back(TextFormatting{text, "ＭＳ 明朝", 14, 0xFF0000, true});
        mouse->mouseDown(kLeftButton, x, 500);
        mouse->mouseUp(kLeftButton, x, 500);
    }
    boxes.answers.push_back(MessageAnswer::Yes);
    mouse->mouseDown(kRightButton, 1010, 510); // text 2 deleted
    mouse->mouseDown(kLeftButton, 2010, 510);  // text 3 dragged
    mouse->mouseMove(kLeftButton, 2510, 1510);
    mouse->mouseUp(kLeftButton, 2510, 1510);

    mode = InputMode::AddedLines;
    for (int i = 0; i < 3; ++i) canvas->drawAddedLine(mouse->addedLines().addLine(), AddedLineDraw::Create);
    boxes.answers.push_back(MessageAnswer::Yes);
    canvas->startHandles.bringToFront(1);
    mouse->mouseDown(kRightButton, 1005, 1005); // line 1 deleted
    canvas->endHandles.bringToFront(3);
    mouse->mouseDown(kLeftButton, 3505, 3505); // line 3's second end dragged
    mouse->mouseMove(kLeftButton, 4005, 2005);
    mouse->mouseUp(kLeftButton, 4005, 2005);

    canvas->showHandlesOfLinesOnShow();
    ASSERT_TRUE(store.saveTexts(CanvasSize::Normal));
    ASSERT_TRUE(store.saveAddedLines(CanvasSize::Normal));
    document = decodeCurrentGdr(encodeGdr(document));

    mouse.reset();
    canvas = std::make_unique<GenoCanvas>(CanvasSize::Normal, document, reporter, CanvasContext{[&] { return mode; }});
    const CanvasLoad load = openDocumentOnCanvas(store, *canvas);
    ASSERT_TRUE(load.texts && load.addedLines);

    ASSERT_EQ(canvas->textLabels.upperBound(), 2);
    EXPECT_EQ(canvas->textLabels[1].caption, "一");
    EXPECT_EQ(canvas->textLabels[2].caption, "三");
    EXPECT_EQ(canvas->textLabels[2].left, 2500);
    EXPECT_EQ(canvas->textLabels[2].top, 1500);
    EXPECT_EQ(canvas->textLabels[2].width, 350);
    EXPECT_EQ(canvas->textLabels[2].fontName, "ＭＳ 明朝");
    EXPECT_EQ(canvas->textLabels[2].fontSize, 14);
    EXPECT_TRUE(canvas->textLabels[2].bold);
    EXPECT_EQ(canvas->textLabels[2].foreColor, 0xFF0000U);

    ASSERT_EQ(canvas->startHandles.upperBound(), 2);
    EXPECT_EQ(document.AddLine[1], (AddLineRecord{kTrue, 1000, 4000, 1000, 2000}));
    EXPECT_EQ(canvas->addedLines[2].x2, 4050);
    EXPECT_EQ(canvas->addedLines[2].y2, 2050);
    EXPECT_TRUE(canvas->startHandles[2].visible) << "handles show in line mode";
    EXPECT_TRUE(reporter.errors.empty());
}

} // namespace
} // namespace kinsketch
