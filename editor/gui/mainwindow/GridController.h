#pragma once

#include "editor/gui/mainwindow/CommandContext.h"
#include "editor/project/ItemField.h"

#include <QObject>

#include <array>
#include <vector>

class BandColourDialog;
class ItemGrid;
class QAction;
class QMenu;
class QWidget;
struct EditorSettings;

// The item grid's handling: its modes, the columns' visibility, order and widths, the row colours,
// the sorting by a column title, the moving of rows and the grid's popup menu.
class GridController : public QObject {
    Q_OBJECT
public:
    enum class Mode { None = 0, ColumnMove = 1, QuickSort = 2 };

    GridController(const CommandContext& context, QWidget* window);

    ItemGrid* grid() const { return m_grid; }
    Mode mode() const { return m_mode; }
    // The field of each shown column, in the order shown.
    std::vector<int> shownFields() const;
    void recomputeRowColours();
    // The row becomes the current row, in its first shown column.
    void makeCurrent(int row);

    // The grid's entries of the settings menu: modes, columns, sizes and colours.
    void addSettingsEntries(QMenu* settingsMenu);
    QMenu* popupMenu() const { return m_popup; }
    // The column entries and the popup's Edit entries carry the fields' titles.
    void applyFieldTitles();

    // Plays the click sound; refuses Column Move while a column is hidden (M37).
    void chooseMode(Mode mode);
    // Only start-up and a language set from outside the Language menu take the column order.
    void applyStoredColumnLayout(const EditorSettings& settings);
    void applyStoredLayout(const EditorSettings& settings);
    // The grid's part of the settings file.
    void storeLayout(EditorSettings& settings) const;

Q_SIGNALS:
    // The popup menu's commands on the current row.
    void removeChosen();
    void informationChosen();
    void screenshotChosen();
    void editFieldChosen(int field);

private:
    void createPopupMenu();
    void preparePopupMenu();
    void setModeChecks();
    void setFieldColumnVisible(int field, bool visible);
    void restoreStoredLayout();
    void chooseBandColour(int band);
    void sortByTitle(int field);
    void moveRow(int from, int to);

    const CommandContext& m_context;
    ItemGrid* m_grid = nullptr;
    BandColourDialog* m_colourChooser = nullptr;
    Mode m_mode = Mode::None;
    bool m_modeChosen = false; // no mode carries the check mark before the first one is set
    int m_lastSortedField = -1;
    bool m_lastSortAscending = true;

    std::array<QAction*, 3> m_modeEntries{};
    std::array<QAction*, kItemFieldCount> m_columnEntries{};
    std::array<QAction*, kItemFieldCount> m_editEntries{};
    std::array<QAction*, 2> m_bandColourEntries{}; // Grid Colors: Color 1, Color 2
    QMenu* m_popup = nullptr;
    QAction* m_popupRemove = nullptr;
    QAction* m_popupInfo = nullptr;
    QAction* m_popupScreenshot = nullptr;
    QMenu* m_popupEdit = nullptr;
};
