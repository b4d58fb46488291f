#pragma once

#include "editor/language/TranslatableWindow.h"
#include "editor/project/EditorState.h"
#include "ui/services/Services.h"

#include <QDialog>

#include <functional>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class CategoryEditor;
class DesignEditor;

// The new-project dialog: a new project's CD name, folder, category file and design, unlocked in
// that order, or the same four values of the open project.
class ProjectDialog : public QDialog, public TranslatableWindow {
    Q_OBJECT
public:
    enum class Mode { New, Edit };

    // What creating a project asks of the main window.
    struct MainWindowHooks {
        // Runs Save As; false when the user cancelled or nothing was written.
        std::function<bool()> saveAs;
        // The project exists: open the commands, take the category list, write the project.
        std::function<void()> projectCreated;
        std::function<void()> updateTitle;
    };

    ProjectDialog(EditorState& state, ui::Services services, CategoryEditor* categoryEditor,
                  DesignEditor* designEditor, MainWindowHooks hooks, QWidget* parent = nullptr);

    void applyTexts(const common::IniFile& file, const LanguageTables& tables, int language) override;

    // Opens modally; true unless it was cancelled.
    bool execute(Mode mode);
    // What opening does before the dialog shows.
    void prepare(Mode mode);
    Mode mode() const { return m_mode; }

    // While the wizard runs, creating the project keeps the items it added.
    void setWizardRunning(bool running) { m_wizardRunning = running; }
    bool wizardRunning() const { return m_wizardRunning; }
    // Whether the last OK in mode "new" created the project.
    bool projectCreated() const { return m_projectCreated; }
    void resetProjectCreated() { m_projectCreated = false; }

    // What the wizard fills in and presses on its way: the dialog creates the project at its end.
    void setCdName(const QString& name);
    // The chosen project folder, which opens the category editor.
    void setProjectFolder(const QString& folder);
    void clearProjectFolder();
    // Browses for a project folder without asking first; the folder shown afterwards, chosen or not.
    QString browseForProjectFolder();
    void editCategoriesClicked();
    void editDesignClicked();
    void okClicked();
    void reject() override;

private:
    void click() const;
    QString text(const char16_t* key) const;
    // The dialog's values become the project's.
    void takeValues();
    void cdNameEdited();
    void rootnameEdited();
    void browseProjectFolderClicked();
    void cancelClicked();
    void helpClicked();

    QLabel* m_cdNameLabel;
    QLineEdit* m_cdNameEdit;
    QLabel* m_folderLabel;
    QLineEdit* m_projectFolderEdit;
    QPushButton* m_browseButton;
    QGroupBox* m_environmentBox;
    QPushButton* m_categoryEditorButton;
    QPushButton* m_designEditorButton;
    QPushButton* m_okButton;
    QPushButton* m_cancelButton;
    QPushButton* m_helpButton;

    EditorState& m_state;
    ui::Services m_services;
    CategoryEditor* m_categoryEditor;
    DesignEditor* m_designEditor;
    MainWindowHooks m_hooks;
    Mode m_mode = Mode::New;
    bool m_wizardRunning = false;
    bool m_projectCreated = false;
    bool m_filling = false; // the fields change from code, not from the user
    QString m_rememberedSaveName;
    bool m_remembersSaveName = false;
    // What the open project was when a new one was begun: Cancel puts it back exactly.
    struct OpenProject {
        ProjectFiles files;
        DesignModel design;
        QStringList categories;
        QString addFileStartFolder;
        bool modified = false;
    };
    OpenProject m_openProject;
};
