// The main window's commands for the category file, the design and the project check.
#include "MainWindow.h"
#include "gui/categories/CategoryEditor.h"
#include "gui/design/DesignEditor.h"
#include "project/EditorState.h"

void MainWindow::checkClick() {
    click();
}

void MainWindow::geditbtnmainClick() {
    click();
    m_state.newProjectCancelled = false;
    // Through the working copy, so that every item's category is resolved again against the list
    // the dialog leaves behind.
    m_session.workingCopyCycle([this] { m_categoryFileEditor->execute(); });
    showCurrentRowInStatusLine();
}

void MainWindow::mdbtnmainClick() {
    click();
    m_designEditor->execute();
    // The project now names the design the dialog left behind.
    if (m_state.modified)
        m_session.saveGeneralToWorkingCopy();
}
