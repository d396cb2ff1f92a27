#pragma once
// The platform's own dialogs that printing opens: the printer choice, the
// preview and the choice of a file. Behind this seam so that tests answer
// them without opening a window.

#include <QString>

#include <functional>

class QPrinter;
class QWidget;

namespace kinsketch {

class PrintPlatform {
public:
    virtual ~PrintPlatform() = default;
    // The print dialog on `printer`, whose page is already laid out; whether to print.
    virtual bool choosePrinter(QPrinter& printer, QWidget* parent) = 0;
    // Shows what `paint` puts on `printer`; the user may print from there.
    virtual void preview(QPrinter& printer, const std::function<void(QPrinter&)>& paint, QWidget* parent) = 0;
    // The file a PDF goes to, starting from `suggested`; empty when the user cancelled.
    virtual QString choosePdfFile(const QString& suggested, QWidget* parent) = 0;
};

} // namespace kinsketch
