#include "DesktopPrint.h"

#include <QApplication>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTextDocument>

namespace ui {

bool DesktopPrint::printDocument(const QTextDocument& document, const QString& jobTitle) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(jobTitle);
    if (QPrinterInfo::defaultPrinter().isNull()) {
        QPrintDialog dialog(&printer, QApplication::activeWindow());
        dialog.setWindowTitle(jobTitle);
        if (dialog.exec() != QDialog::Accepted)
            return false;
    }
    if (!printer.isValid())
        return false;
    document.print(&printer);
    return printer.printerState() != QPrinter::Error;
}

} // namespace ui
