// The ways into a new project: New, Edit, the wizard and the welcome screen.
#include "editor/gui/mainwindow/GridController.h"
#include "editor/gui/mainwindow/ItemCommands.h"
#include "editor/gui/mainwindow/ProjectCommands.h"
#include "editor/gui/newproject/ProjectDialog.h"
#include "editor/gui/newproject/ProjectWizard.h"
#include "editor/gui/newproject/WelcomeDialog.h"
#include "editor/project/EditorState.h"
#include "editor/project/ItemTable.h"
#include "editor/project/ProjectFile.h"
#include "editor/project/ProjectSession.h"

void ProjectCommands::createNewProjectWindows(QWidget* window) {
    EditorState& state = m_context.state;
    m_projectDialog =
        new ProjectDialog(state, m_context.services, m_categoryEditor, m_designEditor,
                          {[this] { return m_projectFiles.saveAs(m_titles.save, false); },
                           [this] { projectCreated(); }, [this] { m_context.host.updateWindowTitle(); }},
                          window);
    m_context.host.registerTranslatable(m_projectDialog);
    m_wizard = new ProjectWizard(state, m_context.services, m_projectDialog,
                                 {[this] { return m_itemCommands.askName(true); },
                                  [this](ProjectWizard::AddCommand command) {
                                      ItemCommands& items = m_itemCommands;
                                      // The add dialogs work before the project exists.
                                      items.runBeforeProjectExists([&] {
                                          switch (command) {
                                          case ProjectWizard::AddCommand::File:
                                              items.addFile();
                                              break;
                                          case ProjectWizard::AddCommand::Folder:
                                              items.addFolder();
                                              break;
                                          case ProjectWizard::AddCommand::Url:
                                              items.addHyperlink();
                                              break;
                                          case ProjectWizard::AddCommand::JumpPoint:
                                              items.addJumpPoint();
                                              break;
                                          }
                                      });
                                  },
                                  [this] { buildDisc(); }},
                                 window);
    m_context.host.registerTranslatable(m_wizard);
    m_welcome = new WelcomeDialog(state, m_context.services, m_context.settingsFile(),
                                  {[this] { newProject(); }, [this] { open(); }, [this] { runWizard(); },
                                   [this](const QString& file) { openProject(file); },
                                   [this](int language) { Q_EMIT languageChosen(language); }},
                                  window);
    m_context.host.registerTranslatable(m_welcome);
}

void ProjectCommands::projectCreated() {
    EditorState& state = m_context.state;
    m_context.host.setProjectOpen(true);
    m_context.host.updateWindowTitle();
    if (!m_projectDialog->wizardRunning())
        m_context.items.setRecords({});
    if (state.files.categoryFile.exists())
        state.categories = loadCategoryList(state.files.categoryFile.path());
    m_grid.recomputeRowColours();
    state.modified = false;
    save();
}

void ProjectCommands::welcome() {
    m_welcome->execute();
}

void ProjectCommands::newProject() {
    m_context.click();
    if (!askToSave(u"M28"))
        return;
    m_projectDialog->execute(ProjectDialog::Mode::New);
    m_context.host.showCurrentRowInStatusLine();
}

void ProjectCommands::editProject() {
    m_context.click();
    // Through the working copy, so that the items are resolved against a changed category file.
    m_context.session.workingCopyCycle([this] {
        if (m_projectDialog->execute(ProjectDialog::Mode::Edit))
            m_context.host.updateWindowTitle();
    });
    m_context.host.showCurrentRowInStatusLine();
}

void ProjectCommands::runWizard() {
    m_context.click();
    if (!askToSave(u"M28"))
        return;
    EditorState& state = m_context.state;
    m_projectDialog->prepare(ProjectDialog::Mode::New);
    m_projectDialog->setWizardRunning(true);
    m_projectDialog->resetProjectCreated();
    state.files.designFile.clear();
    state.files.categoryFile.clear();
    m_context.items.setRecords({});
    m_grid.recomputeRowColours();
    m_wizard->execute();
    m_projectDialog->setWizardRunning(false);
    if (m_projectDialog->projectCreated()) {
        m_context.host.showCurrentRowInStatusLine();
        return;
    }
    if (!state.files.projectFile.exists() || !openProject(state.files.projectFile.path()))
        resetToNoProject();
    m_context.host.showCurrentRowInStatusLine();
}

void ProjectCommands::resetToNoProject() {
    EditorState& state = m_context.state;
    state.files.designFile.clear();
    state.files.categoryFile.clear();
    state.projectFolder.clear();
    state.pendingCategoryFile.clear();
    m_context.items.setRecords({});
    m_grid.recomputeRowColours();
    state.modified = false;
}
