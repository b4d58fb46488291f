// Finding a text in the item cells: what matches, and in which order the cells are visited.
#include "editor/project/GridFind.h"

#include <QtTest>

using namespace gridfind;

namespace {

bool matches(const QString& cell, const QString& text, bool caseSensitive = false, bool wholeCell = false,
             bool pattern = false) {
    Options o;
    o.text = text;
    o.caseSensitive = caseSensitive;
    o.wholeCell = wholeCell;
    o.pattern = pattern;
    return CellMatcher(o).matches(cell);
}

bool patternMatches(const QString& cell, const QString& pattern, bool caseSensitive = false) {
    return matches(cell, pattern, caseSensitive, false, true);
}

// A grid of 3 rows and 3 columns whose cells are named after their place ("r0c1"); the cells in
// `hits` also hold "key".
struct Grid {
    QList<Cell> hits;
    QString text(int row, int column) const {
        const QString name = QStringLiteral("r%1c%2").arg(row).arg(column);
        return hits.contains(Cell{row, column}) ? name + QStringLiteral(" key") : name;
    }
};

// Every cell that a search finds, one Find next after the other, until none is left.
QList<Cell> visitAll(const Grid& grid, Order order, Range range, Cell current = {}) {
    Options o;
    o.text = QStringLiteral("key");
    o.order = order;
    o.range = range;
    const CellText text = [&](int row, int column) { return grid.text(row, column); };
    QList<Cell> found;
    std::optional<Cell> last;
    while (const std::optional<Cell> next = findCell(3, 3, text, o, current, last)) {
        found.append(*next);
        last = next;
        if (found.size() > 9)
            break;
    }
    return found;
}

} // namespace

class TestGridFind : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void plainText();
    void wildcards();
    void comparisons();
    void orderAndRange();
    void findNextAfterLastMatchFindsNothing();
};

void TestGridFind::plainText() {
    QVERIFY(matches(QStringLiteral("My Setup.exe"), QStringLiteral("setup")));
    QVERIFY(!matches(QStringLiteral("My Setup.exe"), QStringLiteral("setup"), true));
    // Whole cells ignore case unless asked not to.
    QVERIFY(matches(QStringLiteral("SETUP"), QStringLiteral("setup"), false, true));
    QVERIFY(!matches(QStringLiteral("setup.exe"), QStringLiteral("setup"), false, true));
    QVERIFY(!matches(QStringLiteral("SETUP"), QStringLiteral("setup"), true, true));
    // Pattern characters mean nothing without the pattern option.
    QVERIFY(!matches(QStringLiteral("setup.exe"), QStringLiteral("*.exe")));
    QVERIFY(matches(QStringLiteral("why?"), QStringLiteral("?")));
}

void TestGridFind::wildcards() {
    QVERIFY(patternMatches(QStringLiteral("setup.exe"), QStringLiteral("*.exe")));
    QVERIFY(patternMatches(QStringLiteral("SETUP.EXE"), QStringLiteral("*.exe")));
    QVERIFY(!patternMatches(QStringLiteral("SETUP.EXE"), QStringLiteral("*.exe"), true));
    QVERIFY(!patternMatches(QStringLiteral("setup.exe.txt"), QStringLiteral("*.exe")));
    QVERIFY(patternMatches(QStringLiteral("setup.exe.txt"), QStringLiteral("*.exe*")));
    QVERIFY(patternMatches(QStringLiteral("a1b"), QStringLiteral("a?b")));
    QVERIFY(!patternMatches(QStringLiteral("ab"), QStringLiteral("a?b")));
    QVERIFY(patternMatches(QString(), QStringLiteral("*")));
    QVERIFY(!patternMatches(QString(), QStringLiteral("?")));
    // "!" turns the answer round.
    QVERIFY(patternMatches(QStringLiteral("readme.txt"), QStringLiteral("!*.exe")));
    QVERIFY(!patternMatches(QStringLiteral("setup.exe"), QStringLiteral("!*.exe")));
    // Many stars over a long cell stay quick.
    const QString longCell = QString(5000, u'a');
    QVERIFY(!wildcardMatches(longCell, QStringLiteral("*a*a*a*a*a*a*a*a*b")));
}

void TestGridFind::comparisons() {
    QVERIFY(patternMatches(QStringLiteral("m"), QStringLiteral(">k")));
    QVERIFY(!patternMatches(QStringLiteral("k"), QStringLiteral(">k")));
    QVERIFY(patternMatches(QStringLiteral("k"), QStringLiteral(">=k")));
    QVERIFY(patternMatches(QStringLiteral("b"), QStringLiteral("<c")));
    QVERIFY(patternMatches(QStringLiteral("c"), QStringLiteral("<=C")));
    // Both must hold with "&", either with "^"; the value ends at a blank.
    QVERIFY(patternMatches(QStringLiteral("d"), QStringLiteral(">b & <f")));
    QVERIFY(!patternMatches(QStringLiteral("g"), QStringLiteral(">b&<f")));
    QVERIFY(patternMatches(QStringLiteral("a"), QStringLiteral("<b ^ >y")));
    QVERIFY(patternMatches(QStringLiteral("z"), QStringLiteral("<b^>y")));
    QVERIFY(!patternMatches(QStringLiteral("m"), QStringLiteral("<b ^ >y")));
    QVERIFY(patternMatches(QStringLiteral("m"), QStringLiteral("!<b ^ >y")));
    // Sort order is by character code.
    QVERIFY(patternMatches(QStringLiteral("apple"), QStringLiteral(">Zebra"), true));
}

void TestGridFind::orderAndRange() {
    const Grid grid{{Cell{0, 2}, Cell{1, 0}, Cell{2, 1}, Cell{1, 2}}};
    QCOMPARE(visitAll(grid, Order::TopDown, Range::Grid), (QList<Cell>{{1, 0}, {2, 1}, {0, 2}, {1, 2}}));
    QCOMPARE(visitAll(grid, Order::LeftRight, Range::Grid), (QList<Cell>{{0, 2}, {1, 0}, {1, 2}, {2, 1}}));
    // A limited search keeps to the row or column of the current cell, whatever the order.
    QCOMPARE(visitAll(grid, Order::LeftRight, Range::Row, Cell{1, 1}), (QList<Cell>{{1, 0}, {1, 2}}));
    QCOMPARE(visitAll(grid, Order::TopDown, Range::Row, Cell{1, 1}), (QList<Cell>{{1, 0}, {1, 2}}));
    QCOMPARE(visitAll(grid, Order::TopDown, Range::Column, Cell{0, 2}), (QList<Cell>{{0, 2}, {1, 2}}));
    QCOMPARE(visitAll(grid, Order::LeftRight, Range::Column, Cell{2, 0}), (QList<Cell>{{1, 0}}));
}

void TestGridFind::findNextAfterLastMatchFindsNothing() {
    Options o;
    o.text = QStringLiteral("r2c2");
    const CellText text = [](int row, int column) { return QStringLiteral("r%1c%2").arg(row).arg(column); };
    const std::optional<Cell> last = findCell(3, 3, text, o, {}, std::nullopt);
    QVERIFY(last && *last == (Cell{2, 2}));
    QVERIFY(!findCell(3, 3, text, o, {}, last));
    // A grid that lost rows since the last match, or has none, finds nothing and does not fail.
    QVERIFY(!findCell(1, 3, text, o, {}, last));
    QVERIFY(!findCell(0, 0, text, o, {}, std::nullopt));
    o.range = Range::Row;
    QVERIFY(!findCell(2, 3, text, o, Cell{2, 0}, std::nullopt));
}

QTEST_GUILESS_MAIN(TestGridFind)
#include "tst_gridfind.moc"
