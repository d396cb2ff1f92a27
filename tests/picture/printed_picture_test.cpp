// kinsketch-render and the picture on a page (PDF or SVG), read back by running poppler's pdfinfo, pdftotext and
// pdftoppm: paper, searchable text, details left out and nothing else, and the page showing what the bitmap shows.

#include "picture_support.h"
#include "tests/support/recording_reporter.h"
#include "tests/support/temporary_folder.h"

#include "picture/printed_picture.h"

#include "genogram/line_style.h"
#include "genogram/relation_shapes.h"
#include "genogram/symbol_choices.h"

#include "document/file_io.h"
#include "document/gdr_codec.h"
#include "document/gdr_conversion.h"
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
    QString out, errors;
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

// The ideographic space too, which the PDF's text gives as a plain one.
QString withoutSpace(QString text) { return text.remove(QRegularExpression(QStringLiteral("[\\s\\x{3000}]"))); }

// What a reader can search and copy: the PDF's text or the SVG's text elements, without white space.
QString textOf(const fs::path& file)
{
    if (file.extension() == ".pdf") return withoutSpace(run("pdftotext", {"-raw", pathText(file), "-"}).out);
    const Bytes svg = readWholeFile(file);
    QString text = QString::fromUtf8(reinterpret_cast<const char*>(svg.data()), static_cast<qsizetype>(svg.size()));
    return withoutSpace(text.remove(QRegularExpression(QStringLiteral("<[^>]*>"))));
}

const fs::path kWideDocument = test::fixtureDir() / "canvas" / "wide_every_layer.gdr";
const fs::path kSample = test::fixtureDir() / "documents" / "sample_family.gdr";

// The ages, remarks and texts a fixture shows (the wide one shows each kind).
QStringList detailsOf(const fs::path& file)
{
    const GdrRecord document = decodeCurrentGdr(readWholeFile(file));
    QStringList details;
    for (const auto& age : document.ages) details << withoutSpace(QString::fromStdString(age));
    for (const auto& remark : document.remarks) details << withoutSpace(QString::fromStdString(remark));
    for (const auto& text : document.texts)
        details << withoutSpace(QString::fromStdString(text.used ? text.caption : ""));
    details.removeAll({});
    return details;
}

class PrintedFile : public ::testing::TestWithParam<const char*> {};

TEST_P(PrintedFile, HoldsTheDetailsAsTextUnlessTheyAreLeftOut)
{
    if (!test::kPopplerRuns && std::string(GetParam()) == ".pdf") GTEST_SKIP() << test::kWithoutPoppler;
    test::TemporaryFolder folder;
    const fs::path whole = folder.path() / (std::string("whole") + GetParam()),
                   bare = folder.path() / (std::string("bare") + GetParam());
    ASSERT_EQ(render({pathText(kWideDocument), pathText(whole)}).exitCode, 0);
    ASSERT_EQ(render({"--no-ages", pathText(kWideDocument), "--no-remarks", pathText(bare), "--no-texts"}).exitCode, 0);
    const QString shown = textOf(whole), left = textOf(bare);
    for (const QString& detail : detailsOf(kWideDocument)) {
        EXPECT_TRUE(shown.contains(detail)) << detail.toStdString() << " missing from " << shown.toStdString();
        EXPECT_FALSE(left.contains(detail)) << detail.toStdString() << " left in";
    }
}

#ifdef KINSKETCH_SVG
const char* const kPrintedFileKinds[] = {".pdf", ".svg"};
#else
const char* const kPrintedFileKinds[] = {".pdf"};
#endif
INSTANTIATE_TEST_SUITE_P(Outputs, PrintedFile, ::testing::ValuesIn(kPrintedFileKinds),
                         [](const auto& test) { return std::string(test.param).substr(1); });

// One page of the chosen paper titled after the document, the heading above the picture and the footer under it, each
// taking room from the picture rather than covering it, and written whole or not at all.
TEST(PrintedPdf, HasOnePageOfTheChosenPaperAndTheFooterUnderThePictureAndIsWrittenWholeOrNotAtAll)
{
    test::TemporaryFolder folder;
    test::RecordingReporter reporter;
    const auto picture = PictureCanvas::of(decodeCurrentGdr(readWholeFile(kSample)), reporter);
    ASSERT_TRUE(picture);
    PrintOptions options;
    options.footer = QStringLiteral("2026年12月7日 印刷");
    options.heading = printedHeading({QStringLiteral("山田 花子"), QStringLiteral("佐藤"), QDate(2026, 12, 8)});
    const fs::path pdf = folder.path() / "page.pdf";
    writeCanvasPdf(picture->canvas(), pdf, options, QStringLiteral("sample"));
    EXPECT_LT(canvasRectOnPage(picture->canvas(), options).bottom(),
              canvasRectOnPage(picture->canvas(), {}).bottom() - 10);
    EXPECT_EQ(options.heading,
              QStringLiteral("ジェノグラム　利用者名：山田 花子　作成者：佐藤　作成日：2026年12月8日"));
    // The margins are 10 mm: the fitted picture meets them on its limiting side.
    const QRectF bare = canvasRectOnPage(picture->canvas(), {});
    EXPECT_NEAR(std::min(bare.left(), bare.top()), 10 * 72 / 25.4, 0.5); // whole points
    const fs::path nowhere = folder.path() / "missing" / "out.pdf";
    EXPECT_THROW(writeCanvasPdf(picture->canvas(), nowhere, options, {}), RunTimeError);
    EXPECT_FALSE(fs::exists(nowhere.parent_path()));

    if (!test::kPopplerRuns) GTEST_SKIP() << test::kWithoutPoppler;
    EXPECT_TRUE(textOf(pdf).contains(withoutSpace(options.footer)) &&
                textOf(pdf).contains(withoutSpace(options.heading)));
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

// The legend names what the drawing uses and nothing else, in both orientations: a drawing of two symbols, one line
// style and one 関係線 lists just those four names. (That it stays off the picture RasterisedPage shows.)
TEST(PrintedPdf, TheLegendListsOnlyWhatTheDrawingUsesAndLeavesThePictureUncovered)
{
    test::TemporaryFolder folder;
    test::RecordingReporter reporter;
    GdrRecord document;
    makeNewDocument(document);
    document.symbols[0] = "i101";
    document.symbols[1] = "i102";
    document.lineStyles[0] = 2;
    document.strokes = {true, 1, {FreeLineRecord{}}};
    storeRelation(document.strokes, 1, relationSegments(RelationKind::Close, {{300, 4700}, {2000, 4700}}),
                  RelationKind::Close, 1, 0, -1);
    const auto picture = PictureCanvas::of(document, reporter);
    ASSERT_TRUE(picture);
    for (const auto orientation : {QPageLayout::Landscape, QPageLayout::Portrait}) {
        PrintOptions options;
        options.orientation = orientation;
        options.legend = true;
        const fs::path pdf = folder.path() / "legend.pdf";
        writeCanvasPdf(picture->canvas(), pdf, options, {});
        if (!test::kPopplerRuns) GTEST_SKIP() << test::kWithoutPoppler;
        const QString text = textOf(pdf);
        std::vector<std::string_view> names(kSymbolChoiceNames.begin() + 1, kSymbolChoiceNames.end());
        names.insert(names.end(), kLineStyleNames.begin(), kLineStyleNames.end());
        names.insert(names.end(), kRelationKindNames.begin(), kRelationKindNames.end());
        for (const std::string_view name : names) {
            const bool used = name == "男性" || name == "女性" || name == "細い点線" || name == "親密";
            EXPECT_EQ(text.contains(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()))), used)
                << name << " in " << text.toStdString();
        }
    }
}

// The sample's texts are wider than their boxes and must not be cut off. The host reads only a BITMAPINFOHEADER
// bitmap of one 24-bit plane, uncompressed, bottom-up (positive height), rows padded to four bytes. Wrong arguments
// get the usage and status 2, an unreadable document one line and status 1, and nothing is written.
TEST(GoldenRenderCli, TheBundledSampleIsWrittenAsTheReferenceBitmapOrPngAndWrongArgumentsAreRefused)
{
    test::TemporaryFolder folder;
    const fs::path png = test::fixtureDir() / "golden" / "sample_family.png";
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
    const auto u32 = [&](std::size_t at) { return bmp[at] | bmp[at + 1] << 8 | bmp[at + 2] << 16 | bmp[at + 3] << 24; };
    EXPECT_EQ(std::make_tuple(bmp[0], bmp[1], u32(14), u32(18), u32(22), u32(26), u32(30)),
              std::make_tuple('B', 'M', 40, 286, 338, 1 | 24 << 16, 0));
    EXPECT_EQ(bmp.size(), static_cast<std::size_t>(u32(10) + (286 * 3 + 3) / 4 * 4 * 338));
    // Without the band colours the pink and the green give way to white.
    const fs::path plain = folder.path() / "plain.png";
    ASSERT_EQ(render({"--no-band-colours", pathText(kSample), pathText(plain)}).exitCode, 0);
    const auto banded = [](const fs::path& file) {
        const QImage image = QImage(pathText(file)).convertToFormat(QImage::Format_RGB32);
        int count = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                count += image.pixel(x, y) == qRgb(0xFF, 0xC0, 0xFF) || image.pixel(x, y) == qRgb(0xC0, 0xFF, 0xC0);
        return count;
    };
    EXPECT_EQ(std::make_pair(banded(folder.path() / "sample.png") > 1000, banded(plain)), std::make_pair(true, 0));

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
        {{"--client=山田", document, out}, 2, "are for a PDF"},
        {{"--date=2026-13-01", document, out}, 2, "unknown date 2026-13-01"},
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

// The page rasterised so that the canvas is `size` pixels, cut to the canvas.
QImage rasterisedCanvas(const fs::path& pdf, const QRectF& onPage, const QSize& size)
{
    const double dpi = 72.0 * size.width() / onPage.width();
    const QPoint corner = (onPage.topLeft() * dpi / 72.0).toPoint();
    const fs::path prefix = pdf.parent_path() / "canvas";
    const ProcessRun rasterised =
        run("pdftoppm", {"-r", QString::number(dpi, 'f', 6), "-x", QString::number(corner.x()), "-y",
                         QString::number(corner.y()), "-W", QString::number(size.width()), "-H",
                         QString::number(size.height()), "-png", "-singlefile", pathText(pdf), pathText(prefix)});
    EXPECT_EQ(rasterised.exitCode, 0) << rasterised.errors.toStdString();
    return QImage(pathText(prefix) + ".png").convertToFormat(QImage::Format_RGB32);
}

// A pixel is matched by one of like colour within a pixel in the other picture (absorbing placement and smoothing);
// the mismatch is the worst 16 × 16 tile's unmatched share, both ways. Matching pictures stay near 5 %; a missing
// two-digit age reaches 15 %, a shift of four pixels 14 % or more.
constexpr int kTile = 16;
constexpr int kLikeColour = 96;
constexpr double kMostMismatch = 0.10;

bool matchedNear(const QImage& other, int x, int y, QRgb c)
{
    const auto like = [c](QRgb o) {
        return std::max({std::abs(qRed(o) - qRed(c)), std::abs(qGreen(o) - qGreen(c)),
                         std::abs(qBlue(o) - qBlue(c))}) <= kLikeColour;
    };
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            if (other.valid(x + dx, y + dy) && like(other.pixel(x + dx, y + dy))) return true;
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
    const QImage bitmap(pathText(renderTo("whole.bmp", {}))), bareBitmap(pathText(renderTo("bare.bmp", leaveOut)));
    const fs::path pdf = renderTo("whole.pdf", page.pageFlags),
                   barePdf = renderTo("bare.pdf", page.pageFlags + leaveOut);
    ASSERT_FALSE(bitmap.isNull());
    test::RecordingReporter reporter;
    const auto picture = PictureCanvas::of(decodeCurrentGdr(readWholeFile(page.document)), reporter);
    const QRectF onPage = canvasRectOnPage(picture->canvas(), page.options);

    EXPECT_LT(mismatch(rasterisedCanvas(pdf, onPage, bitmap.size()), bitmap), kMostMismatch);
    EXPECT_LT(mismatch(rasterisedCanvas(barePdf, onPage, bitmap.size()), bareBitmap), kMostMismatch);
    EXPECT_GT(mismatch(rasterisedCanvas(barePdf, onPage, bitmap.size()), bitmap), kMostMismatch) << "details kept";
}

const PrintOptions kA3PortraitHeaded{
    QPageSize::A3, QPageLayout::Portrait, {}, printedHeading({QStringLiteral("山田"), {}, QDate(2026, 12, 8)}), {},
    true};
const PrintOptions kLandscapeLegend{QPageSize::A4, QPageLayout::Landscape, {}, {}, {}, true};
INSTANTIATE_TEST_SUITE_P(Pages, RasterisedPage,
                         ::testing::Values(PageCase{"WideOnA4Landscape", kWideDocument, {"--legend"}, kLandscapeLegend},
                                           PageCase{"SampleOnA3PortraitHeaded",
                                                    kSample,
                                                    {"--paper=A3", "--portrait", "--client=山田", "--date=2026-12-08",
                                                     "--legend"},
                                                    kA3PortraitHeaded}),
                         [](const auto& test) { return std::string(test.param.name); });

} // namespace
} // namespace kinsketch
