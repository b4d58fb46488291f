// Writes the image of a 1 GiB disc folder (or of the folder given as argument) and prints the throughput
// beside that of "xorriso -as mkisofs" on the same folder (skipped when xorriso is not installed).
#include "editor/disc/DiscImage.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

#include <unistd.h>

namespace {

constexpr qint64 kFolderBytes = 1024LL * 1024 * 1024;
constexpr qint64 kLargeFileBytes = 32LL * 1024 * 1024;
constexpr int kSmallFiles = 2000;
constexpr qint64 kSmallFileBytes = 4096;
constexpr int kRounds = 3;

// Large files in a few folders and many small ones, as a disc of programs and documents holds.
void fillFolder(const QString& root) {
    QByteArray block(1024 * 1024, Qt::Uninitialized);
    QRandomGenerator generator(1);
    for (char& b : block)
        b = static_cast<char>(generator.bounded(256));
    const qint64 smallTotal = kSmallFiles * kSmallFileBytes;
    const int largeFiles = int((kFolderBytes - smallTotal) / kLargeFileBytes);
    for (int i = 0; i < largeFiles; ++i) {
        const QString folder = root + QStringLiteral("/programs%1").arg(i % 4);
        QDir().mkpath(folder);
        QFile f(folder + QStringLiteral("/setup%1.exe").arg(i));
        if (!f.open(QIODevice::WriteOnly))
            return;
        for (qint64 n = 0; n < kLargeFileBytes; n += block.size()) {
            block[0] = char(i); // no two files alike
            f.write(block);
        }
    }
    QDir().mkpath(root + QStringLiteral("/CFG/membersd"));
    for (int i = 0; i < kSmallFiles; ++i) {
        QFile f(root + QStringLiteral("/CFG/membersd/m%1.dat").arg(i));
        if (f.open(QIODevice::WriteOnly))
            f.write(block.left(kSmallFileBytes));
    }
}

double megabytesPerSecond(qint64 bytes, qint64 ms) {
    return ms > 0 ? double(bytes) / 1e6 / (double(ms) / 1000.0) : 0.0;
}

// Milliseconds of one image written by us, or -1 when it failed.
qint64 timeOurs(const QString& folder, const QString& image, qint64* bytes) {
    QElapsedTimer timer;
    timer.start();
    DiscJobProgress progress;
    const DiscJobResult result =
        discimage::writeImage(folder, QStringLiteral("Benchmark"), image, 0, progress);
    const qint64 ms = timer.elapsed();
    *bytes = result.needed;
    QFile::remove(image);
    return result.ok() ? ms : -1;
}

qint64 timeXorriso(const QString& xorriso, const QString& folder, const QString& image, qint64* bytes) {
    QElapsedTimer timer;
    timer.start();
    QProcess::execute(xorriso, {QStringLiteral("-as"), QStringLiteral("mkisofs"), QStringLiteral("-quiet"),
                                QStringLiteral("-R"), QStringLiteral("-J"), QStringLiteral("-V"),
                                QStringLiteral("Benchmark"), QStringLiteral("-o"), image, folder});
    const qint64 ms = timer.elapsed();
    *bytes = QFileInfo(image).size();
    QFile::remove(image);
    return ms;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    // A folder given on the command line is taken as it is; otherwise a 1 GiB one is made.
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : dir.filePath(QStringLiteral("disc"));
    if (argc <= 1)
        fillFolder(folder);
    const QString image = dir.filePath(QStringLiteral("disc.iso"));
    const QString xorriso = QStandardPaths::findExecutable(QStringLiteral("xorriso"));

    // Turns taken in alternation, the best of each counted, so that a busy machine hurts both alike;
    // every turn starts with nothing left to flush.
    double oursBest = 0;
    double theirBest = 0;
    for (int round = 0; round < kRounds; ++round) {
        qint64 bytes = 0;
        ::sync();
        const qint64 oursMs = timeOurs(folder, image, &bytes);
        if (oursMs < 0) {
            std::printf("image_bench: writing the image failed\n");
            return 1;
        }
        oursBest = std::max(oursBest, megabytesPerSecond(bytes, oursMs));
        std::printf("ours: %lld bytes in %lld ms (%.1f MB/s)\n", static_cast<long long>(bytes),
                    static_cast<long long>(oursMs), megabytesPerSecond(bytes, oursMs));
        if (xorriso.isEmpty())
            continue;
        ::sync();
        const qint64 theirMs = timeXorriso(xorriso, folder, image, &bytes);
        theirBest = std::max(theirBest, megabytesPerSecond(bytes, theirMs));
        std::printf("xorriso -as mkisofs: %lld bytes in %lld ms (%.1f MB/s)\n", static_cast<long long>(bytes),
                    static_cast<long long>(theirMs), megabytesPerSecond(bytes, theirMs));
    }
    if (xorriso.isEmpty()) {
        std::printf("xorriso not installed: comparison skipped\n");
        return 0;
    }
    std::printf(
        "best: ours %.1f MB/s, xorriso %.1f MB/s; ours reaches %.0f %% of its speed (goal: at least 80 %%)\n",
        oursBest, theirBest, theirBest > 0 ? 100.0 * oursBest / theirBest : 0.0);
    return 0;
}
