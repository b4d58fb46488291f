// The Export commands: the grid as shown, written to a file in one of five formats.
#include "editor/export/ExportTable.h"
#include "editor/export/GridExport.h"
#include "editor/gui/UnstorableQuestion.h"
#include "editor/gui/mainwindow/ItemGrid.h"
#include "editor/gui/mainwindow/MainWindow.h"
#include "editor/project/EditorState.h"
#include "ui/services/ChooserService.h"
#include "ui/services/MessageBoxService.h"

#include <QDir>
#include <QHeaderView>
#include <QMenu>

using Msg = ui::MessageBoxService;

std::vector<int> MainWindow::shownFields() const {
    const QHeaderView* header = allfiles->horizontalHeader();
    std::vector<int> fields;
    for (int visual = 0; visual < kItemFieldCount; ++visual) {
        const int field = header->logicalIndex(visual);
        if (field >= 0 && !header->isSectionHidden(field))
            fields.push_back(field);
    }
    return fields;
}

ExportTable MainWindow::exportTable() const {
    const std::vector<int> fields = shownFields();
    ExportTable table;
    // The fixed cells as the grid paints them.
    table.fixedColour = allfiles->horizontalHeader()->palette().color(QPalette::Button);
    QStringList titles{QString()};
    for (int field : fields)
        titles.append(m_items.titles()[std::size_t(field)]);
    table.rows.reserve(std::size_t(m_items.itemCount()) + 1);
    table.rows.push_back(titles);
    table.rowColours.push_back(table.fixedColour);
    for (int row = 0; row < m_items.itemCount(); ++row) {
        QStringList cells{QString()};
        for (int field : fields)
            cells.append(m_items.field(row, field));
        table.rows.push_back(std::move(cells));
        table.rowColours.push_back(m_items.rowColour(row));
    }
    return table;
}

void MainWindow::exportClicked(int format) {
    click();
    const auto chosenFormat = static_cast<ExportFormat>(format);
    const ExportFormatInfo info = exportFormatInfo(chosenFormat);
    const QString file =
        m_services.choosers.saveFile({m_exportMenu->title(), {}, info.filter, info.defaultSuffix, {}});
    if (file.isEmpty())
        return;
    const ExportTable table = exportTable();
    if (isCodePageFormat(chosenFormat) &&
        !unstorable::confirm(m_services.messages, m_state.language, unstorable::inRows(table.rows)))
        return;
    const QString failure = writeGridExport(chosenFormat, table, file);
    if (!failure.isEmpty())
        m_services.messages.show(Msg::Kind::Error, Msg::Buttons::Ok,
                                 QDir::toNativeSeparators(file) + QStringLiteral("\n\n") + failure);
}
