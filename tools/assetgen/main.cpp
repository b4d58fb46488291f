// Generates the pictures, icons and sounds that the programs ship, so that the repository holds
// no opaque binaries. Usage: lumbrel_assetgen <output folder>
#include "Wave.h"

#include <QDir>
#include <QSaveFile>

#include <cstdio>

namespace {

bool writeFile(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("usage: lumbrel_assetgen <output folder>\n", stderr);
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!out.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 1;
    }
    constexpr int kClickRate = 22050;
    const bool ok =
        writeFile(out.filePath(QStringLiteral("click.wav")),
                       assetgen::waveFile(assetgen::clickSamples(kClickRate), kClickRate));
    if (!ok) {
        std::fputs("lumbrel_assetgen: cannot write the assets\n", stderr);
        return 1;
    }
    return 0;
}
