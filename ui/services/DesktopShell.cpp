#include "ui/services/DesktopShell.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QUrl>

namespace ui {
namespace {

// "http://", "mailto:" and the like, but not a drive letter such as "C:".
bool isAddress(const QString& target) {
    static const QRegularExpression kScheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]+:"));
    return kScheme.match(target).hasMatch();
}

} // namespace

void DesktopShell::open(const QString& target) {
    if (isAddress(target)) {
        QDesktopServices::openUrl(QUrl(target));
        return;
    }
    const QFileInfo info(target);
    if (info.isFile() && info.isExecutable()) {
        startProgram(info.absoluteFilePath());
        return;
    }
    QDesktopServices::openUrl(QUrl::fromLocalFile(info.absoluteFilePath()));
}

bool DesktopShell::explore(const QString& folder) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(folder).absoluteFilePath()));
}

void DesktopShell::startProgram(const QString& program, const QString& workingFolder) {
    const QFileInfo info(program);
    QProcess::startDetached(info.absoluteFilePath(), {},
                            workingFolder.isEmpty() ? info.absolutePath() : workingFolder);
}

} // namespace ui
