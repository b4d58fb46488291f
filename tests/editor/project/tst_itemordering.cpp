// Band colours, both sorts, removing rows, the language switch of yes/no cells and the messages
// that a language file may lack.
#include "common/IniFile.h"
#include "editor/language/LanguageTables.h"
#include "editor/project/ItemOrdering.h"
#include "editor/project/ItemTable.h"
#include "tests/editor/EditorTestSupport.h"

#include <QTemporaryDir>
#include <QtTest>

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
