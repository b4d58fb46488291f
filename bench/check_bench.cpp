// Checks a project of 10,000 items, 1,000 of whose files are missing, in a project folder of
// 10,000 files, and prints the milliseconds beside one walk of that folder: the check walks it
// once, where a walk per missing item would cost a thousand walks.
#include "editor/project/FileNameIndex.h"
#include "editor/project/ItemTable.h"
#include "editor/project/ProjectCheck.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    constexpr int kFolders = 100;
    constexpr int kFilesPerFolder = 100;
    constexpr int kItems = kFolders * kFilesPerFolder;
    constexpr int kMissing = 1000;
    QTemporaryDir dir;
    const QString project = QDir::toNativeSeparators(dir.path()) + QDir::separator();
    for (int d = 0; d < kFolders; ++d) {
        const QString folder = project + QStringLiteral("folder%1").arg(d, 3, 10, QChar(u'0'));
        QDir().mkpath(folder);
        for (int f = 0; f < kFilesPerFolder; ++f)
            QFile(folder + QDir::separator() + QStringLiteral("file%1.dat").arg(d * kFilesPerFolder + f))
                .open(QIODevice::WriteOnly);
    }

    // Every tenth item's file has gone: half of them were moved within the project folder (their
    // item still names an old place), half were deleted (their name is nowhere in the tree).
    std::vector<ItemRecord> rows(kItems);
    for (int i = 0; i < kItems; ++i) {
        const int d = i / kFilesPerFolder;
        const bool missing = i % (kItems / kMissing) == 0;
        const bool deleted = missing && (i / (kItems / kMissing)) % 2 == 1;
        ItemRecord& r = rows[std::size_t(i)];
        r[fieldIndex(ItemField::Name)] = QStringLiteral("Item %1").arg(i);
        r[fieldIndex(ItemField::FileName)] =
            deleted ? QStringLiteral("deleted%1.dat").arg(i) : QStringLiteral("file%1.dat").arg(i);
        r[fieldIndex(ItemField::CdPath)] = QStringLiteral("\\folder%1\\").arg(d, 3, 10, QChar(u'0'));
        r[fieldIndex(ItemField::SourceLocation)] =
            (missing ? project + QStringLiteral("old") + QDir::separator()
                     : project + QStringLiteral("folder%1").arg(d, 3, 10, QChar(u'0')) + QDir::separator()) +
            r[fieldIndex(ItemField::FileName)];
    }
    ItemTable items;
    items.setRecords(rows);

    QElapsedTimer timer;
    timer.start();
    const FileNameIndex walk(project);
    const qint64 walkMs = timer.elapsed();

    timer.restart();
    const projectcheck::Report report =
        projectcheck::run(items, project, QStringLiteral("Jump Point"),
                          [](const QString&, const QString&, const QStringList&) { return 0; });
    const qint64 checkMs = timer.elapsed();

    std::printf("project check: %d items, %d missing, %lld files below the project folder\n", kItems,
                kMissing, static_cast<long long>(walk.fileCount()));
    std::printf("  one walk of the project folder   %6lld ms\n", static_cast<long long>(walkMs));
    std::printf("  check (%zu re-pointed, %zu removed) %6lld ms\n", report.replaced.size(),
                report.removed.size(), static_cast<long long>(checkMs));
    std::printf("  a walk per missing item would be ~%lld ms\n", static_cast<long long>(walkMs) * kMissing);
    return report.replaced.size() + report.removed.size() == kMissing ? 0 : 1;
}
