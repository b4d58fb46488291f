// Export and Find as the user reaches them in the main window.
#include "common/Cp1252.h"
#include "editor/gui/find/FindDialog.h"
#include "tests/editor/export/OfficeReader.h"
#include "tests/editor/gui/OpenProjectFixture.h"
#include "ui/testing/UserInput.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>

using namespace editortest;
using ui::testing::control;
using ui::testing::press;
using Answer = ui::MessageBoxService::Answer;

namespace {

enum Format { Ascii, Csv, Word, Excel, Html };
// The Export menu's entries, in the order of the formats.
const char* const kExportEntries[] = {"ASCII1", "CVA1", "DOC1", "Excel1", "HTML1"};

ItemRecord describedItem(const QString& name, const QString& description) {
    ItemRecord r = item(name, QStringLiteral("Tools"));
    r[fieldIndex(ItemField::Description)] = description;
    r[fieldIndex(ItemField::Serial)] = QStringLiteral("serial of ") + name;
    return r;
}

// Fills the find dialog once it is open and closes it with OK.
void findWith(const QString& text, bool wholeCell, bool pattern, int range = 0, int order = 0) {
    whenOpen<FindDialog>([=](FindDialog* dialog) {
        control<QLineEdit>(*dialog, u"findtext"_qs)->setText(text);
        control<QCheckBox>(*dialog, u"chkfull"_qs)->setChecked(wholeCell);
        control<QCheckBox>(*dialog, u"chkregular"_qs)->setChecked(pattern);
        control<QGroupBox>(*dialog, u"where"_qs)->findChildren<QRadioButton*>().at(range)->setChecked(true);
        control<QGroupBox>(*dialog, u"dir"_qs)->findChildren<QRadioButton*>().at(order)->setChecked(true);
        QVERIFY(press(*dialog, u"Button1"_qs));
    });
}

QPoint currentCell(const OpenProjectFixture& f) {
    const QModelIndex index = f.form->grid()->currentIndex();
    return {index.column(), index.row()};
}

} // namespace

class TestFindExport : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void exportWritesTheShownGrid();
    void exportInGermanAndIntoOfficeFiles();
    void exportFailureNamesTheFile();
    void charactersACodePageLacksAreSaidBeforeWriting();
    void findWholeCellAndPattern();
    void findNextEndsWithMessageAndStartsFind();
    void findInCurrentRowStaysInRow();
};

void TestFindExport::exportWritesTheShownGrid() {
    OpenProjectFixture f;
    f.setItems({describedItem(QStringLiteral("Bär"), QStringLiteral("fast, small")),
                describedItem(QStringLiteral("Euro"), QStringLiteral("5 €"))});
    QVERIFY(f.trigger(QStringLiteral("showcolumn%1").arg(fieldIndex(ItemField::Serial))));
    const QString file = f.dir.filePath(QStringLiteral("list.csv"));
    f.fakes.choosers.queueSaveFile(file);
    QVERIFY(f.trigger(kExportEntries[Csv]));

    QCOMPARE(f.fakes.choosers.requests.size(), 1);
    const auto request = f.fakes.choosers.requests.last().file;
    QCOMPARE(request.filter, QStringLiteral("CSV (*.csv)|*.csv"));
    QCOMPARE(request.defaultSuffix, QStringLiteral("csv"));
    QCOMPARE(request.title, QStringLiteral("Export"));
    QVERIFY(request.fileName.isEmpty());
    const QStringList rows =
        common::fromCp1252(readBytes(file)).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    QCOMPARE(rows.size(), 3);
    QVERIFY(rows[0].startsWith(QStringLiteral("\"\",Name,File Name,CD Path,CD Size,")));
    QVERIFY(!rows[0].contains(QStringLiteral("Serial")));
    QVERIFY(!rows[1].contains(QStringLiteral("serial of")));
    QVERIFY(rows[1].contains(QStringLiteral(",\"fast, small\",Tools,")));
    QVERIFY(rows[2].startsWith(QStringLiteral("\"\",Euro,Euro.exe,")));
    QVERIFY(f.messages().isEmpty());

    // Cancelling the chooser writes nothing.
    QFile::remove(file);
    QVERIFY(f.trigger(kExportEntries[Html]));
    QCOMPARE(f.fakes.choosers.requests.last().file.filter, QStringLiteral("HTML|*.html"));
    QVERIFY(!QFile::exists(file));
    QVERIFY(f.messages().isEmpty());
}

void TestFindExport::exportInGermanAndIntoOfficeFiles() {
    OpenProjectFixture f(2);
    f.setItems({describedItem(QStringLiteral("Bär"), QStringLiteral("5 €")),
                describedItem(QStringLiteral("Zwei"), QString())});
    f.items().setField(0, ItemField::Copy, f.state.language.yesText());
    // Moved and hidden columns: the export follows the grid as shown.
    QHeaderView* header = f.form->grid()->horizontalHeader();
    header->moveSection(header->visualIndex(fieldIndex(ItemField::Category)), 0);
    QVERIFY(f.trigger(QStringLiteral("showcolumn%1").arg(fieldIndex(ItemField::Serial))));

    const QString workbook = f.dir.filePath(QStringLiteral("list.xlsx"));
    const QString document = f.dir.filePath(QStringLiteral("list.docx"));
    f.fakes.choosers.queueSaveFile(workbook);
    QVERIFY(f.trigger(kExportEntries[Excel]));
    QCOMPARE(f.fakes.choosers.requests.last().file.filter, QStringLiteral("Excel|*.xlsx"));
    f.fakes.choosers.queueSaveFile(document);
    QVERIFY(f.trigger(kExportEntries[Word]));
    QCOMPARE(f.fakes.choosers.requests.last().file.filter, QStringLiteral("Word|*.docx"));
    QVERIFY(f.messages().isEmpty());

    QStringList titles{QString()};
    QStringList first{QString()};
    for (int visual = 0; visual < kItemFieldCount; ++visual) {
        const int field = header->logicalIndex(visual);
        if (field == fieldIndex(ItemField::Serial))
            continue;
        titles.append(f.state.language.fieldTitle(field));
        first.append(f.items().field(0, field));
    }
    QCOMPARE(titles[1], f.state.language.fieldTitle(fieldIndex(ItemField::Category)));
    QVERIFY(first.contains(f.state.language.yesText()));
    QVERIFY(first.contains(QStringLiteral("5 €")));

    const officereader::Rows sheet = officereader::workbookCells(workbook);
    const officereader::Rows table = officereader::documentCells(document);
    QCOMPARE(int(table.size()), 3);
    QCOMPARE(table[0], titles);
    QCOMPARE(table[1], first);
    QCOMPARE(sheet[0], titles);
    // The sheet leaves empty cells out at the end of a row.
    while (first.last().isEmpty())
        first.removeLast();
    QCOMPARE(sheet[1], first);
}

void TestFindExport::exportFailureNamesTheFile() {
    OpenProjectFixture f;
    f.setItems({describedItem(QStringLiteral("One"), QString())});
    for (int format : {Ascii, Word, Excel}) {
        const QString file = f.dir.filePath(QStringLiteral("missing/list.out"));
        f.fakes.choosers.queueSaveFile(file);
        QVERIFY(f.trigger(kExportEntries[format]));
        QCOMPARE(f.fakes.messages.shown.size(), 1);
        QCOMPARE(f.fakes.messages.shown.last().kind, ui::MessageBoxService::Kind::Error);
        QVERIFY(f.fakes.messages.shown.last().text.startsWith(QDir::toNativeSeparators(file)));
        f.fakes.messages.shown.clear();
    }
}

void TestFindExport::charactersACodePageLacksAreSaidBeforeWriting() {
    OpenProjectFixture f;
    f.setItems({describedItem(QStringLiteral("Привет"), QStringLiteral("ok")),
                describedItem(QStringLiteral("Plain"), QStringLiteral("😀 smile"))});
    const auto exportEntry = [&f](const QString& caption) {
        for (QAction* a : f.form->findChildren<QAction*>())
            if (a->text() == caption && qobject_cast<QMenu*>(a->parent()))
                return a;
        return static_cast<QAction*>(nullptr);
    };
    const QString file = f.dir.filePath(QStringLiteral("list.csv"));
    f.fakes.choosers.queueSaveFile(file);
    f.fakes.messages.queueAnswer(Answer::Cancel);
    exportEntry(QStringLiteral("CSV"))->trigger();
    QVERIFY(!QFile::exists(file));
    QCOMPARE(f.fakes.messages.shown.size(), 1);
    QCOMPARE(f.fakes.messages.shown.last().kind, ui::MessageBoxService::Kind::Warning);
    const QString said = f.messages().last();
    QVERIFY2(said.contains(QStringLiteral("\nName, 1: Привет\n")), qPrintable(said));
    QVERIFY2(said.contains(QStringLiteral("\nDescription, 2: 😀\n")), qPrintable(said));
    QVERIFY(said.startsWith(f.message(u"M88").section(u'%', 0, 0)));

    // Going on writes the file with question marks in their place.
    f.fakes.choosers.queueSaveFile(file);
    f.fakes.messages.queueAnswer(Answer::Ok);
    exportEntry(QStringLiteral("CSV"))->trigger();
    QVERIFY(common::fromCp1252(readBytes(file)).contains(QStringLiteral(",??????,")));

    // HTML is UTF-8 and loses nothing, so it asks nothing.
    const QString page = f.dir.filePath(QStringLiteral("list.html"));
    f.fakes.choosers.queueSaveFile(page);
    exportEntry(QStringLiteral("HTML"))->trigger();
    QCOMPARE(f.fakes.messages.shown.size(), 2);
    QVERIFY(QString::fromUtf8(readBytes(page)).contains(QStringLiteral(">😀 smile</td>")));
}

void TestFindExport::findWholeCellAndPattern() {
    OpenProjectFixture f;
    f.setItems({item(QStringLiteral("setup"), QStringLiteral("Tools")),
                item(QStringLiteral("SETUP"), QStringLiteral("Tools")),
                item(QStringLiteral("Other"), QStringLiteral("Tools"))});
    f.items().setField(2, ItemField::FileName, QStringLiteral("setup.exe.txt"));
    f.makeCurrent(2);
    // "setup.exe" (row 0's file name) is not the whole cell; the first whole "setup" is row 0's name.
    findWith(QStringLiteral("setup"), true, false);
    QVERIFY(f.pressTool("Find"));
    QCOMPARE(currentCell(f), QPoint(fieldIndex(ItemField::Name), 0));
    QVERIFY(f.trigger("Findnext1"));
    QCOMPARE(currentCell(f), QPoint(fieldIndex(ItemField::Name), 1));
    QVERIFY(f.trigger("Findnext1"));
    QCOMPARE(f.messages(), QStringList{f.message(u"M36")});
    QCOMPARE(currentCell(f), QPoint(fieldIndex(ItemField::Name), 1));

    // The dialog keeps its settings; the pattern finds the file names column by column.
    whenOpen<FindDialog>([](FindDialog* dialog) {
        QCOMPARE(control<QLineEdit>(*dialog, u"findtext"_qs)->text(), QStringLiteral("setup"));
        QVERIFY(control<QCheckBox>(*dialog, u"chkfull"_qs)->isChecked());
        QCOMPARE(dialog->focusWidget(), control<QLineEdit>(*dialog, u"findtext"_qs));
        control<QLineEdit>(*dialog, u"findtext"_qs)->setText(QStringLiteral("*.exe"));
        control<QCheckBox>(*dialog, u"chkregular"_qs)->setChecked(true);
        QVERIFY(press(*dialog, u"Button1"_qs));
    });
    QVERIFY(f.pressTool("Find"));
    QCOMPARE(currentCell(f), QPoint(fieldIndex(ItemField::FileName), 0));
    QVERIFY(f.trigger("Findnext1"));
    QCOMPARE(currentCell(f), QPoint(fieldIndex(ItemField::FileName), 1));
    QVERIFY(f.trigger("Findnext1"));
    QCOMPARE(f.messages().size(), 2);

    // Help leaves the dialog open; Cancel changes nothing.
    whenOpen<FindDialog>([](FindDialog* dialog) {
        QVERIFY(press(*dialog, u"button3"_qs));
        QVERIFY(dialog->isVisible());
        QVERIFY(press(*dialog, u"button2"_qs));
    });
    QVERIFY(f.pressTool("Find"));
    QCOMPARE(f.fakes.help.topics.size(), 1);
    QCOMPARE(f.fakes.help.topics.last().context, 2500);
    QCOMPARE(currentCell(f), QPoint(fieldIndex(ItemField::FileName), 1));
    QCOMPARE(f.messages().size(), 2);
}

void TestFindExport::findNextEndsWithMessageAndStartsFind() {
    OpenProjectFixture f(2);
    f.setItems({item(QStringLiteral("Alpha"), QStringLiteral("Tools"))});
    // With no search made yet, Find next asks what to find.
    findWith(QStringLiteral("alpha"), false, false);
    QVERIFY(f.trigger("Findnext1"));
    QCOMPARE(currentCell(f), QPoint(fieldIndex(ItemField::Name), 0));
    auto* dialog = f.find<FindDialog>(QStringLiteral("Tfinddlg"));
    QVERIFY(dialog);
    QCOMPARE(dialog->windowTitle(), f.state.language.text(u"T7"));
    QVERIFY(f.messages().isEmpty());
    // Its shortcut reaches it through the menu.
    QAction* findNext = f.commandWithShortcut(QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_F));
    QVERIFY(findNext && findNext->isEnabled());
    findNext->trigger();
    QCOMPARE(currentCell(f), QPoint(fieldIndex(ItemField::FileName), 0));
    QVERIFY(f.messages().isEmpty());
    findNext->trigger();
    QCOMPARE(f.messages(), QStringList{f.message(u"M36")});
    QCOMPARE(currentCell(f), QPoint(fieldIndex(ItemField::FileName), 0));
}

void TestFindExport::findInCurrentRowStaysInRow() {
    OpenProjectFixture f;
    f.setItems({item(QStringLiteral("x1"), QStringLiteral("Tools")),
                item(QStringLiteral("x2"), QStringLiteral("Tools")),
                item(QStringLiteral("x3"), QStringLiteral("Tools"))});
    f.makeCurrent(1);
    findWith(QStringLiteral("x"), false, false, 2, 1);
    QVERIFY(f.pressTool("Find"));
    QCOMPARE(currentCell(f), QPoint(fieldIndex(ItemField::Name), 1));
    QVERIFY(f.trigger("Findnext1"));
    QCOMPARE(currentCell(f), QPoint(fieldIndex(ItemField::FileName), 1));
    QVERIFY(f.trigger("Findnext1"));
    QCOMPARE(currentCell(f), QPoint(fieldIndex(ItemField::FileName), 1));
    QCOMPARE(f.messages(), QStringList{f.message(u"M36")});
}

QTEST_MAIN(TestFindExport)
#include "tst_findexport.moc"
