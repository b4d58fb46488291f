#include "menu/reader/FolderIndex.h"

#include "common/Paths.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>

namespace menu {

const QHash<QString, QString>& FolderIndex::listing(const QString& folder) {
    const QString key = QDir::cleanPath(folder);
    auto found = m_listings.constFind(key);
    if (found != m_listings.constEnd())
        return *found;
    QHash<QString, QString> names;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    while (it.hasNext()) {
        it.next();
        // The first of several spellings wins, as a lookup in the listing's order would.
        const QString folded = it.fileName().toCaseFolded();
        if (!names.contains(folded))
            names.insert(folded, it.fileName());
    }
    return *m_listings.insert(key, std::move(names));
}

std::optional<QString> FolderIndex::find(const QString& folder, const QString& name) {
    if (name.isEmpty())
        return std::nullopt;
    const QDir dir(folder);
    if (QFileInfo::exists(dir.filePath(name)))
        return QDir::toNativeSeparators(dir.filePath(name));
    const QHash<QString, QString>& names = listing(folder);
    const auto found = names.constFind(name.toCaseFolded());
    if (found == names.constEnd())
        return std::nullopt;
    return QDir::toNativeSeparators(dir.filePath(*found));
}

QString FolderIndex::resolve(const QString& root, QStringView relativePath) {
    return common::resolveIgnoringCase(
        root, relativePath,
        [this](const QString& folder, const QString& name) { return find(folder, name); });
}

} // namespace menu
