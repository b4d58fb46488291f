#pragma once

#include "editor/gui/ItemDialog.h"
#include "editor/gui/mainwindow/CommandContext.h"
#include "editor/project/GridFind.h"

#include <QObject>

#include <functional>
#include <optional>

class AddFileDialog;
class AddFolderDialog;
class AddHyperlinkDialog;
class AddJumpPointDialog;
class CategoryChooserDialog;
class FindDialog;
class GridController;
class ItemInfoEditor;
class OneLineEditor;
class YesNoDialog;
enum class ItemInfoMode;

// The commands on the project's items: adding, removing, sorting, finding, the information file and
// screenshot of an item, and the editors of single cells.
class ItemCommands : public QObject {
    Q_OBJECT
public:
    ItemCommands(const CommandContext& context, GridController& grid, QWidget* window);
    ~ItemCommands() override;

    // What the dialogs on items share; the project and disc dialogs use it too.
    ItemDialogContext& dialogContext() { return m_dialogContext; }
    // Runs an add command as if a project were open: the wizard adds items before the project exists.
    void runBeforeProjectExists(const std::function<void()>& command);
    bool addingBeforeProject() const { return m_addingBeforeProject; }
    // A name typed into the one-line editor; empty when cancelled.
    QString askName(bool forNewFolder, const QString& initial = {});

    void addFile();
    void addFolder();
    void addJumpPoint();
    void addHyperlink();
    void deleteItem();
    void sort();
    void find();
    void findNext();
    void editInformationFile();
    void editScreenshot();
    // Opens the cell editor of the current cell, as a double-click on it does.
    void editCurrentCell();
    void editField(int field);

Q_SIGNALS:
    // The tip dialog's "Show tip next time" changed the setting.
    void showTipChanged(bool show);

private:
    // True when the command may go on; shows M1 otherwise.
    bool projectGate();
    void openCellEditor(int row, int field);
    void openItemInformation(ItemInfoMode mode);
    // Runs the last search on from after its last match.
    void searchOn();

    const CommandContext& m_context;
    GridController& m_grid;
    bool m_addingBeforeProject = false;
    ItemDialogContext m_dialogContext;
    OneLineEditor* m_textEditor = nullptr;
    YesNoDialog* m_yesNoEditor = nullptr;
    CategoryChooserDialog* m_categoryEditor = nullptr;
    AddHyperlinkDialog* m_urlDialog = nullptr;
    AddFileDialog* m_fileDialog = nullptr;
    AddFolderDialog* m_folderDialog = nullptr;
    AddJumpPointDialog* m_jumpDialog = nullptr;
    ItemInfoEditor* m_itemInfoEditor = nullptr;
    FindDialog* m_findDialog = nullptr;
    std::optional<gridfind::Options> m_lastSearch;
    gridfind::Cell m_searchAnchor;
    std::optional<gridfind::Cell> m_lastMatch;
};
