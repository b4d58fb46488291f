#include "editor/project/ItemRules.h"

#include "common/Paths.h"
#include "editor/project/ItemTable.h"

#include <QDir>

namespace itemrules {

QString sizeText(qint64 bytes) {
    const qint64 mb = bytes / (1024 * 1024);
    return mb <= 0 ? QStringLiteral("< 1 MB") : QString::number(mb) + QStringLiteral(" MB");
}

QString aloneName(const QString& fileName) {
    const qsizetype dot = fileName.indexOf(u'.');
    return dot < 0 ? fileName : fileName.left(dot);
}

QString folderText(const QString& folder) {
    return common::withTrailingSeparator(QDir::toNativeSeparators(folder));
}

QString homepage(const QString& protocol, const QString& typed) {
    return typed.isEmpty() || typed == u"n/a" ? typed : protocol + typed;
}

namespace {

// Only the grid's single empty row is taken by a new item; any other row is an item the user made.
bool isSingleEmptyRow(const ItemTable& items) {
    return items.itemCount() == 1 && items.field(0, ItemField::Name).isEmpty() &&
           items.field(0, ItemField::FileName).isEmpty();
}

} // namespace

int rowForNewItem(ItemTable& items) {
    if (isSingleEmptyRow(items))
        return 0;
    items.appendRecord({});
    return items.itemCount() - 1;
}

int addItems(ItemTable& items, std::vector<ItemRecord> records) {
    if (!records.empty() && isSingleEmptyRow(items)) {
        items.setRecord(0, records.front());
        records.erase(records.begin());
    }
    items.appendRecords(records);
    return items.itemCount() - 1;
}

namespace {

void collect(const QDir& dir, bool recursive, std::vector<std::pair<QString, QString>>& out) {
    const QString folder = folderText(dir.path());
    for (const QString& name :
         dir.entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name | QDir::IgnoreCase))
        out.emplace_back(folder, name);
    if (!recursive)
        return;
    for (const QString& sub :
         dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name | QDir::IgnoreCase)) {
        const QDir child(dir.filePath(sub));
        // A link back up the tree would make the search endless.
        if (!QFileInfo(dir.filePath(sub)).isSymLink())
            collect(child, true, out);
    }
}

} // namespace

std::vector<std::pair<QString, QString>> findFiles(const QString& folder, bool includeSubfolders) {
    std::vector<std::pair<QString, QString>> files;
    if (!folder.isEmpty() && QFileInfo(folder).isDir())
        collect(QDir(folder), includeSubfolders, files);
    return files;
}

bool isJumpPoint(const QString& fileName, const QString& jumpPointWord) {
    return fileName.toLower() == jumpPointWord.toLower();
}

bool isFileItem(const QString& fileName, const QString& cdPath, const QString& jumpPointWord) {
    return !cdPath.isEmpty() && !isJumpPoint(fileName, jumpPointWord);
}

QString chooserStartFolder(const QString& projectFolder) {
    if (projectFolder.size() < 4)
        return projectFolder;
    QString folder = projectFolder;
    if (folder.endsWith(QDir::separator()))
        folder.chop(1);
    return folder;
}

} // namespace itemrules
