// Find and Find next: moving the grid's current cell to the next cell that matches.
#include "editor/gui/find/FindDialog.h"
#include "editor/gui/mainwindow/ItemGrid.h"
#include "editor/gui/mainwindow/MainWindow.h"
#include "ui/services/MessageBoxService.h"

#include <algorithm>

using Msg = ui::MessageBoxService;

void MainWindow::findClicked() {
    click();
    if (m_findDialog->exec() != QDialog::Accepted)
        return;
    m_lastSearch = m_findDialog->options();
    m_lastMatch.reset();
    // The current cell fixes the column or row that a limited search keeps to.
    const std::vector<int> fields = shownFields();
    const QModelIndex current = allfiles->currentIndex();
    const auto shown = std::find(fields.begin(), fields.end(), current.column());
    m_searchAnchor = {std::max(0, current.row()),
                      shown == fields.end() ? 0 : int(std::distance(fields.begin(), shown))};
    searchOn();
}

void MainWindow::findNextClicked() {
    if (!m_lastSearch) {
        findClicked();
        return;
    }
    click();
    searchOn();
}

void MainWindow::searchOn() {
    const std::vector<int> fields = shownFields();
    const auto text = [&](int row, int column) { return m_items.field(row, fields[std::size_t(column)]); };
    const std::optional<gridfind::Cell> match = gridfind::findCell(
        m_items.itemCount(), int(fields.size()), text, *m_lastSearch, m_searchAnchor, m_lastMatch);
    if (!match) {
        m_services.messages.show(Msg::Kind::Information, Msg::Buttons::Ok, message(u"M36"));
        return;
    }
    m_lastMatch = match;
    const QModelIndex cell = m_items.index(match->row, fields[std::size_t(match->column)]);
    allfiles->setCurrentIndex(cell);
    allfiles->scrollTo(cell);
    showCurrentRowInStatusLine();
}
