#pragma once

#include <QString>

class LanguageTables;

// Rules shared by the files that many projects use: category files and design files.
namespace environmentfiles {

// Where a file chosen in a save dialog is written. A file that does not exist yet gets a folder of
// its own, named like the file without its extension and made inside the chosen folder, so that
// D/Games.lbc becomes D/Games/Games.lbc; an existing file is written where it is. The folder is
// created here; failing to create it is not reported (the write that follows fails instead).
QString fileInOwnFolder(const QString& chosen);

// The chosen name with the extension added when it has none ("Games" -> "Games.lbc").
QString withDefaultSuffix(const QString& chosen, const QString& suffix);

// Where a project finds a category or design file that it names: the stored path, else the same
// name in the program's folder for such files (`folder`, with its separator), else in a folder of
// its own there; empty when none of them is a file.
QString findStoredFile(const QString& stored, const QString& folder, const QString& alone,
                       const QString& ext);
// Whether two paths name the same file: the same file on disk when both exist, else the same
// cleaned absolute path.
bool isSameFile(const QString& a, const QString& b);

// Whether a file can be opened for reading. A file whose content is damaged still opens: it shows
// as an empty picture rather than stopping a load.
bool canOpen(const QString& path);

// The texts for a file that cannot be opened or written, in the current language.
QString cannotOpenText(const LanguageTables& language, const QString& path);
QString cannotWriteText(const LanguageTables& language, const QString& path);

} // namespace environmentfiles
