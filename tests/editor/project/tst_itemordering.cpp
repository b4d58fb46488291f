// The rows' store through changes, band colours, both sorts, removing rows, the language switch of
// yes/no cells and the messages that a language file may lack.
#include "common/IniFile.h"
#include "editor/language/LanguageTables.h"
#include "editor/project/ItemOrdering.h"
#include "editor/project/ItemTable.h"
#include "tests/editor/EditorTestSupport.h"

#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>

using namespace editortest;

namespace {

QStringList column(const ItemTable& items, ItemField f) {
    QStringList out;
    for (int r = 0; r < items.itemCount(); ++r)
        out << items.field(r, f);
    return out;
}

} // namespace

class TestItemOrdering : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void rowsKeepEveryTextThroughChanges() {
        // Rows stored one byte a character and rows that need two, side by side; a changed row
        // is written anew, and the space it leaves is reclaimed once there is much of it.
        QString everyCharacter;
        for (char16_t c = 1; c != 0; ++c)
            everyCharacter.append(QChar(c));
        QString latin1;
        for (char16_t c = 1; c <= 0xff; ++c)
            latin1.append(QChar(c));
        const QString veryLong(300000, u'x');
        ItemRecord wide = item(u"\u00fcber \u20ac"_qs, u"Spiele"_qs);
        wide[fieldIndex(ItemField::Description)] = everyCharacter;
        ItemRecord narrow = item(latin1, u"Tools"_qs);
        narrow[fieldIndex(ItemField::Homepage)] = veryLong;
        std::vector<ItemRecord> expected = {wide, ItemRecord(), narrow, item(u"last"_qs, u"Tools"_qs)};
        ItemTable items;
        items.setRecords(expected);
        QCOMPARE(recordsOf(items), expected);

        // Narrow rows turn wide and back; an emptied field stays empty.
        items.setField(2, ItemField::Serial, u"\u4e2d"_qs);
        expected[2][fieldIndex(ItemField::Serial)] = u"\u4e2d"_qs;
        items.setField(0, ItemField::Description, QString());
        expected[0][fieldIndex(ItemField::Description)] = QString();
        QCOMPARE(recordsOf(items), expected);

        // Many rewrites of a long row leave far more dead space than rows in use.
        for (int round = 0; round < 20; ++round) {
            expected[1][fieldIndex(ItemField::Copy)] = veryLong + QString::number(round);
            items.setRecord(1, expected[1]);
        }
        QCOMPARE(recordsOf(items), expected);

        items.moveItem(3, 0);
        std::rotate(expected.begin(), expected.begin() + 3, expected.end());
        items.removeItem(2);
        expected.erase(expected.begin() + 2);
        items.appendRecords(expected);
        const std::vector<ItemRecord> appended = expected;
        expected.insert(expected.end(), appended.begin(), appended.end());
        QCOMPARE(recordsOf(items), expected);
        QCOMPARE(items.data(items.index(1, fieldIndex(ItemField::Description))).toString(),
                 expected[1][fieldIndex(ItemField::Description)]);
    }

    void bandColoursFollowCategoryChanges() {
        ItemTable items;
        items.setRecords({item(u"a"_qs, u"Games"_qs), item(u"b"_qs, u"Games"_qs), item(u"c"_qs, u"Tools"_qs),
                          item(u"d"_qs, u"Games"_qs)});
        const QColor c1(Qt::gray), c2(Qt::white);
        recomputeRowColours(items, c1, c2);
        QCOMPARE(items.rowColour(0), c1);
        QCOMPARE(items.rowColour(1), c1);
        QCOMPARE(items.rowColour(2), c2);
        QCOMPARE(items.rowColour(3), c1);
        QCOMPARE(items.data(items.index(2, 5), Qt::BackgroundRole).value<QColor>(), c2);

        // Equal band colours: a category change still alternates back to Color1.
        recomputeRowColours(items, c1, c1);
        QCOMPARE(items.rowColour(2), c1);
    }

    void fullSortOrdersByCategoryThenName() {
        ItemTable items;
        items.setRecords(
            {item(u"b"_qs, u"Tools"_qs), item(u"a"_qs, u"Games"_qs), item(u"A"_qs, u"Tools"_qs)});
        fullSort(items);
        QCOMPARE(column(items, ItemField::Category), (QStringList{u"Games"_qs, u"Tools"_qs, u"Tools"_qs}));
        QCOMPARE(column(items, ItemField::Name), (QStringList{u"a"_qs, u"A"_qs, u"b"_qs}));
    }

    void sortByFieldIsStableBothWays() {
        ItemTable items;
        items.setRecords(
            {item(u"x"_qs, u"B"_qs), item(u"y"_qs, u"A"_qs), item(u"z"_qs, u"B"_qs), item(u"w"_qs, u"a"_qs)});
        const int category = fieldIndex(ItemField::Category);
        sortByField(items, category, true);
        QCOMPARE(column(items, ItemField::Name), (QStringList{u"y"_qs, u"x"_qs, u"z"_qs, u"w"_qs}));
        sortByField(items, category, false);
        QCOMPARE(column(items, ItemField::Name), (QStringList{u"w"_qs, u"x"_qs, u"z"_qs, u"y"_qs}));
    }

    void removeKeepsAtLeastOneRow() {
        ItemTable items;
        items.setRecords({item(u"a"_qs, u"G"_qs), item(u"b"_qs, u"G"_qs)});
        items.removeItem(0);
        QCOMPARE(column(items, ItemField::Name), QStringList{u"b"_qs});
        items.removeItem(0);
        QCOMPARE(items.itemCount(), 1);
        QCOMPARE(items.record(0), ItemRecord());
        items.setRecords({});
        QCOMPARE(items.itemCount(), 1);
    }

    void moveItemBothDirections() {
        ItemTable items;
        items.setRecords({item(u"a"_qs, u"G"_qs), item(u"b"_qs, u"G"_qs), item(u"c"_qs, u"G"_qs)});
        items.moveItem(0, 2);
        QCOMPARE(column(items, ItemField::Name), (QStringList{u"b"_qs, u"c"_qs, u"a"_qs}));
        items.moveItem(2, 0);
        QCOMPARE(column(items, ItemField::Name), (QStringList{u"a"_qs, u"b"_qs, u"c"_qs}));
    }

    void languageSwitchTranslatesWholeYesNoCells() {
        QTemporaryDir dir;
        common::IniFile german(dir.filePath(QStringLiteral("lang_2.dat")));
        german.writeString(u"Texts", u"TYES", QStringLiteral("ja"));
        german.writeString(u"Texts", u"TNO", QStringLiteral("nein"));
        LanguageTables language;
        language.load(german);

        ItemTable items;
        ItemRecord r = item(u"Yes"_qs, u"Tools"_qs, u"yes"_qs, u"No"_qs);
        r[fieldIndex(ItemField::Description)] = QStringLiteral("yes please");
        r[fieldIndex(ItemField::Serial)] = QStringLiteral("YES");
        items.setRecords({r});
        translateYesNoCells(items, language);
        QCOMPARE(items.field(0, ItemField::Name), QStringLiteral("ja"));
        QCOMPARE(items.field(0, ItemField::Copy), QStringLiteral("ja"));
        QCOMPARE(items.field(0, ItemField::Execute), QStringLiteral("nein"));
        QCOMPARE(items.field(0, ItemField::Description), QStringLiteral("yes please"));
        QCOMPARE(items.field(0, ItemField::Serial), QStringLiteral("YES"));
    }

    void fileErrorsNeverReadEmpty() {
        // Before any language file, and with an older one that lacks them, a file that cannot be
        // opened or written is still named in a whole sentence.
        QTemporaryDir dir;
        common::IniFile older(dir.filePath(QStringLiteral("lang_1.dat")));
        older.writeString(u"Messages", u"M1", QStringLiteral("Open a project first."));
        LanguageTables language;
        for (int pass = 0; pass < 2; ++pass) {
            QCOMPARE(
                language.message(u"M61").arg(u"a.ico"_qs),
                QStringLiteral("Cannot open file \"a.ico\". The file does not exist or cannot be read."));
            QVERIFY(language.message(u"M62").startsWith(u"Cannot write file \"%1\"."_qs));
            language.load(older);
        }
        QCOMPARE(language.message(u"M1"), QStringLiteral("Open a project first."));
    }
};

QTEST_GUILESS_MAIN(TestItemOrdering)
#include "tst_itemordering.moc"
