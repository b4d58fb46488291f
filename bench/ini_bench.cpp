// Times the INI engine on a project file of 10,000 items: building it in memory and saving it,
// then loading it and reading every key back, then changing one key and saving again.
//   ini_bench [item count]

#include "common/IniFile.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdio>

using common::IniFile;

namespace {

constexpr int kKeysPerItem = 13;

QString sectionOf(int item) { return QStringLiteral("Item-%1").arg(item); }

QString keyOf(int k) { return k < 12 ? QString::number(k) : QStringLiteral("Icon"); }

// Values shaped like an item's fields: caption, files, folders, numbers, a description.
QString valueOf(int item, int k) {
    switch (k) {
    case 0: return QStringLiteral("Setup-Programm Nr. %1 für Windows").arg(item);
    case 1: return QStringLiteral("setup%1.exe").arg(item);
    case 2: return QStringLiteral("\\Tools\\Gruppe%1\\").arg(item % 40);
    case 3: return QStringLiteral("Werkzeuge");
    case 4: return QString::number(1000 + item * 37 % 90000);
    case 5: return QStringLiteral("1.%1.%2").arg(item % 10).arg(item % 7);
    case 6: return QStringLiteral("Freeware");
    case 7: return QStringLiteral("Ein kleines Programm, das Dateien vergleicht und Unterschiede zeigt (%1).").arg(item);
    case 8: return QStringLiteral("https://example.org/prog%1").arg(item);
    case 9: return QStringLiteral("screen%1.jpg").arg(item);
    case 10: return QString::number(item % 3);
    case 11: return QStringLiteral("Deutsch");
    default: return QStringLiteral("icon%1.ico").arg(item % 12);
    }
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int items = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 10000;
    QTemporaryDir dir;
    if (items <= 0 || !dir.isValid()) {
        std::fprintf(stderr, "usage: ini_bench [item count]\n");
        return 2;
    }
    const QString path = dir.filePath(QStringLiteral("project.lbr"));

    QElapsedTimer timer;
    timer.start();
    {
        IniFile ini(path);
        ini.writeString(u"Projekt", u"Name", QStringLiteral("Benchmark-CD"));
        ini.writeString(u"Projekt", u"CD-Name", QStringLiteral("BENCH"));
        ini.writeString(u"Projekt", u"Design", QStringLiteral("Standard.lbd"));
        ini.writeInteger(u"Anz_Einträge", u"Anzahl", items);
        for (int i = 1; i <= items; ++i) {
            const QString section = sectionOf(i);
            for (int k = 0; k < kKeysPerItem; ++k)
                ini.writeString(section, keyOf(k), valueOf(i, k));
        }
        if (!ini.save()) {
            std::fprintf(stderr, "could not save %s\n", qPrintable(path));
            return 1;
        }
    }
    const qint64 writeMs = timer.elapsed();

    timer.restart();
    int wrong = 0;
    {
        const IniFile ini(path);
        const int count = ini.readInteger(u"Anz_Einträge", u"Anzahl", 0);
        wrong += count != items;
        for (int i = 1; i <= count; ++i) {
            const QString section = sectionOf(i);
            for (int k = 0; k < kKeysPerItem; ++k)
                wrong += ini.readString(section, keyOf(k)) != valueOf(i, k);
        }
    }
    const qint64 readMs = timer.elapsed();

    timer.restart();
    {
        IniFile ini(path);
        ini.writeString(sectionOf(items / 2), u"0", QStringLiteral("Geändert"));
        wrong += !ini.save();
    }
    const qint64 updateMs = timer.elapsed();

    std::printf("items: %d, keys per item: %d, file: %lld bytes\n", items, kKeysPerItem,
                static_cast<long long>(QFileInfo(path).size()));
    std::printf("write (build in memory + save): %lld ms\n", static_cast<long long>(writeMs));
    std::printf("read (load + read every key):   %lld ms\n", static_cast<long long>(readMs));
    std::printf("update (load + one key + save): %lld ms\n", static_cast<long long>(updateMs));
    if (wrong) {
        std::fprintf(stderr, "%d values read back wrong\n", wrong);
        return 1;
    }
    return 0;
}
