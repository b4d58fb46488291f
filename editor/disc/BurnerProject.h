#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <utility>
#include <vector>

// The project file of the external recording program: its template with the disc's name put in,
// the path table of the project folder's folders and the file table of its files.
namespace burnerproject {

// Every file below the folder except hidden and system files, as (folder with separator, name),
// sorted by folder and then name without regard to letter case, the folder itself first.
std::vector<std::pair<QString, QString>> fileList(const QString& projectFolder);

// 1 ... 9, A ... F, 10, ... in upper-case hexadecimal.
QString folderNumber(int number);

// The lines of the project file for the given template lines.
QStringList projectLines(QStringList templateLines, const QString& cdName, const QString& projectFolder,
                         const std::vector<std::pair<QString, QString>>& files);

// Reads the template, writes the project file (Windows-1252, CR LF). False when either failed.
bool writeProject(const QString& templateFile, const QString& projectFile, const QString& cdName,
                  const QString& projectFolder);

} // namespace burnerproject
