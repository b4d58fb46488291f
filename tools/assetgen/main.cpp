// Generates the pictures, icons and sounds that the programs ship, so that the repository holds
// no opaque binaries. Usage: lumbrel_assetgen <output folder>
#include "tools/assetgen/CategoryIcons.h"
#include "tools/assetgen/DesignMedia.h"
#include "tools/assetgen/EditorIcon.h"
#include "tools/assetgen/IconPacks.h"
#include "tools/assetgen/ItemIcons.h"
#include "tools/assetgen/Pictures.h"
#include "tools/assetgen/ToolbarIcons.h"
#include "tools/assetgen/Wave.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QSaveFile>

#include <cstdio>

namespace {

bool writeFile(const QString& path, const QByteArray& bytes) {
    if (bytes.isEmpty() || !QDir().mkpath(QFileInfo(path).path()))
        return false;
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("usage: lumbrel_assetgen <output folder>\n", stderr);
        return 2;
    }
    // Text needs the font database, which needs a GUI application; it never shows a window.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    const QDir out(QString::fromLocal8Bit(argv[1]));
    constexpr int kClickRate = 22050;
    QList<assetgen::Asset> assets = {
        {QStringLiteral("click.wav"), assetgen::waveFile(assetgen::clickSamples(kClickRate), kClickRate)}};
    assets << assetgen::toolbarPictures() << assetgen::pictures() << assetgen::itemIcons()
           << assetgen::categoryIcons() << assetgen::iconPacks() << assetgen::designMedia()
           << assetgen::editorIcons(QStringLiteral(LUMBREL_DESKTOP_ID));
    for (const assetgen::Asset& asset : assets) {
        if (!writeFile(out.filePath(asset.path), asset.bytes)) {
            std::fprintf(stderr, "lumbrel_assetgen: cannot write %s\n", qPrintable(out.filePath(asset.path)));
            return 1;
        }
    }
    return 0;
}
