#include "editor/project/ProjectCheck.h"

#include "common/Paths.h"
#include "editor/project/FileNameIndex.h"
#include "editor/project/ItemRules.h"
#include "editor/project/ItemTable.h"

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

// Re-points an item to where its file turned up below the project folder, which is walked once,
// on the first missing file.
class FileRepair {
public:
    FileRepair(ItemTable& items, const QString& projectFolder, const FolderChoice& choose, Report& report)
        : m_items(items), m_projectFolder(projectFolder), m_choose(choose), m_report(report) {}

    // False when the file is nowhere below the project folder.
    bool repair(int row) {
        if (!m_tree)
            m_tree.emplace(m_projectFolder);
        const QString fileName = m_items.field(row, ItemField::FileName);
        const std::vector<FileNameIndex::Found> found = m_tree->filesMatching(fileName);
        if (found.empty())
            return false;
        QStringList folders;
        for (const FileNameIndex::Found& file : found)
            folders.append(file.folder);
        const QString name = m_items.field(row, ItemField::Name);
        const int chosen = folders.size() == 1 ? 0 : m_choose(name, fileName, folders);
        const FileNameIndex::Found& file =
            found[std::size_t(chosen >= 0 && chosen < folders.size() ? chosen : 0)];
        const QString newCdPath = common::cdPathOf(file.folder, m_projectFolder);
        // The name as it is spelled on disk: SETUP.EXE stays SETUP.EXE where the item says setup.exe.
        const QString newSource = file.folder + file.name;
        m_report.replaced.push_back({name, fileName, newCdPath, m_items.field(row, ItemField::CdPath),
                                     newSource, m_items.field(row, ItemField::SourceLocation)});
        m_items.setField(row, ItemField::SourceLocation, newSource);
        m_items.setField(row, ItemField::CdPath, newCdPath);
        return true;
    }

private:
    ItemTable& m_items;
    const QString& m_projectFolder;
    const FolderChoice& m_choose;
    Report& m_report;
    std::optional<FileNameIndex> m_tree;
};

} // namespace

Report run(ItemTable& items, const QString& projectFolder, const QString& jumpPointWord,
           const FolderChoice& choose) {
    Report report;
    // An unplugged drive would make every item look lost.
    if (projectFolder.isEmpty() || !QFileInfo(projectFolder).isDir()) {
        report.projectFolderMissing = true;
        return report;
    }
    FileRepair files(items, projectFolder, choose, report);
    for (int row = 0; row < items.itemCount();) {
        const QString cdPath = items.field(row, ItemField::CdPath);
        const bool jumpPoint = itemrules::isJumpPoint(items.field(row, ItemField::FileName), jumpPointWord);
        const bool keep = jumpPoint ? jumpTargetExists(projectFolder, cdPath)
                                    : cdPath.isEmpty() ||
                                          QFileInfo(items.field(row, ItemField::SourceLocation)).isFile() ||
                                          files.repair(row);
        if (keep) {
            ++row;
            continue;
        }
        report.removed.push_back({items.field(row, ItemField::Name), items.field(row, ItemField::FileName),
                                  cdPath, items.field(row, ItemField::SourceLocation)});
        // The row below moves up and is examined next; the only row is emptied instead, and is done.
        const bool onlyRow = items.itemCount() == 1;
        items.removeItem(row);
        if (onlyRow)
            break;
    }
    return report;
}

} // namespace projectcheck
