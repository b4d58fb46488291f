#pragma once

#include <QString>

#include <functional>

class QPainter;
class QTextDocument;

namespace ui {

// Printing of the programs' texts.
class PrintService {
public:
    virtual ~PrintService() = default;

    // Prints the document on the default printer under `jobTitle`, without asking. Where no printer
    // is set up, the print dialog lets the user choose one, or a file. False when nothing was
    // printed: no printer took the job, or the user cancelled.
    virtual bool printDocument(const QTextDocument& document, const QString& jobTitle) = 0;

    // Paints one page; the painter's device is the whole sheet, its origin the paper's corner.
    using PagePainter = std::function<void(QPainter& painter)>;
    // Shows one A4 portrait page in a print preview, from which the user prints it on a printer
    // or into a PDF file.
    virtual void previewPage(const QString& jobTitle, const PagePainter& paint) = 0;
};

} // namespace ui
