#include "editor/gui/mainwindow/MainWindow.h"

#include "common/IniFile.h"
#include "editor/gui/categories/CategoryEditor.h"
#include "editor/gui/categories/IconChooserDialog.h"
#include "editor/gui/design/DesignEditor.h"
#include "editor/gui/mainwindow/DialogBackground.h"
#include "editor/gui/mainwindow/GridController.h"
#include "editor/gui/mainwindow/ItemCommands.h"
#include "editor/gui/mainwindow/ItemGrid.h"
#include "editor/gui/mainwindow/ProjectCommands.h"
#include "editor/gui/mainwindow/WaitWindow.h"
#include "editor/project/EditorState.h"
#include "editor/project/ItemCompanion.h"

#include <QAction>
#include <QCloseEvent>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QToolBar>

MainWindow::MainWindow(EditorState& state, ui::Services services, QWidget* parent)
    : QMainWindow(parent), m_state(state), m_services(services), m_session(state, m_items) {
    setObjectName(QStringLiteral("Tform1"));
    setWindowTitle(applicationTitle());
    m_iconChooser = new IconChooserDialog(state, services, this);
    registerTranslatable(m_iconChooser);
    m_categoryFileEditor = new CategoryEditor(state, services, m_iconChooser, this);
    registerTranslatable(m_categoryFileEditor);
    m_designEditor = new DesignEditor(state, services, this);
    registerTranslatable(m_designEditor);
    m_wait = new WaitWindow(this);
    m_context.reset(new CommandContext{m_state, m_items, m_session, m_services, *m_wait, *this});
    m_grid = new GridController(*m_context, this);
    m_session.onBusy = [this](bool busy) { busy ? m_wait->begin() : m_wait->end(); };
    m_session.loadDesign = [this] {
        m_designEditor->reportRefusedMedia(designfile::load(m_state, m_state.files.designFile.path()));
    };
    m_itemCommands = new ItemCommands(*m_context, *m_grid, this);
    m_projectCommands =
        new ProjectCommands(*m_context, *m_itemCommands, *m_grid, m_categoryFileEditor, m_designEditor, this);
    m_categoryFileEditor->askNewCaption = [this](const QString& caption) {
        return m_itemCommands->askName(false, caption);
    };
    connect(m_projectCommands, &ProjectCommands::languageChosen, this,
            [this](int language) { applyLanguage(language); });

    setCentralWidget(m_grid->grid());
    createToolBar();
    createStatusLine();
    createSettingsMenu();
    createMainMenu();
    setProjectOpen(false);
    connectGrid();

    const EditorSettings settings = EditorSettings::read(common::IniFile(m_context->settingsFile()));
    resize(960, 640);
    setWindowState(settings.maximized ? Qt::WindowMaximized : Qt::WindowNoState);
}

MainWindow::~MainWindow() = default; // out of line: the command context is only declared in the header

ItemGrid* MainWindow::grid() const {
    return m_grid->grid();
}

void MainWindow::connectGrid() {
    ItemGrid* grid = m_grid->grid();
    connect(grid, &QAbstractItemView::doubleClicked, m_itemCommands, &ItemCommands::editCurrentCell);
    connect(grid, &ItemGrid::spaceReleased, m_itemCommands, &ItemCommands::editCurrentCell);
    connect(m_grid, &GridController::editFieldChosen, m_itemCommands, &ItemCommands::editField);
    connect(m_grid, &GridController::removeChosen, m_itemCommands, &ItemCommands::deleteItem);
    connect(m_grid, &GridController::informationChosen, m_itemCommands, &ItemCommands::editInformationFile);
    connect(m_grid, &GridController::screenshotChosen, m_itemCommands, &ItemCommands::editScreenshot);
    connect(m_itemCommands, &ItemCommands::showTipChanged, m_showTip, &QAction::setChecked);
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!m_started)
        startUp();
}

void MainWindow::startUp() {
    if (m_started)
        return;
    m_started = true;
    const common::IniFile file(m_context->settingsFile());
    const EditorSettings settings = EditorSettings::read(file);
    m_state.prefs.language = settings.language;
    applyLanguage(settings.language);
    m_items.setRecords({});
    m_state.prefs.showWelcome = settings.showWelcome;
    m_state.prefs.showFt = settings.showFt;
    m_state.prefs.showBack = settings.showBack;
    m_state.prefs.shipRuntime = settings.shipRuntime;
    m_state.prefs.writeWebMenu = settings.writeWebMenu;
    m_showWelcome->setChecked(settings.showWelcome);
    m_showTip->setChecked(settings.showFt);
    m_showBack->setChecked(settings.showBack);
    m_shipRuntime->setChecked(settings.shipRuntime);
    m_writeWebMenu->setChecked(settings.writeWebMenu);
    if (settings.gridMode && *settings.gridMode >= 0 && *settings.gridMode <= 2)
        m_grid->chooseMode(static_cast<GridController::Mode>(*settings.gridMode));
    m_state.prefs.color1 = settings.color1;
    m_state.prefs.color2 = settings.color2;
    m_grid->applyStoredLayout(settings);
    if (m_state.prefs.showBack) {
        const QString picture = m_state.programFolder + QStringLiteral("Files") + QDir::separator() +
                                QStringLiteral("MenuBack.bmp");
        for (QWidget* w :
             std::initializer_list<QWidget*>{m_toolBar, m_itemToolBar, m_grid->popupMenu(), m_settingsMenu})
            applyDialogBackground(w, picture);
        for (QDialog* dialog : findChildren<QDialog*>(Qt::FindDirectChildrenOnly))
            applyDialogBackground(dialog, picture);
    }
    m_state.modified = false;
    m_state.categoryResolved = false;
    m_state.designResolved = false;
    m_state.newProjectCancelled = false;
    m_grid->recomputeRowColours();
    showCurrentRowInStatusLine();
}

void MainWindow::welcomeAtStart() {
    if (!m_state.prefs.showWelcome)
        return;
    m_projectCommands->welcome();
    m_showWelcome->setChecked(m_state.prefs.showWelcome);
}

void MainWindow::setProjectOpen(bool open) {
    m_projectOpen = open;
    for (QAction* command : m_needProject)
        command->setEnabled(open);
}

void MainWindow::updateWindowTitle() {
    if (!projectOpen()) {
        setWindowTitle(m_state.language.text(u"T13").isEmpty() ? applicationTitle()
                                                               : m_state.language.text(u"T13"));
        return;
    }
    const QString name = m_state.cdName.isEmpty() ? m_state.language.text(u"T26") : m_state.cdName;
    setWindowTitle(m_state.language.text(u"T22") + u' ' + name);
}

void MainWindow::showCurrentRowInStatusLine() {
    // Without a project the one empty row is no item: the status line stays empty. The wizard's
    // items count, though the project does not exist yet.
    const bool open = projectOpen() || (m_itemCommands && m_itemCommands->addingBeforeProject());
    for (QWidget* w : std::initializer_list<QWidget*>{m_chosenItemLabel, m_chosenItemName, m_infoIcon,
                                                      m_infoFileMark, m_screenshotIcon, m_screenshotMark})
        w->setVisible(open);
    if (!open)
        return;
    const int row = m_grid->grid()->currentItem();
    const QString name = m_items.field(row, ItemField::Name);
    m_chosenItemName->setText(name + QStringLiteral("  (") + m_items.field(row, ItemField::FileName) + u')');
    const QString source = m_items.field(row, ItemField::SourceLocation);
    // Both places are tested, whatever kind of item the row is.
    const auto companionExists = [&](QStringView kind) {
        const QString beside = companion::besideSource(source, kind);
        const QString inDataFolder = companion::inItemDataFolder(m_state.projectFolder, name, kind);
        return (!beside.isEmpty() && QFileInfo(beside).isFile()) ||
               (!inDataFolder.isEmpty() && QFileInfo(inDataFolder).isFile());
    };
    const auto showIndicator = [&](QLabel* label, bool exists) {
        label->setText((exists ? m_state.language.text(u"SYES") : m_state.language.text(u"SNO")) + u' ');
        label->setStyleSheet(exists ? QStringLiteral("color: green;") : QStringLiteral("color: navy;"));
    };
    showIndicator(m_screenshotMark, companionExists(companion::kPicture));
    showIndicator(m_infoFileMark, companionExists(companion::kText));
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // However the window is closed, changes that could not be saved keep it open.
    if (!m_projectCommands->askToSave(u"M23", true)) {
        event->ignore();
        return;
    }
    m_session.deleteWorkingCopy();
    QFile::remove(m_state.programFolder + QStringLiteral("Files") + QDir::separator() +
                  QStringLiteral("burn zol.cpj"));
    writeSettings();
    event->accept();
}

void MainWindow::writeSettings() {
    EditorSettings s;
    if (m_state.files.projectFile.exists())
        s.lastProject = m_state.files.projectFile.path();
    s.language = m_state.prefs.language;
    s.showWelcome = m_state.prefs.showWelcome;
    s.showFt = m_state.prefs.showFt;
    s.showBack = m_state.prefs.showBack;
    s.shipRuntime = m_state.prefs.shipRuntime;
    s.writeWebMenu = m_state.prefs.writeWebMenu;
    // A window minimised from maximised comes back maximised.
    s.maximized = windowState().testFlag(Qt::WindowMaximized);
    s.color1 = m_state.prefs.color1;
    s.color2 = m_state.prefs.color2;
    m_grid->storeLayout(s);
    common::IniFile file(m_context->settingsFile());
    s.write(file);
    file.save();
}
