// The item grid's modes, columns, sorting, colours and the status line.
#include "common/IniFile.h"
#include "editor/gui/items/BandColourDialog.h"
#include "editor/gui/mainwindow/ItemGrid.h"
#include "editor/gui/mainwindow/MainWindow.h"
#include "editor/project/EditorState.h"
#include "editor/project/ItemCompanion.h"
#include "editor/project/ItemOrdering.h"
#include "ui/services/MessageBoxService.h"

#include <QAction>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>

using Msg = ui::MessageBoxService;

void MainWindow::gridModeClicked(GridMode mode) {
    click();
    if (m_modeChosen && m_gridMode == mode) {
        setGridModeChecks();
        return;
    }
    if (mode == GridMode::ColumnMove) {
        for (int f = 0; f < kItemFieldCount; ++f) {
            if (allfiles->horizontalHeader()->isSectionHidden(f)) {
                setGridModeChecks();
                m_services.messages.show(Msg::Kind::Information, Msg::Buttons::Ok, message(u"M37"));
                return;
            }
        }
    }
    m_gridMode = mode;
    m_modeChosen = true;
    setGridModeChecks();
    QHeaderView* header = allfiles->horizontalHeader();
    header->setSectionsMovable(mode == GridMode::ColumnMove);
    header->setSectionsClickable(mode == GridMode::QuickSort);
}

// Exactly the current mode's entries carry the check mark.
void MainWindow::setGridModeChecks() {
    for (int i = 0; i < 3; ++i)
        m_gridModeEntries[i]->setChecked(m_modeChosen && i == static_cast<int>(m_gridMode));
}

void MainWindow::setFieldColumnVisible(int field, bool visible) {
    m_columnEntries[field]->setChecked(visible);
    m_editEntries[field]->setEnabled(visible);
    allfiles->horizontalHeader()->setSectionHidden(field, !visible);
}

void MainWindow::showGridColumnClicked(int field) {
    click();
    setFieldColumnVisible(field, allfiles->horizontalHeader()->isSectionHidden(field));
}

void MainWindow::showAllColumnsClicked() {
    click();
    for (int f = 0; f < kItemFieldCount; ++f)
        setFieldColumnVisible(f, true);
}

void MainWindow::restoreGridSettingsClicked() {
    click();
    for (int f = 0; f < kItemFieldCount; ++f)
        setFieldColumnVisible(f, true);
    const EditorSettings settings = EditorSettings::read(common::IniFile(settingsFile()));
    applyStoredVisibility(settings);
    applyStoredWidths(settings);
}

void MainWindow::autoGridSizeClicked() {
    click();
    allfiles->resizeColumnsToContents();
}

void MainWindow::applyStoredColumnLayout(const EditorSettings& settings) {
    QHeaderView* header = allfiles->horizontalHeader();
    for (int c = 0; c < kItemFieldCount; ++c)
        header->moveSection(header->visualIndex(settings.fieldOfColumn[c]), c);
    // Quick Sort starts as if grid column 3 had been sorted ascending.
    m_lastSortedField = allfiles->fieldOfGridColumn(3);
    m_lastSortAscending = true;
}

void MainWindow::applyStoredVisibility(const EditorSettings& settings) {
    for (int f = 0; f < kItemFieldCount; ++f) {
        if (settings.hidden[f])
            setFieldColumnVisible(f, !*settings.hidden[f]);
    }
}

void MainWindow::applyStoredWidths(const EditorSettings& settings) {
    allfiles->verticalHeader()->setFixedWidth(settings.widths[0]);
    QHeaderView* header = allfiles->horizontalHeader();
    for (int c = 1; c <= kItemFieldCount; ++c) {
        const int field = allfiles->fieldOfGridColumn(c);
        if (!header->isSectionHidden(field))
            header->resizeSection(field, settings.widths[c]);
    }
    allfiles->fitColumnsToTitles();
}

void MainWindow::bandColourClicked(int band) {
    click();
    QColor& color = band == 1 ? m_state.prefs.color1 : m_state.prefs.color2;
    m_colorChooser->setBand(m_bandColourEntries[band - 1]->text().remove(u'&'));
    m_colorChooser->setColor(color);
    if (m_colorChooser->exec() != QDialog::Accepted)
        return;
    color = m_colorChooser->color();
    recomputeRowColours();
}

void MainWindow::gridClicked() {
    showCurrentRowInStatusLine();
}

void MainWindow::gridTitleClicked(int field) {
    if (m_gridMode != GridMode::QuickSort || m_items.itemCount() < 2)
        return;
    m_lastSortAscending = field == m_lastSortedField ? !m_lastSortAscending : true;
    m_lastSortedField = field;
    sortByField(m_items, field, m_lastSortAscending);
    recomputeRowColours();
    m_state.modified = true;
}

void MainWindow::gridRowMoved(int from, int to) {
    m_items.moveItem(from, to);
    allfiles->setCurrentIndex(m_items.index(to, std::max(0, allfiles->currentIndex().column())));
    recomputeRowColours();
}

void MainWindow::showCurrentRowInStatusLine() {
    // Without a project the one empty row is no item: the status line stays empty.
    const bool open = projectOpen();
    for (QWidget* w : std::initializer_list<QWidget*>{m_chosenItemLabel, m_chosenItemName, m_infoIcon,
                                                      infoexist, m_screenshotIcon, ssexist})
        w->setVisible(open);
    if (!open)
        return;
    const int row = allfiles->currentItem();
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
    showIndicator(ssexist, companionExists(companion::kPicture));
    showIndicator(infoexist, companionExists(companion::kText));
}
