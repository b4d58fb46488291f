#include "common/Paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>

namespace common {
namespace {

const QChar kSeparator = QDir::separator();

} // namespace

QString programFolder() {
    return withTrailingSeparator(QDir::toNativeSeparators(QCoreApplication::applicationDirPath()));
}

QString withTrailingSeparator(QString hostFolder) {
    if (!hostFolder.endsWith(kSeparator))
        hostFolder.append(kSeparator);
    return hostFolder;
}

QString toDiscPath(QStringView hostPath) {
    QString disc = hostPath.toString();
    disc.replace(kSeparator, u'\\');
    return disc;
}

QString toHostPath(QStringView discPath) {
    QString host = discPath.toString();
    host.replace(u'\\', kSeparator);
    return host;
}

QString cdPathOf(QStringView folder, QStringView projectFolder) {
    if (folder.isEmpty())
        return QStringLiteral("\\");
    QString path = withTrailingSeparator(QDir::toNativeSeparators(folder.toString()));
    if (!projectFolder.isEmpty() && path.startsWith(projectFolder))
        path.remove(0, projectFolder.size());
    path = toDiscPath(path);
    if (!path.startsWith(u'\\'))
        path.prepend(u'\\');
    return path;
}

std::optional<QString> findIgnoringCase(const QString& folder, const QString& name) {
    if (name.isEmpty())
        return std::nullopt;
    const QDir dir(folder);
    if (QFileInfo::exists(dir.filePath(name)))
        return QDir::toNativeSeparators(dir.filePath(name));
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    while (it.hasNext()) {
        it.next();
        if (it.fileName().compare(name, Qt::CaseInsensitive) == 0)
            return QDir::toNativeSeparators(it.filePath());
    }
    return std::nullopt;
}

QString resolveIgnoringCase(const QString& root, QStringView relativePath) {
    return resolveIgnoringCase(root, relativePath, findIgnoringCase);
}

QString resolveIgnoringCase(const QString& root, QStringView relativePath, const NameLookup& lookup) {
    QString path = root;
    bool exists = QFileInfo(root).isDir();
    for (const QStringView part : relativePath.tokenize(u'\\', Qt::SkipEmptyParts)) {
        for (const QStringView piece : part.tokenize(u'/', Qt::SkipEmptyParts)) {
            std::optional<QString> found;
            if (exists)
                found = lookup(path, piece.toString());
            exists = found.has_value();
            path = found ? *found : QDir::toNativeSeparators(QDir(path).filePath(piece.toString()));
        }
    }
    return path;
}

} // namespace common
