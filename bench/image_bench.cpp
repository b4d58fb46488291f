// Writes the image of a disc folder of 100 MiB and of 1 GiB (or of the folder given as argument) and
// prints the throughput beside that of "xorriso -as mkisofs" on the same folder (skipped when xorriso
// is not installed).
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
#include <optional>
#include <vector>

#include <unistd.h>

namespace {

constexpr qint64 kMiB = 1024 * 1024;
constexpr qint64 kFolderBytes = 1024 * kMiB;
constexpr qint64 kLargeFileBytes = 32 * kMiB;
constexpr int kSmallFilesPerGiB = 2000;
constexpr qint64 kSmallFileBytes = 4096;
constexpr int kRounds = 5;
constexpr double kGoalPercent = 90;

// Large files in a few folders and many small ones, as a disc of programs and documents holds.
bool fillFolder(const QString& root, qint64 bytes) {
    QByteArray block(int(kMiB), Qt::Uninitialized);
    QRandomGenerator generator(1);
    for (char& b : block)
        b = static_cast<char>(generator.bounded(256));
    const int smallFiles = int(kSmallFilesPerGiB * bytes / kFolderBytes);
    const qint64 largeBytes = std::min(kLargeFileBytes, bytes / 8);
    const int largeFiles = int((bytes - smallFiles * kSmallFileBytes) / largeBytes);
    for (int i = 0; i < largeFiles; ++i) {
        const QString folder = root + QStringLiteral("/programs%1").arg(i % 4);
        QDir().mkpath(folder);
        QFile f(folder + QStringLiteral("/setup%1.exe").arg(i));
        if (!f.open(QIODevice::WriteOnly))
            return false;
        for (qint64 n = 0; n < largeBytes; n += block.size()) {
            block[0] = char(i); // no two files alike
            block[1] = char(i >> 8);
            if (f.write(block.left(int(std::min<qint64>(block.size(), largeBytes - n)))) < 0)
                return false;
        }
    }
    QDir().mkpath(root + QStringLiteral("/CFG/membersd"));
    for (int i = 0; i < smallFiles; ++i) {
        QFile f(root + QStringLiteral("/CFG/membersd/m%1.dat").arg(i));
        if (!f.open(QIODevice::WriteOnly) || f.write(block.left(kSmallFileBytes)) < 0)
            return false;
    }
    return true;
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

struct Best {
    qint64 oursMs = -1, theirMs = -1;
    double ours = 0, theirs = 0; // MB/s
};

// Turns taken in alternation, the best of each counted, so that a busy machine hurts both alike;
// every turn starts with nothing left to flush.
std::optional<Best> compare(const QString& folder, const QString& image, const QString& xorriso) {
    Best best;
    for (int round = 0; round < kRounds; ++round) {
        qint64 bytes = 0;
        ::sync();
        const qint64 oursMs = timeOurs(folder, image, &bytes);
        if (oursMs < 0)
            return std::nullopt;
        if (best.oursMs < 0 || oursMs < best.oursMs) {
            best.oursMs = oursMs;
            best.ours = megabytesPerSecond(bytes, oursMs);
        }
        if (xorriso.isEmpty())
            continue;
        ::sync();
        const qint64 theirMs = timeXorriso(xorriso, folder, image, &bytes);
        if (best.theirMs < 0 || theirMs < best.theirMs) {
            best.theirMs = theirMs;
            best.theirs = megabytesPerSecond(bytes, theirMs);
        }
    }
    return best;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QString xorriso = QStandardPaths::findExecutable(QStringLiteral("xorriso"));
    // A folder given on the command line is taken as it is; otherwise folders of a tenth of the
    // size and of the size are made, and with --tenfold one of ten times the size as well.
    const bool given = argc > 1 && QByteArray(argv[1]) != "--tenfold";
    std::vector<qint64> sizes = {kFolderBytes / 10, kFolderBytes};
    if (argc > 1 && QByteArray(argv[argc - 1]) == "--tenfold")
        sizes.push_back(kFolderBytes * 10);
    if (given)
        sizes = {0};
    std::vector<Best> results;
    for (const qint64 size : sizes) {
        QTemporaryDir dir;
        const QString folder = given ? QString::fromLocal8Bit(argv[1]) : dir.filePath(QStringLiteral("disc"));
        if (!given && !fillFolder(folder, size)) {
            std::printf("image_bench: the folder could not be made\n");
            return 1;
        }
        const std::optional<Best> best = compare(folder, dir.filePath(QStringLiteral("disc.iso")), xorriso);
        if (!best) {
            std::printf("image_bench: writing the image failed\n");
            return 1;
        }
        results.push_back(*best);
        std::printf("folder of %lld MiB, best of %d turns each: ours %lld ms (%.1f MB/s)",
                    static_cast<long long>(size / kMiB), kRounds, static_cast<long long>(best->oursMs),
                    best->ours);
        if (!xorriso.isEmpty())
            std::printf(", xorriso -as mkisofs %lld ms (%.1f MB/s): ours reaches %.0f %%",
                        static_cast<long long>(best->theirMs), best->theirs,
                        100.0 * best->ours / best->theirs);
        if (results.size() > 1)
            std::printf("; time grew %.1f times for ten times the size (linear: 10)",
                        double(best->oursMs) /
                            double(std::max<qint64>(1, results[results.size() - 2].oursMs)));
        std::printf("\n");
    }
    if (xorriso.isEmpty()) {
        std::printf("xorriso not installed: comparison skipped\n");
        return 0;
    }
    const Best& goal = results[given ? 0 : 1];
    const double percent = 100.0 * goal.ours / goal.theirs;
    std::printf("goal at %s: at least %.0f %% of xorriso's speed; measured %.0f %%: %s\n",
                given ? "the given folder" : "1024 MiB", kGoalPercent, percent,
                percent >= kGoalPercent ? "met" : "NOT MET");
    return 0;
}
