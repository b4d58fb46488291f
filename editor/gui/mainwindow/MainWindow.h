#pragma once

#include "editor/gui/mainwindow/CommandContext.h"
#include "editor/project/ItemTable.h"
#include "editor/project/ProjectSession.h"
#include "editor/project/SettingsFile.h"
#include "ui/QtTexts.h"
#include "ui/services/Services.h"

#include <QMainWindow>

#include <array>
#include <memory>
#include <vector>

class CategoryEditor;
class DesignEditor;
class GridController;
class IconChooserDialog;
class ItemCommands;
class ItemGrid;
class ProjectCommands;
class QAction;
class QLabel;
class QMenu;
class QToolBar;
class TranslatableWindow;
class WaitWindow;
namespace common {
class IniFile;
}
struct EditorState;

// The editor's main window: the frame around the item grid with the menus, the tool bars and the
// status line, the language and the settings. The commands themselves are the project's, the
// items' and the grid's.
class MainWindow : public QMainWindow, private CommandHost {
    Q_OBJECT
public:
    MainWindow(EditorState& state, ui::Services services, QWidget* parent = nullptr);
    ~MainWindow() override;

    static QString applicationTitle() { return QStringLiteral("Tavik - Lumbrel 4.0"); }

    // What the window shows, for a look from outside.
    ItemTable& items() { return m_items; }
    ItemGrid* grid() const;
    ProjectSession& session() { return m_session; }
    WaitWindow* waitWindow() const { return m_wait; }
    bool projectOpen() const override { return m_projectOpen; }

    // Start-up once the window is first shown: language, settings, the empty grid.
    void startUp();
    // The last step of start-up, once the window is up: the welcome screen, when wanted.
    void welcomeAtStart();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // CommandHost
    QWidget* dialogParent() override { return this; }
    void setProjectOpen(bool open) override;
    void updateWindowTitle() override;
    void showCurrentRowInStatusLine() override;
    void registerTranslatable(TranslatableWindow* window) override { m_translatable.push_back(window); }

    // Applies language 1 or 2 to every window; `switchedFrom` is the language that the Language
    // menu switched away from (0 at start-up and from the welcome screen).
    void applyLanguage(int language, int switchedFrom = 0);
    void applyMainTexts(const common::IniFile& file);
    void createToolBar();
    void createStatusLine();
    void createMainMenu();
    void createSettingsMenu();
    void connectGrid();
    QToolBar* addControlBar(const QString& name);
    template <typename Handler>
    QAction* addToolBarCommand(QToolBar* bar, const QString& name, const QString& caption,
                               const QString& menuCaption, const QString& picture, Handler handler);
    template <typename Handler>
    QAction* addMenuEntry(QMenu* menu, const QString& caption, const char* name, const QKeySequence& shortcut,
                          Handler handler);
    void writeSettings();
    // The open, save and export dialogs take their commands' captions as titles.
    void passDialogTitles();

    // The frame's own commands.
    void showSettingsMenu();
    void showHelp(int context);
    void showAbout();
    void chooseLanguage(int language);

    EditorState& m_state;
    ui::Services m_services;
    ItemTable m_items;
    ProjectSession m_session;
    WaitWindow* m_wait = nullptr;
    std::unique_ptr<CommandContext> m_context;
    GridController* m_grid = nullptr;
    ItemCommands* m_itemCommands = nullptr;
    ProjectCommands* m_projectCommands = nullptr;
    bool m_started = false;
    bool m_projectOpen = false;

    // The commands. Those of the tool bar show there as the buttons of their control names and in the
    // menus; the tool bar shows an action's icon text, a menu its text.
    QAction* m_newAction = nullptr;
    QAction* m_openAction = nullptr;
    QAction* m_saveAction = nullptr;
    QAction* m_editAction = nullptr;
    QAction* m_checkAction = nullptr;
    QAction* m_buildAction = nullptr;
    QAction* m_categoriesAction = nullptr;
    QAction* m_designAction = nullptr;
    QAction* m_settingsAction = nullptr;
    QAction* m_helpAction = nullptr;
    QAction* m_exitAction = nullptr;
    QAction* m_addFileAction = nullptr;
    QAction* m_addFolderAction = nullptr;
    QAction* m_addJumpPointAction = nullptr;
    QAction* m_addHyperlinkAction = nullptr;
    QAction* m_removeAction = nullptr;
    QAction* m_sortAction = nullptr;
    QAction* m_findAction = nullptr;
    QAction* m_infoFileAction = nullptr;
    QAction* m_screenshotAction = nullptr;
    // The commands that need an open project; setProjectOpen() enables them all at once.
    std::vector<QAction*> m_needProject;
    QToolBar* m_toolBar = nullptr;     // project, environment and program controls
    QToolBar* m_itemToolBar = nullptr; // item controls, in a second row

    QLabel* m_chosenItemLabel = nullptr;
    QLabel* m_chosenItemName = nullptr;
    QLabel* m_infoFileMark = nullptr;
    QLabel* m_screenshotMark = nullptr;
    QLabel* m_infoIcon = nullptr;
    QLabel* m_screenshotIcon = nullptr;
    ui::QtTexts m_qtTexts;
    IconChooserDialog* m_iconChooser = nullptr;
    CategoryEditor* m_categoryFileEditor = nullptr;
    DesignEditor* m_designEditor = nullptr;
    std::vector<TranslatableWindow*> m_translatable;

    QMenu* m_settingsMenu = nullptr;
    QMenu* m_exportMenu = nullptr;
    QAction* m_showWelcome = nullptr;
    QAction* m_showTip = nullptr;
    QAction* m_showBack = nullptr;
    QAction* m_shipRuntime = nullptr;
    QAction* m_writeWebMenu = nullptr;
    std::array<QAction*, 2> m_languageEntries{};
    // Write Disc Image, Burn Disc and their divider in the Zol Control menu.
    std::array<QAction*, 3> m_discEntries{};
};
