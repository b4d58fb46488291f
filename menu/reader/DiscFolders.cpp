#include "menu/reader/DiscFolders.h"

#include "common/Paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>

namespace menu {
namespace {

bool isSeparator(QChar c) {
    return c == u'\\' || c == u'/';
}

QString folderIgnoringCase(const QString& parent, const QString& name) {
    return common::withTrailingSeparator(
        common::findIgnoringCase(parent, name).value_or(QDir::toNativeSeparators(parent + name)));
}

} // namespace

DiscFolders DiscFolders::forExecutable(const QString& executablePath) {
    DiscFolders f;
    f.executable = QDir::toNativeSeparators(executablePath);
    f.programFolder =
        common::withTrailingSeparator(QDir::toNativeSeparators(QFileInfo(executablePath).path()));
    f.configFolder = folderIgnoringCase(f.programFolder, QStringLiteral("cfg"));
    f.itemDataFolder = folderIgnoringCase(f.programFolder, QStringLiteral("tavikdat"));
    f.drivePrefix = drivePrefixOf(f.executable);
    return f;
}

DiscFolders DiscFolders::forRunningProgram() {
    return forExecutable(QCoreApplication::applicationFilePath());
}

QString DiscFolders::configFile(QStringView relative) const {
    return names->resolve(configFolder, relative);
}

common::IniFile DiscFolders::readConfigFile(QStringView relative) const {
    return common::IniFile(configFile(relative), {.maxBytes = kMaxConfigBytes, .maxLines = kMaxConfigLines});
}

QString DiscFolders::itemDataFile(QStringView name) const {
    return names->find(itemDataFolder, name.toString())
        .value_or(QDir::toNativeSeparators(itemDataFolder + name.toString()));
}

QString drivePrefixOf(const QString& path) {
#ifdef Q_OS_WIN
    return path.left(3);
#else
    QString root = QStorageInfo(QFileInfo(path).absolutePath()).rootPath();
    if (root.isEmpty())
        root = QDir::rootPath();
    return common::withTrailingSeparator(QDir::toNativeSeparators(root));
#endif
}

bool isReadOnlyExecutable(const QString& executablePath) {
    const QFileInfo info(executablePath);
    if (!info.exists())
        return false;
    // The permission bits, not access(): a program run by root may write to a read-only file.
    if (!(info.permissions() & QFileDevice::WriteOwner))
        return true;
    return QStorageInfo(info.absolutePath()).isReadOnly();
}

QString projectRootRest(const QString& rootname, const QString& drivePrefix) {
#ifdef Q_OS_WIN
    Q_UNUSED(drivePrefix);
    QString rest = rootname.mid(3);
#else
    QString rest = rootname;
    if (!drivePrefix.isEmpty() && rest.startsWith(drivePrefix))
        rest.remove(0, drivePrefix.size());
    else if (!rest.isEmpty() && isSeparator(rest.front()))
        rest.remove(0, 1);
#endif
    if (!rest.isEmpty() && isSeparator(rest.back()))
        rest.chop(1);
    return rest;
}

} // namespace menu
