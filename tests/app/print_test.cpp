// The 印刷 command: its place on the menu bar, the print dialog's choices and
// where they go, the questions before a file is replaced, and that printing
// leaves the editing screen as it was.

#include "app/menu_bar.h"
#include "windows/basic_input/basic_input_window.h"
#include "windows/canvas/canvas_window.h"
#include "windows/picture/print_dialog.h"
#include "tests/app/whole_screen.h"
#include "tests/support/poppler.h"
#include "tests/support/scripted_print_platform.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFontMetrics>
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

void typePdfPath(const QWidget& dialog, const fs::path& file)
{
    auto* box = dialog.findChild<QLineEdit*>(QStringLiteral("txtPdfPath"));
    box->clear();
    QTest::keyClicks(box, pathText(file));
}

class MenuBarFit : public ::testing::TestWithParam<int> {};

// 印刷 shares the bar's width with the rest: at each display size every
// caption shows whole and no control covers another.
TEST_P(MenuBarFit, EveryCaptionShowsWholeAndNoControlCoversAnother)
{
    test::application();
    const MenuBar bar({}, DisplayScale(GetParam()));
    const QList<QWidget*> controls = bar.findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (auto a = controls.begin(); a != controls.end(); ++a)
        for (auto b = std::next(a); b != controls.end(); ++b)
            EXPECT_FALSE((*a)->geometry().intersects((*b)->geometry()))
                << (*a)->objectName().toStdString() << " and " << (*b)->objectName().toStdString();
    for (const QToolButton* button : bar.findChildren<QToolButton*>()) {
        const QFontMetrics metrics(button->font());
        EXPECT_LE(metrics.horizontalAdvance(button->text()) + 4, button->width()) << button->text().toStdString();
        EXPECT_LE(button->iconSize().height() + metrics.height() + 4, button->height());
    }
    const QLabel* version = bar.versionLabel();
    EXPECT_LE(QFontMetrics(version->font()).horizontalAdvance(version->text()), version->width());
    EXPECT_LE(bar.displaySizeBox()->sizeHint().width(), bar.displaySizeBox()->width());
    EXPECT_EQ(bar.printButton()->accessibleName(), QStringLiteral("印刷"));
}

INSTANTIATE_TEST_SUITE_P(DisplaySizes, MenuBarFit, ::testing::ValuesIn(DisplayScale::kPercents));

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
    std::string pdfPathShown() const
    {
        return dialog.findChild<QLineEdit*>(QStringLiteral("txtPdfPath"))->text().toStdString();
    }

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

// Landscape fits a genogram, wider than tall; the PDF is named after the
// document; the file's box counts only for a file.
TEST_F(PrintDialogTest, DefaultsToA4LandscapeWithEverythingToThePrinter)
{
    const PrintOptions options = chosen();
    EXPECT_EQ(std::make_tuple(options.paper, options.orientation, options.details, options.footer),
              std::make_tuple(QPageSize::A4, QPageLayout::Landscape, PrintedDetails{true, true, true},
                              QStringLiteral("印刷日 2026年12月7日")));
    EXPECT_EQ(dialog.choices().destination, PrintChoices::Destination::Printer);
    EXPECT_EQ(fs::path(pdfPathShown()).filename(), "client.pdf");
    EXPECT_EQ(QFileInfo(PrintSession::defaultPdfPath({})).fileName(), QStringLiteral("ジェノグラム.pdf"));
    auto* pathBox = dialog.findChild<QLineEdit*>(QStringLiteral("txtPdfPath"));
    EXPECT_FALSE(pathBox->isEnabled());
    click(dialog, "optPdf");
    EXPECT_TRUE(pathBox->isEnabled());

    platform.chosenFile = pathText(folder.path() / "chosen.pdf");
    click(dialog, "cmdBrowse");
    EXPECT_EQ(pdfPathShown(), (folder.path() / "chosen.pdf").string());
    platform.chosenFile.clear(); // cancelled: the path stays
    click(dialog, "cmdBrowse");
    EXPECT_EQ(pdfPathShown(), (folder.path() / "chosen.pdf").string());
}

struct ControlCase {
    const char* control;
    std::function<void(PrintOptions&)> expect;
};

class PrintDialogControls : public PrintDialogTest, public ::testing::WithParamInterface<ControlCase> {};

// Each control changes its own option and no other.
TEST_P(PrintDialogControls, EachControlChangesItsOwnOption)
{
    PrintOptions expected = chosen();
    GetParam().expect(expected);
    click(dialog, GetParam().control);
    const PrintOptions options = chosen();
    EXPECT_EQ(std::make_tuple(options.paper, options.orientation, options.details, options.footer),
              std::make_tuple(expected.paper, expected.orientation, expected.details, expected.footer));
}

INSTANTIATE_TEST_SUITE_P(
    Print, PrintDialogControls,
    ::testing::Values(ControlCase{"optA3", [](PrintOptions& o) { o.paper = QPageSize::A3; }},
                      ControlCase{"optPortrait", [](PrintOptions& o) { o.orientation = QPageLayout::Portrait; }},
                      ControlCase{"chkAge", [](PrintOptions& o) { o.details.ages = false; }},
                      ControlCase{"chkRemark", [](PrintOptions& o) { o.details.remarks = false; }},
                      ControlCase{"chkText", [](PrintOptions& o) { o.details.texts = false; }}),
    [](const ::testing::TestParamInfo<ControlCase>& row) { return std::string(row.param.control); });

enum class Existing { None, FileAnsweredNo, FileAnsweredYes, MissingFolder };

class PdfDestination : public PrintDialogTest, public ::testing::WithParamInterface<Existing> {};

// A file already there is replaced only after はい; a file that cannot be
// written is told in Japanese. Either way the dialog stays for another try.
TEST_P(PdfDestination, AnExistingFileIsReplacedOnlyAfterYesAndAFailedWriteKeepsTheDialog)
{
    const Existing existing = GetParam();
    fs::path file = folder.path() / "meeting.pdf";
    if (existing == Existing::FileAnsweredNo || existing == Existing::FileAnsweredYes) std::ofstream(file) << "old";
    if (existing == Existing::FileAnsweredYes) boxes.answers = {MessageAnswer::Yes};
    if (existing == Existing::MissingFolder) file = folder.path() / "missing" / "meeting.pdf";
    click(dialog, "optPdf");
    typePdfPath(dialog, file);
    click(dialog, "cmdPrint");

    const bool written = existing == Existing::None || existing == Existing::FileAnsweredYes;
    EXPECT_EQ(dialog.isVisible(), !written);
    EXPECT_EQ(contentsOf(file).startsWith("%PDF"), written);
    if (existing == Existing::FileAnsweredNo) {
        EXPECT_EQ(contentsOf(file), "old");
    }
    const bool asked = existing == Existing::FileAnsweredNo || existing == Existing::FileAnsweredYes;
    ASSERT_EQ(boxes.shown.size(), asked || existing == Existing::MissingFolder ? 1U : 0U);
    if (asked) {
        EXPECT_EQ(boxes.shown[0].buttons, MessageButtons::YesNo);
    } else if (existing == Existing::MissingFolder) {
        EXPECT_TRUE(QString::fromStdString(boxes.shown[0].text).startsWith(QStringLiteral("PDFファイル「")))
            << boxes.shown[0].text;
    }
}

INSTANTIATE_TEST_SUITE_P(Print, PdfDestination,
                         ::testing::Values(Existing::None, Existing::FileAnsweredNo, Existing::FileAnsweredYes,
                                           Existing::MissingFolder));

struct PlatformCase {
    const char* button;
    bool accepted; // the print dialog's answer
    bool closes;
};

class PrinterAndPreview : public PrintDialogTest, public ::testing::WithParamInterface<PlatformCase> {};

// The printer and the preview are set up with the chosen page before the
// platform shows them, and get the picture; only a print done closes the dialog.
TEST_P(PrinterAndPreview, GetTheChosenPageAndThePicture)
{
    const PlatformCase& c = GetParam();
    const fs::path printed = folder.path() / "printed.pdf";
    if (c.accepted) platform.printerFile = pathText(printed);
    click(dialog, "optA3");
    click(dialog, "optPortrait");
    click(dialog, c.button);
    ASSERT_EQ(platform.shownPages.size(), 1U);
    EXPECT_TRUE(platform.shownPages[0].isEquivalentTo(pageLayoutOf(chosen())));
    EXPECT_EQ(pdfPageSize(printed), c.accepted ? QSize(842, 1191) : QSize());
    EXPECT_EQ(dialog.isVisible(), !c.closes);
}

INSTANTIATE_TEST_SUITE_P(Print, PrinterAndPreview,
                         ::testing::Values(PlatformCase{"cmdPrint", true, true}, PlatformCase{"cmdPrint", false, false},
                                           PlatformCase{"cmdPreview", true, false}));

PrintDialog* openPrintDialog(WholeScreen& whole)
{
    whole.screen->menuBar().printButton()->click();
    return whole.main.findChild<PrintDialog*>();
}

void closedDialogsGo() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

class PrintFromTheScreen : public ::testing::TestWithParam<CanvasSize> {};

// What the dialog leaves out (remarks, texts) is left out of its own copy:
// the canvas, the document, the history and the recovery copy stay as the
// edit left them, and the PDF has the page chosen and the day it was printed.
TEST_P(PrintFromTheScreen, APdfIsWrittenAndTheScreenStaysAsItWas)
{
    const CanvasSize size = GetParam();
    WholeScreen whole(size, 100);
    test::ScriptedPrintPlatform platform;
    whole.screen->usePrintPlatform(platform);
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

    PrintDialog* dialog = openPrintDialog(whole);
    ASSERT_NE(dialog, nullptr);
    for (const char* control : {"optA3", "optPortrait", "chkRemark", "chkText", "optPdf"}) click(*dialog, control);
    const fs::path file = whole.folder.path() / "meeting.pdf";
    typePdfPath(*dialog, file);
    click(*dialog, "cmdPrint");
    closedDialogsGo();

    EXPECT_EQ(whole.main.findChild<PrintDialog*>(), nullptr);
    EXPECT_EQ(pdfPageSize(file), QSize(842, 1191));
    if (test::kPopplerRuns) {
        EXPECT_TRUE(pdfText(file).contains(QStringLiteral("印刷日 2027年1月31日"))) << "dated by the screen's calendar";
    }
    whole.screen->recordEdit();
    whole.timers.advance(RecoveryKeeper::kDelayMilliseconds);
    EXPECT_EQ(written.size(), 1U);
    EXPECT_EQ(whole.context.document, document);
    EXPECT_EQ(whole.screen->history().stack().count(), steps);
    EXPECT_EQ(canvas.grab().toImage(), shown);
    EXPECT_TRUE(whole.boxes.shown.empty());
    EXPECT_TRUE(whole.reporter.errors.empty());
}

INSTANTIATE_TEST_SUITE_P(BothSizes, PrintFromTheScreen, ::testing::Values(CanvasSize::Normal, CanvasSize::Wide));

// The commands a screen reader presses behind the open print dialog are
// refused; once it is closed they run again.
TEST(PrintGate, CommandsBehindThePrintDialogAreRefused)
{
    WholeScreen whole(CanvasSize::Normal, 100);
    test::ScriptedPrintPlatform platform;
    whole.screen->usePrintPlatform(platform);
    PrintDialog* dialog = openPrintDialog(whole);
    ASSERT_NE(dialog, nullptr);
    whole.screen->menuBar().saveButton()->click();
    whole.screen->menuBar().endButton()->click();
    whole.screen->menuBar().printButton()->click();
    EXPECT_EQ(whole.main.findChildren<PrintDialog*>().size(), 1);
    EXPECT_FALSE(fs::exists(whole.folder.path() / "kinsketch.gdr"));
    EXPECT_TRUE(whole.boxes.shown.empty()) << "終了 asked";

    click(*dialog, "cmdCancel");
    closedDialogsGo();
    EXPECT_EQ(whole.main.findChild<PrintDialog*>(), nullptr);
    whole.screen->menuBar().saveButton()->click();
    EXPECT_TRUE(fs::exists(whole.folder.path() / "kinsketch.gdr"));
}

} // namespace
} // namespace kinsketch
