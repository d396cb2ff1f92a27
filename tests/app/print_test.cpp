// 印刷: the dialog's choices and where they go, and the screen left as it was.

#include "app/guidance_box.h"
#include "app/menu_bar.h"
#include "tests/app/whole_screen.h"
#include "tests/support/poppler.h"
#include "tests/support/scripted_print_platform.h"
#include "windows/basic_input/basic_input_window.h"
#include "windows/picture/print_dialog.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QUndoStack>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace kinsketch {
namespace {

namespace fs = std::filesystem;
using test::WholeScreen;

QString pathText(const fs::path& path) { return QString::fromStdU16String(path.u16string()); }

QByteArray contentsOf(const fs::path& file)
{
    QFile read(pathText(file));
    return read.open(QIODevice::ReadOnly) ? read.readAll() : QByteArray();
}

// The page a PDF file declares, in whole points.
QSize pdfPageSize(const fs::path& file)
{
    const QRegularExpressionMatch box =
        QRegularExpression(QStringLiteral("/MediaBox \\[0 0 ([0-9.]+) ([0-9.]+)\\]")).match(contentsOf(file));
    return box.hasMatch() ? QSize(qRound(box.captured(1).toDouble()), qRound(box.captured(2).toDouble())) : QSize();
}

QString pdfText(const fs::path& file)
{
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {QString::fromStdString(file.string()), QStringLiteral("-")});
    pdftotext.waitForFinished();
    return QString::fromUtf8(pdftotext.readAllStandardOutput());
}

void click(const QWidget& dialog, const char* name)
{
    auto* control = dialog.findChild<QAbstractButton*>(QString::fromLatin1(name));
    ASSERT_NE(control, nullptr) << name;
    QTest::mouseClick(control, Qt::LeftButton, {}, QPoint(4, control->height() / 2));
}

// A print dialog over a new drawing handed in as "client", printed on 7 December 2026.
class PrintDialogTest : public ::testing::Test {
protected:
    PrintDialogTest() { dialog.show(); }
    std::unique_ptr<PrintSession> session()
    {
        return std::make_unique<PrintSession>(PictureCanvas::of(document, reporter), QStringLiteral("client"),
                                              QDate(2026, 12, 7), boxes, platform);
    }
    PrintOptions chosen() { return dialog.session().options(dialog.choices()); }

    QApplication& app = test::application();
    test::TemporaryFolder folder;
    test::RecordingReporter reporter;
    test::ScriptedMessageBoxes boxes;
    test::ScriptedPrintPlatform platform;
    GdrRecord document = [] {
        GdrRecord made;
        makeNewDocument(made);
        return made;
    }();
    PrintDialog dialog{session()};
};

auto look(const PrintOptions& o) { return std::make_tuple(o.paper, o.orientation, o.details, o.footer, o.legend); }

// Landscape fits a genogram; the PDF is named after the document; each control changes its own option and no other.
TEST_F(PrintDialogTest, DefaultsToA4LandscapeWithEverythingToThePrinterAndEachControlChangesItsOwnOption)
{
    EXPECT_EQ(look(chosen()), std::make_tuple(QPageSize::A4, QPageLayout::Landscape, PrintedDetails{},
                                              QStringLiteral("印刷日 2026年12月7日"), true));
    const QLineEdit* pathBox = dialog.findChild<QLineEdit*>(QStringLiteral("txtPdfPath"));
    EXPECT_EQ(fs::path(pathBox->text().toStdString()).filename(), "client.pdf");
    EXPECT_EQ(QFileInfo(PrintSession::defaultPdfPath({})).fileName(), QStringLiteral("ジェノグラム.pdf"));
    EXPECT_FALSE(pathBox->isEnabled()) << "the file's box counts only for a file";
    click(dialog, "optPdf");
    EXPECT_TRUE(pathBox->isEnabled());
    platform.chosenFile = pathText(folder.path() / "chosen.pdf");
    click(dialog, "cmdBrowse");
    EXPECT_EQ(pathBox->text().toStdString(), (folder.path() / "chosen.pdf").string());
    platform.chosenFile.clear(); // cancelled: the path stays
    click(dialog, "cmdBrowse");
    EXPECT_EQ(pathBox->text().toStdString(), (folder.path() / "chosen.pdf").string());
    click(dialog, "cmdCancel");
    EXPECT_FALSE(dialog.isVisible());

    const std::pair<const char*, std::function<void(PrintOptions&)>> controls[] = {
        {"optA3", [](PrintOptions& o) { o.paper = QPageSize::A3; }},
        {"optPortrait", [](PrintOptions& o) { o.orientation = QPageLayout::Portrait; }},
        {"chkAge", [](PrintOptions& o) { o.details.ages = false; }},
        {"chkRemark", [](PrintOptions& o) { o.details.remarks = false; }},
        {"chkText", [](PrintOptions& o) { o.details.texts = false; }},
        {"chkBandColour", [](PrintOptions& o) { o.details.bandColours = false; }},
        {"chkLegend", [](PrintOptions& o) { o.legend = false; }}};
    for (const auto& [control, change] : controls) {
        PrintDialog fresh{session()};
        fresh.show();
        PrintOptions expected = fresh.session().options(fresh.choices());
        change(expected);
        click(fresh, control);
        EXPECT_EQ(look(fresh.session().options(fresh.choices())), look(expected)) << control;
    }
}

enum class Existing { None, FileAnsweredNo, FileAnsweredYes, MissingFolder };

class PdfDestination : public PrintDialogTest, public ::testing::WithParamInterface<Existing> {};

// A file already there is replaced only after はい; one that cannot be written is told; either way the dialog stays.
TEST_P(PdfDestination, AnExistingFileIsReplacedOnlyAfterYesAndAFailedWriteKeepsTheDialog)
{
    const Existing existing = GetParam();
    const bool asked = existing == Existing::FileAnsweredNo || existing == Existing::FileAnsweredYes;
    const bool written = existing == Existing::None || existing == Existing::FileAnsweredYes;
    const fs::path file =
        existing == Existing::MissingFolder ? folder.path() / "missing" / "meeting.pdf" : folder.path() / "meeting.pdf";
    if (asked) std::ofstream(file) << "old";
    if (existing == Existing::FileAnsweredYes) boxes.answers = {MessageAnswer::Yes};
    click(dialog, "optPdf");
    auto* pathBox = dialog.findChild<QLineEdit*>(QStringLiteral("txtPdfPath"));
    pathBox->clear();
    QTest::keyClicks(pathBox, pathText(file));
    click(dialog, "cmdPrint");
    EXPECT_EQ(std::make_tuple(dialog.isVisible(), contentsOf(file).startsWith("%PDF"), contentsOf(file) == "old"),
              std::make_tuple(!written, written, existing == Existing::FileAnsweredNo));
    ASSERT_EQ(boxes.shown.size(), existing == Existing::None ? 0U : 1U);
    if (existing == Existing::None) return;
    EXPECT_EQ(std::make_tuple(boxes.shown[0].buttons, boxes.shown[0].text.starts_with("PDFファイル「")),
              std::make_tuple(asked ? MessageButtons::YesNo : MessageButtons::Ok, !asked))
        << boxes.shown[0].text;
}

INSTANTIATE_TEST_SUITE_P(Print, PdfDestination,
                         ::testing::Values(Existing::None, Existing::FileAnsweredNo, Existing::FileAnsweredYes,
                                           Existing::MissingFolder));

// The platform's answer to its print dialog, and whether the print dialog then closes.
using PlatformCase = std::tuple<const char*, bool, bool>;
class PrinterAndPreview : public PrintDialogTest, public ::testing::WithParamInterface<PlatformCase> {};

// The printer and the preview get the chosen page before the platform shows them; only a print done closes the dialog.
TEST_P(PrinterAndPreview, GetTheChosenPageAndThePicture)
{
    const auto [button, accepted, closes] = GetParam();
    const fs::path printed = folder.path() / "printed.pdf";
    if (accepted) platform.printerFile = pathText(printed);
    click(dialog, "optA3");
    click(dialog, "optPortrait");
    click(dialog, button);
    ASSERT_EQ(platform.shownPages.size(), 1U);
    EXPECT_TRUE(platform.shownPages[0].isEquivalentTo(pageLayoutOf(chosen())));
    EXPECT_EQ(std::make_tuple(pdfPageSize(printed), dialog.isVisible()),
              std::make_tuple(accepted ? QSize(842, 1191) : QSize(), !closes));
}

INSTANTIATE_TEST_SUITE_P(Print, PrinterAndPreview,
                         ::testing::Values(PlatformCase{"cmdPrint", true, true}, PlatformCase{"cmdPrint", false, false},
                                           PlatformCase{"cmdPreview", true, false}));

class PrintFromTheScreen : public ::testing::TestWithParam<CanvasSize> {};

auto look(const PrintChoices& c)
{
    return std::make_tuple(c.paper, c.orientation, c.details, c.legend, c.destination, c.pdfPath.toStdString());
}

// Printing leaves the canvas, document, history and recovery copy as they were; commands behind the dialog wait. A
// print done, not a cancelled one, opens the next dialog on its choices and its PDF's folder, which the guidance box
// tells by its start and last part; a hand-edited value or a folder since gone reads as the default.
TEST_P(PrintFromTheScreen, APdfIsWrittenTheScreenStaysAsItWasAndTheNextDialogOpensOnTheLastPrintsChoices)
{
    const CanvasSize size = GetParam();
    WholeScreen whole(size, 100);
    test::ScriptedPrintPlatform platform;
    whole.screen->usePrintPlatform(platform);
    whole.screen->setDocumentName(QStringLiteral("client"));
    std::vector<GdrRecord> written;
    whole.screen->keepRecoveryCopy({[&](GdrRecord document) { written.push_back(std::move(document)); }, [] {}});
    whole.screen->open();
    whole.screen->windows().basicInput(size).remarkBox(2)->setText(QStringLiteral("長男"));
    whole.placeText(size);
    CanvasWindow& canvas = whole.screen->windows().canvas(size);
    canvas.update();
    whole.screen->recordEdit();
    whole.timers.advance(RecoveryKeeper::kDelayMilliseconds);
    ASSERT_EQ(written.size(), 1U);
    const GdrRecord document = whole.context.document;
    const int steps = whole.screen->history().stack().count();
    const QImage shown = canvas.grab().toImage();
    whole.timers.date = std::chrono::year(2027) / std::chrono::January / 31;

    const MenuBar& bar = whole.screen->menuBar();
    PrintDialog* dialog = nullptr;
    const auto openDialog = [&] {
        bar.printButton()->click();
        dialog = whole.main.findChild<PrintDialog*>();
        return look(dialog->choices());
    };
    const auto closeDialog = [&](const char* button, const std::vector<const char*>& controls = {}) {
        for (const char* control : controls) click(*dialog, control);
        click(*dialog, button);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); // the closed dialog goes
    };
    const std::vector<const char*> changed = {"optA3",         "optPortrait", "chkAge", "chkText",
                                              "chkBandColour", "chkLegend",   "optPdf"};
    const fs::path place = whole.folder.path() / u8"ケアマネジメントの記録" / u8"居宅介護支援事業所の利用者ファイル";
    fs::create_directories(place);
    const auto defaults = openDialog();
    closeDialog("cmdCancel", changed);
    EXPECT_EQ(openDialog(), defaults) << "キャンセル keeps nothing";
    for (QToolButton* button : {bar.saveButton(), bar.endButton(), bar.printButton()}) button->click();
    EXPECT_EQ(std::make_tuple(whole.main.findChildren<PrintDialog*>().size(),
                              fs::exists(whole.folder.path() / "kinsketch.gdr")),
              std::make_tuple(1, false))
        << "保存, 終了 and 印刷 pressed by a screen reader behind the dialog are refused";
    dialog->findChild<QLineEdit*>(QStringLiteral("txtPdfPath"))->setText(pathText(place / "meeting.pdf"));
    dialog->findChild<QLineEdit*>(QStringLiteral("txtClient"))->setText(QStringLiteral("山田"));
    closeDialog("cmdPrint", changed);

    EXPECT_EQ(whole.main.findChild<PrintDialog*>(), nullptr);
    EXPECT_EQ(pdfPageSize(place / "meeting.pdf"), QSize(842, 1191));
    if (test::kPopplerRuns) {
        const QString text = pdfText(place / "meeting.pdf");
        EXPECT_TRUE(text.contains(QStringLiteral("印刷日 2027年1月31日")) &&
                    text.contains(QStringLiteral("利用者名：山田")) &&
                    text.contains(QStringLiteral("作成日：2027年1月31日")))
            << "dated by the screen's calendar: " << text.toStdString();
    }
    const QLabel* line = whole.screen->windows().infoBox().guidanceLabel();
    EXPECT_TRUE(line->text().startsWith(QStringLiteral("PDFを保存しました：") + pathText(place).left(4)) &&
                line->text().endsWith(QDir::separator() + pathText(place.filename())))
        << line->text().toStdString();
    EXPECT_LE(QFontMetrics(line->font()).horizontalAdvance(line->text()), line->width()) << "cut";
    whole.screen->recordEdit();
    whole.timers.advance(RecoveryKeeper::kDelayMilliseconds);
    EXPECT_EQ(std::make_tuple(written.size(), whole.screen->history().stack().count(), whole.boxes.shown.size(),
                              whole.reporter.errors.size()),
              std::make_tuple(1U, steps, 0U, 0U));
    EXPECT_EQ(whole.context.document, document);
    EXPECT_EQ(canvas.grab().toImage(), shown);

    EXPECT_EQ(openDialog(),
              std::make_tuple(QPageSize::A3, QPageLayout::Portrait, PrintedDetails{false, true, false, false}, false,
                              PrintChoices::Destination::PdfFile,
                              QDir::toNativeSeparators(pathText(place / "client.pdf")).toStdString()));
    EXPECT_EQ(dialog->choices().title.client, QStringLiteral("山田")) << "the name is kept while the program runs";
    for (const QString& key : whole.settings.allKeys())
        EXPECT_FALSE(whole.settings.value(key).toString().contains(QStringLiteral("山田"))) << "but never stored";
    closeDialog("cmdCancel");
    const std::pair<const char*, QString> edits[] = {{"paper", "B5"},        {"orientation", "upright"},
                                                     {"ages", "0"},          {"texts", "0"},
                                                     {"destination", "fax"}, {"pdfFolder", pathText(place / "gone")},
                                                     {"bandColours", "no"},  {"legend", "maybe"}};
    for (const auto& [key, value] : edits)
        whole.settings.setValue(QStringLiteral("print/") + QLatin1String(key), value);
    EXPECT_EQ(openDialog(), defaults);
    closeDialog("cmdCancel");
    bar.saveButton()->click(); // the dialog closed, commands run again
    EXPECT_TRUE(fs::exists(whole.folder.path() / "kinsketch.gdr"));
}

INSTANTIATE_TEST_SUITE_P(BothSizes, PrintFromTheScreen, ::testing::Values(CanvasSize::Normal, CanvasSize::Wide));

} // namespace
} // namespace kinsketch
