// The commands of the main window that work on the project and the program.
#include "AboutBox.h"
#include "Tzolwaitform.h"
#include "ItemGrid.h"
#include "Tform1.h"
#include "project/EditorState.h"
#include "project/ItemOrdering.h"
#include "ui/services/ChooserService.h"
#include "ui/services/HelpService.h"
#include "ui/services/MessageBoxService.h"
#include "ui/services/ShellService.h"

#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QToolButton>

using Msg = ui::MessageBoxService;

bool Tform1::projectGate() {
    if (add->isEnabled())
        return true;
    m_services.messages.show(Msg::Kind::Information, Msg::Buttons::Ok, message(u"M1"));
    return false;
}

void Tform1::askToSave(const char16_t* messageKey) {
    if (!m_state.modified)
        return;
    if (m_services.messages.show(Msg::Kind::Question, Msg::Buttons::YesNo, message(messageKey)) == Msg::Answer::Yes)
        m_session.save(save->toolTip());
}

void Tform1::enableProjectCommands() {
    for (QToolButton* b : {add, adddir, addurl, addjump, deletef, save, generate, editp, sort, Find, info_file_btn,
                           screenshot_btn, mdbtnmain, geditbtnmain, check})
        b->setEnabled(true);
    mirrorButtonsIntoMenus();
}

bool Tform1::openProject(const QString& file) {
    const bool opened = m_session.open(file);
    if (opened) {
        enableProjectCommands();
        updateWindowTitle();
    }
    showCurrentRowInStatusLine();
    return opened;
}

void Tform1::newClick() {
    click();
    askToSave(u"M28");
}

void Tform1::wizardClick() {
    click();
    askToSave(u"M28");
}

void Tform1::zGradBtn1Click() {
    click();
    askToSave(u"M28");
    const QString file = m_services.choosers.openFile(
        {zGradBtn1->toolTip(), m_state.programFolder + QStringLiteral("projects") + QDir::separator(),
         QStringLiteral("Tavik - Lumbrel - Project|*.lbp"), QStringLiteral("lbp"), {}});
    if (!file.isEmpty())
        openProject(file);
}

void Tform1::saveClick() {
    click();
    m_session.save(save->toolTip());
    showCurrentRowInStatusLine();
}

void Tform1::saveAsClick() {
    click();
    m_session.saveAs(save->toolTip());
}

void Tform1::editpClick() {
    click();
    m_session.saveToWorkingCopy();
}

void Tform1::exportClick(int) { click(); }

void Tform1::settingsClick() {
    click();
    m_settingsMenu->popup(settings->mapToGlobal(QPoint(0, settings->height())));
}

void Tform1::helpClick() {
    click();
    m_services.help.showHelp(m_state.helpFile, 0);
}

void Tform1::exitClick() {
    click();
    askToSave(u"M23");
    close();
}

void Tform1::deletefClick() {
    click();
    m_items.removeItem(allfiles->currentItem());
    m_state.modified = true;
    recomputeRowColours();
    showCurrentRowInStatusLine();
}

void Tform1::sortClick() {
    click();
    m_wait->begin();
    fullSort(m_items);
    recomputeRowColours();
    m_state.modified = true;
    m_wait->end();
}

void Tform1::FindClick() { click(); }

void Tform1::findNextClick() { click(); }

void Tform1::info_file_btnClick() { click(); }

void Tform1::screenshot_btnClick() { click(); }

void Tform1::infoClick() {
    click();
    AboutBox about(m_services, m_state.helpFile, this);
    about.exec();
}

void Tform1::tavikHomeClick() {
    click();
    m_services.shell.open(homePageAddress());
}

void Tform1::brevanHomeClick() {
    click();
    m_services.shell.open(makerHomePageAddress());
}

void Tform1::firstProjectClick() { click(); }

void Tform1::languageClick(int language) {
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

void Tform1::showWelcomeClick() {
    click();
    m_state.prefs.showWelcome = m_showWelcome->isChecked();
}

void Tform1::showAddItemTipClick() {
    click();
    m_state.prefs.showFt = m_showTip->isChecked();
}

void Tform1::showBackgroundClick() {
    click();
    m_state.prefs.showBack = m_showBack->isChecked();
    m_services.messages.show(Msg::Kind::Information, Msg::Buttons::Ok, message(u"M35"));
}
