#include "picture_fixture.h"
#include "tests/support/recording_reporter.h"

#include "picture/canvas_painter.h"
#include "picture/canvas_picture.h"
#include "picture/person_symbol_artwork.h"

#include "document/file_io.h"
#include "document/gdr_conversion.h"
#include "document/run_time_error.h"

#include <QPainter>

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

TEST_F(Picture, TheSizeIsTheClientAreaAtFifteenTwipsAPixelHalvesToEven)
{
    EXPECT_EQ(canvasPixelSize(canvasGeometry(CanvasSize::Normal), 1.0), QSize(286, 338));
    EXPECT_EQ(canvasPixelSize(canvasGeometry(CanvasSize::Wide), 1.0), QSize(470, 413));
    EXPECT_EQ(canvasPixelSize(canvasGeometry(CanvasSize::Normal), 1.5), QSize(429, 507));
    CanvasGeometry odd = canvasGeometry(CanvasSize::Normal);
    odd.clientWidth = 7005;  // 700.5 pixels at 150 %
    odd.clientHeight = 7035; // 703.5
    EXPECT_EQ(canvasPixelSize(odd, 1.5), QSize(700, 704));
    GenoCanvas canvas(CanvasSize::Wide, document, reporter);
    EXPECT_EQ(renderCanvasPicture(canvas).size(), QSize(470, 413));
}

// Lines, frames, slashes and strokes in every width and style, drawn at
// every scale, leave no grey of their own: no pixel is half covered.
TEST_F(Picture, LinesStayCrispAtEveryScale)
{
    for (int k = 0; k < kLineCount; ++k) document.LineTag[static_cast<std::size_t>(k)] = static_cast<std::uint8_t>(1 + k % 9);
    document.CohabitFlag = {1, 0, 1, 0, 0, 1, 1};
    document.CohabitSeg = {};
    for (int s = 0; s < 120; s += 3) document.CohabitSeg[static_cast<std::size_t>(s)] = 1;
    document.FreeLine = {true, 1, {{100.4F, 100, 100.4F, 100, 1, 0, -1}, {733.3F, 515.5F, 0, 0, 1, 0, -1},
                                   {1500, 900, 1500, 900, 7, 0, -2}, {2100, 1300, 0, 0, 7, 0, -2}}};
    GenoCanvas canvas(CanvasSize::Wide, document, reporter);
    canvas.GfncPrev();
    for (int i = 0; i < 37; ++i) {
        canvas.lblAge[i].visible = false;
        canvas.lblRel[i].visible = false;
    }
    for (double scale : {1.0, 1.25, 1.5, 2.0}) {
        const auto colours = coloursOf(renderCanvasPicture(canvas, scale));
        EXPECT_EQ(colours, (std::set<QRgb>{0xFFFFFF, 0x000000})) << "scale " << scale;
    }
}

TEST_F(Picture, AThinLineIsOneWholePixelRow)
{
    document.LineTag[0] = 1; // (1080, 240)-(1920, 240)
    GenoCanvas canvas(CanvasSize::Normal, document, reporter);
    canvas.GfncPrev();
    const QImage picture = renderCanvasPicture(canvas);
    for (int x = 72; x <= 128; ++x) {
        EXPECT_EQ(picture.pixel(x, 16) & 0xFFFFFFU, 0x000000U) << x;
        EXPECT_EQ(picture.pixel(x, 15) & 0xFFFFFFU, 0xFFFFFFU) << x;
        EXPECT_EQ(picture.pixel(x, 17) & 0xFFFFFFU, 0xFFFFFFU) << x;
    }
    // At 200 % the same line is two whole rows, one of them row 32.
    const QImage doubled = renderCanvasPicture(canvas, 2.0);
    std::vector<int> blackRows;
    for (int y = 0; y < 60; ++y)
        if ((doubled.pixel(200, y) & 0xFFFFFFU) == 0) blackRows.push_back(y);
    ASSERT_EQ(blackRows.size(), 2U);
    EXPECT_EQ(blackRows[1], blackRows[0] + 1);
    EXPECT_TRUE(blackRows[0] == 32 || blackRows[1] == 32);
}

TEST_F(Picture, TheFourteenSymbolsAreDistinctAndPureBlackOnWhite)
{
    for (int size : {16, 24, 32}) {
        std::set<QByteArray> drawings;
        for (int image = 0; image <= kPersonSymbolCount + 1; ++image) {
            QImage cell(size, size, QImage::Format_RGB32);
            cell.fill(Qt::white);
            {
                QPainter painter(&cell);
                drawPersonSymbol(painter, image, cell.rect());
            }
            const bool drawsSomething = coloursOf(cell).contains(0x000000);
            EXPECT_EQ(drawsSomething, image >= 1 && image <= kPersonSymbolCount) << image;
            EXPECT_TRUE(coloursOf(cell).size() <= 2) << "symbol " << image << " at " << size;
            if (drawsSomething) drawings.insert(QByteArray(reinterpret_cast<const char*>(cell.constBits()), static_cast<int>(cell.sizeInBytes())));
        }
        EXPECT_EQ(drawings.size(), static_cast<std::size_t>(kPersonSymbolCount)) << size;
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
    canvas.GfncPrev();
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

TEST_F(Picture, APngIsWrittenWhenAskedForAndAnUnwritablePlaceIsAnError)
{
    GenoCanvas canvas(CanvasSize::Normal, document, reporter);
    const QImage picture = renderCanvasPicture(canvas);
    const fs::path file = fs::temp_directory_path() / "kinsketch-picture-test.PNG";
    writePicture(picture, file);
    const Bytes png = readWholeFile(file);
    fs::remove(file);
    ASSERT_GE(png.size(), 8U);
    EXPECT_EQ(png[1], 'P');
    EXPECT_THROW(writePicture(picture, fs::temp_directory_path() / "no-such-folder" / "x.bmp"), RunTimeError);
}

} // namespace
} // namespace kinsketch
