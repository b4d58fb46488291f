#include "editor/gui/mainwindow/GridController.h"

#include "common/IniFile.h"
#include "editor/gui/items/BandColourDialog.h"
#include "editor/gui/mainwindow/ItemGrid.h"
#include "editor/project/EditorState.h"
#include "editor/project/ItemOrdering.h"
#include "editor/project/ItemTable.h"
#include "editor/project/ProjectSession.h"
#include "editor/project/SettingsFile.h"
#include "ui/services/HelpService.h"

#include <QAction>
#include <QHeaderView>
#include <QMenu>

GridController::GridController(const CommandContext& context, QWidget* window)
    : QObject(window), m_context(context) {
    m_colourChooser = new BandColourDialog(context.services.sound, window);
    context.host.registerTranslatable(m_colourChooser);
    m_grid = new ItemGrid(&context.items, window);
    connect(m_grid, &QAbstractItemView::clicked, this,
            [this] { m_context.host.showCurrentRowInStatusLine(); });
    connect(m_grid, &ItemGrid::keyReleased, this, [this] { m_context.host.showCurrentRowInStatusLine(); });
    // Every move of the current row counts, a right-click's too.
    connect(m_grid->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this] { m_context.host.showCurrentRowInStatusLine(); });
    connect(m_grid, &ItemGrid::itemRowMoved, this, &GridController::moveRow);
    connect(m_grid->horizontalHeader(), &QHeaderView::sectionClicked, this, &GridController::sortByTitle);

    const char16_t* modes[] = {u"None", u"Column Move", u"Quick Sort"};
    const char* modeNames[] = {"gridmodenone", "gridmodecolumnmove", "gridmodequicksort"};
    for (int m = 0; m < 3; ++m) {
        m_modeEntries[m] = new QAction(QString::fromUtf16(modes[m]), this);
        m_modeEntries[m]->setObjectName(QLatin1String(modeNames[m]));
        m_modeEntries[m]->setCheckable(true);
        connect(m_modeEntries[m], &QAction::triggered, this, [this, m] { chooseMode(static_cast<Mode>(m)); });
    }
    for (int f = 0; f < kItemFieldCount; ++f) {
        m_columnEntries[f] = new QAction(englishFieldTitle(f), this);
        m_columnEntries[f]->setObjectName(QStringLiteral("showcolumn%1").arg(f));
        m_columnEntries[f]->setCheckable(true);
        m_columnEntries[f]->setChecked(true);
        connect(m_columnEntries[f], &QAction::triggered, this, [this, f] {
            m_context.click();
            setFieldColumnVisible(f, m_grid->horizontalHeader()->isSectionHidden(f));
        });
    }
    createPopupMenu();
    m_grid->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_grid, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& pos) { m_popup->popup(m_grid->viewport()->mapToGlobal(pos)); });
}

void GridController::addSettingsEntries(QMenu* s) {
    const auto entry = [&](QMenu* menu, const QString& caption, const char* name, auto handler) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(QLatin1String(name));
        connect(action, &QAction::triggered, this, handler);
    };
    s->addSection(QStringLiteral("Grid"));
    QMenu* mode = s->addMenu(QStringLiteral("Grid Mode"));
    for (QAction* a : m_modeEntries)
        mode->addAction(a);
    entry(s, QStringLiteral("Restore Grid Settings"), "restoregrid", [this] {
        m_context.click();
        restoreStoredLayout();
    });
    entry(s, QStringLiteral("Auto Grid Size"), "autogridsize", [this] {
        m_context.click();
        m_grid->resizeColumnsToContents();
    });
    QMenu* columns = s->addMenu(QStringLiteral("Show Grid Column"));
    for (QAction* a : m_columnEntries)
        columns->addAction(a);
    entry(s, QStringLiteral("Show All Columns"), "showallcolumns", [this] {
        m_context.click();
        for (int f = 0; f < kItemFieldCount; ++f)
            setFieldColumnVisible(f, true);
    });
    QMenu* colors = s->addMenu(QStringLiteral("Grid Colors"));
    m_bandColourEntries = {colors->addAction(QStringLiteral("Color 1")),
                           colors->addAction(QStringLiteral("Color 2"))};
    for (int band = 1; band <= 2; ++band) {
        m_bandColourEntries[band - 1]->setObjectName(QStringLiteral("gridcolor%1").arg(band));
        connect(m_bandColourEntries[band - 1], &QAction::triggered, this,
                [this, band] { chooseBandColour(band); });
    }
}

void GridController::createPopupMenu() {
    m_popup = new QMenu(QStringLiteral("Chosen Item Control"), m_grid->parentWidget());
    m_popup->setObjectName(QStringLiteral("gridpopup"));
    m_popup->addSection(QStringLiteral("Chosen Item Control"));
    const auto entry = [this](const QString& caption, const char* name, void (GridController::*signal)()) {
        QAction* action = m_popup->addAction(caption);
        action->setObjectName(QLatin1String(name));
        connect(action, &QAction::triggered, this, signal);
        return action;
    };
    m_popupRemove = entry(QStringLiteral("Remove"), "popupremove", &GridController::removeChosen);
    m_popupInfo =
        entry(QStringLiteral("Create/Edit Info File"), "popupinfofile", &GridController::informationChosen);
    m_popupScreenshot =
        entry(QStringLiteral("Create/Edit Screenshot"), "popupscreenshot", &GridController::screenshotChosen);
    m_popup->addSeparator();
    m_popupEdit = m_popup->addMenu(QStringLiteral("Edit"));
    m_popupEdit->setObjectName(QStringLiteral("popupedit"));
    for (int f = 0; f < kItemFieldCount; ++f) {
        m_editEntries[f] = m_popupEdit->addAction(englishFieldTitle(f));
        m_editEntries[f]->setObjectName(QStringLiteral("editfield%1").arg(f));
        connect(m_editEntries[f], &QAction::triggered, this, [this, f] { Q_EMIT editFieldChosen(f); });
    }
    m_popup->addSeparator();
    QAction* help = m_popup->addAction(QStringLiteral("Help"));
    help->setObjectName(QStringLiteral("popuphelp"));
    connect(help, &QAction::triggered, this, [this] {
        m_context.click();
        m_context.services.help.showHelp(m_context.state.helpFile, 1600);
    });
    // The entries name the current row, and there is nothing to do on an empty one.
    connect(m_popup, &QMenu::aboutToShow, this, &GridController::preparePopupMenu);
}

void GridController::preparePopupMenu() {
    const int row = m_grid->currentItem();
    const QString name = m_context.items.field(row, ItemField::Name);
    const bool empty = name.isEmpty() && m_context.items.field(row, ItemField::FileName).isEmpty();
    const std::pair<QAction*, const char16_t*> entries[] = {{m_popupRemove, u"T27"},
                                                            {m_popupInfo, u"T28"},
                                                            {m_popupScreenshot, u"T29"},
                                                            {m_popupEdit->menuAction(), u"T30"}};
    for (const auto& [action, key] : entries) {
        const QString text = m_context.state.language.text(QStringView(key));
        action->setText(empty ? text : text + QStringLiteral(": ") + name);
        action->setEnabled(!empty);
    }
}

void GridController::applyFieldTitles() {
    for (int f = 0; f < kItemFieldCount; ++f) {
        m_columnEntries[f]->setText(m_context.state.language.fieldTitle(f));
        m_editEntries[f]->setText(m_context.state.language.fieldTitle(f));
    }
}

std::vector<int> GridController::shownFields() const {
    const QHeaderView* header = m_grid->horizontalHeader();
    std::vector<int> fields;
    for (int visual = 0; visual < kItemFieldCount; ++visual) {
        const int field = header->logicalIndex(visual);
        if (field >= 0 && !header->isSectionHidden(field))
            fields.push_back(field);
    }
    return fields;
}

void GridController::recomputeRowColours() {
    m_context.session.recomputeRowColours();
}

void GridController::makeCurrent(int row) {
    m_grid->setCurrentIndex(m_context.items.index(row, m_grid->fieldOfGridColumn(1)));
    m_context.host.showCurrentRowInStatusLine();
}

void GridController::chooseMode(Mode mode) {
    m_context.click();
    if (m_modeChosen && m_mode == mode) {
        setModeChecks();
        return;
    }
    if (mode == Mode::ColumnMove) {
        for (int f = 0; f < kItemFieldCount; ++f) {
            if (m_grid->horizontalHeader()->isSectionHidden(f)) {
                setModeChecks();
                m_context.inform(u"M37");
                return;
            }
        }
    }
    m_mode = mode;
    m_modeChosen = true;
    setModeChecks();
    QHeaderView* header = m_grid->horizontalHeader();
    header->setSectionsMovable(mode == Mode::ColumnMove);
    header->setSectionsClickable(mode == Mode::QuickSort);
}

// Exactly the current mode's entries carry the check mark.
void GridController::setModeChecks() {
    for (int i = 0; i < 3; ++i)
        m_modeEntries[i]->setChecked(m_modeChosen && i == static_cast<int>(m_mode));
}

void GridController::setFieldColumnVisible(int field, bool visible) {
    m_columnEntries[field]->setChecked(visible);
    m_editEntries[field]->setEnabled(visible);
    m_grid->horizontalHeader()->setSectionHidden(field, !visible);
}

void GridController::restoreStoredLayout() {
    for (int f = 0; f < kItemFieldCount; ++f)
        setFieldColumnVisible(f, true);
    applyStoredLayout(EditorSettings::read(common::IniFile(m_context.settingsFile())));
}

void GridController::applyStoredColumnLayout(const EditorSettings& settings) {
    QHeaderView* header = m_grid->horizontalHeader();
    for (int c = 0; c < kItemFieldCount; ++c)
        header->moveSection(header->visualIndex(settings.fieldOfColumn[c]), c);
    // Quick Sort starts as if grid column 3 had been sorted ascending.
    m_lastSortedField = m_grid->fieldOfGridColumn(3);
    m_lastSortAscending = true;
}

void GridController::applyStoredLayout(const EditorSettings& settings) {
    for (int f = 0; f < kItemFieldCount; ++f) {
        if (settings.hidden[f])
            setFieldColumnVisible(f, !*settings.hidden[f]);
    }
    m_grid->verticalHeader()->setFixedWidth(settings.widths[0]);
    QHeaderView* header = m_grid->horizontalHeader();
    for (int c = 1; c <= kItemFieldCount; ++c) {
        const int field = m_grid->fieldOfGridColumn(c);
        if (!header->isSectionHidden(field))
            header->resizeSection(field, settings.widths[c]);
    }
    m_grid->fitColumnsToTitles();
}

void GridController::storeLayout(EditorSettings& s) const {
    const QHeaderView* header = m_grid->horizontalHeader();
    s.gridMode.reset();
    for (int m = 0; m < 3; ++m) {
        if (m_modeEntries[m]->isChecked())
            s.gridMode = m;
    }
    for (int f = 0; f < kItemFieldCount; ++f)
        s.hidden[f] = header->isSectionHidden(f);
    s.widths[0] = m_grid->verticalHeader()->width();
    for (int c = 0; c < kItemFieldCount; ++c) {
        s.fieldOfColumn[c] = header->logicalIndex(c);
        s.widths[c + 1] = header->sectionSize(s.fieldOfColumn[c]);
    }
}

void GridController::chooseBandColour(int band) {
    m_context.click();
    QColor& color = band == 1 ? m_context.state.prefs.color1 : m_context.state.prefs.color2;
    m_colourChooser->setBand(m_bandColourEntries[band - 1]->text().remove(u'&'));
    m_colourChooser->setColor(color);
    if (m_colourChooser->exec() != QDialog::Accepted)
        return;
    color = m_colourChooser->color();
    recomputeRowColours();
}

void GridController::sortByTitle(int field) {
    if (m_mode != Mode::QuickSort || m_context.items.itemCount() < 2)
        return;
    m_lastSortAscending = field == m_lastSortedField ? !m_lastSortAscending : true;
    m_lastSortedField = field;
    sortByField(m_context.items, field, m_lastSortAscending);
    recomputeRowColours();
    m_context.state.modified = true;
}

void GridController::moveRow(int from, int to) {
    m_context.items.moveItem(from, to);
    m_grid->setCurrentIndex(m_context.items.index(to, std::max(0, m_grid->currentIndex().column())));
    recomputeRowColours();
}
