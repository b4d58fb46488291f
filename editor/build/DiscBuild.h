#pragma once

#include <QString>

class ItemTable;
struct EditorState;

// Writes a disc folder: the menu program, autorun.inf and the configuration folder "CFG" with the
// member files, the category and design files with their icons and media, the language file and
// the item icons.
namespace discbuild {

struct Result {
    bool written = true;
    // The folder that could not be written, when `written` is false.
    QString failedFolder;
};

// `target` is the disc folder (a trailing separator is added when missing). Optional sources
// that are missing are skipped; a target that cannot be written is reported.
Result build(const QString& target, const EditorState& state, const ItemTable& items);

// Writes members.cfg and the detail files of "membersd" into the configuration folder; earlier
// detail files are removed first. False when the folder could not be written.
bool writeMembers(const QString& configFolder, const EditorState& state, const ItemTable& items);

} // namespace discbuild
