// Builds a disc of 10,000 items and prints the milliseconds beside the file system's floor: a
// plain loop that creates the same number of small files in the same place.
#include "common/IniFile.h"
#include "editor/disc/DiscBuild.h"
#include "editor/project/EditorState.h"
#include "editor/project/ItemTable.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int kItems = argc > 1 ? std::atoi(argv[1]) : 10000;
    QTemporaryDir dir;
    EditorState state;
    state.programFolder = dir.path() + QDir::separator();
    state.cdName = QStringLiteral("Benchmark");
    state.projectFolder = dir.path() + QDir::separator();
    for (int c = 0; c < 20; ++c)
        state.categories << QStringLiteral("Category %1").arg(c);
    std::vector<ItemRecord> rows(kItems);
    for (int i = 0; i < kItems; ++i) {
        ItemRecord& r = rows[i];
        r[0] = QStringLiteral("Item %1").arg(i);
        r[1] = QStringLiteral("setup%1.exe").arg(i);
        r[2] = QStringLiteral("\\tools\\");
        r[3] = QStringLiteral("n/a");
        r[4] = QStringLiteral("1 MB");
        r[5] = QStringLiteral("n/a");
        r[6] = QStringLiteral("Description of item %1").arg(i);
        r[7] = state.categories[i % 20];
        r[8] = QStringLiteral("yes");
        r[10] = QStringLiteral("n/a");
        r[11] = QStringLiteral("yes");
    }
    ItemTable items;
    items.setRecords(rows);

    QElapsedTimer timer;
    const QString floorFolder = dir.filePath(QStringLiteral("floor"));
    QDir().mkpath(floorFolder);
    timer.start();
    for (int i = 0; i < kItems; ++i) {
        QFile f(floorFolder + QStringLiteral("/m%1.dat").arg(i));
        if (f.open(QIODevice::WriteOnly))
            f.write("[0-0]\r\ncaption=Item\r\npfad=\\tools\\setup.exe\r\ncopy=1\r\nexecute=1\r\n");
    }
    const qint64 floorMs = timer.elapsed();

    timer.restart();
    const discbuild::Result first = discbuild::build(dir.filePath(QStringLiteral("disc")), state, items);
    const qint64 buildMs = timer.elapsed();
    timer.restart();
    discbuild::build(dir.filePath(QStringLiteral("disc")), state, items);
    const qint64 rebuildMs = timer.elapsed();
    std::printf(
        "build %d items: %lld ms (again over the same folder: %lld ms); %d small files alone: %lld ms%s\n",
        kItems, static_cast<long long>(buildMs), static_cast<long long>(rebuildMs), kItems,
        static_cast<long long>(floorMs), first.written ? "" : " (build failed)");
    return first.written ? 0 : 1;
}
