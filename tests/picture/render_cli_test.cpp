// kinsketch-render as a whole program, on the committed fixture documents.

#include "picture_fixture.h"

#include "document/file_io.h"

#include <QProcess>

#include <gtest/gtest.h>

namespace kinsketch {
namespace {

namespace fs = std::filesystem;

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

class RenderCli : public ::testing::TestWithParam<std::string> {
protected:
    void SetUp() override { test::ensureGuiApplication(); }
};

TEST_P(RenderCli, WritesTheReferencePictureAsABitmapOrPng)
{
    const fs::path gdr = test::canvasFixtureDir() / (GetParam() + ".gdr");
    const QImage expected(QString::fromStdString((test::goldenDir() / (GetParam() + ".png")).string()));
    for (const char* extension : {".bmp", ".png"}) {
        const fs::path out = fs::temp_directory_path() / ("kinsketch-render-" + GetParam() + extension);
        const RenderRun run = render({QString::fromStdString(gdr.string()), QString::fromStdString(out.string())});
        EXPECT_EQ(run.exitCode, 0) << run.errors.toStdString();
        EXPECT_TRUE(run.errors.isEmpty()) << run.errors.toStdString();
        const QImage written(QString::fromStdString(out.string()));
        fs::remove(out);
        EXPECT_EQ(test::pictureDifference(written, expected), "") << extension;
    }
}

INSTANTIATE_TEST_SUITE_P(Fixtures, RenderCli,
                         ::testing::Values("normal_styles_symbols", "wide_every_layer", "normal_frame_texts"));

TEST(RenderCliErrors, ADocumentThatCannotBeReadEndsWithOneLineAndExitCodeOne)
{
    test::ensureGuiApplication();
    const fs::path empty = fs::temp_directory_path() / "kinsketch-render-empty.gdr";
    writeFileAtomically(empty, Bytes{});
    const fs::path out = fs::temp_directory_path() / "kinsketch-render-empty.bmp";
    for (const fs::path& input : {empty, fs::temp_directory_path() / "kinsketch-render-missing.gdr"}) {
        const RenderRun run = render({QString::fromStdString(input.string()), QString::fromStdString(out.string())});
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_EQ(run.errors.count(QLatin1Char('\n')), 1) << run.errors.toStdString();
        EXPECT_TRUE(run.errors.startsWith(QStringLiteral("kinsketch-render: cannot read"))) << run.errors.toStdString();
        EXPECT_FALSE(fs::exists(out));
    }
    fs::remove(empty);
    EXPECT_EQ(render({}).exitCode, 2);
}

} // namespace
} // namespace kinsketch
