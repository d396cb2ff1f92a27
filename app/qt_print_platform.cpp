#include "app/qt_print_platform.h"

#include <QFileDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace kinsketch {

bool QtPrintPlatform::choosePrinter(QPrinter& printer, QWidget* parent)
{
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(QStringLiteral("印刷"));
    dialog.setAccessibleName(dialog.windowTitle());
    // One page: a range or the current page means nothing here.
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
    return dialog.exec() == QDialog::Accepted;
}

void QtPrintPlatform::preview(QPrinter& printer, const std::function<void(QPrinter&)>& paint, QWidget* parent)
{
    QPrintPreviewDialog dialog(&printer, parent);
    dialog.setWindowTitle(QStringLiteral("印刷プレビュー"));
    dialog.setAccessibleName(dialog.windowTitle());
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&paint](QPrinter* device) { paint(*device); });
    dialog.exec();
}

QString QtPrintPlatform::choosePdfFile(const QString& suggested, QWidget* parent)
{
    return QFileDialog::getSaveFileName(parent, QStringLiteral("PDFファイルの保存先"), suggested,
                                        QStringLiteral("PDFファイル (*.pdf)"));
}

} // namespace kinsketch
