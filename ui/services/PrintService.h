#pragma once

#include <QString>

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
};

} // namespace ui
