#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

class ItemTable;

// The project check: file items whose source file is gone are re-pointed to where the file turned
// up below the project folder; items that cannot be found any more and jump points whose folder
// is gone are removed. Nothing is written to disk.
namespace projectcheck {

struct Removal {
    QString name;
    QString fileName;
    QString cdPath;
    QString sourceLocation;
};

struct Replacement {
    QString name;
    QString fileName;
    QString newCdPath;
    QString oldCdPath;
    QString newSourceLocation;
    QString oldSourceLocation;
};

struct Report {
    // The check refused: without the project folder nothing can be found, and nothing is removed.
    bool projectFolderMissing = false;
    std::vector<Removal> removed;
    std::vector<Replacement> replaced;

    bool changedAnything() const { return !removed.empty() || !replaced.empty(); }
};

// Asked when an item's file turned up in several folders: the position of the folder to use.
using FolderChoice =
    std::function<int(const QString& name, const QString& fileName, const QStringList& folders)>;

// Checks every item row in order, unless the project folder is missing. The project folder is walked at most
// once, on the first missing file. When the last item is removed, one empty row stays.
Report run(ItemTable& items, const QString& projectFolder, const QString& jumpPointWord,
           const FolderChoice& choose);

} // namespace projectcheck
