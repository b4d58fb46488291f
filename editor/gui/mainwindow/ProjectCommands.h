#pragma once

#include "editor/gui/mainwindow/CommandContext.h"
#include "editor/gui/mainwindow/ProjectFileCommands.h"

#include <QObject>

class BurnerDialog;
class CategoryEditor;
class CheckChoiceDialog;
class CheckSummaryDialog;
class DesignEditor;
class GridController;
class ItemCommands;
class ProjectDialog;
class ProjectWizard;
class WelcomeDialog;

// The commands on the project as a whole: new, the wizard, open, save, edit, check, the category
// and design editors, build, the burner project, the disc image and burning, and the exports.
class ProjectCommands : public QObject {
    Q_OBJECT
public:
    // The titles of the open, save and export dialogs: the captions of their commands.
    struct DialogTitles {
        QString open;
        QString save;
        QString exportTitle;
    };

    ProjectCommands(const CommandContext& context, ItemCommands& itemCommands, GridController& grid,
                    CategoryEditor* categoryEditor, DesignEditor* designEditor, QWidget* window);

    void setDialogTitles(DialogTitles titles) { m_titles = std::move(titles); }
    // Opens a project file as the Open command does after its dialog.
    bool openProject(const QString& file);
    // Offers to save unsaved changes, asking with the message of the key; false when the user
    // cancelled, or wanted them saved and saving failed: then nothing goes on.
    bool askToSave(const char16_t* messageKey, bool offerCancel = false);
    // The welcome screen, as start-up shows it.
    void welcome();
    // The captions of the disc commands, which the burner dialog's texts give.
    QString writeImageText() const;
    QString burnDiscText() const;

    void newProject();
    void runWizard();
    void open();
    void save();
    void saveAs();
    void editProject();
    void checkProject();
    void editCategories();
    void editDesign();
    void buildDisc();
    void openBurner();
    void writeImage();
    void burnDisc();
    void exportGrid(int format);

Q_SIGNALS:
    // The welcome screen's language box chose a language.
    void languageChosen(int language);

private:
    void createNewProjectWindows(QWidget* window);
    // The project's state without any project: no files, no folder, one empty row.
    void resetToNoProject();
    void projectCreated();

    const CommandContext& m_context;
    ItemCommands& m_itemCommands;
    GridController& m_grid;
    ProjectFileCommands m_projectFiles;
    DialogTitles m_titles;
    CategoryEditor* m_categoryEditor = nullptr;
    DesignEditor* m_designEditor = nullptr;
    BurnerDialog* m_burnDialog = nullptr;
    CheckChoiceDialog* m_checkChoice = nullptr;
    CheckSummaryDialog* m_checkSummary = nullptr;
    ProjectDialog* m_projectDialog = nullptr;
    ProjectWizard* m_wizard = nullptr;
    WelcomeDialog* m_welcome = nullptr;
};
