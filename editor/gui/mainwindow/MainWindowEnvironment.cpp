// The main window's commands for the category file, the design and the project check.
#include "editor/gui/categories/CategoryEditor.h"
#include "editor/gui/check/CheckChoiceDialog.h"
#include "editor/gui/check/CheckSummaryDialog.h"
#include "editor/gui/design/DesignEditor.h"
#include "editor/gui/mainwindow/MainWindow.h"
#include "editor/project/EditorState.h"
#include "editor/project/ProjectCheck.h"
#include "ui/services/MessageBoxService.h"

#include <QDir>

void MainWindow::checkProjectClicked() {
    click();
    const projectcheck::Report report =
        projectcheck::run(m_items, m_state.projectFolder, m_state.language.jumpPointText(),
                          [this](const QString& name, const QString& fileName, const QStringList& folders) {
                              return m_checkChoice->choose(name, fileName, folders);
                          });
    if (report.projectFolderMissing) {
        m_services.messages.show(
            ui::MessageBoxService::Kind::Error, ui::MessageBoxService::Buttons::Ok,
            m_state.language.message(u"M84").arg(QDir::toNativeSeparators(m_state.projectFolder)));
        return;
    }
    m_checkSummary->prepare(report);
    m_checkSummary->exec();
    // The grid has changed however the summary was closed, so the project must count as modified.
    if (report.changedAnything()) {
        m_state.modified = true;
        recomputeRowColours();
    }
    showCurrentRowInStatusLine();
}

void MainWindow::editCategoriesClicked() {
    click();
    m_state.newProjectCancelled = false;
    // Through the working copy, so that every item's category is resolved again against the list
    // the dialog leaves behind.
    m_session.workingCopyCycle([this] { m_categoryFileEditor->execute(); });
    showCurrentRowInStatusLine();
}

void MainWindow::editDesignClicked() {
    click();
    m_designEditor->execute();
    // The project now names the design the dialog left behind.
    if (m_state.modified)
        m_session.saveGeneralToWorkingCopy();
}
