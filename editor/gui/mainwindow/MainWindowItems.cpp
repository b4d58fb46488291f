// The main window's commands that add items and edit the grid's cells.
#include "editor/gui/check/CheckChoiceDialog.h"
#include "editor/gui/check/CheckSummaryDialog.h"
#include "editor/gui/disc/BurnerDialog.h"
#include "editor/gui/iteminfo/ItemInfoEditor.h"
#include "editor/gui/items/AddFileDialog.h"
#include "editor/gui/items/AddFolderDialog.h"
#include "editor/gui/items/AddHyperlinkDialog.h"
#include "editor/gui/items/AddItemTipDialog.h"
#include "editor/gui/items/AddJumpPointDialog.h"
#include "editor/gui/items/CellEditors.h"
#include "editor/gui/items/ItemDialogContext.h"
#include "editor/gui/items/ItemNameDialog.h"
#include "editor/gui/mainwindow/ItemGrid.h"
#include "editor/gui/mainwindow/MainWindow.h"
#include "editor/gui/mainwindow/WaitWindow.h"
#include "editor/project/EditorState.h"
#include "ui/services/MessageBoxService.h"

#include <QAction>
#include <QMenu>

using Msg = ui::MessageBoxService;

void MainWindow::createItemDialogs() {
    m_itemContext.reset(new ItemDialogContext{
        m_state,
        m_items,
        m_services,
        [this] { return projectOpen(); },
        [this](int row) {
            m_grid->setCurrentIndex(m_items.index(row, m_grid->fieldOfGridColumn(1)));
            showCurrentRowInStatusLine();
        },
        [this] { recomputeRowColours(); },
        [this](bool show) {
            m_state.prefs.showFt = show;
            m_showTip->setChecked(show);
        },
    });
    ItemDialogContext& c = *m_itemContext;
    m_textEditor = new OneLineEditor(c, this);
    m_yesNoEditor = new YesNoDialog(c, this);
    m_categoryEditor = new CategoryChooserDialog(c, this);
    m_urlDialog = new AddHyperlinkDialog(c, this);
    m_fileDialog = new AddFileDialog(c, this);
    c.tip = new AddItemTipDialog(c, this);
    auto* ask = new ItemNameDialog(c, this);
    m_folderDialog = new AddFolderDialog(c, ask, this);
    m_burnDialog = new BurnerDialog(
        c, [this] { buildDiscClicked(); }, [this](bool busy) { busy ? m_wait->begin() : m_wait->end(); },
        this);
    m_jumpDialog = new AddJumpPointDialog(c, this);
    m_checkChoice = new CheckChoiceDialog(c, this);
    m_checkSummary = new CheckSummaryDialog(c, this);
    m_itemInfoEditor = new ItemInfoEditor(c, this);
    for (TranslatableWindow* w : std::initializer_list<TranslatableWindow*>{
             m_textEditor, m_yesNoEditor, m_categoryEditor, m_urlDialog, m_fileDialog, c.tip, m_folderDialog,
             ask, m_burnDialog, m_jumpDialog, m_checkChoice, m_checkSummary, m_itemInfoEditor})
        registerTranslatable(w);
}

void MainWindow::connectCellEditing() {
    connect(m_grid, &QAbstractItemView::doubleClicked, this, &MainWindow::gridDoubleClicked);
    connect(m_grid, &ItemGrid::spaceReleased, this, &MainWindow::gridDoubleClicked);
    for (int f = 0; f < kItemFieldCount; ++f)
        connect(m_editEntries[f], &QAction::triggered, this, [this, f] { editFieldClicked(f); });
}

void MainWindow::addFileClicked() {
    click();
    if (!projectGate())
        return;
    m_fileDialog->prepare();
    m_fileDialog->exec();
}

void MainWindow::addFolderClicked() {
    click();
    if (!projectGate())
        return;
    m_folderDialog->prepare();
    m_folderDialog->exec();
}

void MainWindow::addJumpPointClicked() {
    click();
    if (!projectGate())
        return;
    m_jumpDialog->prepare();
    m_jumpDialog->exec();
}

void MainWindow::addHyperlinkClicked() {
    click();
    if (!projectGate())
        return;
    m_urlDialog->prepare();
    m_urlDialog->exec();
}

void MainWindow::gridDoubleClicked() {
    const QModelIndex current = m_grid->currentIndex();
    if (current.isValid())
        openCellEditor(current.row(), current.column());
}

void MainWindow::editFieldClicked(int field) {
    click();
    const int row = m_grid->currentItem();
    m_grid->setCurrentIndex(m_items.index(row, field));
    openCellEditor(row, field);
}

void MainWindow::openCellEditor(int row, int field) {
    const auto refuse = [this](const char16_t* key) {
        m_services.messages.show(Msg::Kind::Information, Msg::Buttons::Ok, message(key));
    };
    const QString jumpWord = m_state.language.jumpPointText().toLower();
    const bool isJumpPoint = m_items.field(row, ItemField::FileName).toLower() == jumpWord;
    const bool hasCdPath = !m_items.field(row, ItemField::CdPath).isEmpty();
    switch (static_cast<ItemField>(field)) {
    case ItemField::FileName:
        if (isJumpPoint)
            return refuse(u"M31");
        break;
    case ItemField::CdPath:
        if (!hasCdPath)
            return refuse(u"M32");
        break;
    case ItemField::Copy:
        if (isJumpPoint || !hasCdPath)
            return refuse(u"M33");
        break;
    case ItemField::SourceLocation:
        if (isJumpPoint || !hasCdPath)
            return refuse(u"M34");
        break;
    default:
        break;
    }

    const CellTarget target = {m_state.language.fieldTitle(field), m_items.field(row, ItemField::Name)};
    if (field == fieldIndex(ItemField::Category)) {
        if (m_categoryEditor->run(target)) {
            m_state.modified = true;
            m_items.setField(row, field, m_categoryEditor->selected());
            recomputeRowColours();
        }
    } else if (field == fieldIndex(ItemField::Copy) || field == fieldIndex(ItemField::Execute)) {
        const auto choice = m_yesNoEditor->run(target);
        if (choice != YesNoDialog::Choice::Cancel) {
            m_state.modified = true;
            m_items.setField(row, field,
                             choice == YesNoDialog::Choice::Yes ? m_state.language.yesText()
                                                                : m_state.language.noText());
        }
    } else if (m_textEditor->run(OneLineEditor::Mode::Cell, m_items.field(row, field), target)) {
        m_state.modified = true;
        m_items.setField(row, field, m_textEditor->text());
    }
    showCurrentRowInStatusLine();
}
