#include "picture_fixture.h"
#include "tests/support/recording_reporter.h"

#include "picture/canvas_painter.h"
#include "picture/canvas_picture.h"

#include "document/file_io.h"
#include "document/gdr_conversion.h"
#include "document/run_time_error.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <vector>

namespace kinsketch {
namespace {

namespace fs = std::filesystem;

class Picture : public ::testing::Test {
protected:
    Picture()
    {
        test::ensureGuiApplication();
        makeNewDocument(document);
    }
    GdrRecord document;
    test::RecordingReporter reporter;
};

std::set<QRgb> coloursOf(const QImage& image)
{
    std::set<QRgb> colours;
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < rgb.height(); ++y)
        for (int x = 0; x < rgb.width(); ++x) colours.insert(rgb.pixel(x, y) & 0xFFFFFFU);
    return colours;
}

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
        const auto colours = coloursOf(renderCanvasPicture(canvas, scale));
        EXPECT_EQ(colours, (std::set<QRgb>{0xFFFFFF, 0x000000})) << "scale " << scale;
    }
}

std::uint32_t u32(const Bytes& b, std::size_t at)
{
    std::uint32_t v = 0;
    std::memcpy(&v, b.data() + at, sizeof v);
    return v;
}
std::uint16_t u16(const Bytes& b, std::size_t at)
{
    std::uint16_t v = 0;
    std::memcpy(&v, b.data() + at, sizeof v);
    return v;
}

TEST_F(Picture, TheBitmapIsA24BitBottomUpWindowsBitmap)
{
    document.LineTag[0] = 1;
    GenoCanvas canvas(CanvasSize::Normal, document, reporter);
    canvas.rebuild();
    const QImage picture = renderCanvasPicture(canvas);
    const fs::path file = fs::temp_directory_path() / "kinsketch-picture-test.bmp";
    writePicture(picture, file);
    const Bytes bmp = readWholeFile(file);
    fs::remove(file);
    ASSERT_GE(bmp.size(), 54U);
    EXPECT_EQ(bmp[0], 'B');
    EXPECT_EQ(bmp[1], 'M');
    const std::uint32_t offset = u32(bmp, 10);
    EXPECT_EQ(u32(bmp, 14), 40U) << "BITMAPINFOHEADER";
    EXPECT_EQ(static_cast<std::int32_t>(u32(bmp, 18)), 286);
    EXPECT_EQ(static_cast<std::int32_t>(u32(bmp, 22)), 338) << "positive height: bottom-up";
    EXPECT_EQ(u16(bmp, 26), 1);
    EXPECT_EQ(u16(bmp, 28), 24);
    EXPECT_EQ(u32(bmp, 30), 0U) << "uncompressed";
    const std::size_t stride = (286 * 3 + 3) / 4 * 4;
    ASSERT_EQ(bmp.size(), offset + stride * 338);
    // Row 16 from the top holds line 0: black from x = 72, stored 338 - 1 - 16 rows up.
    const std::size_t row = offset + stride * (338 - 1 - 16);
    EXPECT_EQ(bmp[row + 72 * 3], 0);
    EXPECT_EQ(bmp[row + 71 * 3], 255);
}

} // namespace
} // namespace kinsketch
