#pragma once

#include "ui/services/Services.h"

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
    ProjectSession(EditorState& state, ItemTable& items, ui::Services services);

    // Shown while a project is read or written.
    std::function<void(bool busy)> onBusy;
    // Loads the project's design file into the design editor.
    std::function<void()> loadDesign;

    // True when F became the open project; false when the user cancelled at a missing file.
    bool open(const QString& projectFile);
    // False when nothing was saved: the user cancelled the save dialog or the question about
    // characters the file cannot store, or the file could not be written (said with M57); the
    // modified flag then stays set.
    bool save(const QString& saveDialogTitle);
    // Without the question when a complete save follows at once (a new project's first file).
    bool saveAs(const QString& saveDialogTitle, bool askAboutCharacters = true);

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

    bool settleCategoryFile(const QString& stored, const QString& alone, const QString& ext);
    bool settleDesignFile(const QString& stored, const QString& alone, const QString& ext);
    void recreateWorkingCopy(const QString& projectFile);
    // The working copy, made now when the project has none yet; empty without a project file.
    QString ensureWorkingCopy();
    bool writeProjectTo(const QString& path, bool generalOnly);
    void reportNotSaved() const;
    // True when the project's texts fit the file, or the user wants to save all the same.
    bool storableOrAccepted() const;
    void reloadCategoryList();

    EditorState& m_state;
    ItemTable& m_items;
    ui::Services m_services;
};
