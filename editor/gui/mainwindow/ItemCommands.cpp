#include "editor/gui/mainwindow/ItemCommands.h"

#include "editor/gui/find/FindDialog.h"
#include "editor/gui/iteminfo/ItemInfoEditor.h"
#include "editor/gui/items/AddFileDialog.h"
#include "editor/gui/items/AddFolderDialog.h"
#include "editor/gui/items/AddHyperlinkDialog.h"
#include "editor/gui/items/AddItemTipDialog.h"
#include "editor/gui/items/AddJumpPointDialog.h"
#include "editor/gui/items/CellEditors.h"
#include "editor/gui/items/ItemNameDialog.h"
#include "editor/gui/mainwindow/GridController.h"
#include "editor/gui/mainwindow/ItemGrid.h"
#include "editor/gui/mainwindow/WaitWindow.h"
#include "editor/project/EditorState.h"
#include "editor/project/ItemOrdering.h"
#include "editor/project/ItemTable.h"

#include <algorithm>

ItemCommands::ItemCommands(const CommandContext& context, GridController& grid, QWidget* window)
    : QObject(window), m_context(context),
      m_grid(grid), m_dialogContext{context.state,
                                    context.items,
                                    context.services,
                                    [this] { return m_addingBeforeProject || m_context.host.projectOpen(); },
                                    [this](int row) { m_grid.makeCurrent(row); },
                                    [this] { m_grid.recomputeRowColours(); },
                                    [this](bool show) {
                                        m_context.state.prefs.showFt = show;
                                        Q_EMIT showTipChanged(show);
                                    }} {
    ItemDialogContext& c = m_dialogContext;
    m_textEditor = new OneLineEditor(c, window);
    m_yesNoEditor = new YesNoDialog(c, window);
    m_categoryEditor = new CategoryChooserDialog(c, window);
    m_urlDialog = new AddHyperlinkDialog(c, window);
    m_fileDialog = new AddFileDialog(c, window);
    auto* tip = new AddItemTipDialog(c, window);
    c.tip = tip;
    auto* ask = new ItemNameDialog(c, window);
    m_folderDialog = new AddFolderDialog(c, ask, window);
    m_jumpDialog = new AddJumpPointDialog(c, window);
    m_itemInfoEditor = new ItemInfoEditor(c, window);
    m_findDialog = new FindDialog(c, window);
    for (TranslatableWindow* w : std::initializer_list<TranslatableWindow*>{
             m_textEditor, m_yesNoEditor, m_categoryEditor, m_urlDialog, m_fileDialog, tip, m_folderDialog,
             ask, m_jumpDialog, m_itemInfoEditor, m_findDialog})
        m_context.host.registerTranslatable(w);
}

ItemCommands::~ItemCommands() = default;

void ItemCommands::runBeforeProjectExists(const std::function<void()>& command) {
    const bool was = m_addingBeforeProject;
    m_addingBeforeProject = true;
    command();
    m_addingBeforeProject = was;
}

QString ItemCommands::askName(bool forNewFolder, const QString& initial) {
    const auto mode = forNewFolder ? OneLineEditor::Mode::NewName : OneLineEditor::Mode::CategoryRename;
    return m_textEditor->run(mode, initial) ? m_textEditor->text() : QString();
}

bool ItemCommands::projectGate() {
    if (m_dialogContext.projectOpen())
        return true;
    m_context.inform(u"M1");
    return false;
}

void ItemCommands::addFile() {
    m_context.click();
    if (!projectGate())
        return;
    m_fileDialog->prepare();
    m_fileDialog->exec();
}

void ItemCommands::addFolder() {
    m_context.click();
    if (!projectGate())
        return;
    m_folderDialog->prepare();
    m_folderDialog->exec();
}

void ItemCommands::addJumpPoint() {
    m_context.click();
    if (!projectGate())
        return;
    m_jumpDialog->prepare();
    m_jumpDialog->exec();
}

void ItemCommands::addHyperlink() {
    m_context.click();
    if (!projectGate())
        return;
    m_urlDialog->prepare();
    m_urlDialog->exec();
}

void ItemCommands::deleteItem() {
    m_context.click();
    m_context.items.removeItem(m_grid.grid()->currentItem());
    m_context.state.modified = true;
    m_grid.recomputeRowColours();
    m_context.host.showCurrentRowInStatusLine();
}

void ItemCommands::sort() {
    m_context.click();
    m_context.wait.begin();
    fullSort(m_context.items);
    m_grid.recomputeRowColours();
    m_context.state.modified = true;
    m_context.wait.end();
}

void ItemCommands::editInformationFile() {
    openItemInformation(ItemInfoMode::Text);
}

void ItemCommands::editScreenshot() {
    openItemInformation(ItemInfoMode::Picture);
}

void ItemCommands::openItemInformation(ItemInfoMode mode) {
    m_context.click();
    m_itemInfoEditor->openFor(mode, m_grid.grid()->currentItem());
    // The indicators show whether the companions exist now.
    m_context.host.showCurrentRowInStatusLine();
}

void ItemCommands::find() {
    m_context.click();
    if (m_findDialog->exec() != QDialog::Accepted)
        return;
    m_lastSearch = m_findDialog->options();
    m_lastMatch.reset();
    // The current cell fixes the column or row that a limited search keeps to.
    const std::vector<int> fields = m_grid.shownFields();
    const QModelIndex current = m_grid.grid()->currentIndex();
    const auto shown = std::find(fields.begin(), fields.end(), current.column());
    m_searchAnchor = {std::max(0, current.row()),
                      shown == fields.end() ? 0 : int(std::distance(fields.begin(), shown))};
    searchOn();
}

void ItemCommands::findNext() {
    if (!m_lastSearch) {
        find();
        return;
    }
    m_context.click();
    searchOn();
}

void ItemCommands::searchOn() {
    const std::vector<int> fields = m_grid.shownFields();
    const ItemTable& items = m_context.items;
    const auto text = [&](int row, int column) { return items.field(row, fields[std::size_t(column)]); };
    const std::optional<gridfind::Cell> match = gridfind::findCell(
        items.itemCount(), int(fields.size()), text, *m_lastSearch, m_searchAnchor, m_lastMatch);
    if (!match) {
        m_context.inform(u"M36");
        return;
    }
    m_lastMatch = match;
    const QModelIndex cell = items.index(match->row, fields[std::size_t(match->column)]);
    m_grid.grid()->setCurrentIndex(cell);
    m_grid.grid()->scrollTo(cell);
    m_context.host.showCurrentRowInStatusLine();
}

void ItemCommands::editCurrentCell() {
    const QModelIndex current = m_grid.grid()->currentIndex();
    if (current.isValid())
        openCellEditor(current.row(), current.column());
}

void ItemCommands::editField(int field) {
    m_context.click();
    const int row = m_grid.grid()->currentItem();
    m_grid.grid()->setCurrentIndex(m_context.items.index(row, field));
    openCellEditor(row, field);
}

void ItemCommands::openCellEditor(int row, int field) {
    EditorState& state = m_context.state;
    ItemTable& items = m_context.items;
    const QString jumpWord = state.language.jumpPointText().toLower();
    const bool isJumpPoint = items.field(row, ItemField::FileName).toLower() == jumpWord;
    const bool hasCdPath = !items.field(row, ItemField::CdPath).isEmpty();
    switch (static_cast<ItemField>(field)) {
    case ItemField::FileName:
        if (isJumpPoint)
            return m_context.inform(u"M31");
        break;
    case ItemField::CdPath:
        if (!hasCdPath)
            return m_context.inform(u"M32");
        break;
    case ItemField::Copy:
        if (isJumpPoint || !hasCdPath)
            return m_context.inform(u"M33");
        break;
    case ItemField::SourceLocation:
        if (isJumpPoint || !hasCdPath)
            return m_context.inform(u"M34");
        break;
    default:
        break;
    }

    const CellTarget target = {state.language.fieldTitle(field), items.field(row, ItemField::Name)};
    if (field == fieldIndex(ItemField::Category)) {
        if (m_categoryEditor->run(target)) {
            state.modified = true;
            items.setField(row, field, m_categoryEditor->selected());
            m_grid.recomputeRowColours();
        }
    } else if (field == fieldIndex(ItemField::Copy) || field == fieldIndex(ItemField::Execute)) {
        const auto choice = m_yesNoEditor->run(target);
        if (choice != YesNoDialog::Choice::Cancel) {
            state.modified = true;
            items.setField(row, field, m_dialogContext.yesNo(choice == YesNoDialog::Choice::Yes));
        }
    } else if (m_textEditor->run(OneLineEditor::Mode::Cell, items.field(row, field), target)) {
        state.modified = true;
        items.setField(row, field, m_textEditor->text());
    }
    m_context.host.showCurrentRowInStatusLine();
}
