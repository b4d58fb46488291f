// The commands of the main window that work on the project and the program.
#include "editor/gui/iteminfo/ItemInfoEditor.h"
#include "editor/gui/mainwindow/EditorAboutDialog.h"
#include "editor/gui/mainwindow/ItemGrid.h"
#include "editor/gui/mainwindow/MainWindow.h"
#include "editor/gui/mainwindow/WaitWindow.h"
#include "editor/project/EditorState.h"
#include "editor/project/ItemOrdering.h"
#include "ui/services/ChooserService.h"
#include "ui/services/HelpService.h"
#include "ui/services/MessageBoxService.h"
#include "ui/services/ShellService.h"

#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QToolBar>

using Msg = ui::MessageBoxService;

bool MainWindow::projectGate() {
    if (m_projectOpen)
        return true;
    m_services.messages.show(Msg::Kind::Information, Msg::Buttons::Ok, message(u"M1"));
    return false;
}

bool MainWindow::askToSave(const char16_t* messageKey, bool offerCancel) {
    if (!m_state.modified)
        return true;
    switch (m_services.messages.show(Msg::Kind::Question,
                                     offerCancel ? Msg::Buttons::YesNoCancel : Msg::Buttons::YesNo,
                                     message(messageKey))) {
    case Msg::Answer::Yes:
        return m_projectFiles.save(m_saveAction->toolTip());
    case Msg::Answer::Cancel:
        return false;
    default:
        return true;
    }
}

void MainWindow::setProjectOpen(bool open) {
    m_projectOpen = open;
    for (QAction* command : m_projectCommands)
        command->setEnabled(open);
}

bool MainWindow::openProject(const QString& file) {
    const bool opened = m_projectFiles.open(file);
    if (opened) {
        setProjectOpen(true);
        updateWindowTitle();
    }
    showCurrentRowInStatusLine();
    return opened;
}

void MainWindow::openClicked() {
    click();
    if (!askToSave(u"M28"))
        return;
    const QString file =
        m_services.choosers.openFile({m_openAction->toolTip(),
                                      m_state.programFolder + QStringLiteral("projects") + QDir::separator(),
                                      QStringLiteral("Tavik - Lumbrel - Project|*.lbp"),
                                      QStringLiteral("lbp"),
                                      {}});
    if (!file.isEmpty())
        openProject(file);
}

void MainWindow::saveClicked() {
    click();
    m_projectFiles.save(m_saveAction->toolTip());
    showCurrentRowInStatusLine();
}

void MainWindow::saveAsClicked() {
    click();
    m_projectFiles.saveAs(m_saveAction->toolTip());
}

void MainWindow::settingsClicked() {
    click();
    const QWidget* button = m_toolBar->widgetForAction(m_settingsAction);
    m_settingsMenu->popup(button->mapToGlobal(QPoint(0, button->height())));
}

void MainWindow::helpClicked() {
    click();
    m_services.help.showHelp(m_state.helpFile, 0);
}

void MainWindow::exitClicked() {
    click();
    close();
}

void MainWindow::deleteItemClicked() {
    click();
    m_items.removeItem(m_grid->currentItem());
    m_state.modified = true;
    recomputeRowColours();
    showCurrentRowInStatusLine();
}

void MainWindow::sortClicked() {
    click();
    m_wait->begin();
    fullSort(m_items);
    recomputeRowColours();
    m_state.modified = true;
    m_wait->end();
}

void MainWindow::itemInformationClicked() {
    openItemInformation(ItemInfoMode::Text);
}

void MainWindow::screenshotClicked() {
    openItemInformation(ItemInfoMode::Picture);
}

void MainWindow::openItemInformation(ItemInfoMode mode) {
    click();
    m_itemInfoEditor->openFor(mode, m_grid->currentItem());
    // The indicators show whether the companions exist now.
    showCurrentRowInStatusLine();
}

void MainWindow::aboutClicked() {
    click();
    EditorAboutDialog about(m_services, m_state.language, m_state.helpFile, this);
    about.exec();
}

void MainWindow::homePageClicked() {
    click();
    m_services.shell.open(homePageAddress());
}

void MainWindow::makerHomePageClicked() {
    click();
    m_services.shell.open(makerHomePageAddress());
}

void MainWindow::languageClicked(int language) {
    click();
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

void MainWindow::showWelcomeClicked() {
    click();
    m_state.prefs.showWelcome = m_showWelcome->isChecked();
}

void MainWindow::showAddItemTipClicked() {
    click();
    m_state.prefs.showFt = m_showTip->isChecked();
}

void MainWindow::writeWebMenuClicked() {
    click();
    m_state.prefs.writeWebMenu = m_writeWebMenu->isChecked();
}

void MainWindow::shipRuntimeClicked() {
    click();
    m_state.prefs.shipRuntime = m_shipRuntime->isChecked();
}

void MainWindow::showBackgroundClicked() {
    click();
    m_state.prefs.showBack = m_showBack->isChecked();
    m_services.messages.show(Msg::Kind::Information, Msg::Buttons::Ok, message(u"M35"));
}
