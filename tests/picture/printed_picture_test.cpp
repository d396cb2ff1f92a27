// kinsketch-render and the picture on a page: the bundled sample written as
// its reference bitmap or PNG, arguments and unreadable documents refused;
// in a PDF or SVG one page of the chosen paper, real text that can be
// searched, the details the options leave out gone and nothing else, and the
// page, rasterised at the saved picture's scale, showing what the bitmap
// shows. Runs kinsketch-render and poppler's pdfinfo, pdftotext and pdftoppm
// as processes.

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
#include <array>
#include <cmath>
#include <cstring>

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

// The ages, remarks and texts a fixture shows, a list for each kind.
std::array<QStringList, 3> detailsOf(const fs::path& file)
{
    const GdrRecord document = decodeCurrentGdr(readWholeFile(file));
    std::array<QStringList, 3> details;
    const auto add = [](QStringList& kind, const std::string& text) {
        if (!text.empty()) kind << withoutSpace(QString::fromStdString(text));
    };
    for (const auto& age : document.ages) add(details[0], age);
    for (const auto& remark : document.remarks) add(details[1], remark);
    for (const auto& text : document.texts) add(details[2], text.used ? text.caption : "");
    return details;
}

class PrintedFile : public ::testing::TestWithParam<const char*> {};

TEST_P(PrintedFile, HoldsTheDetailsAsTextUnlessTheyAreLeftOut)
{
    if (!test::kPopplerRuns && std::string(GetParam()) == ".pdf") GTEST_SKIP() << test::kWithoutPoppler;
    test::TemporaryFolder folder;
    const fs::path whole = folder.path() / (std::string("whole") + GetParam());
    const fs::path bare = folder.path() / (std::string("bare") + GetParam());
    ASSERT_EQ(render({pathText(kWideDocument), pathText(whole)}).exitCode, 0);
    ASSERT_EQ(render({"--no-ages", pathText(kWideDocument), "--no-remarks", pathText(bare), "--no-texts"}).exitCode, 0);
    const QString shown = textOf(whole);
    const QString left = textOf(bare);
    for (const QStringList& kind : detailsOf(kWideDocument)) {
        ASSERT_FALSE(kind.isEmpty()) << "the fixture shows each kind";
        for (const QString& detail : kind) {
            EXPECT_TRUE(shown.contains(detail)) << detail.toStdString() << " missing from " << shown.toStdString();
            EXPECT_FALSE(left.contains(detail)) << detail.toStdString() << " left in";
        }
    }
}

#ifdef KINSKETCH_SVG
const char* const kPrintedFileKinds[] = {".pdf", ".svg"};
#else
const char* const kPrintedFileKinds[] = {".pdf"};
#endif
INSTANTIATE_TEST_SUITE_P(Outputs, PrintedFile, ::testing::ValuesIn(kPrintedFileKinds),
                         [](const auto& test) { return std::string(test.param).substr(1); });

TEST(PrintedPdf, HasOnePageOfTheChosenPaper)
{
    if (!test::kPopplerRuns) GTEST_SKIP() << test::kWithoutPoppler;
    test::TemporaryFolder folder;
    const fs::path pdf = folder.path() / "page.pdf";
    const std::pair<QStringList, const char*> cases[] = {
        {{}, "842 x 595 pts (A4)"},
        {{"--portrait"}, "595 x 842 pts (A4)"},
        {{"--paper=A3"}, "1191 x 842 pts (A3)"},
        {{"--paper=A3", "--portrait"}, "842 x 1191 pts (A3)"},
    };
    for (const auto& [flags, size] : cases) {
        const ProcessRun rendered = render(flags + QStringList{pathText(kSample), pathText(pdf)});
        ASSERT_EQ(rendered.exitCode, 0) << rendered.errors.toStdString();
        const QString info = run("pdfinfo", {pathText(pdf)}).out;
        EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n")))) << info.toStdString();
        EXPECT_TRUE(info.contains(QStringLiteral("Page size:       ") + size)) << info.toStdString();
        EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Title:\\s+sample_family\\n"))));
    }
}

// The sample family as the host files it. Its texts are wider than their
// boxes: the painter must not cut them off. The bitmap is the kind the host
// reads: a BITMAPINFOHEADER, one plane of 24 bits, uncompressed, a positive
// height for rows stored bottom-up, each padded to four bytes.
TEST(GoldenRenderCli, TheBundledSampleIsWrittenAsTheReferenceBitmapOrPng)
{
    test::TemporaryFolder folder;
    const fs::path png = test::goldenDir() / "sample_family.png";
    if (test::regeneratingGolden()) {
        ASSERT_EQ(render({pathText(kSample), pathText(png)}).exitCode, 0);
        GTEST_SKIP() << "wrote " << png << "; look at it before committing";
    }
    const fs::path bare = folder.path() / "bare.png";
    ASSERT_EQ(render({"--no-ages", "--no-remarks", "--no-texts", pathText(kSample), pathText(bare)}).exitCode, 0);
    for (const char* extension : {".bmp", ".png"}) {
        const fs::path out = folder.path() / (std::string("sample") + extension);
        const ProcessRun rendered = render({pathText(kSample), pathText(out)});
        EXPECT_EQ(rendered.exitCode, 0) << rendered.errors.toStdString();
        EXPECT_TRUE(rendered.errors.isEmpty()) << rendered.errors.toStdString();
        EXPECT_EQ(test::referenceDifference(QImage(pathText(out)), QImage(pathText(png)), QImage(pathText(bare))), "")
            << extension;
    }
    const Bytes bmp = readWholeFile(folder.path() / "sample.bmp");
    ASSERT_GE(bmp.size(), 54U);
    const auto u32 = [&](std::size_t at) {
        std::uint32_t v = 0;
        std::memcpy(&v, bmp.data() + at, sizeof v);
        return v;
    };
    EXPECT_EQ(std::make_tuple(bmp[0], bmp[1], u32(14), u32(18), u32(22), u32(26), u32(30)),
              std::make_tuple('B', 'M', 40U, 286U, 338U, 1U | 24U << 16, 0U));
    EXPECT_EQ(bmp.size(), u32(10) + (286 * 3 + 3) / 4 * 4 * 338);
}

// Wrong arguments are answered with the usage and status 2, a document that
// cannot be read with one line and status 1; either way nothing is written.
TEST(RenderCli, RefusesWrongArgumentsAndUnreadableDocumentsWritingNothing)
{
    test::TemporaryFolder folder;
    const fs::path outputs = folder.path() / "out";
    fs::create_directory(outputs);
    writeFileAtomically(folder.path() / "empty.gdr", Bytes{});
    const QString document = pathText(kSample);
    const QString out = pathText(outputs / "out.bmp");
    const std::tuple<QStringList, int, const char*> cases[] = {
        {{}, 2, "expected a document and an output file"},
        {{document}, 2, "expected a document and an output file"},
        {{document, out, out}, 2, "expected a document and an output file"},
        {{"--no-age", document, out}, 2, "unknown option --no-age"},
        {{"--paper=B5", document, out}, 2, "unknown paper B5"},
        {{"--portrait", document, out}, 2, "are for a PDF"},
        {{"--landscape", "--paper=A3", "--portrait", document, pathText(outputs / "out.pdf")}, 2, "exclude each other"},
#ifndef KINSKETCH_SVG
        {{document, pathText(outputs / "out.svg")}, 2, "SVG output is not available in this build"},
#endif
        {{pathText(folder.path() / "empty.gdr"), out}, 1, "kinsketch-render: cannot read"},
        {{pathText(folder.path() / "missing.gdr"), out}, 1, "kinsketch-render: cannot read"},
    };
    for (const auto& [arguments, status, message] : cases) {
        const ProcessRun rendered = render(arguments);
        const std::string errors = rendered.errors.toStdString();
        EXPECT_EQ(rendered.exitCode, status) << errors;
        if (status == 2) {
            EXPECT_TRUE(rendered.errors.contains(QString::fromUtf8(message))) << errors;
            EXPECT_TRUE(rendered.errors.contains(QStringLiteral("usage: kinsketch-render"))) << errors;
        } else {
            EXPECT_TRUE(rendered.errors.startsWith(QString::fromUtf8(message))) << errors;
            EXPECT_EQ(rendered.errors.count(QLatin1Char('\n')), 1) << errors;
        }
        EXPECT_TRUE(fs::is_empty(outputs)) << errors;
    }
}

// The page rasterised by pdftoppm at the resolution that gives the canvas
// `size` pixels, cut to the canvas; `shift` moves the cut, in pixels.
QImage rasterisedCanvas(const fs::path& pdf, const QRectF& onPage, const QSize& size, QPoint shift = {})
{
    const double dpi = 72.0 * size.width() / onPage.width();
    const QPoint corner = (onPage.topLeft() * dpi / 72.0).toPoint() + shift;
    const fs::path prefix = pdf.parent_path() / "canvas";
    const ProcessRun rasterised =
        run("pdftoppm", {"-r", QString::number(dpi, 'f', 6), "-x", QString::number(corner.x()), "-y",
                         QString::number(corner.y()), "-W", QString::number(size.width()), "-H",
                         QString::number(size.height()), "-png", "-singlefile", pathText(pdf), pathText(prefix)});
    EXPECT_EQ(rasterised.exitCode, 0) << rasterised.errors.toStdString();
    return QImage(pathText(prefix) + ".png").convertToFormat(QImage::Format_RGB32);
}

// How the page and the bitmap are compared: a pixel of one is matched when
// the other has a pixel of like colour (no channel more than 96 apart)
// within one pixel, which absorbs the half-pixel placement of the page and
// the smoothing of edges and glyphs. The pixels left unmatched are counted
// in 16 × 16 tiles, both ways, and the worst tile's share is the mismatch: a
// missing label or a shifted picture shows as a tile far off, however small
// against the whole canvas. Matching pictures stay near 5 %; a missing
// two-digit age reaches 15 %, a shift of four pixels 14 % or more.
constexpr int kTile = 16;
constexpr int kLikeColour = 96;
constexpr double kMostMismatch = 0.10;

bool likeColour(QRgb a, QRgb b)
{
    return std::abs(qRed(a) - qRed(b)) <= kLikeColour && std::abs(qGreen(a) - qGreen(b)) <= kLikeColour &&
           std::abs(qBlue(a) - qBlue(b)) <= kLikeColour;
}

bool matchedNear(const QImage& other, int x, int y, QRgb colour)
{
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            if (other.valid(x + dx, y + dy) && likeColour(colour, other.pixel(x + dx, y + dy))) return true;
    return false;
}

double worstTileUnmatched(const QImage& a, const QImage& b)
{
    double worst = 0;
    for (int top = 0; top < a.height(); top += kTile)
        for (int left = 0; left < a.width(); left += kTile) {
            const QRect tile = QRect(left, top, kTile, kTile) & a.rect();
            int unmatched = 0;
            for (int y = tile.top(); y <= tile.bottom(); ++y)
                for (int x = tile.left(); x <= tile.right(); ++x) unmatched += !matchedNear(b, x, y, a.pixel(x, y));
            worst = std::max(worst, static_cast<double>(unmatched) / (tile.width() * tile.height()));
        }
    return worst;
}

double mismatch(const QImage& page, const QImage& bitmap)
{
    if (page.size() != bitmap.size()) return 1;
    const QImage b = bitmap.convertToFormat(QImage::Format_RGB32);
    return std::max(worstTileUnmatched(page, b), worstTileUnmatched(b, page));
}

struct PageCase {
    const char* name;
    fs::path document;
    QStringList pageFlags;
    PrintOptions options;
};

void PrintTo(const PageCase& page, std::ostream* out) { *out << page.name; }

class RasterisedPage : public ::testing::TestWithParam<PageCase> {
protected:
    fs::path renderTo(const std::string& name, const QStringList& flags)
    {
        const fs::path out = folder.path() / name;
        const ProcessRun rendered = render(flags + QStringList{pathText(GetParam().document), pathText(out)});
        EXPECT_EQ(rendered.exitCode, 0) << rendered.errors.toStdString();
        return out;
    }
    test::TemporaryFolder folder;
};

TEST_P(RasterisedPage, ShowsWhatTheBitmapShows)
{
    if (!test::kPopplerRuns) GTEST_SKIP() << test::kWithoutPoppler;
    const PageCase& page = GetParam();
    const QStringList leaveOut = {"--no-ages", "--no-remarks", "--no-texts"};
    const QImage bitmap(pathText(renderTo("whole.bmp", {})));
    const QImage bareBitmap(pathText(renderTo("bare.bmp", leaveOut)));
    const fs::path pdf = renderTo("whole.pdf", page.pageFlags);
    const fs::path barePdf = renderTo("bare.pdf", page.pageFlags + leaveOut);
    ASSERT_FALSE(bitmap.isNull());
    const QRectF onPage =
        canvasRectOnPage(canvasGeometry(canvasSizeOf(decodeCurrentGdr(readWholeFile(page.document)))), page.options);

    EXPECT_LT(mismatch(rasterisedCanvas(pdf, onPage, bitmap.size()), bitmap), kMostMismatch);
    EXPECT_LT(mismatch(rasterisedCanvas(barePdf, onPage, bitmap.size()), bareBitmap), kMostMismatch);
    // The comparison sees what it must.
    EXPECT_GT(mismatch(rasterisedCanvas(barePdf, onPage, bitmap.size()), bitmap), kMostMismatch);
    EXPECT_GT(mismatch(rasterisedCanvas(pdf, onPage, bitmap.size(), {4, 0}), bitmap), kMostMismatch);
    EXPECT_GT(mismatch(rasterisedCanvas(pdf, onPage, bitmap.size(), {0, -4}), bitmap), kMostMismatch);
}

const PrintOptions kA3Portrait{QPageSize::A3, QPageLayout::Portrait, {}, {}};
INSTANTIATE_TEST_SUITE_P(
    Pages, RasterisedPage,
    ::testing::Values(PageCase{"WideOnA4Landscape", kWideDocument, {}, {}},
                      PageCase{"SampleOnA3Portrait", kSample, {"--paper=A3", "--portrait"}, kA3Portrait}),
    [](const auto& test) { return std::string(test.param.name); });

// Leaving details out takes away their text and nothing else: the symbols,
// connector lines, frame, free lines and the empty age and remark boxes stay
// as a document without ages, remarks and texts shows them.
TEST(PictureShowing, WithoutDetailsIsThePictureOfADocumentWithoutThem)
{
    GdrRecord document = decodeCurrentGdr(readWholeFile(kWideDocument));
    test::RecordingReporter reporter;
    const auto whole = PictureCanvas::of(document, reporter);
    for (auto& age : document.ages) age.clear();
    for (auto& remark : document.remarks) remark.clear();
    for (auto& text : document.texts) text.caption.clear();
    const auto emptied = PictureCanvas::of(document, reporter);
    ASSERT_TRUE(whole && emptied);
    EXPECT_TRUE(reporter.errors.empty());
    EXPECT_EQ(test::pictureDifference(renderCanvasPictureShowing(whole->canvas(), {false, false, false}),
                                      renderCanvasPicture(emptied->canvas())),
              "");
}

TEST(PrintedPdf, CarriesTheFooterUnderThePictureAndIsWrittenWholeOrNotAtAll)
{
    test::TemporaryFolder folder;
    test::RecordingReporter reporter;
    const auto picture = PictureCanvas::of(decodeCurrentGdr(readWholeFile(kSample)), reporter);
    ASSERT_TRUE(picture);
    PrintOptions options;
    options.footer = QStringLiteral("2026年12月7日 印刷");
    const fs::path pdf = folder.path() / "footer.pdf";
    writeCanvasPdf(picture->canvas(), pdf, options, QStringLiteral("sample"));
    if (test::kPopplerRuns) {
        EXPECT_TRUE(textOf(pdf).contains(withoutSpace(options.footer)));
    }
    const CanvasGeometry& geometry = picture->canvas().geometry();
    EXPECT_LT(canvasRectOnPage(geometry, options).bottom(), canvasRectOnPage(geometry, {}).bottom() - 10);
    // The margins are 10 mm: the fitted picture meets them on its limiting side.
    const QRectF bare = canvasRectOnPage(geometry, {});
    EXPECT_NEAR(std::min(bare.left(), bare.top()), 10 * 72 / 25.4, 0.5); // whole points

    const fs::path nowhere = folder.path() / "missing" / "out.pdf";
    EXPECT_THROW(writeCanvasPdf(picture->canvas(), nowhere, options, {}), RunTimeError);
    EXPECT_FALSE(fs::exists(nowhere.parent_path()));
}

} // namespace
} // namespace kinsketch
