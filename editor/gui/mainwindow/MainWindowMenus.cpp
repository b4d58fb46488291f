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
#include <QToolButton>

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

QToolButton* MainWindow::addToolButton(QToolBar* bar, const QString& name, const QString& caption,
                                       const QString& pic, void (MainWindow::*handler)()) {
    auto* button = new QToolButton(bar);
    button->setObjectName(name);
    button->setText(caption);
    button->setIcon(QIcon(pic));
    button->setIconSize(bar->iconSize());
    button->setToolButtonStyle(bar->toolButtonStyle());
    button->setAutoRaise(true);
    connect(button, &QToolButton::clicked, this, handler);
    bar->addWidget(button);
    return button;
}

void MainWindow::createToolBar() {
    // Two rows, so that every command shows as a button on a 1024 px screen in either language:
    // the project's, environment's and program's controls above, the item controls below.
    m_toolBar = addControlBar(QStringLiteral("toolbararea"));
    addToolBarBreak();
    m_itemToolBar = addControlBar(QStringLiteral("itemtoolbar"));

    // Project controls
    m_newButton = addToolButton(m_toolBar, QStringLiteral("new"), QStringLiteral("New"), picture("new"),
                                &MainWindow::newProjectClicked);
    m_openButton = addToolButton(m_toolBar, QStringLiteral("zGradBtn1"), QStringLiteral("Open"),
                                 picture("open"), &MainWindow::openClicked);
    m_saveButton = addToolButton(m_toolBar, QStringLiteral("save"), QStringLiteral("Save"), picture("save"),
                                 &MainWindow::saveClicked);
    m_editButton = addToolButton(m_toolBar, QStringLiteral("editp"), QStringLiteral("Edit"), picture("editp"),
                                 &MainWindow::editProjectClicked);
    m_checkButton = addToolButton(m_toolBar, QStringLiteral("check"), QStringLiteral("Check"),
                                  picture("check"), &MainWindow::checkProjectClicked);
    m_buildButton = addToolButton(m_toolBar, QStringLiteral("generate"), QStringLiteral("Build"),
                                  picture("generate"), &MainWindow::buildDiscClicked);
    m_toolBar->addSeparator();
    // Environment controls
    m_categoriesButton =
        addToolButton(m_toolBar, QStringLiteral("geditbtnmain"), QStringLiteral("Categories"),
                      picture("categories"), &MainWindow::editCategoriesClicked);
    m_designButton = addToolButton(m_toolBar, QStringLiteral("mdbtnmain"), QStringLiteral("Menu Design"),
                                   picture("menudesign"), &MainWindow::editDesignClicked);
    m_toolBar->addSeparator();
    // Program controls
    m_settingsButton = addToolButton(m_toolBar, QStringLiteral("settings"), QStringLiteral("Settings"),
                                     picture("settings"), &MainWindow::settingsClicked);
    m_helpButton = addToolButton(m_toolBar, QStringLiteral("help"), QStringLiteral("Help"), picture("help"),
                                 &MainWindow::helpClicked);
    m_exitButton = addToolButton(m_toolBar, QStringLiteral("exit"), QStringLiteral("Exit"), picture("exit"),
                                 &MainWindow::exitClicked);
    // Item controls
    m_addFileButton = addToolButton(m_itemToolBar, QStringLiteral("add"), QStringLiteral("Add File"),
                                    picture("add"), &MainWindow::addFileClicked);
    m_addFolderButton = addToolButton(m_itemToolBar, QStringLiteral("adddir"), QStringLiteral("Add Folder"),
                                      picture("adddir"), &MainWindow::addFolderClicked);
    m_addJumpPointButton = addToolButton(m_itemToolBar, QStringLiteral("addjump"), QStringLiteral("Add Jump"),
                                         picture("addjump"), &MainWindow::addJumpPointClicked);
    m_addHyperlinkButton = addToolButton(m_itemToolBar, QStringLiteral("addurl"), QStringLiteral("Add URL"),
                                         picture("addurl"), &MainWindow::addHyperlinkClicked);
    m_itemToolBar->addSeparator();
    // Chosen item controls
    m_removeButton = addToolButton(m_itemToolBar, QStringLiteral("deletef"), QStringLiteral("Remove"),
                                   picture("deletef"), &MainWindow::deleteItemClicked);
    m_sortButton = addToolButton(m_itemToolBar, QStringLiteral("sort"), QStringLiteral("Full Sort"),
                                 picture("sort"), &MainWindow::sortClicked);
    m_findButton = addToolButton(m_itemToolBar, QStringLiteral("Find"), QStringLiteral("Find"),
                                 picture("find"), &MainWindow::findClicked);
    m_infoFileButton =
        addToolButton(m_itemToolBar, QStringLiteral("info_file_btn"), QStringLiteral("Info File"),
                      picture("infofile"), &MainWindow::itemInformationClicked);
    m_screenshotButton =
        addToolButton(m_itemToolBar, QStringLiteral("screenshot_btn"), QStringLiteral("Screenshot"),
                      picture("screenshot"), &MainWindow::screenshotClicked);

    const std::pair<QToolButton*, const char*> hints[] = {
        {m_newButton, "Create a new project"},
        {m_openButton, "Open a project"},
        {m_saveButton, "Save the project"},
        {m_editButton, "Edit the project's name and folder"},
        {m_checkButton, "Check the project's files"},
        {m_buildButton, "Build the disc folder"},
        {m_categoriesButton, "Edit the categories"},
        {m_designButton, "Edit the menu design"},
        {m_settingsButton, "Settings"},
        {m_helpButton, "Help"},
        {m_exitButton, "Exit Lumbrel"},
        {m_addFileButton, "Add a file"},
        {m_addFolderButton, "Add the files of a folder"},
        {m_addJumpPointButton, "Add a jump point to a folder of the disc"},
        {m_addHyperlinkButton, "Add a hyperlink"},
        {m_removeButton, "Remove the chosen item"},
        {m_sortButton, "Sort the items by category and name"},
        {m_findButton, "Find an item"},
        {m_infoFileButton, "Create or edit the chosen item's information file"},
        {m_screenshotButton, "Create or edit the chosen item's screenshot"},
    };
    for (const auto& [button, hint] : hints)
        button->setToolTip(QString::fromLatin1(hint));

    for (QToolButton* b :
         {m_saveButton, m_editButton, m_checkButton, m_buildButton, m_categoriesButton, m_designButton,
          m_addFileButton, m_addFolderButton, m_addJumpPointButton, m_addHyperlinkButton, m_removeButton,
          m_sortButton, m_findButton, m_infoFileButton, m_screenshotButton})
        b->setEnabled(false);
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
    const auto mirrored = [this](QAction* action, QToolButton* button) {
        m_mirrored.emplace_back(action, button);
        return action;
    };

    QMenu* project = bar->addMenu(QStringLiteral("Project Control"));
    mirrored(addMenuEntry(project, QStringLiteral("New"), Qt::Key_F11, &MainWindow::newProjectClicked),
             m_newButton);
    mirrored(addMenuEntry(project, QStringLiteral("Wizard"), Qt::Key_F12, &MainWindow::wizardClicked),
             m_newButton);
    mirrored(addMenuEntry(project, QStringLiteral("Open"), Qt::Key_F3, &MainWindow::openClicked),
             m_openButton);
    project->addSeparator();
    mirrored(addMenuEntry(project, QStringLiteral("Save"), Qt::Key_F2, &MainWindow::saveClicked),
             m_saveButton);
    mirrored(
        addMenuEntry(project, QStringLiteral("Save As"), Qt::ALT | Qt::Key_F3, &MainWindow::saveAsClicked),
        m_saveButton);
    project->addSeparator();
    mirrored(
        addMenuEntry(project, QStringLiteral("Edit"), Qt::CTRL | Qt::Key_E, &MainWindow::editProjectClicked),
        m_editButton);
    mirrored(addMenuEntry(project, QStringLiteral("Check"), Qt::CTRL | Qt::Key_C,
                          &MainWindow::checkProjectClicked),
             m_checkButton);
    project->addSeparator();
    mirrored(addMenuEntry(project, QStringLiteral("Build"), Qt::Key_F10, &MainWindow::buildDiscClicked),
             m_buildButton);
    mirrored(
        addMenuEntry(project, QStringLiteral("Record"), Qt::ALT | Qt::Key_F10, &MainWindow::burnerClicked),
        m_buildButton);
    project->addSeparator();
    m_exportMenu = project->addMenu(QStringLiteral("Export"));
    const char16_t* formats[] = {u"ASCII", u"CSV", u"MS Word", u"MS Excel", u"HTML"};
    for (int i = 0; i < 5; ++i) {
        QAction* a = m_exportMenu->addAction(QString::fromUtf16(formats[i]));
        connect(a, &QAction::triggered, this, [this, i] { exportClicked(i); });
        mirrored(a, m_buildButton);
    }

    QMenu* items = bar->addMenu(QStringLiteral("Item Control"));
    mirrored(addMenuEntry(items, QStringLiteral("Add File"), Qt::Key_F4, &MainWindow::addFileClicked),
             m_addFileButton);
    mirrored(addMenuEntry(items, QStringLiteral("Add Folder"), Qt::CTRL | Qt::Key_F4,
                          &MainWindow::addFolderClicked),
             m_addFolderButton);
    mirrored(
        addMenuEntry(items, QStringLiteral("Add Jump Point"), Qt::Key_F5, &MainWindow::addJumpPointClicked),
        m_addJumpPointButton);
    mirrored(addMenuEntry(items, QStringLiteral("Add Url"), Qt::Key_F6, &MainWindow::addHyperlinkClicked),
             m_addHyperlinkButton);

    QMenu* chosen = bar->addMenu(QStringLiteral("Chosen Item Control"));
    mirrored(addMenuEntry(chosen, QStringLiteral("Remove"), Qt::Key_Delete, &MainWindow::deleteItemClicked),
             m_removeButton);
    mirrored(addMenuEntry(chosen, QStringLiteral("Sort"), Qt::CTRL | Qt::Key_S, &MainWindow::sortClicked),
             m_sortButton);
    mirrored(addMenuEntry(chosen, QStringLiteral("Find"), Qt::CTRL | Qt::Key_F, &MainWindow::findClicked),
             m_sortButton);
    mirrored(addMenuEntry(chosen, QStringLiteral("Find next"), Qt::CTRL | Qt::ALT | Qt::Key_F,
                          &MainWindow::findNextClicked),
             m_sortButton);
    mirrored(addMenuEntry(chosen, QStringLiteral("Create/Edit Info File"), Qt::Key_F7,
                          &MainWindow::itemInformationClicked),
             m_sortButton);
    mirrored(addMenuEntry(chosen, QStringLiteral("Create/Edit Screenshot"), Qt::ALT | Qt::Key_F7,
                          &MainWindow::screenshotClicked),
             m_sortButton);

    QMenu* environment = bar->addMenu(QStringLiteral("Environment Control"));
    mirrored(addMenuEntry(environment, QStringLiteral("Category Editor"), Qt::Key_F8,
                          &MainWindow::editCategoriesClicked),
             m_categoriesButton);
    mirrored(addMenuEntry(environment, QStringLiteral("Menu Design Editor"), Qt::Key_F9,
                          &MainWindow::editDesignClicked),
             m_designButton);

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
    addMenuEntry(zol, QStringLiteral("Help"), Qt::Key_F1, &MainWindow::helpClicked);
    addMenuEntry(zol, QStringLiteral("First Project"), Qt::ALT | Qt::Key_F1,
                 &MainWindow::firstProjectClicked);
    zol->addSeparator();
    addMenuEntry(zol, QStringLiteral("Exit"), {}, &MainWindow::exitClicked);
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

void MainWindow::mirrorButtonsIntoMenus() {
    for (const auto& [action, button] : m_mirrored)
        action->setEnabled(button->isEnabled());
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
