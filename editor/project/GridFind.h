#pragma once

#include <QString>
#include <QStringView>

#include <functional>
#include <optional>
#include <vector>

// Finding a text in the item cells of the grid. Cells are addressed by item row and by the
// position of their column among the shown columns.
namespace gridfind {

enum class Order { TopDown, LeftRight }; // column by column, or row by row
enum class Range { Grid, Column, Row };  // all item cells, the current column, the current row

struct Options {
    QString text;
    bool caseSensitive = false;
    bool wholeCell = false;
    bool pattern = false;
    Order order = Order::TopDown;
    Range range = Range::Grid;
};

struct Cell {
    int row = 0;
    int column = 0;
    bool operator==(const Cell&) const = default;
};

// Decides whether a cell's text matches; a pattern is prepared once for the whole search.
// Pattern language: "*" any run of characters, "?" one character, the pattern covering the whole
// cell; "!" reverses the result; ">x", ">=x", "<x", "<=x" compare the cell's sort order with x,
// and two comparisons joined with "&" must both hold, joined with "^" (or "|") either of them.
class CellMatcher {
public:
    explicit CellMatcher(const Options& options);
    bool matches(const QString& cell) const;

private:
    struct Comparison {
        enum class Op { Greater, GreaterOrEqual, Less, LessOrEqual } op;
        QString value;
        bool joinedByOr = false; // how it joins the comparisons before it
    };
    bool patternMatches(const QString& cell) const;
    void parseComparisons(QStringView pattern);

    Options m_options;
    QString m_pattern;
    bool m_negate = false;
    std::vector<Comparison> m_comparisons;
};

// "*" and "?" wildcards over the whole text, without backtracking blow-up.
bool wildcardMatches(QStringView text, QStringView pattern);

using CellText = std::function<QString(int row, int column)>;

// The first matching cell after `after` (from the first cell without it), in the options' order
// and range; `current` is the cell whose column or row limits the range.
std::optional<Cell> findCell(int rows, int columns, const CellText& text, const Options& options,
                             Cell current, std::optional<Cell> after);

} // namespace gridfind
