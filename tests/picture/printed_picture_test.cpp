// The picture on a page and in a PDF or SVG: one page of the chosen paper,
// real text that can be searched, the details the options leave out gone
// and nothing else, and the page, rasterised at the saved picture's scale,
// showing what the bitmap shows. Runs kinsketch-render and poppler's
// pdfinfo, pdftotext and pdftoppm as processes.

#include "picture_support.h"
#include "tests/support/recording_reporter.h"
#include "tests/support/temporary_folder.h"

#include "picture/canvas_picture.h"
#include "picture/handed_in_picture.h"
#include "picture/printed_picture.h"

#include "document/file_io.h"
#include "document/gdr_codec.h"
#include "document/run_time_error.h"

#include <QProcess>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace kinsketch {
namespace {

namespace fs = std::filesystem;

QString pathText(const fs::path& path) { return QString::fromStdString(path.string()); }

struct ProcessRun {
    int exitCode;
    QString out;
    QString errors;
};

ProcessRun run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(120000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()), QString::fromUtf8(process.readAllStandardError())};
}

ProcessRun render(const QStringList& arguments) { return run(QStringLiteral(KINSKETCH_RENDER_PROGRAM), arguments); }

QString withoutSpace(QString text) { return text.remove(QRegularExpression(QStringLiteral("\\s"))); }

// What a reader can search and copy: the PDF's text, or the SVG's text
// elements, in drawing order and without white space.
QString textOf(const fs::path& file)
{
    if (file.extension() == ".pdf") return withoutSpace(run("pdftotext", {"-raw", pathText(file), "-"}).out);
    const Bytes svg = readWholeFile(file);
    QString text = QString::fromUtf8(reinterpret_cast<const char*>(svg.data()), static_cast<qsizetype>(svg.size()));
    return withoutSpace(text.remove(QRegularExpression(QStringLiteral("<[^>]*>"))));
}

const fs::path kWideDocument = test::fixtureDir() / "canvas" / "wide_every_layer.gdr";
const fs::path kSample = test::fixtureDir() / "documents" / "sample_family.gdr";

// The ages, remarks and texts a fixture shows.
struct Details {
    QStringList ages, remarks, texts;
};

Details detailsOf(const fs::path& file)
{
    const GdrRecord document = decodeCurrentGdr(readWholeFile(file));
    Details details;
    for (const auto& age : document.AgeText)
        if (!age.empty()) details.ages << withoutSpace(QString::fromStdString(age));
    for (const auto& remark : document.RelText)
        if (!remark.empty()) details.remarks << withoutSpace(QString::fromStdString(remark));
    for (const auto& text : document.TextLabel)
        if (text.Used && !text.Caption.empty()) details.texts << withoutSpace(QString::fromStdString(text.Caption));
    return details;
}

class PrintedFile : public ::testing::TestWithParam<const char*> {
protected:
    test::TemporaryFolder folder;
};

TEST_P(PrintedFile, HoldsTheDetailsAsTextUnlessTheyAreLeftOut)
{
    const Details details = detailsOf(kWideDocument);
    ASSERT_FALSE(details.ages.isEmpty() || details.remarks.isEmpty() || details.texts.isEmpty());
    const fs::path whole = folder.path() / (std::string("whole") + GetParam());
    const fs::path bare = folder.path() / (std::string("bare") + GetParam());
    ASSERT_EQ(render({pathText(kWideDocument), pathText(whole)}).exitCode, 0);
    ASSERT_EQ(render({"--no-ages", pathText(kWideDocument), "--no-remarks", pathText(bare), "--no-texts"}).exitCode, 0);
    const QString shown = textOf(whole);
    const QString left = textOf(bare);
    for (const QStringList* kind : {&details.ages, &details.remarks, &details.texts}) {
        for (const QString& detail : *kind) {
            EXPECT_TRUE(shown.contains(detail)) << detail.toStdString() << " missing from " << shown.toStdString();
            EXPECT_FALSE(left.contains(detail)) << detail.toStdString() << " left in";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Outputs, PrintedFile, ::testing::Values(".pdf", ".svg"),
                         [](const auto& test) { return std::string(test.param).substr(1); });

TEST(PrintedPdf, HasOnePageOfTheChosenPaper)
{
    test::TemporaryFolder folder;
    const fs::path pdf = folder.path() / "page.pdf";
    const std::pair<QStringList, const char*> cases[] = {
        {{}, "842 x 595 pts (A4)"},
        {{"--portrait"}, "595 x 842 pts (A4)"},
        {{"--paper=A3"}, "1191 x 842 pts (A3)"},
        {{"--landscape", "--paper=A3", "--portrait"}, nullptr},
        {{"--paper=A3", "--portrait"}, "842 x 1191 pts (A3)"},
    };
    for (const auto& [flags, size] : cases) {
        const ProcessRun rendered = render(flags + QStringList{pathText(kSample), pathText(pdf)});
        if (!size) {
            EXPECT_EQ(rendered.exitCode, 2) << flags.join(' ').toStdString();
            continue;
        }
        ASSERT_EQ(rendered.exitCode, 0) << rendered.errors.toStdString();
        const QString info = run("pdfinfo", {pathText(pdf)}).out;
        EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n")))) << info.toStdString();
        EXPECT_TRUE(info.contains(QStringLiteral("Page size:       ") + size)) << info.toStdString();
        EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Title:\\s+sample_family\\n"))));
    }
}

TEST(RenderCliArguments, AreCheckedBeforeAnythingIsRead)
{
    test::TemporaryFolder folder;
    const QString document = pathText(kSample);
    const QString out = pathText(folder.path() / "out.bmp");
    const std::pair<QStringList, const char*> cases[] = {
        {{document}, "expected a document and an output file"},
        {{document, out, out}, "expected a document and an output file"},
        {{"--no-age", document, out}, "unknown option --no-age"},
        {{"--paper=B5", document, out}, "unknown paper B5"},
        {{"--portrait", document, out}, "are for a PDF"},
    };
    for (const auto& [arguments, message] : cases) {
        const ProcessRun rendered = render(arguments);
        EXPECT_EQ(rendered.exitCode, 2);
        EXPECT_TRUE(rendered.errors.contains(QString::fromUtf8(message))) << rendered.errors.toStdString();
        EXPECT_TRUE(rendered.errors.contains(QStringLiteral("usage: kinsketch-render")))
            << rendered.errors.toStdString();
        EXPECT_FALSE(fs::exists(out.toStdString()));
    }
}

} // namespace
} // namespace kinsketch
