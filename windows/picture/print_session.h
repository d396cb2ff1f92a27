#pragma once
// What the print dialog does with the user's choices: the page layout and the
// details they make, the printer, the preview and the PDF file, named after
// the document by default, never replacing a file unasked. The picture is
// drawn from a copy taken when the dialog opened, so nothing printing does
// reaches the drawing on the screen.

#include "picture/printed_picture.h"
#include "seams/message_boxes.h"
#include "windows/picture/print_platform.h"

#include <QDate>
#include <QString>

#include <memory>
#include <optional>

class QWidget;

namespace kinsketch {

struct PrintChoices {
    enum class Destination { Printer, PdfFile };

    QPageSize::PageSizeId paper = QPageSize::A4;
    // A genogram is wider than tall.
    QPageLayout::Orientation orientation = QPageLayout::Landscape;
    PrintedDetails details;
    bool legend = true; // 凡例を付ける
    Destination destination = Destination::Printer;
    QString pdfPath;  // in native separators
    PrintTitle title; // the page's heading

    // The folder pdfPath names, in native separators.
    QString pdfFolder() const;
};

class PrintSession {
public:
    // `documentName` is the handed-in document's name, empty for a new drawing;
    // `pdfFolder` the folder the last PDF went into, empty when none did.
    PrintSession(std::unique_ptr<PictureCanvas> picture, QString documentName, QDate today, MessageBoxes& boxes,
                 PrintPlatform& platform, QString pdfFolder = {});

    // The PDF goes under the document's name to `pdfFolder` while that still
    // exists, or else to the user's documents folder (or home).
    static QString defaultPdfPath(const QString& documentName, const QString& pdfFolder = {});

    PrintChoices defaults() const;
    PrintOptions options(const PrintChoices& choices) const;

    // Prints to the destination chosen; whether the job is done. A cancelled
    // printer choice, a file not to be replaced or not written is not.
    bool print(const PrintChoices& choices, QWidget* parent);
    // The choices of the job done, with the PDF file it wrote; none before one is done.
    const std::optional<PrintChoices>& done() const { return done_; }
    void preview(const PrintChoices& choices, QWidget* parent);
    // The PDF file the user picks, or `current` when cancelled.
    QString browse(const QString& current, QWidget* parent);

private:
    bool printOnPrinter(const PrintOptions& options, QWidget* parent);
    // The file written, in native separators; empty when none was.
    QString writePdf(const QString& typed, const PrintOptions& options);
    void tell(const QString& text, MessageIcon icon) const;

    std::unique_ptr<PictureCanvas> picture_;
    QString documentName_;
    QDate today_;
    MessageBoxes& boxes_;
    PrintPlatform& platform_;
    QString pdfFolder_;
    std::optional<PrintChoices> done_;
};

} // namespace kinsketch
