#pragma once

#include "ui/services/Services.h"

#include <QString>

class ItemTable;
class ProjectSession;
struct EditorState;

// Open, Save and Save As with their questions: a file the project names that cannot be found, the
// file to save to, characters the file cannot store, a file that could not be written.
class ProjectFileCommands {
public:
    ProjectFileCommands(ProjectSession& session, EditorState& state, const ItemTable& items,
                        ui::Services services);

    // True when the file became the open project; false when the user gave up at a missing file.
    bool open(const QString& projectFile);
    // False when nothing was saved: the user cancelled the save dialog or the question about
    // characters the file cannot store, or the file could not be written (said with M57); the
    // modified flag then stays set.
    bool save(const QString& saveDialogTitle);
    // Without the question when a complete save follows at once (a new project's first file).
    bool saveAs(const QString& saveDialogTitle, bool askAboutCharacters = true);

private:
    // True when the project's texts fit the file, or the user wants to save all the same.
    bool storableOrAccepted() const;
    void reportNotSaved() const;

    ProjectSession& m_session;
    EditorState& m_state;
    const ItemTable& m_items;
    ui::Services m_services;
};
