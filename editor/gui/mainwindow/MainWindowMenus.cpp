// The tool bar, status line and menus of the main window.
#include "editor/gui/HomePages.h"
#include "editor/gui/mainwindow/GridController.h"
#include "editor/gui/mainwindow/ItemCommands.h"
#include "editor/gui/mainwindow/MainWindow.h"
#include "editor/gui/mainwindow/ProjectCommands.h"
#include "editor/project/EditorState.h"
#include "ui/services/ShellService.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>

namespace {

QString picture(const char* name) {
    return QStringLiteral(":/pictures/") + QLatin1String(name) + QStringLiteral(".png");
}

constexpr int kFirstProjectHelpContext = 5100;

} // namespace

QToolBar* MainWindow::addControlBar(const QString& name) {
    QToolBar* bar = addToolBar(name);
    bar->setObjectName(name);
    bar->setMovable(false);
    bar->setFloatable(false);
    bar->toggleViewAction()->setVisible(false);
    bar->setIconSize(QSize(32, 32));
    bar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    return bar;
}

template <typename Handler>
QAction* MainWindow::addToolBarCommand(QToolBar* bar, const QString& name, const QString& caption,
                                       const QString& menuCaption, const QString& pic, Handler handler) {
    auto* action = new QAction(QIcon(pic), menuCaption, this);
    action->setIconText(caption);
    action->setIconVisibleInMenu(false);
    connect(action, &QAction::triggered, this, handler);
    bar->addAction(action);
    bar->widgetForAction(action)->setObjectName(name);
    return action;
}

void MainWindow::createToolBar() {
    // Two rows, so that every command shows as a button on a 1024 px screen in either language:
    // the project's, environment's and program's controls above, the item controls below.
    m_toolBar = addControlBar(QStringLiteral("toolbararea"));
    addToolBarBreak();
    m_itemToolBar = addControlBar(QStringLiteral("itemtoolbar"));

    // Project controls
    m_newAction =
        addToolBarCommand(m_toolBar, QStringLiteral("new"), QStringLiteral("New"), QStringLiteral("New"),
                          picture("new"), [this] { m_projectCommands->newProject(); });
    m_openAction =
        addToolBarCommand(m_toolBar, QStringLiteral("zGradBtn1"), QStringLiteral("Open"),
                          QStringLiteral("Open"), picture("open"), [this] { m_projectCommands->open(); });
    m_saveAction =
        addToolBarCommand(m_toolBar, QStringLiteral("save"), QStringLiteral("Save"), QStringLiteral("Save"),
                          picture("save"), [this] { m_projectCommands->save(); });
    m_editAction =
        addToolBarCommand(m_toolBar, QStringLiteral("editp"), QStringLiteral("Edit"), QStringLiteral("Edit"),
                          picture("editp"), [this] { m_projectCommands->editProject(); });
    m_checkAction = addToolBarCommand(m_toolBar, QStringLiteral("check"), QStringLiteral("Check"),
                                      QStringLiteral("Check"), picture("check"),
                                      [this] { m_projectCommands->checkProject(); });
    m_buildAction = addToolBarCommand(m_toolBar, QStringLiteral("generate"), QStringLiteral("Build"),
                                      QStringLiteral("Build"), picture("generate"),
                                      [this] { m_projectCommands->buildDisc(); });
    m_toolBar->addSeparator();
    // Environment controls
    m_categoriesAction =
        addToolBarCommand(m_toolBar, QStringLiteral("geditbtnmain"), QStringLiteral("Categories"),
                          QStringLiteral("Category Editor"), picture("categories"),
                          [this] { m_projectCommands->editCategories(); });
    m_designAction = addToolBarCommand(m_toolBar, QStringLiteral("mdbtnmain"), QStringLiteral("Menu Design"),
                                       QStringLiteral("Menu Design Editor"), picture("menudesign"),
                                       [this] { m_projectCommands->editDesign(); });
    m_toolBar->addSeparator();
    // Program controls; the menus hold the settings as a submenu of their own.
    m_settingsAction =
        addToolBarCommand(m_toolBar, QStringLiteral("settings"), QStringLiteral("Settings"),
                          QStringLiteral("Settings"), picture("settings"), [this] { showSettingsMenu(); });
    m_helpAction = addToolBarCommand(m_toolBar, QStringLiteral("help"), QStringLiteral("Help"),
                                     QStringLiteral("Help"), picture("help"), [this] { showHelp(0); });
    m_exitAction = addToolBarCommand(m_toolBar, QStringLiteral("exit"), QStringLiteral("Exit"),
                                     QStringLiteral("Exit"), picture("exit"), [this] {
                                         m_context->click();
                                         close();
                                     });
    // Item controls
    m_addFileAction =
        addToolBarCommand(m_itemToolBar, QStringLiteral("add"), QStringLiteral("Add File"),
                          QStringLiteral("Add File"), picture("add"), [this] { m_itemCommands->addFile(); });
    m_addFolderAction = addToolBarCommand(m_itemToolBar, QStringLiteral("adddir"),
                                          QStringLiteral("Add Folder"), QStringLiteral("Add Folder"),
                                          picture("adddir"), [this] { m_itemCommands->addFolder(); });
    m_addJumpPointAction = addToolBarCommand(m_itemToolBar, QStringLiteral("addjump"),
                                             QStringLiteral("Add Jump"), QStringLiteral("Add Jump Point"),
                                             picture("addjump"), [this] { m_itemCommands->addJumpPoint(); });
    m_addHyperlinkAction = addToolBarCommand(m_itemToolBar, QStringLiteral("addurl"),
                                             QStringLiteral("Add URL"), QStringLiteral("Add Url"),
                                             picture("addurl"), [this] { m_itemCommands->addHyperlink(); });
    m_itemToolBar->addSeparator();
    // Chosen item controls
    m_removeAction = addToolBarCommand(m_itemToolBar, QStringLiteral("deletef"), QStringLiteral("Remove"),
                                       QStringLiteral("Remove"), picture("deletef"),
                                       [this] { m_itemCommands->deleteItem(); });
    m_sortAction =
        addToolBarCommand(m_itemToolBar, QStringLiteral("sort"), QStringLiteral("Full Sort"),
                          QStringLiteral("Sort"), picture("sort"), [this] { m_itemCommands->sort(); });
    m_findAction =
        addToolBarCommand(m_itemToolBar, QStringLiteral("Find"), QStringLiteral("Find"),
                          QStringLiteral("Find"), picture("find"), [this] { m_itemCommands->find(); });
    m_infoFileAction =
        addToolBarCommand(m_itemToolBar, QStringLiteral("info_file_btn"), QStringLiteral("Info File"),
                          QStringLiteral("Create/Edit Info File"), picture("infofile"),
                          [this] { m_itemCommands->editInformationFile(); });
    m_screenshotAction =
        addToolBarCommand(m_itemToolBar, QStringLiteral("screenshot_btn"), QStringLiteral("Screenshot"),
                          QStringLiteral("Create/Edit Screenshot"), picture("screenshot"),
                          [this] { m_itemCommands->editScreenshot(); });

    const std::pair<QAction*, const char*> hints[] = {
        {m_newAction, "Create a new project"},
        {m_openAction, "Open a project"},
        {m_saveAction, "Save the project"},
        {m_editAction, "Edit the project's name and folder"},
        {m_checkAction, "Check the project's files"},
        {m_buildAction, "Build the disc folder"},
        {m_categoriesAction, "Edit the categories"},
        {m_designAction, "Edit the menu design"},
        {m_settingsAction, "Settings"},
        {m_helpAction, "Help"},
        {m_exitAction, "Exit Lumbrel"},
        {m_addFileAction, "Add a file"},
        {m_addFolderAction, "Add the files of a folder"},
        {m_addJumpPointAction, "Add a jump point to a folder of the disc"},
        {m_addHyperlinkAction, "Add a hyperlink"},
        {m_removeAction, "Remove the chosen item"},
        {m_sortAction, "Sort the items by category and name"},
        {m_findAction, "Find an item"},
        {m_infoFileAction, "Create or edit the chosen item's information file"},
        {m_screenshotAction, "Create or edit the chosen item's screenshot"},
    };
    for (const auto& [action, hint] : hints)
        action->setToolTip(QString::fromLatin1(hint));

    m_needProject = {m_saveAction,         m_editAction,         m_checkAction,     m_buildAction,
                     m_categoriesAction,   m_designAction,       m_addFileAction,   m_addFolderAction,
                     m_addJumpPointAction, m_addHyperlinkAction, m_removeAction,    m_sortAction,
                     m_findAction,         m_infoFileAction,     m_screenshotAction};
}

void MainWindow::createStatusLine() {
    QStatusBar* bar = statusBar();
    bar->setSizeGripEnabled(true);
    auto* line = new QWidget(bar);
    auto* layout = new QHBoxLayout(line);
    layout->setContentsMargins(4, 0, 4, 0);
    m_chosenItemLabel = new QLabel(QStringLiteral("Chosen Item: "), line);
    m_chosenItemLabel->setObjectName(QStringLiteral("chosenitem"));
    m_chosenItemName = new QLabel(line);
    m_chosenItemName->setObjectName(QStringLiteral("LMDSimpleLabel4"));
    QFont bold = m_chosenItemName->font();
    bold.setBold(true);
    m_chosenItemName->setFont(bold);
    // A long item name is cut rather than widening the window.
    m_chosenItemName->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    layout->addWidget(m_chosenItemLabel);
    layout->addWidget(m_chosenItemName, 1);
    const auto indicator = [&](const char* name, const char* pic, QLabel*& text, QLabel*& icon) {
        icon = new QLabel(line);
        icon->setPixmap(QIcon(picture(pic)).pixmap(16, 16));
        text = new QLabel(line);
        text->setObjectName(QLatin1String(name));
        text->setFont(bold);
        layout->addWidget(icon);
        layout->addWidget(text);
    };
    indicator("infoexist", "infoexist", m_infoFileMark, m_infoIcon);
    indicator("ssexist", "ssexist", m_screenshotMark, m_screenshotIcon);
    bar->addWidget(line, 1);
}

template <typename Handler>
QAction* MainWindow::addMenuEntry(QMenu* menu, const QString& caption, const char* name,
                                  const QKeySequence& shortcut, Handler handler) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(QLatin1String(name));
    action->setShortcut(shortcut);
    connect(action, &QAction::triggered, this, handler);
    return action;
}

void MainWindow::createSettingsMenu() {
    m_settingsMenu = new QMenu(QStringLiteral("Settings"), this);
    m_settingsMenu->setObjectName(QStringLiteral("settingsmenu"));
    // A setting that takes its entry's check mark.
    const auto checkable = [this](const QString& caption, const char* name,
                                  bool EditorPreferences::*setting) {
        auto* action = new QAction(caption, this);
        action->setObjectName(QLatin1String(name));
        action->setCheckable(true);
        connect(action, &QAction::triggered, this, [this, action, setting] {
            m_context->click();
            m_state.prefs.*setting = action->isChecked();
        });
        return action;
    };
    m_showWelcome =
        checkable(QStringLiteral("Show Welcome Screen"), "showwelcome", &EditorPreferences::showWelcome);
    m_showTip = checkable(QStringLiteral("Show Add Item Tip"), "showtip", &EditorPreferences::showFt);
    m_showBack =
        checkable(QStringLiteral("Show Background images"), "showback", &EditorPreferences::showBack);
    // The pictures change at the next start.
    connect(m_showBack, &QAction::triggered, this, [this] { m_context->inform(u"M35"); });

    QMenu* s = m_settingsMenu;
    s->addSection(s->title()); // a popup shows no title of its own
    s->addSection(QStringLiteral("General"));
    s->addActions({m_showWelcome, m_showTip, m_showBack});
    m_grid->addSettingsEntries(s);
    // Last, so that the entries before it keep their texts' numbers.
    s->addSeparator();
    m_shipRuntime = checkable(QStringLiteral("Put the Menu's Runtime on the Disc"), "shipruntime",
                              &EditorPreferences::shipRuntime);
    s->addAction(m_shipRuntime);
    m_writeWebMenu = checkable(QStringLiteral("Write a Web Menu beside the Menu"), "webmenu",
                               &EditorPreferences::writeWebMenu);
    s->addAction(m_writeWebMenu);
}

void MainWindow::createMainMenu() {
    QMenuBar* bar = menuBar();
    const auto add = [](QMenu* menu, QAction* command, const QKeySequence& shortcut) {
        command->setShortcut(shortcut);
        menu->addAction(command);
    };
    // A command of the menus only; those that need a project join the tool bar's.
    const auto menuOnly = [this](QMenu* menu, const QString& caption, const char* name,
                                 const QKeySequence& shortcut, auto handler, bool needsProject) {
        QAction* action = addMenuEntry(menu, caption, name, shortcut, handler);
        if (needsProject)
            m_needProject.push_back(action);
        return action;
    };
    ProjectCommands* commands = m_projectCommands;
    ItemCommands* itemCommands = m_itemCommands;

    QMenu* project = bar->addMenu(QStringLiteral("Project Control"));
    add(project, m_newAction, Qt::Key_F11);
    menuOnly(
        project, QStringLiteral("Wizard"), "Wizard1", Qt::Key_F12, [commands] { commands->runWizard(); },
        false);
    add(project, m_openAction, Qt::Key_F3);
    project->addSeparator();
    add(project, m_saveAction, Qt::Key_F2);
    menuOnly(
        project, QStringLiteral("Save As"), "SaveAs1", Qt::ALT | Qt::Key_F3,
        [commands] { commands->saveAs(); }, true);
    project->addSeparator();
    add(project, m_editAction, Qt::CTRL | Qt::Key_E);
    add(project, m_checkAction, Qt::CTRL | Qt::Key_C);
    project->addSeparator();
    add(project, m_buildAction, Qt::Key_F10);
    menuOnly(
        project, QStringLiteral("Record"), "Record1", Qt::ALT | Qt::Key_F10,
        [commands] { commands->openBurner(); }, true);
    project->addSeparator();
    m_exportMenu = project->addMenu(QStringLiteral("Export"));
    const char16_t* formats[] = {u"ASCII", u"CSV", u"MS Word", u"MS Excel", u"HTML"};
    const char* formatNames[] = {"ASCII1", "CVA1", "DOC1", "Excel1", "HTML1"};
    for (int i = 0; i < 5; ++i) {
        QAction* a = m_exportMenu->addAction(QString::fromUtf16(formats[i]));
        a->setObjectName(QLatin1String(formatNames[i]));
        connect(a, &QAction::triggered, this, [commands, i] { commands->exportGrid(i); });
        m_needProject.push_back(a);
    }

    QMenu* items = bar->addMenu(QStringLiteral("Item Control"));
    add(items, m_addFileAction, Qt::Key_F4);
    add(items, m_addFolderAction, Qt::CTRL | Qt::Key_F4);
    add(items, m_addJumpPointAction, Qt::Key_F5);
    add(items, m_addHyperlinkAction, Qt::Key_F6);

    QMenu* chosen = bar->addMenu(QStringLiteral("Chosen Item Control"));
    add(chosen, m_removeAction, Qt::Key_Delete);
    add(chosen, m_sortAction, Qt::CTRL | Qt::Key_S);
    add(chosen, m_findAction, Qt::CTRL | Qt::Key_F);
    menuOnly(
        chosen, QStringLiteral("Find next"), "Findnext1", Qt::CTRL | Qt::ALT | Qt::Key_F,
        [itemCommands] { itemCommands->findNext(); }, true);
    add(chosen, m_infoFileAction, Qt::Key_F7);
    add(chosen, m_screenshotAction, Qt::ALT | Qt::Key_F7);

    QMenu* environment = bar->addMenu(QStringLiteral("Environment Control"));
    add(environment, m_categoriesAction, Qt::Key_F8);
    add(environment, m_designAction, Qt::Key_F9);

    QMenu* zol = bar->addMenu(QStringLiteral("Zol Control"));
    QMenu* settingsSub = zol->addMenu(QStringLiteral("Settings"));
    // The same entries as the settings menu, so that their check marks always agree; a plain line
    // stands where the settings menu has its "Grid" divider.
    const QList<QAction*> settingEntries = m_settingsMenu->actions();
    for (qsizetype i = 0; i < settingEntries.size(); ++i) {
        if (!settingEntries[i]->isSeparator())
            settingsSub->addAction(settingEntries[i]);
        else if (i > 0)
            settingsSub->addSeparator();
    }
    zol->addSeparator();
    QMenu* languages = zol->addMenu(QStringLiteral("Language"));
    m_languageEntries[0] = languages->addAction(QStringLiteral("English"));
    m_languageEntries[1] = languages->addAction(QStringLiteral("German"));
    m_languageEntries[0]->setObjectName(QStringLiteral("english"));
    m_languageEntries[1]->setObjectName(QStringLiteral("german"));
    for (int i = 0; i < 2; ++i) {
        m_languageEntries[i]->setCheckable(true);
        connect(m_languageEntries[i], &QAction::triggered, this, [this, i] { chooseLanguage(i + 1); });
    }
    zol->addSeparator();
    m_discEntries = {
        addMenuEntry(zol, QStringLiteral("Write Disc Image"), "writeimage", {},
                     [commands] { commands->writeImage(); }),
        addMenuEntry(zol, QStringLiteral("Burn Disc"), "burndisc", {}, [commands] { commands->burnDisc(); }),
        zol->addSeparator()};
    addMenuEntry(zol, QStringLiteral("Info"), "Info1", Qt::CTRL | Qt::Key_I, [this] { showAbout(); });
    zol->addSeparator();
    addMenuEntry(zol, QStringLiteral("Check Tavik Home"), "TavikHome1", {}, [this] {
        m_context->click();
        m_services.shell.open(lumbrelHomePage());
    });
    addMenuEntry(zol, QStringLiteral("Visit Brevan Works Home"), "BrevanWorksHome1", {}, [this] {
        m_context->click();
        m_services.shell.open(makerHomePage());
    });
    zol->addSeparator();
    add(zol, m_helpAction, Qt::Key_F1);
    addMenuEntry(zol, QStringLiteral("First Project"), "FirstProject1", Qt::ALT | Qt::Key_F1,
                 [this] { showHelp(kFirstProjectHelpContext); });
    zol->addSeparator();
    zol->addAction(m_exitAction);
    passDialogTitles();
}

void MainWindow::passDialogTitles() {
    m_projectCommands->setDialogTitles(
        {m_openAction->toolTip(), m_saveAction->toolTip(), m_exportMenu->title()});
}
