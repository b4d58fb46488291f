#pragma once

#include "editor/project/ProjectFile.h"

#include <QString>

#include <functional>

class ItemTable;
struct EditorState;

// Opening and saving the project through its hidden working copy, a file beside the project that
// the session made itself under a name that was free (".name.lbp.tmp"). Dialogs that may change the category
// or design file run inside the working-copy cycle, so that every item's category is resolved again against
// the new list.
class ProjectSession {
public:
    ProjectSession(EditorState& state, ItemTable& items);

    // Shown while a project is read or written.
    std::function<void(bool busy)> onBusy;
    // Loads the project's design file into the design editor.
    std::function<void()> loadDesign;

    // A file the project names that is neither where it was stored nor in the program's folder.
    enum class Missing { Nothing, CategoryFile, DesignFile };
    struct OpenResult {
        // Not Nothing: the project was not opened; the user must choose this file.
        Missing missing = Missing::Nothing;
        // Where the missing file was looked for last.
        QString searchFolder;
        // Opened: the item count the file states and the items read.
        projectfile::ReadCount count;
    };
    // Files the user chose in place of missing ones; used as they are.
    struct ChosenFiles {
        QString categoryFile;
        QString designFile;
    };
    // Opens the project once both files are settled; until then the open project stays as it was.
    OpenResult open(const QString& projectFile, const ChosenFiles& chosen = {});

    bool hasProjectFile() const;
    // Where new projects are offered.
    QString projectsFolder() const;
    // Writes the open project through its working copy. False when the file could not be
    // written: the modified flag then stays set.
    bool save();
    // Writes the project to a new file (".lbp" added when it has no extension), which becomes the
    // open project. False when it could not be written: the open project stays as it was.
    bool saveAs(QString projectFile);

    // False when the working copy could not be written.
    bool saveToWorkingCopy();
    void saveGeneralToWorkingCopy();
    void readWorkingCopy();
    // Saves to the working copy, runs the dialog and, when it changed the project, reloads the
    // category list and reads the items back through the working copy.
    void workingCopyCycle(const std::function<void()>& dialog);
    // Deletes the working copy this session made; no other file.
    void deleteWorkingCopy();

    void recomputeRowColours();
    // The working copy's path; empty while there is none.
    QString workingCopyPath() const;

private:
    class BusyScope;

    void recreateWorkingCopy(const QString& projectFile);
    // The working copy, made now when the project has none yet; empty without a project file.
    QString ensureWorkingCopy();
    bool writeProjectTo(const QString& path, bool generalOnly);
    void reloadCategoryList();

    EditorState& m_state;
    ItemTable& m_items;
};
