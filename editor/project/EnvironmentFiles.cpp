#include "editor/project/EnvironmentFiles.h"

#include "editor/language/LanguageTables.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace environmentfiles {

QString findStoredFile(const QString& stored, const QString& folder, const QString& alone,
                       const QString& ext) {
    if (QFileInfo(stored).isFile())
        return stored;
    const QString flat = folder + alone + ext;
    if (QFileInfo(flat).isFile())
        return flat;
    const QString nested = folder + alone + QDir::separator() + alone + ext;
    return QFileInfo(nested).isFile() ? nested : QString();
}

QString fileInOwnFolder(const QString& chosen) {
    const QFileInfo info(chosen);
    if (info.exists())
        return QDir::toNativeSeparators(info.absoluteFilePath());
    const QString name = info.fileName();
    const qsizetype dot = name.lastIndexOf(u'.');
    const QString folderName = dot > 0 ? name.left(dot) : name;
    if (folderName.isEmpty())
        return QDir::toNativeSeparators(info.absoluteFilePath());
    QDir parent = info.absoluteDir();
    parent.mkpath(folderName);
    return QDir::toNativeSeparators(parent.filePath(folderName + QDir::separator() + name));
}

QString withDefaultSuffix(const QString& chosen, const QString& suffix) {
    if (chosen.isEmpty() || !QFileInfo(chosen).suffix().isEmpty())
        return chosen;
    return chosen + u'.' + suffix;
}

bool isSameFile(const QString& a, const QString& b) {
    if (a.isEmpty() || b.isEmpty())
        return false;
    const QFileInfo ia(a), ib(b);
    if (ia.exists() && ib.exists())
        return ia.canonicalFilePath() == ib.canonicalFilePath();
    return QDir::cleanPath(ia.absoluteFilePath()) == QDir::cleanPath(ib.absoluteFilePath());
}

bool canOpen(const QString& path) {
    QFile file(path);
    return QFileInfo(path).isFile() && file.open(QIODevice::ReadOnly);
}

QString cannotOpenText(const LanguageTables& language, const QString& path) {
    return language.message(u"M61").arg(QDir::toNativeSeparators(path));
}

QString cannotWriteText(const LanguageTables& language, const QString& path) {
    return language.message(u"M62").arg(QDir::toNativeSeparators(path));
}

} // namespace environmentfiles
