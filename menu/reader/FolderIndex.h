#pragma once

#include <QHash>
#include <QString>
#include <QStringView>

#include <optional>

namespace menu {

// Names in the folders of a disc found without regard to letter case, each folder listed once: a
// disc does not change while the menu program runs, and listing a folder of 30,000 files for each
// missing icon took most of a minute.
class FolderIndex {
public:
    // The entry of `folder` named `name` without regard to letter case, the exact spelling
    // preferred; its full host path, or nothing.
    std::optional<QString> find(const QString& folder, const QString& name);
    // A relative path (either separator) below `root`, one component at a time; components that
    // do not exist keep their spelling.
    QString resolve(const QString& root, QStringView relativePath);

private:
    const QHash<QString, QString>& listing(const QString& folder);

    QHash<QString, QHash<QString, QString>> m_listings; // folder -> folded name -> name
};

} // namespace menu
