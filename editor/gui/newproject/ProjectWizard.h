#pragma once

#include "editor/language/TranslatableWindow.h"
#include "ui/services/Services.h"

#include <QWizard>

#include <functional>
#include <vector>

class QLabel;
class QLineEdit;
class QPushButton;
class FolderPage;
class ProjectDialog;
namespace ui {
class EffectLabel;
}
struct EditorState;

// The wizard: a new project in six steps, from its folder to its first items. It fills and presses
// the new-project dialog, which creates the project at the end.
class ProjectWizard : public QWizard, public TranslatableWindow {
    Q_OBJECT
public:
    enum class AddCommand { File, Folder, Url, JumpPoint };
    enum Page { Welcome, Folder, General, Categories, Design, Items, Finish };

    // What the steps ask of the main window.
    struct MainWindowHooks {
        // A new folder's name from the one-line editor; empty when cancelled.
        std::function<QString()> askFolderName;
        // Runs an add command of the main window while no project exists yet.
        std::function<void(AddCommand)> add;
        std::function<void()> build;
    };

    ProjectWizard(EditorState& state, ui::Services services, ProjectDialog* projectDialog,
                  MainWindowHooks hooks, QWidget* parent = nullptr);

    void applyTexts(const common::IniFile& file, const LanguageTables& tables, int language) override;

    // Shows the wizard modally; a build chosen in the last step runs once it has closed.
    void execute();
    // What opening does before the wizard shows.
    void prepare();
    // Finishing creates the project through the new-project dialog.
    void accept() override;

private:
    struct Caption {
        int key;
        std::function<void(const QString&)> set;
    };

    QWizardPage* addStep(int id, const char* name, const QString& heading, int headingKey,
                         std::function<bool()> mayLeave = {});
    QLabel* addText(QWidget* page, int key);
    // The caption's key is followed by the hint's when `withHint`.
    QPushButton* addButton(QWidget* page, const char* name, const QString& caption, int key,
                           bool withHint = true);
    void click() const;
    QString none() const;
    // A step is left only once its choice is made; otherwise the message says what is missing.
    bool mayLeave(bool chosen, const char16_t* missing) const;
    void folderChosen(const QString& folder);
    // No project folder is chosen any more.
    void forgetProjectFolder();
    void projectFolderEdited();
    void cdNameEdited();
    void showEnvironmentFiles();
    void reloadCategoryList();
    void helpClicked();

    // Step 1
    void makeDirectoryClicked();
    void launchExplorerClicked();
    void deleteDirectoryClicked();
    // Step 2
    void browseClicked();
    // Step 3
    void categoryEditorClicked();
    void defaultCategoriesClicked();
    // Step 4
    void designEditorClicked();
    void defaultDesignClicked();
    // Step 6
    void viewProjectClicked();
    void buildNowClicked();

    FolderPage* m_folderPage;
    QLabel* m_welcomeText;
    QLineEdit* m_cdNameEdit;
    QLineEdit* m_projectFolderEdit;
    QPushButton* m_browseButton;
    QPushButton* m_categoryEditorButton;
    QPushButton* m_defaultCategoriesButton;
    QLabel* m_categoryFileLabel;
    QPushButton* m_designEditorButton;
    QPushButton* m_defaultDesignButton;
    QLabel* m_designFileLabel;
    ui::EffectLabel* m_sampleLink;
    QPushButton* m_addFileButton;
    QPushButton* m_addFolderButton;
    QPushButton* m_addJumpButton;
    QPushButton* m_addUrlButton;
    QPushButton* m_viewProjectButton;
    QPushButton* m_buildNowButton;

    EditorState& m_state;
    ui::Services m_services;
    ProjectDialog* m_dialog;
    MainWindowHooks m_hooks;
    std::vector<Caption> m_captions;
    bool m_filling = false; // the fields change from code, not from the user
    bool m_buildAfterClose = false;
};
