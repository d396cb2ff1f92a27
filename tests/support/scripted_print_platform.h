#pragma once
// Answers the platform's print, preview and file dialogs from a script and remembers the pages they were shown. A
// printer the user accepts prints into a PDF file, so that nothing reaches a real printer.

#include "windows/picture/print_platform.h"

#include <QPageLayout>
#include <QPrinter>

#include <vector>

namespace kinsketch::test {

class ScriptedPrintPlatform : public PrintPlatform {
public:
    bool choosePrinter(QPrinter& printer, QWidget*) override
    {
        shownPages.push_back(printer.pageLayout());
        printIntoFile(printer);
        return !printerFile.isEmpty();
    }
    void preview(QPrinter& printer, const std::function<void(QPrinter&)>& paint, QWidget*) override
    {
        shownPages.push_back(printer.pageLayout());
        printIntoFile(printer);
        paint(printer);
    }
    QString choosePdfFile(const QString& suggested, QWidget*) override
    {
        suggestions.push_back(suggested);
        return chosenFile;
    }

    QString printerFile; // empty: the print dialog is cancelled
    QString chosenFile;  // empty: the file dialog is cancelled
    std::vector<QPageLayout> shownPages;
    std::vector<QString> suggestions;

private:
    void printIntoFile(QPrinter& printer) const
    {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(printerFile);
    }
};

} // namespace kinsketch::test
