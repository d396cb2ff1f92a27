// The pictures of the golden documents against the reference PNGs under
// tests/fixtures/golden, pixel for pixel. To regenerate them deliberately:
//   KINSKETCH_REGENERATE_GOLDEN=1 build/tests/picture/picture_tests --gtest_filter='*Golden*'
// then look at every changed PNG before committing it.

#include "golden_documents.h"
#include "picture_fixture.h"
#include "tests/support/recording_reporter.h"

#include "picture/canvas_fonts.h"
#include "picture/handed_in_picture.h"

#include "document/file_io.h"
#include "document/gdr_codec.h"

#include <QFontInfo>

#include <gtest/gtest.h>

#include <fstream>

namespace kinsketch {
namespace {

using test::GoldenDocument;
namespace fs = std::filesystem;

void writeBytes(const fs::path& file, const Bytes& bytes)
{
    std::ofstream(file, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

class Golden : public ::testing::TestWithParam<GoldenDocument> {
protected:
    void SetUp() override
    {
        test::ensureGuiApplication();
        folder = fs::temp_directory_path() / ("kinsketch-golden-" + GetParam().name);
        fs::create_directories(folder);
    }
    void TearDown() override { fs::remove_all(folder); }
    fs::path folder;
};

TEST(GoldenFonts, TheJapaneseWindowsFontsAreDrawnWithTheIpaFonts)
{
    test::ensureGuiApplication();
    LabelWidget label;
    label.fontName = "ＭＳ Ｐゴシック";
    EXPECT_EQ(QFontInfo(canvasFont(label, 1.0)).family(), QStringLiteral("IPAPGothic"));
    label.fontName = "ＭＳ ゴシック";
    EXPECT_EQ(QFontInfo(canvasFont(label, 1.0)).family(), QStringLiteral("IPAGothic"));
    EXPECT_EQ(QFontInfo(QFont(QString::fromUtf8("ＭＳ Ｐゴシック"))).family(), QStringLiteral("IPAPGothic"))
        << "Qt's own substitution follows the same table";
}

TEST_P(Golden, PictureMatchesTheReference)
{
    const GoldenDocument& golden = GetParam();
    const fs::path gdr = folder / "client.gdr";
    const Bytes bytes = encodeGdr(golden.document);
    writeBytes(gdr, bytes);
    test::RecordingReporter reporter;
    const auto picture = pictureOfHandedInDocument(gdr, reporter, golden.scale);
    ASSERT_TRUE(picture.has_value());
    EXPECT_TRUE(reporter.errors.empty()) << reporter.errors.front().title << " " << reporter.errors.front().text;

    const fs::path png = test::goldenDir() / (golden.name + ".png");
    const fs::path fixture = test::canvasFixtureDir() / (golden.name + ".gdr");
    if (test::regeneratingGolden()) {
        ASSERT_TRUE(picture->save(QString::fromStdString(png.string()), "png"));
        if (golden.scale == 1.0) writeBytes(fixture, bytes);
        GTEST_SKIP() << "wrote " << png << "; look at it before committing";
    }
    const QImage expected(QString::fromStdString(png.string()));
    ASSERT_FALSE(expected.isNull()) << "no reference " << png;
    EXPECT_EQ(test::pictureDifference(*picture, expected), "") << golden.name;
    if (golden.scale == 1.0) {
        EXPECT_EQ(readWholeFile(fixture), bytes) << fixture << " is out of date; regenerate it";
    }
}

INSTANTIATE_TEST_SUITE_P(Documents, Golden, ::testing::ValuesIn(test::goldenDocuments()),
                         [](const auto& test) { return test.param.name; });

} // namespace
} // namespace kinsketch
