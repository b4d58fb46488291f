// The tool bar, status line and menus of the main window.
#include "editor/gui/mainwindow/ItemGrid.h"
#include "editor/gui/mainwindow/MainWindow.h"
#include "editor/project/EditorState.h"
#include "ui/services/HelpService.h"

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

QAction* MainWindow::addToolBarCommand(QToolBar* bar, const QString& name, const QString& caption,
                                       const QString& menuCaption, const QString& pic,
                                       void (MainWindow::*handler)()) {
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
    m_newAction = addToolBarCommand(m_toolBar, QStringLiteral("new"), QStringLiteral("New"),
                                    QStringLiteral("New"), picture("new"), &MainWindow::newProjectClicked);
    m_openAction = addToolBarCommand(m_toolBar, QStringLiteral("zGradBtn1"), QStringLiteral("Open"),
                                     QStringLiteral("Open"), picture("open"), &MainWindow::openClicked);
    m_saveAction = addToolBarCommand(m_toolBar, QStringLiteral("save"), QStringLiteral("Save"),
                                     QStringLiteral("Save"), picture("save"), &MainWindow::saveClicked);
    m_editAction =
        addToolBarCommand(m_toolBar, QStringLiteral("editp"), QStringLiteral("Edit"), QStringLiteral("Edit"),
                          picture("editp"), &MainWindow::editProjectClicked);
    m_checkAction =
        addToolBarCommand(m_toolBar, QStringLiteral("check"), QStringLiteral("Check"),
                          QStringLiteral("Check"), picture("check"), &MainWindow::checkProjectClicked);
    m_buildAction =
        addToolBarCommand(m_toolBar, QStringLiteral("generate"), QStringLiteral("Build"),
                          QStringLiteral("Build"), picture("generate"), &MainWindow::buildDiscClicked);
    m_toolBar->addSeparator();
    // Environment controls
    m_categoriesAction = addToolBarCommand(m_toolBar, QStringLiteral("geditbtnmain"),
                                           QStringLiteral("Categories"), QStringLiteral("Category Editor"),
                                           picture("categories"), &MainWindow::editCategoriesClicked);
    m_designAction = addToolBarCommand(m_toolBar, QStringLiteral("mdbtnmain"), QStringLiteral("Menu Design"),
                                       QStringLiteral("Menu Design Editor"), picture("menudesign"),
                                       &MainWindow::editDesignClicked);
    m_toolBar->addSeparator();
    // Program controls; the menus hold the settings as a submenu of their own.
    m_settingsAction =
        addToolBarCommand(m_toolBar, QStringLiteral("settings"), QStringLiteral("Settings"),
                          QStringLiteral("Settings"), picture("settings"), &MainWindow::settingsClicked);
    m_helpAction = addToolBarCommand(m_toolBar, QStringLiteral("help"), QStringLiteral("Help"),
                                     QStringLiteral("Help"), picture("help"), &MainWindow::helpClicked);
    m_exitAction = addToolBarCommand(m_toolBar, QStringLiteral("exit"), QStringLiteral("Exit"),
                                     QStringLiteral("Exit"), picture("exit"), &MainWindow::exitClicked);
    // Item controls
    m_addFileAction =
        addToolBarCommand(m_itemToolBar, QStringLiteral("add"), QStringLiteral("Add File"),
                          QStringLiteral("Add File"), picture("add"), &MainWindow::addFileClicked);
    m_addFolderAction =
        addToolBarCommand(m_itemToolBar, QStringLiteral("adddir"), QStringLiteral("Add Folder"),
                          QStringLiteral("Add Folder"), picture("adddir"), &MainWindow::addFolderClicked);
    m_addJumpPointAction = addToolBarCommand(m_itemToolBar, QStringLiteral("addjump"),
                                             QStringLiteral("Add Jump"), QStringLiteral("Add Jump Point"),
                                             picture("addjump"), &MainWindow::addJumpPointClicked);
    m_addHyperlinkAction =
        addToolBarCommand(m_itemToolBar, QStringLiteral("addurl"), QStringLiteral("Add URL"),
                          QStringLiteral("Add Url"), picture("addurl"), &MainWindow::addHyperlinkClicked);
    m_itemToolBar->addSeparator();
    // Chosen item controls
    m_removeAction =
        addToolBarCommand(m_itemToolBar, QStringLiteral("deletef"), QStringLiteral("Remove"),
                          QStringLiteral("Remove"), picture("deletef"), &MainWindow::deleteItemClicked);
    m_sortAction = addToolBarCommand(m_itemToolBar, QStringLiteral("sort"), QStringLiteral("Full Sort"),
                                     QStringLiteral("Sort"), picture("sort"), &MainWindow::sortClicked);
    m_findAction = addToolBarCommand(m_itemToolBar, QStringLiteral("Find"), QStringLiteral("Find"),
                                     QStringLiteral("Find"), picture("find"), &MainWindow::findClicked);
    m_infoFileAction = addToolBarCommand(m_itemToolBar, QStringLiteral("info_file_btn"),
                                         QStringLiteral("Info File"), QStringLiteral("Create/Edit Info File"),
                                         picture("infofile"), &MainWindow::itemInformationClicked);
    m_screenshotAction = addToolBarCommand(
        m_itemToolBar, QStringLiteral("screenshot_btn"), QStringLiteral("Screenshot"),
        QStringLiteral("Create/Edit Screenshot"), picture("screenshot"), &MainWindow::screenshotClicked);

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

    m_projectCommands = {m_saveAction,         m_editAction,         m_checkAction,     m_buildAction,
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

QAction* MainWindow::addMenuEntry(QMenu* menu, const QString& caption, const QKeySequence& shortcut,
                                  void (MainWindow::*handler)()) {
    QAction* action = menu->addAction(caption);
    action->setShortcut(shortcut);
    connect(action, &QAction::triggered, this, handler);
    return action;
}

void MainWindow::createSettingsMenu() {
    m_settingsMenu = new QMenu(QStringLiteral("Settings"), this);
    m_settingsMenu->setObjectName(QStringLiteral("settingsmenu"));
    const auto checkable = [this](const QString& caption, void (MainWindow::*handler)()) {
        auto* action = new QAction(caption, this);
        action->setCheckable(true);
        connect(action, &QAction::triggered, this, handler);
        return action;
    };
    m_showWelcome = checkable(QStringLiteral("Show Welcome Screen"), &MainWindow::showWelcomeClicked);
    m_showTip = checkable(QStringLiteral("Show Add Item Tip"), &MainWindow::showAddItemTipClicked);
    m_showBack = checkable(QStringLiteral("Show Background images"), &MainWindow::showBackgroundClicked);
    const char16_t* modes[] = {u"None", u"Column Move", u"Quick Sort"};
    for (int m = 0; m < 3; ++m) {
        m_gridModeEntries[m] = new QAction(QString::fromUtf16(modes[m]), this);
        m_gridModeEntries[m]->setCheckable(true);
        connect(m_gridModeEntries[m], &QAction::triggered, this,
                [this, m] { gridModeClicked(static_cast<GridMode>(m)); });
    }
    for (int f = 0; f < kItemFieldCount; ++f) {
        m_columnEntries[f] = new QAction(englishFieldTitle(f), this);
        m_columnEntries[f]->setCheckable(true);
        m_columnEntries[f]->setChecked(true);
        connect(m_columnEntries[f], &QAction::triggered, this, [this, f] { showGridColumnClicked(f); });
    }

    QMenu* s = m_settingsMenu;
    s->addSection(s->title()); // a popup shows no title of its own
    s->addSection(QStringLiteral("General"));
    s->addActions({m_showWelcome, m_showTip, m_showBack});
    s->addSection(QStringLiteral("Grid"));
    QMenu* mode = s->addMenu(QStringLiteral("Grid Mode"));
    for (QAction* a : m_gridModeEntries)
        mode->addAction(a);
    addMenuEntry(s, QStringLiteral("Restore Grid Settings"), {}, &MainWindow::restoreGridSettingsClicked);
    addMenuEntry(s, QStringLiteral("Auto Grid Size"), {}, &MainWindow::autoGridSizeClicked);
    QMenu* columns = s->addMenu(QStringLiteral("Show Grid Column"));
    for (QAction* a : m_columnEntries)
        columns->addAction(a);
    addMenuEntry(s, QStringLiteral("Show All Columns"), {}, &MainWindow::showAllColumnsClicked);
    QMenu* colors = s->addMenu(QStringLiteral("Grid Colors"));
    m_bandColourEntries = {colors->addAction(QStringLiteral("Color 1")),
                           colors->addAction(QStringLiteral("Color 2"))};
    connect(m_bandColourEntries[0], &QAction::triggered, this, [this] { bandColourClicked(1); });
    connect(m_bandColourEntries[1], &QAction::triggered, this, [this] { bandColourClicked(2); });
    // Last, so that the entries before it keep their texts' numbers.
    s->addSeparator();
    m_shipRuntime =
        checkable(QStringLiteral("Put the Menu's Runtime on the Disc"), &MainWindow::shipRuntimeClicked);
    m_shipRuntime->setObjectName(QStringLiteral("shipruntime"));
    s->addAction(m_shipRuntime);
    m_writeWebMenu =
        checkable(QStringLiteral("Write a Web Menu beside the Menu"), &MainWindow::writeWebMenuClicked);
    m_writeWebMenu->setObjectName(QStringLiteral("webmenu"));
    s->addAction(m_writeWebMenu);
}

void MainWindow::createMainMenu() {
    QMenuBar* bar = menuBar();
    const auto add = [](QMenu* menu, QAction* command, const QKeySequence& shortcut) {
        command->setShortcut(shortcut);
        menu->addAction(command);
    };
    // A command of the menus only; those that need a project join the tool bar's.
    const auto menuOnly = [this](QMenu* menu, const QString& caption, const QKeySequence& shortcut,
                                 void (MainWindow::*handler)(), bool needsProject) {
        QAction* action = addMenuEntry(menu, caption, shortcut, handler);
        if (needsProject)
            m_projectCommands.push_back(action);
        return action;
    };

    QMenu* project = bar->addMenu(QStringLiteral("Project Control"));
    add(project, m_newAction, Qt::Key_F11);
    menuOnly(project, QStringLiteral("Wizard"), Qt::Key_F12, &MainWindow::wizardClicked, false);
    add(project, m_openAction, Qt::Key_F3);
    project->addSeparator();
    add(project, m_saveAction, Qt::Key_F2);
    menuOnly(project, QStringLiteral("Save As"), Qt::ALT | Qt::Key_F3, &MainWindow::saveAsClicked, true);
    project->addSeparator();
    add(project, m_editAction, Qt::CTRL | Qt::Key_E);
    add(project, m_checkAction, Qt::CTRL | Qt::Key_C);
    project->addSeparator();
    add(project, m_buildAction, Qt::Key_F10);
    menuOnly(project, QStringLiteral("Record"), Qt::ALT | Qt::Key_F10, &MainWindow::burnerClicked, true);
    project->addSeparator();
    m_exportMenu = project->addMenu(QStringLiteral("Export"));
    const char16_t* formats[] = {u"ASCII", u"CSV", u"MS Word", u"MS Excel", u"HTML"};
    for (int i = 0; i < 5; ++i) {
        QAction* a = m_exportMenu->addAction(QString::fromUtf16(formats[i]));
        connect(a, &QAction::triggered, this, [this, i] { exportClicked(i); });
        m_projectCommands.push_back(a);
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
    menuOnly(chosen, QStringLiteral("Find next"), Qt::CTRL | Qt::ALT | Qt::Key_F,
             &MainWindow::findNextClicked, true);
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
        connect(m_languageEntries[i], &QAction::triggered, this, [this, i] { languageClicked(i + 1); });
    }
    zol->addSeparator();
    m_discEntries = {
        addMenuEntry(zol, QStringLiteral("Write Disc Image"), {}, &MainWindow::writeImageClicked),
        addMenuEntry(zol, QStringLiteral("Burn Disc"), {}, &MainWindow::burnDiscClicked),
        zol->addSeparator()};
    m_discEntries[0]->setObjectName(QStringLiteral("writeimage"));
    m_discEntries[1]->setObjectName(QStringLiteral("burndisc"));
    addMenuEntry(zol, QStringLiteral("Info"), Qt::CTRL | Qt::Key_I, &MainWindow::aboutClicked);
    zol->addSeparator();
    addMenuEntry(zol, QStringLiteral("Check Tavik Home"), {}, &MainWindow::homePageClicked);
    addMenuEntry(zol, QStringLiteral("Visit Brevan Works Home"), {}, &MainWindow::makerHomePageClicked);
    zol->addSeparator();
    add(zol, m_helpAction, Qt::Key_F1);
    addMenuEntry(zol, QStringLiteral("First Project"), Qt::ALT | Qt::Key_F1,
                 &MainWindow::firstProjectClicked);
    zol->addSeparator();
    zol->addAction(m_exitAction);
}

void MainWindow::createGridPopupMenu() {
    m_popup = new QMenu(QStringLiteral("Chosen Item Control"), this);
    m_popup->setObjectName(QStringLiteral("gridpopup"));
    m_popup->addSection(QStringLiteral("Chosen Item Control"));
    m_popupRemove = addMenuEntry(m_popup, QStringLiteral("Remove"), {}, &MainWindow::deleteItemClicked);
    m_popupInfo = addMenuEntry(m_popup, QStringLiteral("Create/Edit Info File"), {},
                               &MainWindow::itemInformationClicked);
    m_popupScreenshot =
        addMenuEntry(m_popup, QStringLiteral("Create/Edit Screenshot"), {}, &MainWindow::screenshotClicked);
    m_popup->addSeparator();
    m_popupEdit = m_popup->addMenu(QStringLiteral("Edit"));
    for (int f = 0; f < kItemFieldCount; ++f)
        m_editEntries[f] = m_popupEdit->addAction(englishFieldTitle(f));
    m_popup->addSeparator();
    connect(m_popup->addAction(QStringLiteral("Help")), &QAction::triggered, this, [this] {
        click();
        m_services.help.showHelp(m_state.helpFile, 1600);
    });
}

void MainWindow::popupMenuOpening() {
    const int row = m_grid->currentItem();
    const QString name = m_items.field(row, ItemField::Name);
    const bool empty = name.isEmpty() && m_items.field(row, ItemField::FileName).isEmpty();
    const std::pair<QAction*, const char16_t*> entries[] = {{m_popupRemove, u"T27"},
                                                            {m_popupInfo, u"T28"},
                                                            {m_popupScreenshot, u"T29"},
                                                            {m_popupEdit->menuAction(), u"T30"}};
    for (const auto& [action, key] : entries) {
        const QString text = m_state.language.text(QStringView(key));
        action->setText(empty ? text : text + QStringLiteral(": ") + name);
        action->setEnabled(!empty);
    }
}
