#include "windows/picture/print_session.h"

#include <QDir>
#include <QFileInfo>
#include <QPrinter>
#include <QStandardPaths>

#include <exception>
#include <filesystem>

namespace kinsketch {
namespace {

const QString kNewDrawingName = QStringLiteral("ジェノグラム");

// The folder the last PDF went into stays the first choice while it exists.
QString defaultPdfFolder(const QString& last)
{
    const QFileInfo folder(last);
    if (folder.isAbsolute() && folder.isDir()) return last;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return !documents.isEmpty() && QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

std::filesystem::path pathOf(const QString& file) { return std::filesystem::path(file.toStdU16String()); }

} // namespace

QString PrintChoices::pdfFolder() const
{
    return QDir::toNativeSeparators(QFileInfo(QDir::fromNativeSeparators(pdfPath)).absolutePath());
}

PrintSession::PrintSession(std::unique_ptr<PictureCanvas> picture, QString documentName, QDate today,
                           MessageBoxes& boxes, PrintPlatform& platform, QString pdfFolder)
    : picture_(std::move(picture))
    , documentName_(std::move(documentName))
    , today_(today)
    , boxes_(boxes)
    , platform_(platform)
    , pdfFolder_(std::move(pdfFolder))
{}

QString PrintSession::defaultPdfPath(const QString& documentName, const QString& pdfFolder)
{
    return QDir(defaultPdfFolder(pdfFolder))
        .filePath((documentName.isEmpty() ? kNewDrawingName : documentName) + QStringLiteral(".pdf"));
}

PrintChoices PrintSession::defaults() const
{
    PrintChoices choices;
    choices.pdfPath = QDir::toNativeSeparators(defaultPdfPath(documentName_, pdfFolder_));
    choices.title.made = today_;
    return choices;
}

PrintOptions PrintSession::options(const PrintChoices& choices) const
{
    return {choices.paper,
            choices.orientation,
            choices.details,
            printedHeading(choices.title),
            QStringLiteral("印刷日 %1年%2月%3日").arg(today_.year()).arg(today_.month()).arg(today_.day()),
            choices.legend};
}

bool PrintSession::print(const PrintChoices& choices, QWidget* parent)
{
    const PrintOptions chosen = options(choices);
    PrintChoices done = choices;
    if (choices.destination == PrintChoices::Destination::Printer) {
        if (!printOnPrinter(chosen, parent)) return false;
    } else {
        done.pdfPath = writePdf(choices.pdfPath, chosen);
        if (done.pdfPath.isEmpty()) return false;
    }
    done_ = std::move(done);
    return true;
}

bool PrintSession::printOnPrinter(const PrintOptions& options, QWidget* parent)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(pageLayoutOf(options));
    if (!platform_.choosePrinter(printer, parent)) return false;
    printCanvasPage(printer, picture_->canvas(), options);
    return true;
}

void PrintSession::preview(const PrintChoices& choices, QWidget* parent)
{
    const PrintOptions chosen = options(choices);
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(pageLayoutOf(chosen));
    platform_.preview(
        printer, [this, &chosen](QPrinter& device) { printCanvasPage(device, picture_->canvas(), chosen); }, parent);
}

QString PrintSession::browse(const QString& current, QWidget* parent)
{
    const QString chosen = platform_.choosePdfFile(current, parent);
    return chosen.isEmpty() ? current : QDir::toNativeSeparators(chosen);
}

// A bare name goes to the folder the default file is in, and a name without
// the suffix gets it, as the file dialog would give it.
QString PrintSession::writePdf(const QString& typed, const PrintOptions& options)
{
    QString file = QDir::fromNativeSeparators(typed.trimmed());
    if (file.isEmpty()) {
        tell(QStringLiteral("PDFファイルの名前を入力してください。"), MessageIcon::Exclamation);
        return {};
    }
    if (QFileInfo(file).isRelative()) file = QDir(defaultPdfFolder(pdfFolder_)).filePath(file);
    if (!file.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)) file += QStringLiteral(".pdf");
    const QString shown = QDir::toNativeSeparators(file);
    if (QFileInfo::exists(file) &&
        boxes_.show({QStringLiteral("「%1」は既にあります。\n置き換えますか？").arg(shown).toStdString(), "印刷",
                     MessageIcon::Question, MessageButtons::YesNo}) != MessageAnswer::Yes)
        return {};
    try {
        writeCanvasPdf(picture_->canvas(), pathOf(file), options,
                       documentName_.isEmpty() ? kNewDrawingName : documentName_);
    } catch (const std::exception& error) {
        tell(QStringLiteral("PDFファイル「%1」を書き込めませんでした。\n保存先のフォルダと、ファイルが他のプログラムで"
                            "開かれていないかを確かめてください。\n\n%2")
                 .arg(shown, QString::fromUtf8(error.what())),
             MessageIcon::Exclamation);
        return {};
    }
    return shown;
}

void PrintSession::tell(const QString& text, MessageIcon icon) const
{
    boxes_.show({text.toStdString(), "印刷", icon, MessageButtons::Ok});
}

} // namespace kinsketch
