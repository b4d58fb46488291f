#pragma once

#include "editor/project/ItemField.h"
#include "editor/project/ItemRows.h"

#include <QString>

#include <utility>
#include <vector>

class ItemTable;

// The rules by which the add dialogs fill an item's fields.
namespace itemrules {

// "n MB" with the size truncated to whole mebibytes, "< 1 MB" below one.
QString sizeText(qint64 bytes);
// A file's name without folder, cut before its first dot: setup.beta.exe gives "setup".
QString aloneName(const QString& fileName);
// A host folder as the dialogs show it: with a trailing separator, or the separator alone when empty.
QString folderText(const QString& folder);
// The protocol in front of a typed address, unless it is "n/a" or empty.
QString homepage(const QString& protocol, const QString& typed);
// The row a new item goes into: the grid's single empty row, or a new row at the end.
int rowForNewItem(ItemTable& items);
// Adds the records as new items (the first into the grid's single empty row); the last one's row.
int addItems(ItemTable& items, ItemRows records);
// Files below a folder as (folder with separator, file name), files of a folder before its
// subfolders, both by name.
std::vector<std::pair<QString, QString>> findFiles(const QString& folder, bool includeSubfolders);
// The sizes of the files, 0 for one that cannot be read, in the paths' order. Many files are
// measured on every core: each size is a call into the file system.
std::vector<qint64> fileSizes(const std::vector<QString>& paths);
// A jump point's File Name is the jump-point word of the current language, in any letter case.
bool isJumpPoint(const QString& fileName, const QString& jumpPointWord);
// A file item has a CD Path and is no jump point; hyperlinks have no CD Path.
bool isFileItem(const QString& fileName, const QString& cdPath, const QString& jumpPointWord);
// Where the folder chooser starts: the project folder, without its separator unless it is a root.
QString chooserStartFolder(const QString& projectFolder);

} // namespace itemrules
