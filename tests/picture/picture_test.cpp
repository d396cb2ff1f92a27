// The saved picture: the golden documents and the bundled sample against the
// reference PNGs under tests/fixtures/golden, pixel for pixel, in process and
// through kinsketch-render; crisp lines at every scale; the bitmap's layout.
// To regenerate the references deliberately:
//   KINSKETCH_REGENERATE_GOLDEN=1 build/tests/picture/picture_tests --gtest_filter='*Golden*'
// then look at every changed PNG before committing it.

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

#include <QProcess>

#include <gtest/gtest.h>

#include <cstring>
#include <set>

namespace kinsketch {
namespace {

using test::GoldenDocument;
namespace fs = std::filesystem;

QImage goldenPicture(const std::string& name)
{
    return QImage(QString::fromStdString((test::goldenDir() / (name + ".png")).string()));
}

class Golden : public ::testing::TestWithParam<GoldenDocument> {
protected:
    test::TemporaryFolder folder;
};

TEST_P(Golden, PictureMatchesTheReference)
{
    const GoldenDocument& golden = GetParam();
    const fs::path gdr = folder.path() / "client.gdr";
    const Bytes bytes = encodeGdr(golden.document);
    writeFileAtomically(gdr, bytes);
    test::RecordingReporter reporter;
    const auto picture = pictureOfHandedInDocument(gdr, reporter, golden.scale);
    const auto canvas = pictureCanvasOfHandedInDocument(gdr, reporter);
    ASSERT_TRUE(picture.has_value() && canvas);
    EXPECT_TRUE(reporter.errors.empty()) << reporter.errors.front().title << " " << reporter.errors.front().text;

    const fs::path png = test::goldenDir() / (golden.name + ".png");
    const fs::path fixture = test::fixtureDir() / "canvas" / (golden.name + ".gdr");
    if (test::regeneratingGolden()) {
        ASSERT_TRUE(picture->save(QString::fromStdString(png.string()), "png"));
        if (golden.scale == 1.0) writeFileAtomically(fixture, bytes);
        GTEST_SKIP() << "wrote " << png << "; look at it before committing";
    }
    const QImage expected = goldenPicture(golden.name);
    ASSERT_FALSE(expected.isNull()) << "no reference " << png;
    const QImage withoutDetails = renderCanvasPictureShowing(canvas->canvas(), {false, false, false}, golden.scale);
    EXPECT_EQ(test::referenceDifference(*picture, expected, withoutDetails), "") << golden.name;
    if (golden.scale == 1.0) {
        EXPECT_EQ(readWholeFile(fixture), bytes) << fixture << " is out of date; regenerate it";
    }
}

INSTANTIATE_TEST_SUITE_P(Documents, Golden, ::testing::ValuesIn(test::goldenDocuments()),
                         [](const auto& test) { return test.param.name; });

struct RenderRun {
    int exitCode;
    QString errors;
};

RenderRun render(const QStringList& arguments)
{
    QProcess process;
    process.start(QStringLiteral(KINSKETCH_RENDER_PROGRAM), arguments);
    process.waitForFinished(60000);
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardError())};
}

QString pathText(const fs::path& path) { return QString::fromStdString(path.string()); }

// The sample family as the host files it. Its texts are wider than their
// boxes: the painter must not cut them off.
TEST(GoldenRenderCli, TheBundledSampleIsWrittenAsTheReferenceBitmapOrPng)
{
    test::TemporaryFolder folder;
    const fs::path gdr = test::fixtureDir() / "documents" / "sample_family.gdr";
    const fs::path png = test::goldenDir() / "sample_family.png";
    if (test::regeneratingGolden()) {
        ASSERT_EQ(render({pathText(gdr), pathText(png)}).exitCode, 0);
        GTEST_SKIP() << "wrote " << png << "; look at it before committing";
    }
    const fs::path bare = folder.path() / "bare.png";
    ASSERT_EQ(render({"--no-ages", "--no-remarks", "--no-texts", pathText(gdr), pathText(bare)}).exitCode, 0);
    for (const char* extension : {".bmp", ".png"}) {
        const fs::path out = folder.path() / (std::string("sample") + extension);
        const RenderRun run = render({pathText(gdr), pathText(out)});
        EXPECT_EQ(run.exitCode, 0) << run.errors.toStdString();
        EXPECT_TRUE(run.errors.isEmpty()) << run.errors.toStdString();
        EXPECT_EQ(test::referenceDifference(QImage(pathText(out)), goldenPicture("sample_family"), QImage(pathText(bare))),
                  "")
            << extension;
    }
}

TEST(RenderCli, ADocumentThatCannotBeReadEndsWithOneLineAndExitCodeOne)
{
    test::TemporaryFolder folder;
    const fs::path empty = folder.path() / "empty.gdr";
    writeFileAtomically(empty, Bytes{});
    const fs::path out = folder.path() / "out.bmp";
    for (const fs::path& input : {empty, folder.path() / "missing.gdr"}) {
        const RenderRun run = render({pathText(input), pathText(out)});
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_EQ(run.errors.count(QLatin1Char('\n')), 1) << run.errors.toStdString();
        EXPECT_TRUE(run.errors.startsWith(QStringLiteral("kinsketch-render: cannot read"))) << run.errors.toStdString();
        EXPECT_FALSE(fs::exists(out));
    }
    EXPECT_EQ(render({}).exitCode, 2);
}

class Picture : public ::testing::Test {
protected:
    Picture() { makeNewDocument(document); }
    GdrRecord document;
    test::RecordingReporter reporter;
};

// Lines, frames, slashes and strokes in every width and style, drawn at
// every scale, leave no grey of their own: no pixel is half covered.
TEST_F(Picture, LinesStayCrispAtEveryScale)
{
    for (int k = 0; k < kLineCount; ++k)
        document.LineTag[static_cast<std::size_t>(k)] = static_cast<std::uint8_t>(1 + k % 9);
    document.CohabitFlag = {1, 0, 1, 0, 0, 1, 1};
    document.CohabitSeg = {};
    for (int s = 0; s < 120; s += 3) document.CohabitSeg[static_cast<std::size_t>(s)] = 1;
    document.FreeLine = {true,
                         1,
                         {{100.4F, 100, 100.4F, 100, 1, 0, -1},
                          {733.3F, 515.5F, 0, 0, 1, 0, -1},
                          {1500, 900, 1500, 900, 7, 0, -2},
                          {2100, 1300, 0, 0, 7, 0, -2}}};
    GenoCanvas canvas(CanvasSize::Wide, document, reporter);
    canvas.rebuild();
    for (int i = 0; i < 37; ++i) {
        canvas.ageLabels[i].visible = false;
        canvas.remarkLabels[i].visible = false;
    }
    for (double scale : {1.0, 1.25, 1.5, 2.0}) {
        std::set<QRgb> colours;
        const QImage rgb = renderCanvasPicture(canvas, scale).convertToFormat(QImage::Format_RGB32);
        for (int y = 0; y < rgb.height(); ++y)
            for (int x = 0; x < rgb.width(); ++x) colours.insert(rgb.pixel(x, y) & 0xFFFFFFU);
        EXPECT_EQ(colours, (std::set<QRgb>{0xFFFFFF, 0x000000})) << "scale " << scale;
    }
}

// Age and remark labels cut what wraps below their box; texts placed by the
// user are cut only by the canvas's edge (4290 twips = 286 pixels wide).
TEST(LabelTextFit, ATextFitsWhenThePictureShowsAllOfIt)
{
    struct Case {
        WidgetKind kind;
        const char* text;
        float left, top, width;
        bool fits;
    };
    const CanvasGeometry& geometry = canvasGeometry(CanvasSize::Normal);
    for (const Case& c : {
             Case{WidgetKind::ageLabels, "長女", 0, 0, 0, true},
             Case{WidgetKind::remarkLabels, "長女の元夫", 0, 0, 0, false},
             Case{WidgetKind::remarkLabels, "長女\r\n元夫", 0, 0, 0, false},
             Case{WidgetKind::textLabels, "長女の元夫", 100, 100, 300, true},
             Case{WidgetKind::textLabels, "長女の元夫", 3500, 100, 950, false},
             Case{WidgetKind::textLabels, "長女", 3500, 100, 410, true},
             Case{WidgetKind::textLabels, "長女\r\n元夫", 100, 4800, 410, false},
         }) {
        SCOPED_TRACE(c.text);
        const bool placed = c.kind == WidgetKind::textLabels;
        LabelWidget label = placed ? textLabelTemplate() : cellLabelOf(geometry, {c.kind, 0}, {});
        label.caption = c.text;
        if (placed)
            std::tie(label.left, label.top, label.width, label.height) = std::tuple(c.left, c.top, c.width, 300.0F);
        EXPECT_EQ(labelTextFits(label, c.kind, geometry), c.fits);
    }
}

TEST_F(Picture, TheBitmapIsA24BitBottomUpWindowsBitmap)
{
    document.LineTag[0] = 1;
    GenoCanvas canvas(CanvasSize::Normal, document, reporter);
    canvas.rebuild();
    test::TemporaryFolder folder;
    const fs::path file = folder.path() / "picture.bmp";
    writePicture(renderCanvasPicture(canvas), file);
    const Bytes bmp = readWholeFile(file);
    const auto u32 = [&](std::size_t at) {
        std::uint32_t v = 0;
        std::memcpy(&v, bmp.data() + at, sizeof v);
        return v;
    };
    ASSERT_GE(bmp.size(), 54U);
    EXPECT_EQ(bmp[0], 'B');
    EXPECT_EQ(bmp[1], 'M');
    EXPECT_EQ(u32(14), 40U) << "BITMAPINFOHEADER";
    EXPECT_EQ(u32(18), 286U);
    EXPECT_EQ(u32(22), 338U) << "positive height: bottom-up";
    EXPECT_EQ(u32(26), 1U | 24U << 16) << "one plane, 24 bits";
    EXPECT_EQ(u32(30), 0U) << "uncompressed";
    const std::size_t stride = (286 * 3 + 3) / 4 * 4;
    ASSERT_EQ(bmp.size(), u32(10) + stride * 338);
    // Row 16 from the top holds line 0: black from x = 72, stored 338 - 1 - 16 rows up.
    const std::size_t row = u32(10) + stride * (338 - 1 - 16);
    EXPECT_EQ(bmp[row + 72 * 3], 0);
    EXPECT_EQ(bmp[row + 71 * 3], 255);
}

} // namespace
} // namespace kinsketch
