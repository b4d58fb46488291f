// Builds a disc of 1,000, 10,000 and 100,000 items, each into a fresh folder and then again over it,
// and prints the milliseconds beside the file system's floor: a plain loop that creates the same
// number of small files in the same place.
#include "common/IniFile.h"
#include "editor/disc/DiscBuild.h"
#include "editor/project/EditorState.h"
#include "editor/project/ItemTable.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <optional>

namespace {

struct Times {
    qint64 floorMs = 0, buildMs = 0, rebuildMs = 0;
};

// The build of `count` items into a fresh folder and again over it, and the file system's floor.
std::optional<Times> measure(int count) {
    QTemporaryDir dir;
    EditorState state;
    state.programFolder = dir.path() + QDir::separator();
    state.cdName = QStringLiteral("Benchmark");
    state.projectFolder = dir.path() + QDir::separator();
    for (int c = 0; c < 20; ++c)
        state.categories << QStringLiteral("Category %1").arg(c);
    std::vector<ItemRecord> rows(count);
    for (int i = 0; i < count; ++i) {
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

    Times times;
    QElapsedTimer timer;
    const QString floorFolder = dir.filePath(QStringLiteral("floor"));
    QDir().mkpath(floorFolder);
    timer.start();
    for (int i = 0; i < count; ++i) {
        QFile f(floorFolder + QStringLiteral("/m%1.dat").arg(i));
        if (f.open(QIODevice::WriteOnly))
            f.write("[0-0]\r\ncaption=Item\r\npfad=\\tools\\setup.exe\r\ncopy=1\r\nexecute=1\r\n");
    }
    times.floorMs = timer.elapsed();

    timer.restart();
    const bool built = discbuild::build(dir.filePath(QStringLiteral("disc")), state, items).written;
    times.buildMs = timer.elapsed();
    timer.restart();
    const bool rebuilt = discbuild::build(dir.filePath(QStringLiteral("disc")), state, items).written;
    times.rebuildMs = timer.elapsed();
    if (!built || !rebuilt)
        return std::nullopt;
    return times;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    constexpr int kItems = 10000;
    constexpr double kRebuildGoal = 1.5;
    std::optional<Times> previous;
    for (const int count : {kItems / 10, kItems, kItems * 10}) {
        const std::optional<Times> times = measure(count);
        if (!times) {
            std::printf("build of %d items failed\n", count);
            return 1;
        }
        const double ratio = double(times->rebuildMs) / double(std::max<qint64>(1, times->buildMs));
        std::printf("build %6d items: %5lld ms, again over the same folder: %5lld ms (%.2f times the first)",
                    count, static_cast<long long>(times->buildMs), static_cast<long long>(times->rebuildMs),
                    ratio);
        std::printf("; %d small files alone: %lld ms", count, static_cast<long long>(times->floorMs));
        if (previous)
            std::printf("; growth for ten times the items (linear: 10): build %.1f, again %.1f",
                        double(times->buildMs) / double(std::max<qint64>(1, previous->buildMs)),
                        double(times->rebuildMs) / double(std::max<qint64>(1, previous->rebuildMs)));
        std::printf("\n");
        if (count == kItems)
            std::printf("  goal at %d: again at most %.1f times the first build; measured %.2f: %s\n", kItems,
                        kRebuildGoal, ratio, ratio <= kRebuildGoal ? "met" : "NOT MET");
        previous = times;
    }
    return 0;
}
