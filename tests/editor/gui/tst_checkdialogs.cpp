// The Check command through its dialogs: choosing among several places, the summary's lists and
// what closing it does to the project.
#include "editor/gui/check/CheckChoiceDialog.h"
#include "editor/gui/check/CheckSummaryDialog.h"
#include "tests/editor/gui/OpenProjectFixture.h"
#include "ui/testing/UserInput.h"

#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QToolButton>
#include <QtTest>

using namespace editortest;
using ui::testing::control;
using ui::testing::press;

namespace {

QString cell(const QTableWidget* grid, int row, int column) {
    const QTableWidgetItem* item = grid->item(row, column);
    return item ? item->text() : QString();
}

QString title(const QTableWidget* grid, int column) {
    return grid->model()->headerData(column, Qt::Horizontal).toString();
}

} // namespace

class TestCheckDialogs : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void checkRepairsRemovesAndSummarises() {
        OpenProjectFixture f;
        editortest::writeFile(f.path(u"tools/x/setup.exe"_qs));
        f.setItems({locatedItem(u"Setup"_qs, u"setup.exe"_qs, u"\\"_qs, f.path(u"setup.exe"_qs)),
                    locatedItem(u"Gone"_qs, u"gone.exe"_qs, u"\\old\\"_qs, f.path(u"old/gone.exe"_qs)),
                    locatedItem(u"Site"_qs, u"http://example.org"_qs, {}, u"n/a"_qs)});
        bool modifiedWhileOpen = true;
        whenOpen<CheckSummaryDialog>([&](CheckSummaryDialog* summary) {
            modifiedWhileOpen = f.state.modified;
            QCOMPARE(summary->objectName(), u"Tchecksform"_qs);
            QCOMPARE(summary->windowTitle(), f.state.language.text(u"T11"));
            // One entry each, and the empty row below it.
            QCOMPARE(control<QTableWidget>(*summary, u"rem_grid"_qs)->rowCount(), 2);
            QCOMPARE(cell(control<QTableWidget>(*summary, u"rem_grid"_qs), 0, 0), u"1"_qs);
            QCOMPARE(cell(control<QTableWidget>(*summary, u"rem_grid"_qs), 0, 1), u"Gone"_qs);
            QCOMPARE(cell(control<QTableWidget>(*summary, u"rem_grid"_qs), 0, 3), u"\\old\\"_qs);
            QCOMPARE(cell(control<QTableWidget>(*summary, u"rem_grid"_qs), 1, 1), QString());
            QCOMPARE(control<QTableWidget>(*summary, u"rep_grid"_qs)->rowCount(), 2);
            QCOMPARE(cell(control<QTableWidget>(*summary, u"rep_grid"_qs), 0, 3), u"\\tools\\x\\"_qs);
            QCOMPARE(cell(control<QTableWidget>(*summary, u"rep_grid"_qs), 0, 4), u"\\"_qs);
            QCOMPARE(cell(control<QTableWidget>(*summary, u"rep_grid"_qs), 0, 6), f.path(u"setup.exe"_qs));
            QCOMPARE(title(control<QTableWidget>(*summary, u"rep_grid"_qs), 6),
                     f.state.language.text(u"T39"));
            QVERIFY(press(*summary, u"okbtn"_qs));
        });
        QVERIFY(f.pressTool("check"));
        QVERIFY(!modifiedWhileOpen);
        QVERIFY(f.state.modified);
        QCOMPARE(f.items().itemCount(), 2);
        QCOMPARE(f.items().field(0, ItemField::SourceLocation), f.path(u"tools/x/setup.exe"_qs));
        QCOMPARE(f.items().rowColour(1), f.state.prefs.color1);
    }

    void severalPlacesAreChosenInTheDialog() {
        OpenProjectFixture f;
        editortest::writeFile(f.path(u"a/game.exe"_qs));
        editortest::writeFile(f.path(u"b/game.exe"_qs));
        f.setItems({locatedItem(u"Game"_qs, u"game.exe"_qs, u"\\"_qs, f.path(u"game.exe"_qs))});
        whenOpen<CheckChoiceDialog>([&](CheckChoiceDialog* choice) {
            QCOMPARE(choice->objectName(), u"Tcheckform"_qs);
            QCOMPARE(choice->windowTitle(), f.state.language.text(u"T10"));
            QVERIFY(!(choice->windowFlags() & Qt::WindowCloseButtonHint));
            QCOMPARE(control<QLabel>(*choice, u"itemName"_qs)->text(), u"Game"_qs);
            QCOMPARE(control<QListWidget>(*choice, u"folderList"_qs)->count(), 2);
            QCOMPARE(control<QListWidget>(*choice, u"folderList"_qs)->currentRow(), 0);
            // There is no way out but choosing.
            choice->reject();
            QVERIFY(choice->isVisible());
            control<QListWidget>(*choice, u"folderList"_qs)->setCurrentRow(1);
            whenOpen<CheckSummaryDialog>([](CheckSummaryDialog* summary) { summary->reject(); });
            QVERIFY(press(*choice, u"okbtn"_qs));
        });
        QVERIFY(f.pressTool("check"));
        QCOMPARE(f.items().field(0, ItemField::CdPath), u"\\b\\"_qs);
        // Closed without its Close button, the summary still leaves the project modified.
        QVERIFY(f.state.modified);
    }

    void nothingToRepairLeavesTheModifiedFlag() {
        OpenProjectFixture f(2);
        editortest::writeFile(f.path(u"a.exe"_qs));
        f.setItems({locatedItem(u"A"_qs, u"a.exe"_qs, u"\\"_qs, f.path(u"a.exe"_qs))});
        whenOpen<CheckSummaryDialog>([&](CheckSummaryDialog* summary) {
            // One sentence in place of two empty lists.
            QVERIFY(!control<QTableWidget>(*summary, u"rem_grid"_qs)->isVisible());
            QVERIFY(!control<QTableWidget>(*summary, u"rep_grid"_qs)->isVisible());
            QVERIFY(control<QLabel>(*summary, u"nothingToRepair"_qs)->isVisible());
            QCOMPARE(control<QLabel>(*summary, u"nothingToRepair"_qs)->text(),
                     u"Nichts zu reparieren: Jeder Eintrag wurde an seinem Platz gefunden."_qs);
            QCOMPARE(summary->windowTitle(), u"Tavik - Lumbrel - Projektprüfung - Ergebnis"_qs);
            QCOMPARE(title(control<QTableWidget>(*summary, u"rem_grid"_qs), 0), u"Nr."_qs);
            QVERIFY(press(*summary, u"help"_qs));
            QVERIFY(press(*summary, u"okbtn"_qs));
        });
        f.find<QToolButton>(u"check"_qs)->click();
        QVERIFY(!f.state.modified);
        QCOMPARE(f.fakes.help.topics.last().context, 2400);

        // The next check that repairs something shows its lists again.
        QFile::remove(f.path(u"a.exe"_qs));
        editortest::writeFile(f.path(u"b/a.exe"_qs));
        whenOpen<CheckSummaryDialog>([&](CheckSummaryDialog* summary) {
            QVERIFY(control<QTableWidget>(*summary, u"rep_grid"_qs)->isVisible());
            QVERIFY(!control<QLabel>(*summary, u"nothingToRepair"_qs)->isVisible());
            QVERIFY(press(*summary, u"okbtn"_qs));
        });
        f.find<QToolButton>(u"check"_qs)->click();
    }

    void aMissingProjectFolderRemovesNothing() {
        OpenProjectFixture f;
        f.setItems({locatedItem(u"A"_qs, u"a.exe"_qs, u"\\"_qs, f.path(u"a.exe"_qs)),
                    locatedItem(u"B"_qs, u"b.exe"_qs, u"\\b\\"_qs, f.path(u"b/b.exe"_qs))});
        // The drive that held the project folder is gone.
        QVERIFY(QDir(f.disc).removeRecursively());
        f.find<QToolButton>(u"check"_qs)->click();
        QCOMPARE(f.items().itemCount(), 2);
        QVERIFY(!f.state.modified);
        QCOMPARE(f.fakes.messages.shown.last().kind, ui::MessageBoxService::Kind::Error);
        QCOMPARE(f.messages(), QStringList{f.message(u"M84").arg(f.disc)});
    }

    void theRepairTakesTheNameAsItIsOnDisk() {
        OpenProjectFixture f;
        const QString real = editortest::writeFile(f.path(u"tools/SETUP.EXE"_qs));
        f.setItems({locatedItem(u"Setup"_qs, u"setup.exe"_qs, u"\\"_qs, f.path(u"setup.exe"_qs))});
        whenOpen<CheckSummaryDialog>([&](CheckSummaryDialog* summary) {
            QCOMPARE(cell(control<QTableWidget>(*summary, u"rep_grid"_qs), 0, 5), real);
            QVERIFY(press(*summary, u"okbtn"_qs));
        });
        f.find<QToolButton>(u"check"_qs)->click();
        QCOMPARE(f.items().field(0, ItemField::SourceLocation), real);
        QVERIFY(QFileInfo(f.items().field(0, ItemField::SourceLocation)).isFile());
    }
};

QTEST_MAIN(TestCheckDialogs)
#include "tst_checkdialogs.moc"
