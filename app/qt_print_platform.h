#pragma once
// The platform's print dialog, print preview and file dialog, in Japanese.

#include "windows/picture/print_platform.h"

namespace kinsketch {

class QtPrintPlatform : public PrintPlatform {
public:
    bool choosePrinter(QPrinter& printer, QWidget* parent) override;
    void preview(QPrinter& printer, const std::function<void(QPrinter&)>& paint, QWidget* parent) override;
    QString choosePdfFile(const QString& suggested, QWidget* parent) override;
};

} // namespace kinsketch
