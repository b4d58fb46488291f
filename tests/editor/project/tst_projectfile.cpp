// The project file: what a save writes, and how items and their categories come back.
#include "common/CategoryCount.h"
#include "common/IniFile.h"
#include "editor/project/EditorState.h"
#include "editor/project/ItemTable.h"
#include "editor/project/ProjectFile.h"
#include "tests/editor/EditorTestSupport.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace editortest;

class TestProjectFile : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

    QString path(const QString& name) const { return m_dir.filePath(name); }

    static void save(const QString& file, const EditorState& state, const ItemTable& items) {
        QVERIFY(projectfile::save(file, state, items));
    }

    static std::vector<ItemRecord> readBack(const QString& file, EditorState& state) {
        ItemTable items;
        projectfile::read(common::IniFile(file), state, items);
        return recordsOf(items);
    }

private Q_SLOTS:
    void saveWritesSectionsAndKeysInOrder() {
        EditorState state;
        state.cdName = QStringLiteral("Issue 5");
        state.projectFolder = QStringLiteral("C:\\Discs\\Issue5\\");
        state.categories = {QStringLiteral("Tools"), QStringLiteral("Games")};
        ItemTable items;
        items.setRecords({item(QStringLiteral("Setup"), QStringLiteral("Games"))});
        const QString file = path(QStringLiteral("order.lbp"));
        save(file, state, items);

        QFile f(file);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray expected = "[general]\r\ncdname=Issue 5\r\nrootname=C:\\Discs\\Issue5\\\r\n"
                                    "genre_file=\r\ngenre_filealone=\r\ngenre_fileext=\r\n"
                                    "menu_file=\r\nmenu_filealone=\r\nmenu_fileext=\r\n"
                                    "[Item-1]\r\n0=Setup\r\n1=Setup.exe\r\n2=\\\r\n3=\r\n4=\r\n5=\r\n6=\r\n"
                                    "8=yes\r\n9=\r\n10=\r\n11=no\r\n7=1\r\n7_2=Games\r\n"
                                    "[Anz_Eintr\xE4ge]\r\nitems=1\r\n";
        QCOMPARE(f.readAll(), expected);
    }

    void emptyProjectIsOneEmptyItem() {
        EditorState state;
        ItemTable items;
        const QString file = path(QStringLiteral("empty.lbp"));
        save(file, state, items);
        const common::IniFile ini(file);
        QCOMPARE(ini.readInteger(QStringLiteral("Anz_Eintr\u00e4ge"), u"items", -1), 1);
        QVERIFY(ini.hasSection(u"Item-1"));
        const auto rows = readBack(file, state);
        QCOMPARE(rows.size(), std::size_t(1));
        QCOMPARE(rows[0][0], QString());
        QCOMPARE(state.cdName, QString());
    }

    void fewerItemsLeaveNoStaleSections() {
        EditorState state;
        state.categories = {QStringLiteral("Tools")};
        ItemTable items;
        std::vector<ItemRecord> five;
        for (int i = 0; i < 5; ++i)
            five.push_back(item(QStringLiteral("Item %1").arg(i), QStringLiteral("Tools")));
        items.setRecords(five);
        const QString file = path(QStringLiteral("shrink.lbp"));
        save(file, state, items);
        five.resize(2);
        items.setRecords(five);
        save(file, state, items);
        const common::IniFile ini(file);
        QVERIFY(ini.hasSection(u"Item-2"));
        for (const char16_t* gone : {u"Item-3", u"Item-4", u"Item-5"})
            QVERIFY2(!ini.hasSection(QStringView(gone)), qPrintable(QString::fromUtf16(gone)));
        QCOMPARE(readBack(file, state).size(), std::size_t(2));
    }

    // A save rewrites every item section, also those a damaged count left behind, and keeps the rest
    // of the file: other sections, other keys of "general", the count where it stood.
    void resaveKeepsTheRestOfTheFile() {
        const QString file = path(QStringLiteral("resave.lbp"));
        {
            QFile f(file);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("[general]\r\ncdname=Old\r\nown=kept\r\n[Anz_Eintr\xE4ge]\r\nitems=1\r\n"
                    "[Item-1]\r\n0=One\r\nextra=gone\r\n[item-7]\r\n0=stale\r\n[Notes]\r\nA=1\r\n"
                    "[Item-0]\r\n0=not an item\r\n[Item-01]\r\n0=not an item\r\n");
        }
        EditorState state;
        state.cdName = QStringLiteral("New");
        state.categories = {QStringLiteral("Tools")};
        ItemTable items;
        items.setRecords({item(QStringLiteral("A"), QStringLiteral("Tools")),
                          item(QStringLiteral("B"), QStringLiteral("Tools"))});
        save(file, state, items);

        const common::IniFile ini(file);
        QCOMPARE(ini.readString(u"general", u"cdname"), QStringLiteral("New"));
        QCOMPARE(ini.readString(u"general", u"own"), QStringLiteral("kept"));
        QCOMPARE(ini.readString(u"Notes", u"A"), QStringLiteral("1"));
        QCOMPARE(ini.readString(u"Item-0", u"0"), QStringLiteral("not an item"));
        QCOMPARE(ini.readString(u"Item-01", u"0"), QStringLiteral("not an item"));
        QCOMPARE(ini.readString(u"Item-1", u"0"), QStringLiteral("A"));
        QVERIFY(!ini.hasKey(u"Item-1", u"extra"));
        QVERIFY(!ini.hasSection(u"Item-7"));
        QCOMPARE(ini.readInteger(u"Anz_Eintr\u00e4ge", u"items", 0), 2);
        QFile f(file);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray bytes = f.readAll();
        QVERIFY(bytes.indexOf("[Anz_Eintr\xE4ge]") < bytes.indexOf("[Notes]"));
        QVERIFY(bytes.indexOf("[Item-0]") < bytes.indexOf("[Item-1]"));
        QCOMPARE(readBack(file, state).size(), std::size_t(2));
    }

    void manyItemsReadBackInOrder() {
        EditorState state;
        state.categories = {QStringLiteral("Tools")};
        ItemTable items;
        std::vector<ItemRecord> rows;
        for (int i = 0; i < 300; ++i)
            rows.push_back(item(QStringLiteral("Item %1").arg(i), QStringLiteral("Tools")));
        items.setRecords(rows);
        const QString file = path(QStringLiteral("many.lbp"));
        save(file, state, items);
        const auto back = readBack(file, state);
        QCOMPARE(back.size(), std::size_t(300));
        QCOMPARE(back[299][0], QStringLiteral("Item 299"));
        QCOMPARE(back, rows);
    }

    void yesNoWordsAreStoredInEnglish() {
        EditorState german;
        common::IniFile lang(path(QStringLiteral("lang_2.dat")));
        lang.writeString(u"Texts", u"TYES", QStringLiteral("ja"));
        lang.writeString(u"Texts", u"TNO", QStringLiteral("nein"));
        german.language.load(lang);
        german.categories = {QStringLiteral("Tools")};
        ItemTable items;
        items.setRecords({item(QStringLiteral("A"), QStringLiteral("Tools"), QStringLiteral("ja"),
                               QStringLiteral("Nein"))});
        const QString file = path(QStringLiteral("german.lbp"));
        save(file, german, items);
        const common::IniFile ini(file);
        QCOMPARE(ini.readString(u"Item-1", u"8"), QStringLiteral("yes"));
        QCOMPARE(ini.readString(u"Item-1", u"11"), QStringLiteral("no"));

        EditorState english;
        english.categories = german.categories;
        auto rows = readBack(file, english);
        QCOMPARE(rows[0][fieldIndex(ItemField::Copy)], QStringLiteral("yes"));
        QCOMPARE(rows[0][fieldIndex(ItemField::Execute)], QStringLiteral("no"));
        rows = readBack(file, german);
        QCOMPARE(rows[0][fieldIndex(ItemField::Copy)], QStringLiteral("ja"));
        QCOMPARE(rows[0][fieldIndex(ItemField::Execute)], QStringLiteral("nein"));
    }

    void categoriesResolveByNameThenPosition_data() {
        QTest::addColumn<QStringList>("list");
        QTest::addColumn<QString>("expected");
        QTest::newRow("position after name match")
            << QStringList{u"Tools"_qs, u"Games"_qs, u"Demos"_qs} << u"Demos"_qs;
        QTest::newRow("name after position")
            << QStringList{u"Games"_qs, u"Demos"_qs, u"Misc"_qs, u"Tools"_qs} << u"Tools"_qs;
        QTest::newRow("neither: first entry") << QStringList{u"A"_qs, u"B"_qs} << u"A"_qs;
        QTest::newRow("empty list") << QStringList{} << QString();
    }

    void categoriesResolveByNameThenPosition() {
        QFETCH(QStringList, list);
        QFETCH(QString, expected);
        const QString file = path(QStringLiteral("resolve.lbp"));
        {
            common::IniFile ini(file);
            ini.writeInteger(u"Item-1", u"7", 2);
            ini.writeString(u"Item-1", u"7_2", QStringLiteral("Tools"));
            ini.writeInteger(QStringLiteral("Anz_Eintr\u00e4ge"), u"items", 1);
            QVERIFY(ini.save());
        }
        EditorState state;
        state.categories = list;
        QCOMPARE(readBack(file, state)[0][fieldIndex(ItemField::Category)], expected);
    }

    void unknownCategoryIsSavedByNameOnly() {
        EditorState state;
        state.categories = {QStringLiteral("Tools"), QStringLiteral("Games"), QStringLiteral("Tools")};
        ItemTable items;
        items.setRecords({item(QStringLiteral("A"), QStringLiteral("Gone")),
                          item(QStringLiteral("B"), QStringLiteral("Tools"))});
        const QString file = path(QStringLiteral("unknown.lbp"));
        save(file, state, items);
        const common::IniFile ini(file);
        QVERIFY(!ini.hasKey(u"Item-1", u"7"));
        QCOMPARE(ini.readString(u"Item-1", u"7_2"), QStringLiteral("Gone"));
        QCOMPARE(ini.readInteger(u"Item-2", u"7", -1), 2); // the last equal caption
        QCOMPARE(readBack(file, state)[0][fieldIndex(ItemField::Category)], QStringLiteral("Tools"));
    }

    void damagedFilesReadSafely() {
        const QString file = path(QStringLiteral("damaged.lbp"));
        writeFile(file, "[Anz_Eintr\xE4ge]\r\nitems=2000000000\r\n[Item-1]\r\n0=Only\r\n");
        EditorState state;
        const auto rows = readBack(file, state);
        QVERIFY(rows.size() <= 3);
        QCOMPARE(rows[0][0], QStringLiteral("Only"));
        QCOMPARE(state.cdName, QStringLiteral("no cd name"));
        QCOMPARE(state.pendingCategoryFile, QStringLiteral("not found"));

        writeFile(file, "[Anz_Eintr\xE4ge]\r\nitems=-5\r\n");
        QCOMPARE(readBack(file, state).size(), std::size_t(1));
    }

    void categoryListReadsCaptionsInFileOrder() {
        const QString lbc = writeCategoryFile(path(QStringLiteral("cats.lbc")), {u"Tools"_qs, u"Games"_qs});
        QCOMPARE(loadCategoryList(lbc), (QStringList{u"Tools"_qs, u"Games"_qs}));
        {
            common::IniFile ini(lbc);
            ini.writeInteger(u"general", u"anz_items", 0);
            QVERIFY(ini.save());
        }
        QVERIFY(loadCategoryList(lbc).isEmpty());
        // A damaged count is clamped as the menu program clamps it, never taken modulo 256.
        const auto listWithCount = [&](const QString& count) {
            common::IniFile ini(lbc);
            ini.writeString(u"general", u"anz_items", count);
            ini.save();
            return loadCategoryList(lbc);
        };
        for (const auto& [count, size] :
             {std::pair{u"1000000"_qs, common::kMaxCategories}, std::pair{u"256"_qs, 256},
              std::pair{u"-1"_qs, 0}, std::pair{u"3"_qs, 3}}) {
            const QStringList list = listWithCount(count);
            QCOMPARE(list.size(), size);
            QCOMPARE(list.size(), common::readCategoryCount(common::IniFile(lbc)));
        }
        QCOMPARE(listWithCount(u"3"_qs), (QStringList{u"Tools"_qs, u"Games"_qs, u"Fehler"_qs}));
        QVERIFY(loadCategoryList(path(QStringLiteral("missing.lbc"))).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestProjectFile)
#include "tst_projectfile.moc"
