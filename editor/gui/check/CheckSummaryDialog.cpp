#include "editor/gui/check/CheckSummaryDialog.h"

#include "editor/language/LanguageTables.h"
#include "editor/language/WindowTexts.h"
#include "editor/project/ProjectCheck.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

QTableWidget* listGrid(const QString& name, int columns, QWidget* parent) {
    auto* grid = new QTableWidget(0, columns, parent);
    grid->setObjectName(name);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->verticalHeader()->hide();
    grid->horizontalHeader()->setStretchLastSection(true);
    return grid;
}

void setTitles(QTableWidget* grid, const LanguageTables& tables,
               std::initializer_list<const char16_t*> keys) {
    QStringList titles;
    for (const char16_t* key : keys)
        titles.append(tables.text(QStringView(key)));
    grid->setHorizontalHeaderLabels(titles);
}

// One row per entry below the titles, and the empty row that the next entry would take.
void fill(QTableWidget* grid, const std::vector<QStringList>& rows) {
    grid->clearContents();
    grid->setRowCount(int(rows.size()) + 1);
    for (int r = 0; r < int(rows.size()); ++r) {
        grid->setItem(r, 0, new QTableWidgetItem(QString::number(r + 1)));
        for (int c = 0; c < int(rows[std::size_t(r)].size()); ++c)
            grid->setItem(r, c + 1, new QTableWidgetItem(rows[std::size_t(r)][c]));
    }
    grid->resizeColumnsToContents();
}

} // namespace

CheckSummaryDialog::CheckSummaryDialog(ItemDialogContext& context, QWidget* parent)
    : ItemDialog(context, QStringLiteral("Tchecksform"),
                 QStringLiteral("Tavik - Lumbrel - Check Project Summary"), parent) {
    setSizeGripEnabled(true);
    m_heading = heading(QStringLiteral("Check Project Summary"));
    m_removedLabel = label(QStringLiteral("List of removed items."));
    m_replacedLabel = label(QStringLiteral("List of replaced items"));
    m_removedGrid = listGrid(QStringLiteral("rem_grid"), 5, this);
    m_removedGrid->setHorizontalHeaderLabels({QStringLiteral("No."), QStringLiteral("Name"),
                                              QStringLiteral("File Name"), QStringLiteral("CD Path"),
                                              QStringLiteral("File Source Location")});
    m_replacedGrid = listGrid(QStringLiteral("rep_grid"), 7, this);
    m_replacedGrid->setHorizontalHeaderLabels(
        {QStringLiteral("No."), QStringLiteral("Name"), QStringLiteral("File Name"),
         QStringLiteral("New CD Path"), QStringLiteral("Old CD Path"),
         QStringLiteral("New File Source Location"), QStringLiteral("Old File Source Location")});
    m_nothingToRepair = label(QStringLiteral("Nothing to repair: every item was found where it belongs."),
                              QStringLiteral("nothingToRepair"));
    m_nothingToRepair->setAlignment(Qt::AlignCenter);
    m_okButton = button(QStringLiteral("okbtn"), QStringLiteral("Close"));
    m_okButton->setDefault(true);
    m_helpButton = button(QStringLiteral("help"), QStringLiteral("Help"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_heading);
    layout->addWidget(m_removedLabel);
    layout->addWidget(m_removedGrid, 1);
    layout->addWidget(m_replacedLabel);
    layout->addWidget(m_replacedGrid, 1);
    layout->addWidget(m_nothingToRepair, 1);
    layout->addLayout(buttonRow({m_okButton, m_helpButton}));
    resize(760, 480);

    connect(m_okButton, &QPushButton::clicked, this, &CheckSummaryDialog::okClicked);
    connect(m_helpButton, &QPushButton::clicked, this, &CheckSummaryDialog::helpClicked);
}

void CheckSummaryDialog::applyTexts(const common::IniFile& file, const LanguageTables& tables, int) {
    const QString s = QStringLiteral("CheckS");
    setWindowTitle(tables.text(u"T11"));
    m_heading->setText(windowText(file, s, 1));
    m_removedLabel->setText(windowText(file, s, 2));
    m_replacedLabel->setText(windowText(file, s, 3));
    m_okButton->setText(windowText(file, s, 4));
    m_helpButton->setText(windowText(file, s, 5));
    m_nothingToRepair->setText(windowText(file, s, 6));
    setTitles(m_removedGrid, tables, {u"T31", u"T32", u"T33", u"T34", u"T35"});
    setTitles(m_replacedGrid, tables, {u"T31", u"T32", u"T33", u"T36", u"T37", u"T38", u"T39"});
}

void CheckSummaryDialog::prepare(const projectcheck::Report& report) {
    std::vector<QStringList> removed;
    for (const auto& r : report.removed)
        removed.push_back({r.name, r.fileName, r.cdPath, r.sourceLocation});
    std::vector<QStringList> replaced;
    for (const auto& r : report.replaced)
        replaced.push_back(
            {r.name, r.fileName, r.newCdPath, r.oldCdPath, r.newSourceLocation, r.oldSourceLocation});
    fill(m_removedGrid, removed);
    fill(m_replacedGrid, replaced);
    const bool nothing = !report.changedAnything();
    for (QWidget* w :
         std::initializer_list<QWidget*>{m_removedLabel, m_removedGrid, m_replacedLabel, m_replacedGrid})
        w->setVisible(!nothing);
    m_nothingToRepair->setVisible(nothing);
}

void CheckSummaryDialog::okClicked() {
    m_context.click();
    accept();
}

void CheckSummaryDialog::helpClicked() {
    m_context.click();
    m_context.help(2400);
}
