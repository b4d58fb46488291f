// The main window's ways into a new project: New, Edit, the wizard, First Project and the welcome
// screen.
#include "editor/gui/categories/CategoryEditor.h"
#include "editor/gui/design/DesignEditor.h"
#include "editor/gui/items/CellEditors.h"
#include "editor/gui/mainwindow/ItemGrid.h"
#include "editor/gui/mainwindow/MainWindow.h"
#include "editor/gui/newproject/ProjectDialog.h"
#include "editor/gui/newproject/ProjectWizard.h"
#include "editor/gui/newproject/WelcomeDialog.h"
#include "editor/project/EditorState.h"
#include "editor/project/ProjectFile.h"
#include "ui/services/HelpService.h"

#include <QAction>

namespace {

constexpr int kFirstProjectHelpContext = 5100;

} // namespace

void MainWindow::createNewProjectWindows() {
    m_projectDialog =
        new ProjectDialog(m_state, m_services, m_categoryFileEditor, m_designEditor,
                          {[this] { return m_projectFiles.saveAs(m_saveAction->toolTip(), false); },
                           [this] {
                               setProjectOpen(true);
                               updateWindowTitle();
                               if (!m_projectDialog->wizardRunning())
                                   m_items.setRecords({});
                               if (m_state.files.categoryFile.exists())
                                   m_state.categories = loadCategoryList(m_state.files.categoryFile.path());
                               recomputeRowColours();
                               m_state.modified = false;
                               saveClicked();
                           },
                           [this] { updateWindowTitle(); }},
                          this);
    registerTranslatable(m_projectDialog);
    m_wizard = new ProjectWizard(m_state, m_services, m_projectDialog,
                                 {[this] {
                                      return m_textEditor->run(OneLineEditor::Mode::NewName, {})
                                                 ? m_textEditor->text()
                                                 : QString();
                                  },
                                  [this](ProjectWizard::AddCommand command) {
                                      // The add dialogs work before the project exists; the gate opens for
                                      // this one command.
                                      const bool wasOpen = m_projectOpen;
                                      m_projectOpen = true;
                                      switch (command) {
                                      case ProjectWizard::AddCommand::File:
                                          addFileClicked();
                                          break;
                                      case ProjectWizard::AddCommand::Folder:
                                          addFolderClicked();
                                          break;
                                      case ProjectWizard::AddCommand::Url:
                                          addHyperlinkClicked();
                                          break;
                                      case ProjectWizard::AddCommand::JumpPoint:
                                          addJumpPointClicked();
                                          break;
                                      }
                                      m_projectOpen = wasOpen;
                                  },
                                  [this] { buildDiscClicked(); }},
                                 this);
    registerTranslatable(m_wizard);
    m_welcome =
        new WelcomeDialog(m_state, m_services, settingsFile(),
                          {[this] { newProjectClicked(); }, [this] { openClicked(); },
                           [this] { wizardClicked(); }, [this](const QString& file) { openProject(file); },
                           [this](int language) { applyLanguage(language); }},
                          this);
    registerTranslatable(m_welcome);
}

void MainWindow::welcomeAtStart() {
    if (!m_state.prefs.showWelcome)
        return;
    m_welcome->execute();
    m_showWelcome->setChecked(m_state.prefs.showWelcome);
}

void MainWindow::newProjectClicked() {
    click();
    if (!askToSave(u"M28"))
        return;
    m_projectDialog->execute(ProjectDialog::Mode::New);
    showCurrentRowInStatusLine();
}

void MainWindow::editProjectClicked() {
    click();
    // Through the working copy, so that the items are resolved against a changed category file.
    m_session.workingCopyCycle([this] {
        if (m_projectDialog->execute(ProjectDialog::Mode::Edit))
            updateWindowTitle();
    });
    showCurrentRowInStatusLine();
}

void MainWindow::wizardClicked() {
    click();
    if (!askToSave(u"M28"))
        return;
    m_projectDialog->prepare(ProjectDialog::Mode::New);
    m_projectDialog->setWizardRunning(true);
    m_projectDialog->resetProjectCreated();
    m_state.files.designFile.clear();
    m_state.files.categoryFile.clear();
    m_items.setRecords({});
    recomputeRowColours();
    m_wizard->execute();
    m_projectDialog->setWizardRunning(false);
    if (m_projectDialog->projectCreated()) {
        showCurrentRowInStatusLine();
        return;
    }
    if (!m_state.files.projectFile.exists() || !openProject(m_state.files.projectFile.path()))
        resetToNoProject();
    showCurrentRowInStatusLine();
}

void MainWindow::resetToNoProject() {
    m_state.files.designFile.clear();
    m_state.files.categoryFile.clear();
    m_state.projectFolder.clear();
    m_state.pendingCategoryFile.clear();
    m_items.setRecords({});
    recomputeRowColours();
    m_state.modified = false;
}

void MainWindow::firstProjectClicked() {
    click();
    m_services.help.showHelp(m_state.helpFile, kFirstProjectHelpContext);
}
