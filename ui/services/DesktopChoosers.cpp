#include "ui/services/DesktopChoosers.h"
#include "ui/services/ModalScope.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLayout>

namespace ui {
namespace {

QString runFileDialog(const ChooserService::FileRequest& request, QFileDialog::AcceptMode mode) {
    QFileDialog dialog(QApplication::activeWindow(), request.title, request.folder);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setNameFilters(DesktopChoosers::nameFilters(request.filter));
    dialog.setDefaultSuffix(request.defaultSuffix);
    if (!request.fileName.isEmpty())
        dialog.selectFile(request.fileName);
    const ModalScope modal;
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return QDir::toNativeSeparators(dialog.selectedFiles().constFirst());
}

} // namespace

QStringList DesktopChoosers::nameFilters(const QString& filter) {
    QStringList result;
    const QStringList parts = filter.split(u'|');
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1];
        patterns.replace(u';', u' ');
        result << parts[i] + QStringLiteral(" (") + patterns + u')';
    }
    return result;
}

QString DesktopChoosers::openFile(const FileRequest& request) {
    return runFileDialog(request, QFileDialog::AcceptOpen);
}

QString DesktopChoosers::saveFile(const FileRequest& request) {
    return runFileDialog(request, QFileDialog::AcceptSave);
}

QString DesktopChoosers::chooseFolder(const QString& title, const QString& prompt,
                                      const QString& startFolder) {
    QFileDialog dialog(QApplication::activeWindow(), title, startFolder);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    dialog.setLabelText(QFileDialog::LookIn,
                        prompt.isEmpty() ? dialog.labelText(QFileDialog::LookIn) : prompt);
    const ModalScope modal;
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return QDir::toNativeSeparators(dialog.selectedFiles().constFirst());
}

} // namespace ui
