#include "editor/project/ItemCompanion.h"

#include "common/Cp1252.h"
#include "common/FileOps.h"
#include "common/FileSafeName.h"
#include "common/JpegCodec.h"
#include "common/Paths.h"
#include "editor/project/ItemRules.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace companion {
namespace {

bool isSymLink(const QString& path) {
    return QFileInfo(path).isSymLink();
}

// A file that stands in the way of the new one must be writable and visible to be replaced.
void prepareReplacing(const QString& path) {
    if (!QFileInfo::exists(path))
        return;
    common::setArchive(path);
    common::makeWritable(path);
}

} // namespace

QString itemDataFolder(const QString& projectFolder) {
    if (projectFolder.isEmpty())
        return {};
    return common::withTrailingSeparator(projectFolder) + QStringLiteral("tavikdat") + QDir::separator();
}

QString besideSource(const QString& sourceLocation, QStringView kind) {
    if (sourceLocation.size() < 3 || QDir::isRelativePath(sourceLocation))
        return {};
    return sourceLocation.chopped(3).append(kind);
}

QString inItemDataFolder(const QString& projectFolder, const QString& name, QStringView kind) {
    const QString folder = itemDataFolder(projectFolder);
    return folder.isEmpty() ? QString() : QString(folder + common::fileSafeName(name) + u'.').append(kind);
}

QString location(const ItemRecord& item, const QString& projectFolder, const QString& jumpPointWord,
                 QStringView kind) {
    if (itemrules::isFileItem(item[fieldIndex(ItemField::FileName)], item[fieldIndex(ItemField::CdPath)],
                              jumpPointWord))
        return besideSource(item[fieldIndex(ItemField::SourceLocation)], kind);
    return inItemDataFolder(projectFolder, item[fieldIndex(ItemField::Name)], kind);
}

bool isItemsOwnFile(const ItemRecord& item, const QString& companionPath) {
    const QString& source = item[fieldIndex(ItemField::SourceLocation)];
    if (source.isEmpty() || companionPath.isEmpty())
        return false;
    // The menu program finds names without regard to letter case, so README.TXT is the item's own
    // text wherever its companion readme.txt would lie.
    if (QDir::cleanPath(source).compare(QDir::cleanPath(companionPath), Qt::CaseInsensitive) == 0)
        return true;
    const QString real = QFileInfo(source).canonicalFilePath();
    return !real.isEmpty() && real == QFileInfo(companionPath).canonicalFilePath();
}

std::optional<QString> readText(const QString& path) {
    QFile file(path);
    if (file.size() > kMaxTextSize || !file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray bytes = file.read(kMaxTextSize);
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    // The last line's end closes the text rather than starting an empty line.
    if (bytes.endsWith("\r\n"))
        bytes.chop(2);
    else if (bytes.endsWith('\n') || bytes.endsWith('\r'))
        bytes.chop(1);
    QString text = common::fromCp1252(bytes);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    return text;
}

bool writeText(const QString& path, const QString& text) {
    if (path.isEmpty() || isSymLink(path))
        return false;
    QByteArray bytes;
    if (!text.isEmpty()) {
        for (const QStringView line : QStringView(text).split(u'\n'))
            bytes += common::toCp1252(line) + "\r\n";
    }
    prepareReplacing(path);
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

bool writePicture(const QString& path, const QImage& picture) {
    if (path.isEmpty() || picture.isNull() || isSymLink(path))
        return false;
    prepareReplacing(path);
    return common::jpeg::writeFile(picture, path);
}

QString remove(const QString& path) {
    QFile file(path);
    if (!isSymLink(path))
        prepareReplacing(path);
    return file.remove() ? QString() : file.errorString();
}

} // namespace companion
