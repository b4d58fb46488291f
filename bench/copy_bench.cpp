// Copies a large file through the copy dialog's routine and unzips an archive of many files through
// the unzip module, each timed against the system's own tool (cp, unzip) where one is installed.
//   copy_bench [size in MiB, default 1024] [files in the archive, default 2000] [folder of the unzip module]
// The unzip module is looked for in the build's unzip folder beside this program's, unless named.
#include "menu/content/ArchiveLayer.h"
#include "menu/content/BlockCopy.h"
#include "menu/gui/CopyDialog.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <zip.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

double seconds(const QElapsedTimer& t) {
    return double(t.nsecsElapsed()) / 1e9;
}

// The fastest of `runs` timings of `work`, each after an untimed `prepare`: other programs on the
// machine and the first touches of the disc blur single runs.
template <typename P, typename F> double best(int runs, P&& prepare, F&& work) {
    double fastest = 1e30;
    for (int i = 0; i < runs; ++i) {
        prepare();
        QElapsedTimer t;
        t.start();
        work();
        fastest = std::min(fastest, seconds(t));
    }
    return fastest;
}

bool runTool(const QString& program, const QStringList& arguments) {
    QProcess p;
    p.start(program, arguments);
    return p.waitForFinished(-1) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

bool writeSource(const QString& path, qint64 bytes) {
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    QByteArray block(1 << 20, Qt::Uninitialized);
    for (int i = 0; i < block.size(); ++i)
        block[i] = char((i * 2654435761u) >> 24);
    for (qint64 written = 0; written < bytes; written += block.size()) {
        block[0] = char(written >> 20);
        if (f.write(block.constData(), std::min<qint64>(block.size(), bytes - written)) < 0)
            return false;
    }
    return true;
}

bool writeArchive(const QString& path, int files) {
    int error = 0;
    zip_t* archive = zip_open(QFile::encodeName(path).constData(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    if (!archive)
        return false;
    for (int i = 0; i < files; ++i) {
        // Text-like files of a few kilobytes in a handful of folders, as a program's archive holds.
        QByteArray text;
        const int size = 2000 + (i * 7919) % 30000;
        while (text.size() < size)
            text += "line " + QByteArray::number(i) + " of a file with some text " +
                    QByteArray::number(text.size()) + '\n';
        void* copy = std::malloc(std::size_t(text.size()));
        std::memcpy(copy, text.constData(), std::size_t(text.size()));
        const QByteArray name =
            QStringLiteral("folder%1/sub%2/file%3.txt").arg(i % 20).arg(i % 7).arg(i).toUtf8();
        zip_source_t* source = zip_source_buffer(archive, copy, zip_uint64_t(text.size()), 1);
        if (zip_file_add(archive, name.constData(), source, ZIP_FL_ENC_UTF_8) < 0) {
            zip_source_free(source);
            zip_discard(archive);
            return false;
        }
    }
    return zip_close(archive) == 0;
}

void compare(const char* what, double ours, double tool, const char* toolName) {
    if (tool <= 0) {
        std::printf("  %-8s %s is not installed; no comparison\n", what, toolName);
        return;
    }
    std::printf("  %-8s %s: %.3f s, ours at %.0f %% of its speed (time ratio %.2f)\n", what, toolName, tool,
                100.0 * tool / ours, ours / tool);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const qint64 mib = argc > 1 ? std::atoll(argv[1]) : 1024;
    const int files = argc > 2 ? std::atoi(argv[2]) : 2000;
    QTemporaryDir dir(QDir::currentPath() + QStringLiteral("/copy_bench-XXXXXX"));
    if (!dir.isValid())
        return 1;

    // Copy: the dialog's loop, message processing after every block included.
    const QString source = dir.filePath(QStringLiteral("source.bin"));
    const QString target = dir.filePath(QStringLiteral("target.bin"));
    if (!writeSource(source, mib << 20)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(source));
        return 1;
    }
    const double ours = best(
        5, [&] { QFile::remove(target); },
        [&] {
            menu::copyInBlocks(
                source, target, [](int) { QCoreApplication::processEvents(); },
                {.first = CopyDialog::kFirstCopyBlock, .largest = CopyDialog::kLargestCopyBlock});
        });
    std::printf("copy %lld MiB in blocks of %lld KiB growing to %lld KiB: %.3f s, %.0f MiB/s\n", mib,
                CopyDialog::kFirstCopyBlock / 1024, CopyDialog::kLargestCopyBlock / 1024, ours,
                double(mib) / ours);
    const QString cp = QStandardPaths::findExecutable(QStringLiteral("cp"));
    double tool = 0;
    if (!cp.isEmpty()) {
        const QString copy = dir.filePath(QStringLiteral("cp.bin"));
        tool = best(
            5, [&] { QFile::remove(copy); },
            [&] {
                runTool(cp, {QStringLiteral("--preserve=timestamps"), source, copy});
            });
    }
    compare("copy", ours, tool, "cp");
    QFile::remove(source);
    QFile::remove(target);
    QFile::remove(dir.filePath(QStringLiteral("cp.bin")));

    // Unzip: the module, loaded as the menu program loads it, against unzip -o.
    const QString archive = dir.filePath(QStringLiteral("files.zip"));
    if (!writeArchive(archive, files)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(archive));
        return 1;
    }
    // The module goes into a configuration folder under its shipped name, as on a disc.
    const QString moduleFolder = argc > 3
                                     ? QString::fromLocal8Bit(argv[3])
                                     : QCoreApplication::applicationDirPath() + QStringLiteral("/../unzip");
    const QStringList built = QDir(moduleFolder).entryList({QStringLiteral("*Unzdll*")}, QDir::Files);
    const QString cfg = dir.filePath(QStringLiteral("cfg"));
    QDir().mkpath(cfg);
    if (!built.isEmpty())
        QFile::copy(QDir(moduleFolder).filePath(built.front()), cfg + QStringLiteral("/Unzdll.dll"));
    menu::UnzipModule module;
    if (!module.load(cfg)) {
        std::fprintf(stderr, "%s\n", qPrintable(module.unavailableMessage()));
        return 1;
    }
    int entries = 0;
    const double unzipOurs = best(
        5, [&] { QDir(dir.filePath(QStringLiteral("ours"))).removeRecursively(); },
        [&] {
            entries = module
                          .extract(archive, {QStringLiteral("*.*")}, dir.filePath(QStringLiteral("ours")),
                                   {.recreateFolders = true, .overwrite = true})
                          .extracted;
        });
    std::printf("unzip %d files (%lld KiB archive): %.3f s, %.0f files/s\n", entries,
                QFileInfo(archive).size() / 1024, unzipOurs, entries / unzipOurs);
    const QString unzip = QStandardPaths::findExecutable(QStringLiteral("unzip"));
    tool = 0;
    if (!unzip.isEmpty()) {
        tool = best(
            5, [&] { QDir(dir.filePath(QStringLiteral("theirs"))).removeRecursively(); },
            [&] {
                runTool(unzip, {QStringLiteral("-o"), QStringLiteral("-q"), archive, QStringLiteral("-d"),
                                dir.filePath(QStringLiteral("theirs"))});
            });
    }
    compare("unzip", unzipOurs, tool, "unzip");
    return 0;
}
