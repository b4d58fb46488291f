#include "editor/project/ItemRules.h"

#include "common/Paths.h"
#include "editor/project/ItemTable.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QThread>

#include <algorithm>
#include <thread>
#include <tuple>

namespace itemrules {

namespace {

// Fewer files than this a thread are quicker measured on one core.
constexpr std::size_t kFilesPerSizeThread = 2000;

} // namespace

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

int addItems(ItemTable& items, ItemRows records) {
    if (!records.empty() && isSingleEmptyRow(items)) {
        items.setRecord(0, records.record(0));
        records.remove(0);
    }
    items.appendRecords(records);
    return items.itemCount() - 1;
}

namespace {

// A name with its sort key: by name ignoring case, as a folder listing shows it; names alike but
// for case keep a fixed order.
struct SortedName {
    QString key;
    QString name;
    bool operator<(const SortedName& other) const {
        return std::tie(key, name) < std::tie(other.key, other.name);
    }
};

// One pass over the folder, sorted here: the folder listing's own sorting compares file infos and
// takes five times as long as reading a large folder.
void collect(const QDir& dir, bool recursive, std::vector<std::pair<QString, QString>>& out) {
    std::vector<SortedName> files;
    std::vector<SortedName> subfolders;
    QDirIterator it(dir.path(),
                    QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
    while (it.hasNext()) {
        it.next();
        const QFileInfo info = it.fileInfo();
        const QString name = it.fileName();
        if (!info.isDir())
            files.push_back({name.toLower(), name});
        // A link back up the tree would make the search endless.
        else if (recursive && !info.isSymLink())
            subfolders.push_back({name.toLower(), name});
    }
    std::sort(files.begin(), files.end());
    std::sort(subfolders.begin(), subfolders.end());
    const QString folder = folderText(dir.path());
    for (SortedName& file : files)
        out.emplace_back(folder, std::move(file.name));
    for (const SortedName& sub : subfolders)
        collect(QDir(dir.filePath(sub.name)), true, out);
}

} // namespace

std::vector<std::pair<QString, QString>> findFiles(const QString& folder, bool includeSubfolders) {
    std::vector<std::pair<QString, QString>> files;
    if (!folder.isEmpty() && QFileInfo(folder).isDir())
        collect(QDir(folder), includeSubfolders, files);
    return files;
}

std::vector<qint64> fileSizes(const std::vector<QString>& paths) {
    std::vector<qint64> sizes(paths.size());
    const auto measure = [&paths, &sizes](std::size_t begin, std::size_t end) {
        for (std::size_t i = begin; i < end; ++i)
            sizes[i] = QFileInfo(paths[i]).size();
    };
    const std::size_t cores = std::size_t(std::max(1, QThread::idealThreadCount()));
    const std::size_t parts = std::clamp<std::size_t>(paths.size() / kFilesPerSizeThread, 1, cores);
    const std::size_t share = (paths.size() + parts - 1) / parts;
    {
        std::vector<std::jthread> helpers;
        for (std::size_t part = 1; part < parts; ++part)
            helpers.emplace_back(measure, part * share, std::min(paths.size(), (part + 1) * share));
        measure(0, std::min(paths.size(), share));
    }
    return sizes;
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
