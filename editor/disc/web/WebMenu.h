#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

class ItemTable;
struct EditorState;

// The web menu: a page at the disc's root that any browser opens from the disc, offline, showing
// the categories, items and details of the menu program in the disc's design and language. It
// consists of "index.html" and the files of "CFG/web/" (script, stylesheet, pictures as PNG and
// the disc's data as a script, since a page opened from a file may not fetch).
namespace webmenu {

inline constexpr auto kPageName = "index.html";
// Below the disc folder, with "/" between folders.
inline constexpr auto kFolder = "CFG/web/";

struct File {
    QString relative; // below the disc folder, "/" between folders
    QByteArray bytes;
};

// The files of the web menu of a disc whose configuration folder the build has just written:
// the category file, icons, design media and language file are taken from there, the items from
// the project. Information texts and screenshots are looked for on the disc, as the menu program
// looks for them.
QList<File> generate(const QString& discFolder, const EditorState& state, const ItemTable& items);

// Whether a program file is one for Windows (it starts with the "MZ" of an executable there).
bool isWindowsProgram(const QString& path);

// The shipped autorun.inf as a disc with the web menu carries it when its menu program does not
// run on Windows: AutoPlay offers the page instead of the program, with the disc's icon and name.
QByteArray autorunForBrowser(const QString& shippedAutorunInf, const QString& cdName);

// Whether a name that a former build listed belongs to the web menu.
bool isWebMenuFile(const QString& relative);

} // namespace webmenu
