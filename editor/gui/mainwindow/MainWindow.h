#pragma once

#include "editor/gui/mainwindow/ProjectFileCommands.h"
#include "editor/project/GridFind.h"
#include "editor/project/ItemField.h"
#include "editor/project/ItemTable.h"
#include "editor/project/ProjectSession.h"
#include "editor/project/SettingsFile.h"
#include "ui/QtTexts.h"
#include "ui/services/Services.h"

#include <QMainWindow>

#include <array>
#include <memory>
#include <optional>
#include <vector>

class ItemGrid;
class QAction;
class QActionGroup;
class QLabel;
class QMenu;
class QToolBar;
class BandColourDialog;
class CategoryEditor;
class DesignEditor;
class IconChooserDialog;
class WaitWindow;
class TranslatableWindow;
class AddFileDialog;
class AddFolderDialog;
class AddHyperlinkDialog;
class AddJumpPointDialog;
class OneLineEditor;
class YesNoDialog;
class CategoryChooserDialog;
class BurnerDialog;
class CheckChoiceDialog;
class CheckSummaryDialog;
class ItemInfoEditor;
class FindDialog;
struct ExportTable;
class ProjectDialog;
class ProjectWizard;
class WelcomeDialog;
enum class ItemInfoMode;
struct ItemDialogContext;
namespace common {
class IniFile;
}
struct EditorState;

// The editor's main window: the item grid of the open project and every command of the editor.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    enum class GridMode { None = 0, ColumnMove = 1, QuickSort = 2 };

    MainWindow(EditorState& state, ui::Services services, QWidget* parent = nullptr);
    ~MainWindow() override;

    static QString applicationTitle() { return QStringLiteral("Tavik - Lumbrel 4.0"); }

    ItemTable& items() { return m_items; }
    ItemGrid* grid() const { return m_grid; }
    ProjectSession& session() { return m_session; }
    WaitWindow* waitWindow() const { return m_wait; }
    bool projectOpen() const;
    GridMode gridMode() const { return m_gridMode; }
    QString settingsFile() const;

    // Start-up once the window is first shown: language, settings, the empty grid.
    void startUp();
    // The last step of start-up, once the window is up: the welcome screen, when wanted.
    void welcomeAtStart();
    // Applies language 1 or 2 to every window; `switchedFrom` is the language that the Language
    // menu switched away from (0 at start-up and from the welcome screen).
    void applyLanguage(int language, int switchedFrom = 0);
    // Windows created later join the language application in the order they register.
    void registerTranslatable(TranslatableWindow* window) { m_translatable.push_back(window); }

    // Commands. Each plays the click sound first.
    void newProjectClicked();
    void wizardClicked();
    void openClicked();
    void saveClicked();
    void saveAsClicked();
    void editProjectClicked();
    void checkProjectClicked();
    void buildDiscClicked();
    void burnerClicked();
    void writeImageClicked();
    void burnDiscClicked();
    void exportClicked(int format);
    void editCategoriesClicked();
    void editDesignClicked();
    void settingsClicked();
    void helpClicked();
    void exitClicked();
    void addFileClicked();
    void addFolderClicked();
    void addJumpPointClicked();
    void addHyperlinkClicked();
    void deleteItemClicked();
    void sortClicked();
    void findClicked();
    void findNextClicked();
    void itemInformationClicked();
    void screenshotClicked();
    void aboutClicked();
    void homePageClicked();
    void makerHomePageClicked();
    void firstProjectClicked();
    void languageClicked(int language);
    void gridModeClicked(GridMode mode);
    void restoreGridSettingsClicked();
    void autoGridSizeClicked();
    void showGridColumnClicked(int field);
    void showAllColumnsClicked();
    void bandColourClicked(int band);
    void showWelcomeClicked();
    void showAddItemTipClicked();
    void showBackgroundClicked();
    void shipRuntimeClicked();
    void writeWebMenuClicked();

    // Grid events.
    void gridClicked();
    // Opens the cell editor of a field for the current row, as a double-click on the cell does.
    void gridDoubleClicked();
    void editFieldClicked(int field);
    void gridTitleClicked(int field);
    void gridRowMoved(int from, int to);
    void popupMenuOpening();

    // Opens a project file as the Open command does after its dialog.
    bool openProject(const QString& file);
    void showCurrentRowInStatusLine();
    void recomputeRowColours();
    void setFieldColumnVisible(int field, bool visible);

    static QString homePageAddress();
    static QString makerHomePageAddress();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void createItemDialogs();
    void createNewProjectWindows();
    // The project's state without any project: no files, no folder, one empty row.
    void resetToNoProject();
    void connectCellEditing();
    void openCellEditor(int row, int field);
    void openItemInformation(ItemInfoMode mode);
    // The field of each shown column, in the order shown.
    std::vector<int> shownFields() const;
    ExportTable exportTable() const;
    // Runs the last search on from after its last match.
    void searchOn();
    void createToolBar();
    void createStatusLine();
    void createMainMenu();
    void createSettingsMenu();
    void createGridPopupMenu();
    QToolBar* addControlBar(const QString& name);
    QAction* addToolBarCommand(QToolBar* bar, const QString& name, const QString& caption,
                               const QString& menuCaption, const QString& picture,
                               void (MainWindow::*handler)());
    QAction* addMenuEntry(QMenu* menu, const QString& caption, const QKeySequence& shortcut,
                          void (MainWindow::*handler)());
    void click() const;
    // True when the command may go on; shows M1 otherwise.
    bool projectGate();
    // Asks about unsaved changes; the key names the question.
    // Offers to save unsaved changes; false when the user cancelled, or wanted them saved and saving
    // failed: then nothing goes on.
    bool askToSave(const char16_t* messageKey, bool offerCancel = false);
    void setProjectOpen(bool open);
    void updateWindowTitle();
    void applyStoredColumnLayout(const EditorSettings& settings);
    void applyStoredVisibility(const EditorSettings& settings);
    void applyStoredWidths(const EditorSettings& settings);
    EditorSettings currentSettings() const;
    void writeSettings();
    void applyMainTexts(const common::IniFile& file);
    void setGridModeChecks();
    QString message(const char16_t* key) const;

    EditorState& m_state;
    ui::Services m_services;
    ItemTable m_items;
    ProjectSession m_session;
    ProjectFileCommands m_projectFiles;
    GridMode m_gridMode = GridMode::None;
    bool m_modeChosen = false; // no mode carries the check mark before the first one is set
    int m_lastSortedField = -1;
    bool m_lastSortAscending = true;
    bool m_started = false;

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
    std::vector<QAction*> m_projectCommands;
    bool m_projectOpen = false;
    QToolBar* m_toolBar = nullptr;     // project, environment and program controls
    QToolBar* m_itemToolBar = nullptr; // item controls, in a second row

    QLabel* m_chosenItemLabel = nullptr;
    QLabel* m_chosenItemName = nullptr;
    QLabel* m_infoFileMark = nullptr;
    QLabel* m_screenshotMark = nullptr;
    ItemGrid* m_grid = nullptr;
    WaitWindow* m_wait = nullptr;
    ui::QtTexts m_qtTexts;
    BandColourDialog* m_colorChooser = nullptr;
    IconChooserDialog* m_iconChooser = nullptr;
    CategoryEditor* m_categoryFileEditor = nullptr;
    DesignEditor* m_designEditor = nullptr;
    std::vector<TranslatableWindow*> m_translatable;
    std::unique_ptr<ItemDialogContext> m_itemContext;
    AddFileDialog* m_fileDialog = nullptr;
    AddFolderDialog* m_folderDialog = nullptr;
    AddHyperlinkDialog* m_urlDialog = nullptr;
    AddJumpPointDialog* m_jumpDialog = nullptr;
    OneLineEditor* m_textEditor = nullptr;
    YesNoDialog* m_yesNoEditor = nullptr;
    CategoryChooserDialog* m_categoryEditor = nullptr;
    BurnerDialog* m_burnDialog = nullptr;
    CheckChoiceDialog* m_checkChoice = nullptr;
    CheckSummaryDialog* m_checkSummary = nullptr;
    ItemInfoEditor* m_itemInfoEditor = nullptr;
    FindDialog* m_findDialog = nullptr;
    std::optional<gridfind::Options> m_lastSearch;
    gridfind::Cell m_searchAnchor;
    std::optional<gridfind::Cell> m_lastMatch;
    ProjectDialog* m_projectDialog = nullptr;
    ProjectWizard* m_wizard = nullptr;
    WelcomeDialog* m_welcome = nullptr;
    QLabel* m_infoIcon = nullptr;
    QLabel* m_screenshotIcon = nullptr;

    QMenu* m_settingsMenu = nullptr;
    QMenu* m_exportMenu = nullptr;
    QMenu* m_popup = nullptr;
    QAction* m_showWelcome = nullptr;
    QAction* m_showTip = nullptr;
    QAction* m_showBack = nullptr;
    QAction* m_shipRuntime = nullptr;
    QAction* m_writeWebMenu = nullptr;
    std::array<QAction*, 3> m_gridModeEntries{};
    std::array<QAction*, kItemFieldCount> m_columnEntries{};
    std::array<QAction*, kItemFieldCount> m_editEntries{};
    std::array<QAction*, 2> m_languageEntries{};
    std::array<QAction*, 2> m_bandColourEntries{}; // Grid Colors: Color 1, Color 2
    // Write Disc Image, Burn Disc and their divider in the Zol Control menu.
    std::array<QAction*, 3> m_discEntries{};
    QAction* m_popupRemove = nullptr;
    QAction* m_popupInfo = nullptr;
    QAction* m_popupScreenshot = nullptr;
    QMenu* m_popupEdit = nullptr;
};
