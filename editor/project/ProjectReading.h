#pragma once

#include "editor/project/ProjectFile.h"

#include <QString>
#include <QStringList>

class ItemTable;
struct EditorState;

// Opening a project file without asking anybody: what was found is returned, and the caller says
// what is missing. The categories and the design are loaded before the items are read, so that
// every item's category is resolved against the project's own list.
namespace projectreading {

enum class Outcome {
    Read,
    Missing,             // no such file
    Unreadable,          // there, but it cannot be read
    NotAProject,         // a folder, a device, or a file without the project's "general" section
    CategoryFileMissing, // the category file it names is nowhere to be found
    DesignFileMissing,   // the design file it names is nowhere to be found
};

// Files chosen in place of the project's own category or design file where that cannot be found.
struct Replacements {
    QString categoryFile;
    QString designFile;
};

struct Result {
    Outcome outcome = Outcome::Read;
    projectfile::ReadCount count;
    // Media that the design names but may not carry (outside its folders).
    QStringList refusedMedia;
    // The file that could not be found, as the project names it.
    QString missingFile;

    bool ok() const { return outcome == Outcome::Read; }
};

// Reads `projectFile` into `state` and `items`. Nothing of the state changes unless the project
// can be read whole.
Result read(const QString& projectFile, EditorState& state, ItemTable& items,
            const Replacements& chosen = {});

} // namespace projectreading
