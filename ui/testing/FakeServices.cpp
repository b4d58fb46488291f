#include "ui/testing/FakeServices.h"
#include "ui/services/DesktopPrint.h"
#include "ui/services/ModalScope.h"

#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QTextDocument>

namespace ui::testing {

void FakeMessageBox::queueAnswer(Answer answer, std::function<void()> whileOpen) {
    m_answers.enqueue({answer, std::move(whileOpen)});
}

MessageBoxService::Answer FakeMessageBox::show(Kind kind, Buttons buttons, const QString& text,
                                               const QString& title) {
    const ModalScope modal;
    shown.append({kind, buttons, text, title, yesCaption(), noCaption()});
    if (m_answers.isEmpty()) {
        switch (buttons) {
        case Buttons::Ok:
            return Answer::Ok;
        case Buttons::OkCancel:
        case Buttons::YesNoCancel:
            return Answer::Cancel;
        case Buttons::YesNo:
            return Answer::No;
        }
    }
    auto [answer, whileOpen] = m_answers.dequeue();
    if (whileOpen)
        whileOpen();
    return answer;
}

namespace {

QString take(QQueue<QString>& queue) {
    return queue.isEmpty() ? QString() : queue.dequeue();
}

} // namespace

QString FakeChoosers::openFile(const FileRequest& request) {
    const ModalScope modal;
    requests.append({Kind::Open, request, {}});
    return take(m_open);
}

QString FakeChoosers::saveFile(const FileRequest& request) {
    const ModalScope modal;
    requests.append({Kind::Save, request, {}});
    return take(m_save);
}

QString FakeChoosers::chooseFolder(const QString& title, const QString& prompt, const QString& startFolder) {
    const ModalScope modal;
    requests.append({Kind::Folder, {title, startFolder, {}, {}, {}}, prompt});
    return take(m_folder);
}

bool FakePrint::printDocument(const QTextDocument& document, const QString& jobTitle) {
    if (!printerAvailable)
        return false;
    jobs.append({jobTitle, document.toPlainText(), QImage()});
    if (!pdfFile.isEmpty()) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdfFile);
        printer.setDocName(jobTitle);
        document.print(&printer);
    }
    return true;
}

void FakePrint::previewPage(const QString& jobTitle, const PagePainter& paint) {
    const QPageSize a4(QPageSize::A4);
    QImage page(a4.sizePixels(pageDpi), QImage::Format_RGB32);
    const int dotsPerMeter = qRound(pageDpi / 0.0254);
    page.setDotsPerMeterX(dotsPerMeter);
    page.setDotsPerMeterY(dotsPerMeter);
    page.fill(Qt::white);
    {
        QPainter painter(&page);
        paint(painter);
    }
    jobs.append({jobTitle, QString(), page});
    if (!pdfFile.isEmpty()) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdfFile);
        printer.setDocName(jobTitle);
        setUpSheet(printer);
        QPainter painter(&printer);
        paint(painter);
    }
}

} // namespace ui::testing
