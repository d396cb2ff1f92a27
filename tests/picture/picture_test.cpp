// The saved picture against the reference PNGs pixel for pixel, details left out, crisp lines, texts that fit. To
// regenerate: KINSKETCH_REGENERATE_GOLDEN=1 picture_tests --gtest_filter='*Golden*', then look at every changed PNG.

#include "golden_documents.h"
#include "picture_support.h"
#include "tests/support/recording_reporter.h"
#include "tests/support/temporary_folder.h"

#include "picture/canvas_painter.h"
#include "picture/canvas_picture.h"
#include "picture/handed_in_picture.h"

#include "document/file_io.h"
#include "document/gdr_codec.h"
#include "document/gdr_conversion.h"

#include <gtest/gtest.h>

#include <set>

namespace kinsketch {
namespace {

using test::GoldenDocument;
namespace fs = std::filesystem;

class Golden : public ::testing::TestWithParam<GoldenDocument> {};

TEST_P(Golden, PictureMatchesTheReference)
{
    const GoldenDocument& golden = GetParam();
    test::TemporaryFolder folder;
    const fs::path gdr = folder.path() / "client.gdr";
    const Bytes bytes = encodeGdr(golden.document);
    writeFileAtomically(gdr, bytes);
    test::RecordingReporter reporter;
    const auto picture = pictureOfHandedInDocument(gdr, reporter, golden.scale);
    const auto canvas = pictureCanvasOfHandedInDocument(gdr, reporter);
    ASSERT_TRUE(picture.has_value() && canvas);
    EXPECT_TRUE(reporter.errors.empty()) << reporter.errors.front().title << " " << reporter.errors.front().text;

    const fs::path png = test::fixtureDir() / "golden" / (golden.name + ".png");
    const fs::path fixture = test::fixtureDir() / "canvas" / (golden.name + ".gdr");
    if (test::regeneratingGolden()) {
        ASSERT_TRUE(picture->save(QString::fromStdString(png.string()), "png"));
        GTEST_SKIP() << "wrote " << png << "; look at it before committing";
    }
    const QImage expected(QString::fromStdString(png.string()));
    ASSERT_FALSE(expected.isNull()) << "no reference " << png;
    const QImage withoutDetails =
        renderCanvasPictureShowing(canvas->canvas(), {false, false, false, true}, golden.scale);
    EXPECT_EQ(test::referenceDifference(*picture, expected, withoutDetails), "") << golden.name;
    // Leaving details out takes away their text and nothing else: it is the picture of a document without them.
    GdrRecord bare = golden.document;
    for (auto& age : bare.ages) age.clear();
    for (auto& remark : bare.remarks) remark.clear();
    for (auto& text : bare.texts) text.caption.clear();
    writeFileAtomically(folder.path() / "bare.gdr", encodeGdr(bare));
    const auto barePicture = pictureOfHandedInDocument(folder.path() / "bare.gdr", reporter, golden.scale);
    EXPECT_EQ(test::pictureDifference(barePicture.value(), withoutDetails), "");
    EXPECT_TRUE(golden.scale != 1.0 || readWholeFile(fixture) == bytes) << "the codec does not give back " << fixture;
}

INSTANTIATE_TEST_SUITE_P(Documents, Golden, ::testing::ValuesIn(test::goldenDocuments()),
                         [](const auto& test) { return test.param.name; });

// Lines, frames, slashes and strokes of every width and style leave no half-covered grey pixel at any scale.
TEST(Picture, LinesStayCrispAtEveryScale)
{
    GdrRecord document = test::golden::newDocument();
    test::RecordingReporter reporter;
    for (int k = 0; k < kLineCount; ++k)
        document.lineStyles[static_cast<std::size_t>(k)] = static_cast<std::uint8_t>(1 + k % 9);
    document.cohabitMarks = {1, 0, 1, 0, 0, 1, 1};
    document.frameSegments = {};
    for (int s = 0; s < 120; s += 3) document.frameSegments[static_cast<std::size_t>(s)] = 1;
    test::golden::addStroke(document, -1, 1, 0x000000, {{100.4F, 100}, {733.3F, 515.5F}});
    test::golden::addStroke(document, -2, 7, 0x000000, {{1500, 900}, {2100, 1300}});
    GenoCanvas canvas(CanvasSize::Wide, document, reporter);
    canvas.rebuild();
    for (int i = 0; i < 37; ++i) canvas.ageLabels[i].visible = canvas.remarkLabels[i].visible = false;
    for (double scale : {1.0, 1.25, 1.5, 2.0}) {
        std::set<QRgb> colours;
        const QImage rgb = renderCanvasPicture(canvas, scale).convertToFormat(QImage::Format_RGB32);
        for (int y = 0; y < rgb.height(); ++y)
            for (int x = 0; x < rgb.width(); ++x) colours.insert(rgb.pixel(x, y) & 0xFFFFFFU);
        EXPECT_EQ(colours, (std::set<QRgb>{0xFFFFFF, 0x000000})) << "scale " << scale;
    }
}

// Age and remark labels cut what wraps below their box; placed texts only the canvas's edge (4290 twips).
TEST(LabelTextFit, ATextFitsWhenThePictureShowsAllOfIt)
{
    const CanvasGeometry& geometry = canvasGeometry(CanvasSize::Normal);
    const std::tuple<WidgetKind, const char*, float, float, float, bool> cases[] = {
        {WidgetKind::ageLabels, "長女", 0, 0, 0, true},
        {WidgetKind::remarkLabels, "長女の元夫", 0, 0, 0, false},
        {WidgetKind::remarkLabels, "長女\r\n元夫", 0, 0, 0, false},
        {WidgetKind::textLabels, "長女の元夫", 100, 100, 300, true},
        {WidgetKind::textLabels, "長女の元夫", 3500, 100, 950, false},
        {WidgetKind::textLabels, "長女", 3500, 100, 410, true},
        {WidgetKind::textLabels, "長女\r\n元夫", 100, 4800, 410, false},
    };
    for (const auto& [kind, text, left, top, width, fits] : cases) {
        const bool placed = kind == WidgetKind::textLabels;
        LabelWidget label = placed ? textLabelTemplate() : cellLabelOf(geometry, {kind, 0}, {});
        label.text.caption = text;
        if (placed) std::tie(label.left, label.top, label.width, label.height) = std::tuple(left, top, width, 300.0F);
        EXPECT_EQ(labelTextFits(label, kind, geometry), fits) << text;
    }
}

} // namespace
} // namespace kinsketch
