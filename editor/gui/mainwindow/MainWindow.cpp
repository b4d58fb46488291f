#include "editor/gui/mainwindow/MainWindow.h"

#include "common/IniFile.h"
#include "editor/gui/categories/CategoryEditor.h"
#include "editor/gui/categories/IconChooserDialog.h"
#include "editor/gui/design/DesignEditor.h"
#include "editor/gui/find/FindDialog.h"
#include "editor/gui/items/BandColourDialog.h"
#include "editor/gui/items/CellEditors.h"
#include "editor/gui/items/ItemDialogContext.h"
#include "editor/gui/mainwindow/DialogBackground.h"
#include "editor/gui/mainwindow/ItemGrid.h"
#include "editor/gui/mainwindow/WaitWindow.h"
#include "editor/project/EditorState.h"
#include "editor/project/ItemOrdering.h"
#include "ui/services/MessageBoxService.h"
#include "ui/services/SoundService.h"

#include <QCloseEvent>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QMenu>
#include <QToolBar>

MainWindow::MainWindow(EditorState& state, ui::Services services, QWidget* parent)
    : QMainWindow(parent), m_state(state), m_services(services), m_session(state, m_items),
      m_projectFiles(m_session, state, m_items, services) {
    setObjectName(QStringLiteral("Tform1"));
    setWindowTitle(applicationTitle());
    m_iconChooser = new IconChooserDialog(state, services, this);
    registerTranslatable(m_iconChooser);
    m_categoryFileEditor = new CategoryEditor(state, services, m_iconChooser, this);
    registerTranslatable(m_categoryFileEditor);
    m_designEditor = new DesignEditor(state, services, this);
    registerTranslatable(m_designEditor);
    m_wait = new WaitWindow(this);
    m_colorChooser = new BandColourDialog(m_services.sound, this);
    registerTranslatable(m_colorChooser);
    m_session.onBusy = [this](bool busy) { busy ? m_wait->begin() : m_wait->end(); };
    m_session.loadDesign = [this] {
        m_designEditor->reportRefusedMedia(designfile::load(m_state, m_state.files.designFile.path()));
    };
    createItemDialogs();
    m_findDialog = new FindDialog(*m_itemContext, this);
    registerTranslatable(m_findDialog);
    createNewProjectWindows();
    m_categoryFileEditor->askNewCaption = [this](const QString& caption) {
        return m_textEditor->run(OneLineEditor::Mode::CategoryRename, caption) ? m_textEditor->text()
                                                                               : QString();
    };

    m_grid = new ItemGrid(&m_items, this);
    setCentralWidget(m_grid);
    connect(m_grid, &QAbstractItemView::clicked, this, &MainWindow::gridClicked);
    connect(m_grid, &ItemGrid::keyReleased, this, &MainWindow::showCurrentRowInStatusLine);
    // Every move of the current row counts, a right-click's too.
    connect(m_grid->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &MainWindow::showCurrentRowInStatusLine);
    connect(m_grid, &ItemGrid::itemRowMoved, this, &MainWindow::gridRowMoved);
    connect(m_grid->horizontalHeader(), &QHeaderView::sectionClicked, this, &MainWindow::gridTitleClicked);

    createToolBar();
    createStatusLine();
    createSettingsMenu();
    createMainMenu();
    createGridPopupMenu();
    setProjectOpen(false);
    m_grid->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_grid, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
        popupMenuOpening();
        m_popup->popup(m_grid->viewport()->mapToGlobal(pos));
    });
    connectCellEditing();

    const EditorSettings settings = EditorSettings::read(common::IniFile(settingsFile()));
    resize(960, 640);
    setWindowState(settings.maximized ? Qt::WindowMaximized : Qt::WindowNoState);
}

MainWindow::~MainWindow() = default; // out of line: the dialog context is only declared in the header

QString MainWindow::settingsFile() const {
    return m_state.programFolder + QStringLiteral("lumbrel.dat");
}

QString MainWindow::homePageAddress() {
    return QStringLiteral("https://tavik.example.org/lumbrel/");
}

QString MainWindow::makerHomePageAddress() {
    return QStringLiteral("https://brevanworks.example.org/");
}

bool MainWindow::projectOpen() const {
    return m_projectOpen;
}

QString MainWindow::message(const char16_t* key) const {
    return m_state.language.message(QStringView(key));
}

void MainWindow::click() const {
    m_services.sound.play(ProjectFiles::clickSound());
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
    const common::IniFile file(settingsFile());
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
        gridModeClicked(static_cast<GridMode>(*settings.gridMode));
    m_state.prefs.color1 = settings.color1;
    m_state.prefs.color2 = settings.color2;
    applyStoredVisibility(settings);
    applyStoredWidths(settings);
    if (m_state.prefs.showBack) {
        const QString picture = m_state.programFolder + QStringLiteral("Files") + QDir::separator() +
                                QStringLiteral("MenuBack.bmp");
        for (QWidget* w : std::initializer_list<QWidget*>{m_toolBar, m_itemToolBar, m_popup, m_settingsMenu})
            applyDialogBackground(w, picture);
        for (QDialog* dialog : findChildren<QDialog*>(Qt::FindDirectChildrenOnly))
            applyDialogBackground(dialog, picture);
    }
    m_state.modified = false;
    m_state.categoryResolved = false;
    m_state.designResolved = false;
    m_state.newProjectCancelled = false;
    recomputeRowColours();
    showCurrentRowInStatusLine();
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

void MainWindow::recomputeRowColours() {
    m_session.recomputeRowColours();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // However the window is closed, changes that could not be saved keep it open.
    if (!askToSave(u"M23", true)) {
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
    common::IniFile file(settingsFile());
    currentSettings().write(file);
    file.save();
}

EditorSettings MainWindow::currentSettings() const {
    EditorSettings s;
    const QHeaderView* header = m_grid->horizontalHeader();
    if (m_state.files.projectFile.exists())
        s.lastProject = m_state.files.projectFile.path();
    s.language = m_state.prefs.language;
    s.showWelcome = m_state.prefs.showWelcome;
    s.showFt = m_state.prefs.showFt;
    s.showBack = m_state.prefs.showBack;
    s.shipRuntime = m_state.prefs.shipRuntime;
    s.writeWebMenu = m_state.prefs.writeWebMenu;
    s.gridMode.reset();
    for (int m = 0; m < 3; ++m) {
        if (m_gridModeEntries[m]->isChecked())
            s.gridMode = m;
    }
    // A window minimised from maximised comes back maximised.
    s.maximized = windowState().testFlag(Qt::WindowMaximized);
    s.color1 = m_state.prefs.color1;
    s.color2 = m_state.prefs.color2;
    for (int f = 0; f < kItemFieldCount; ++f)
        s.hidden[f] = header->isSectionHidden(f);
    s.widths[0] = m_grid->verticalHeader()->width();
    for (int c = 0; c < kItemFieldCount; ++c) {
        s.fieldOfColumn[c] = header->logicalIndex(c);
        s.widths[c + 1] = header->sectionSize(s.fieldOfColumn[c]);
    }
    return s;
}
