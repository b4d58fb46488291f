#include "ui/services/DesktopPrint.h"
#include "ui/services/ModalScope.h"

#include <QApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTextDocument>

namespace ui {

void setUpSheet(QPrinter& printer) {
    printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
    printer.setFullPage(true);
}

bool DesktopPrint::printDocument(const QTextDocument& document, const QString& jobTitle) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(jobTitle);
    if (QPrinterInfo::defaultPrinter().isNull()) {
        QPrintDialog dialog(&printer, QApplication::activeWindow());
        dialog.setWindowTitle(jobTitle);
        const ModalScope modal;
        if (dialog.exec() != QDialog::Accepted)
            return false;
    }
    if (!printer.isValid())
        return false;
    document.print(&printer);
    return printer.printerState() != QPrinter::Error;
}

void DesktopPrint::previewPage(const QString& jobTitle, const PagePainter& paint) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(jobTitle);
    setUpSheet(printer);
    QPrintPreviewDialog preview(&printer, QApplication::activeWindow());
    preview.setWindowTitle(jobTitle);
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview, [&paint](QPrinter* target) {
        QPainter painter(target);
        paint(painter);
    });
    const ModalScope modal;
    preview.exec();
}

} // namespace ui
