// Applying a language to the main window and every other window of the editor.
#include "common/IniFile.h"
#include "editor/gui/PointSize.h"
#include "editor/gui/mainwindow/GridController.h"
#include "editor/gui/mainwindow/ItemGrid.h"
#include "editor/gui/mainwindow/MainWindow.h"
#include "editor/gui/mainwindow/ProjectCommands.h"
#include "editor/gui/mainwindow/WaitWindow.h"
#include "editor/language/TranslatableWindow.h"
#include "editor/language/WindowTexts.h"
#include "editor/project/EditorState.h"
#include "ui/services/MessageBoxService.h"

#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QToolButton>

namespace {

const QString kMain = QStringLiteral("Main");

QList<QAction*> menuEntries(const QMenu* menu) {
    return menu->actions();
}

QMenu* subMenu(const QMenu* menu, int index) {
    int seen = 0;
    for (QAction* a : menu->actions()) {
        if (a->menu() && seen++ == index)
            return a->menu();
    }
    return nullptr;
}

} // namespace

void MainWindow::applyLanguage(int language, int switchedFrom) {
    const QString files = m_state.programFolder + QStringLiteral("Files") + QDir::separator();
    m_wait->setPicture(files + QStringLiteral("wait_%1.bmp").arg(language));
    m_wait->begin();
    // New captions change the window's size hints; a maximised window stays maximised.
    const Qt::WindowStates state = windowState();
    const common::IniFile file(files + QStringLiteral("lang_%1.dat").arg(language));
    m_state.helpFile = m_state.programFolder + QStringLiteral("Help") + QDir::separator() +
                       file.readString(u"General", u"Help", QStringLiteral("ZolHlp%1.hlp").arg(language));
    m_state.language.load(file);
    m_qtTexts.follow(language == 2);
    applyMainTexts(file);
    for (TranslatableWindow* window : m_translatable)
        window->applyTexts(file, m_state.language, language);
    m_discEntries[0]->setText(m_projectCommands->writeImageText());
    m_discEntries[1]->setText(m_projectCommands->burnDiscText());

    for (QToolButton* b : findChildren<QToolButton*>())
        setPointSize(b, 10 - fontReduction(file, 3));
    m_languageEntries[0]->setChecked(language == 1);
    m_languageEntries[1]->setChecked(language == 2);
    m_services.messages.setCaptions(m_state.language.text(u"T57"), m_state.language.text(u"T58"));

    // The titles follow their fields; only a language set from outside the Language menu takes the
    // column order from the settings file again.
    m_items.setTitles(m_state.language.fieldTitles());
    m_grid->applyFieldTitles();
    if (switchedFrom == 0)
        m_grid->applyStoredColumnLayout(EditorSettings::read(common::IniFile(m_context->settingsFile())));
    m_grid->grid()->fitColumnsToTitles();

    updateWindowTitle();
    showCurrentRowInStatusLine();
    if (windowState() != state)
        setWindowState(state);
    m_wait->end();
}

void MainWindow::applyMainTexts(const common::IniFile& file) {
    QAction* const order[] = {
        m_newAction,    m_openAction,       m_saveAction,      m_editAction,         m_checkAction,
        m_buildAction,  m_categoriesAction, m_designAction,    m_settingsAction,     m_helpAction,
        m_exitAction,   m_addFileAction,    m_addFolderAction, m_addJumpPointAction, m_addHyperlinkAction,
        m_removeAction, m_sortAction,       m_findAction,      m_infoFileAction,     m_screenshotAction};
    // The tool bar's captions; the menus' captions, which may differ, come below.
    int key = 1;
    for (QAction* command : order) {
        command->setIconText(windowText(file, kMain, key++));
        command->setToolTip(windowText(file, kMain, key++));
    }
    m_chosenItemLabel->setText(windowText(file, kMain, 41));
    m_infoIcon->setToolTip(windowText(file, kMain, 37));
    m_screenshotIcon->setToolTip(windowText(file, kMain, 39));

    QMenu* popup = m_grid->popupMenu();
    popup->setTitle(windowText(file, kMain, 44));
    applyMenuTexts(menuEntries(popup).mid(1), file, kMain, 45, 51);

    applyMenuTexts(menuEntries(m_settingsMenu).mid(1), file, kMain, 64, 74);
    applyMenuTexts(menuEntries(subMenu(m_settingsMenu, 0)), file, kMain, 75, 77);
    applyMenuTexts(menuEntries(subMenu(m_settingsMenu, 2)), file, kMain, 90, 91);

    const QList<QAction*> menus = menuBar()->actions();
    applyMenuTexts(menus, file, kMain, 92, 96);
    const std::pair<int, int> ranges[] = {{97, 110}, {116, 119}, {120, 125}, {126, 127}, {128, 140}};
    for (qsizetype i = 0; i < menus.size(); ++i) {
        QList<QAction*> entries = menuEntries(menus[i]->menu());
        // The disc commands take their texts from the burner dialog's section.
        for (QAction* a : m_discEntries)
            entries.removeOne(a);
        applyMenuTexts(entries, file, kMain, ranges[i].first, ranges[i].second);
    }
    QMenu* project = menus[0]->menu();
    applyMenuTexts(menuEntries(subMenu(project, 0)), file, kMain, 111, 115);
    QMenu* zol = menus[4]->menu();
    QMenu* zolSettings = subMenu(zol, 0);
    applyMenuTexts(menuEntries(zolSettings), file, kMain, 141, 150);
    applyMenuTexts(menuEntries(subMenu(zolSettings, 0)), file, kMain, 151, 153);
    applyMenuTexts(menuEntries(subMenu(zolSettings, 2)), file, kMain, 166, 167);
    applyMenuTexts(menuEntries(subMenu(zol, 1)), file, kMain, 168, 169);

    m_shipRuntime->setText(windowText(file, kMain, 172));
    m_writeWebMenu->setText(windowText(file, kMain, 173));
    m_settingsMenu->setTitle(windowText(file, kMain, 170));
    popup->setTitle(windowText(file, kMain, 171));
    // Both popups carry their title as their first entry.
    for (QMenu* menu : {m_settingsMenu, popup}) {
        if (QAction* title = menuEntries(menu).value(0))
            title->setText(menu->title());
    }
    passDialogTitles();
}
