#include "ProjectCheck.h"

#include "FileNameIndex.h"
#include "ItemRules.h"
#include "ItemTable.h"
#include "common/Paths.h"

#include <QFileInfo>

#include <optional>

namespace projectcheck {
namespace {

// The jump point's folder below the project folder.
bool jumpTargetExists(const QString& projectFolder, const QString& cdPath) {
    if (projectFolder.isEmpty())
        return false;
    QString relative = common::toHostPath(cdPath);
    while (relative.startsWith(u'/') || relative.startsWith(u'\\'))
        relative.remove(0, 1);
    return QFileInfo(common::withTrailingSeparator(projectFolder) + relative).isDir();
}

} // namespace

Report run(ItemTable& items, const QString& projectFolder, const QString& jumpPointWord,
           const FolderChoice& choose) {
    Report report;
    std::optional<FileNameIndex> tree;
    const auto removeRow = [&](int row) {
        report.removed.push_back({items.field(row, ItemField::Name), items.field(row, ItemField::FileName),
                                  items.field(row, ItemField::CdPath),
                                  items.field(row, ItemField::SourceLocation)});
        const bool wasLast = items.itemCount() == 1;
        items.removeItem(row);
        return wasLast;
    };

    int row = 0;
    while (row < items.itemCount()) {
        const QString cdPath = items.field(row, ItemField::CdPath);
        const QString fileName = items.field(row, ItemField::FileName);
        const QString source = items.field(row, ItemField::SourceLocation);
        const bool jumpPoint = itemrules::isJumpPoint(fileName, jumpPointWord);

        if (!cdPath.isEmpty() && !jumpPoint) {
            if (QFileInfo(source).isFile()) {
                ++row;
                continue;
            }
            if (!tree)
                tree.emplace(projectFolder);
            const QStringList folders = tree->foldersMatching(fileName);
            if (folders.isEmpty()) {
                // The row below moves up and is examined next; the only row is emptied instead.
                if (removeRow(row))
                    break;
                continue;
            }
            const QString name = items.field(row, ItemField::Name);
            const int chosen = folders.size() == 1 ? 0 : choose(name, fileName, folders);
            const QString folder = folders.value(chosen, folders.first());
            const QString newCdPath = common::cdPathOf(folder, projectFolder);
            const QString newSource = folder + fileName;
            report.replaced.push_back({name, fileName, newCdPath, cdPath, newSource, source});
            items.setField(row, ItemField::SourceLocation, newSource);
            items.setField(row, ItemField::CdPath, newCdPath);
        } else if (jumpPoint && !jumpTargetExists(projectFolder, cdPath)) {
            if (removeRow(row))
                break;
            continue;
        }
        ++row;
    }
    return report;
}

} // namespace projectcheck
