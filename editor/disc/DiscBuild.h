#pragma once

#include <QString>
#include <QStringList>

#include <array>
#include <utility>

class ItemTable;
struct EditorState;

// Writes a disc folder: the menu program, autorun.inf and the configuration folder "CFG" with the
// member files, the category and design files with their icons and media, the language file and
// the item icons. Where the installation has them, also the desktop's autostart file and the menu
// program's runtime (libraries and plugins in CFG, qt.conf beside the program).
namespace discbuild {

struct Result {
    bool written = true;
    // The folder that could not be written, when `written` is false.
    QString failedFolder;
    // The disc folder is one the build must not write into (Lumbrel's own folder or its "Files",
    // the design's or the category file's folder, the root of a file system): nothing was written.
    bool refused = false;
    // Files the disc needs that were not found (the menu program, its module and texts, the item
    // icons, the category file and its icons, the design file), and design media larger than a
    // medium may be: the disc is written without them.
    QStringList missingFiles;
    // Files of the user where the build would have put one of its own: kept, and not on the disc.
    QStringList keptFiles;
};

// The list of the files that the build wrote beyond the fixed layout (the desktop's autostart
// file, the runtime), in the configuration folder: only these are ever replaced or removed.
inline constexpr auto kManifestName = "build.lst";

// `target` is the disc folder (a trailing separator is added when missing). Optional sources
// that are missing are skipped; a target that cannot be written is reported. The build never
// writes or deletes through a symbolic link: a link where it writes is removed and a file written.
Result build(const QString& target, const EditorState& state, const ItemTable& items);

// Whether the build refuses `target` (see Result::refused).
bool isRefusedTarget(const QString& target, const EditorState& state);

// Writes members.cfg and the detail files of "membersd" into the configuration folder; earlier
// detail files are removed first. False when the folder could not be written.
bool writeMembers(const QString& configFolder, const EditorState& state, const ItemTable& items);

// The design's media that a configuration folder holds under fixed names, in the order in which
// they are copied: splash, background and button bitmaps, then the five sounds. `Daten` is
// ProjectFiles, const or not.
template <typename Daten> auto designMedia(Daten& d) {
    using Holder = decltype(&d.splashFile);
    return std::array<std::pair<Holder, QString>, 8>{{
        {&d.splashFile, QStringLiteral("splash.bmp")},
        {&d.backgroundFile, QStringLiteral("back.bmp")},
        {&d.buttonFile, QStringLiteral("button.bmp")},
        {&d.sounds[0], QStringLiteral("Sound1.wav")},
        {&d.sounds[1], QStringLiteral("Sound2.wav")},
        {&d.sounds[2], QStringLiteral("Sound3.wav")},
        {&d.sounds[3], QStringLiteral("Sound4.wav")},
        {&d.sounds[4], QStringLiteral("Sound5.wav")},
    }};
}

// The menu program's language file in the editor's "Files" folder for a design's language
// (0 English, 1 German) and style (0 lower-case, 1 normal).
QString languageFileName(int language, int style);

// The item icons "m1.ico" ... "m14.ico", one per item kind.
constexpr int kItemIconCount = 14;
QString itemIconName(int n);

} // namespace discbuild
