#pragma once

#include "common/IniFile.h"
#include "menu/reader/FolderIndex.h"

#include <QString>
#include <QStringView>

#include <memory>

namespace menu {

// How much of a configuration file the menu program reads. A disc of 100,000 items has a member
// index of about 300,000 lines and 7 MB; a damaged or hostile file is read up to these limits,
// which hold the menu program below 60 MB for any one file.
constexpr qint64 kMaxConfigBytes = 8 * 1024 * 1024;
constexpr qsizetype kMaxConfigLines = 300'000;

// Where the menu program finds what it shows. Everything lies beside the executable: the
// configuration folder "cfg" and the item data folder "tavikdat", whatever their letter case.
struct DiscFolders {
    QString executable;     // full path of the running menu program
    QString programFolder;  // ends in the native separator
    QString configFolder;   // ends in the native separator
    QString itemDataFolder; // ends in the native separator
    QString drivePrefix;    // the root of the executable's drive, ending in the native separator
    // The names of the disc's folders, listed once and shared by every copy of these folders.
    std::shared_ptr<FolderIndex> names = std::make_shared<FolderIndex>();

    // The folders of a menu program lying at `executablePath`.
    static DiscFolders forExecutable(const QString& executablePath);
    static DiscFolders forRunningProgram();

    // A file below the configuration folder ("genre.cfg", "membersd\m0-1.dat"), found without regard
    // to letter case; a missing file keeps the spelling asked for.
    QString configFile(QStringView relative) const;
    // That file read as an INI file, within the limits above.
    common::IniFile readConfigFile(QStringView relative) const;
    // A file of the item data folder, found the same way.
    QString itemDataFile(QStringView name) const;
};

// The root of the drive that holds `path`: its first three characters on Windows ("D:\"), the mount
// point of its file system elsewhere.
QString drivePrefixOf(const QString& path);

// Whether the executable counts as lying on a recorded disc: read-only file (no owner write
// permission) or a file system mounted read-only.
bool isReadOnlyExecutable(const QString& executablePath);

// The project folder named by `rootname` ("C:\Discs\Issue5\") relative to its drive, without the
// trailing separator ("Discs\Issue5"); empty for a drive root.
QString projectRootRest(const QString& rootname, const QString& drivePrefix);

} // namespace menu
