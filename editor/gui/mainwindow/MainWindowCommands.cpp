// The frame's own commands: the settings menu, help, the about box and the language.
#include "editor/gui/mainwindow/EditorAboutDialog.h"
#include "editor/gui/mainwindow/MainWindow.h"
#include "editor/project/EditorState.h"
#include "editor/project/ItemOrdering.h"
#include "ui/services/HelpService.h"

#include <QAction>
#include <QMenu>
#include <QToolBar>

void MainWindow::showSettingsMenu() {
    m_context->click();
    const QWidget* button = m_toolBar->widgetForAction(m_settingsAction);
    m_settingsMenu->popup(button->mapToGlobal(QPoint(0, button->height())));
}

void MainWindow::showHelp(int context) {
    m_context->click();
    m_services.help.showHelp(m_state.helpFile, context);
}

void MainWindow::showAbout() {
    m_context->click();
    EditorAboutDialog about(m_services, m_state.language, m_state.helpFile, this);
    about.exec();
}

void MainWindow::chooseLanguage(int language) {
    m_context->click();
    if (m_state.prefs.language == language) {
        m_languageEntries[language - 1]->setChecked(true);
        return;
    }
    const int previous = m_state.prefs.language;
    m_state.prefs.language = language;
    applyLanguage(language, previous);
    if (projectOpen())
        translateYesNoCells(m_items, m_state.language);
    showCurrentRowInStatusLine();
}
