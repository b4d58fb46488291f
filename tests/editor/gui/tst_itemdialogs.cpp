// Adding files, folders, hyperlinks and jump points, and editing cells, with scripted choosers.
#include "common/IniFile.h"
#include "editor/disc/ItemKind.h"
#include "editor/gui/items/AddFileDialog.h"
#include "editor/gui/items/AddFolderDialog.h"
#include "editor/gui/items/AddHyperlinkDialog.h"
#include "editor/gui/items/AddItemTipDialog.h"
#include "editor/gui/items/AddJumpPointDialog.h"
#include "editor/gui/items/CellEditors.h"
#include "editor/language/WindowTexts.h"
#include "editor/project/ItemRules.h"
#include "tests/editor/gui/OpenProjectFixture.h"
#include "ui/testing/UserInput.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QToolBar>
#include <QTreeView>
#include <QtTest>

using namespace editortest;
using ui::testing::clickRow;
using ui::testing::press;

namespace {

// The control named NAME in WINDOW, as a test finds it.
template <typename Control> Control* named(QWidget* window, const char* name) {
    auto* control = window->findChild<Control*>(QLatin1String(name));
    if (!control)
        qFatal("no control %s", name);
    return control;
}

} // namespace

class TestItemDialogs : public QObject {
    Q_OBJECT

    struct Fixture : OpenProjectFixture {
        Fixture() : OpenProjectFixture(1, {u"Tools"_qs, u"Games"_qs, u"Demos"_qs}) {
            state.prefs.showFt = false;
        }
        QString file(const QString& relative, qint64 size = 1) {
            const QString path = QDir::toNativeSeparators(dir.filePath(relative));
            QDir().mkpath(QFileInfo(path).absolutePath());
            QFile f(path);
            f.open(QIODevice::WriteOnly);
            f.resize(size);
            return path;
        }
    };

private Q_SLOTS:
    void addRules() {
        QCOMPARE(itemrules::sizeText(0), QStringLiteral("< 1 MB"));
        QCOMPARE(itemrules::sizeText(1048575), QStringLiteral("< 1 MB"));
        QCOMPARE(itemrules::sizeText(1048576), QStringLiteral("1 MB"));
        QCOMPARE(itemrules::sizeText(qint64(2.9 * 1048576)), QStringLiteral("2 MB"));
        QCOMPARE(itemrules::sizeText(3LL * 1024 * 1048576), QStringLiteral("3072 MB")); // past 2 GiB
        QCOMPARE(itemrules::aloneName(u"setup.beta.exe"_qs), QStringLiteral("setup"));
        QCOMPARE(itemrules::aloneName(u"README"_qs), QStringLiteral("README"));
        QCOMPARE(itemrules::homepage(u"https://"_qs, u"n/a"_qs), QStringLiteral("n/a"));
        QCOMPARE(itemrules::homepage(u"https://"_qs, u"example.org"_qs),
                 QStringLiteral("https://example.org"));
        QCOMPARE(itemrules::homepage(u"https://"_qs, QString()), QString());
    }

    void itemKinds_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("kind");
        QTest::newRow("program") << u"SETUP.EXE"_qs << 0;
        QTest::newRow("archive") << u"demo.zip"_qs << 1;
        QTest::newRow("unknown") << u"readme"_qs << 2;
        QTest::newRow("web address") << u"http://www.example.org"_qs << 4;
        QTest::newRow("ftp beats nothing") << u"ftp://host/file.zip"_qs << 4;
        QTest::newRow("picture") << u"shot.jpeg"_qs << 5;
        QTest::newRow("module") << u"song.s3m"_qs << 6;
        QTest::newRow("jump point any case") << u"JUMP POINT"_qs << 12;
        QTest::newRow("later rows win") << u"manual.doc.pdf"_qs << 13;
        QTest::newRow("icon") << u"disc.ico"_qs << 11;
    }

    void itemKinds() {
        QFETCH(QString, name);
        QFETCH(int, kind);
        QCOMPARE(itemKind(name), kind);
    }

    void addFileFillsThenAppends() {
        Fixture f;
        auto* dialog = f.find<AddFileDialog>();
        const QString readme = f.file(u"disc/readme.txt"_qs, 2 * 1048576 + 10);
        for (int round = 0; round < 2; ++round) {
            dialog->prepare();
            f.fakes.choosers.queueOpenFile(readme);
            QVERIFY(press(*dialog, u"selfilebtn"_qs));
            QCOMPARE(named<QLineEdit>(dialog, "anzname")->text(), QStringLiteral("readme"));
            QCOMPARE(named<QLineEdit>(dialog, "sizep")->text(), QStringLiteral("2 MB"));
            QVERIFY(named<QCheckBox>(dialog, "executed")->isChecked()); // a text file is started by the menu
            QVERIFY(press(*dialog, u"SizefillIn"_qs));
            QVERIFY(press(*dialog, u"add"_qs));
        }
        QCOMPARE(f.items().itemCount(), 2); // the empty row filled, then one appended; duplicates allowed
        const ItemRecord r = f.items().record(1);
        QCOMPARE(r[fieldIndex(ItemField::CdPath)], QStringLiteral("\\"));
        QCOMPARE(r[fieldIndex(ItemField::FileName)], QStringLiteral("readme.txt"));
        QCOMPARE(r[fieldIndex(ItemField::HdSize)], QStringLiteral("2 MB"));
        QCOMPARE(r[fieldIndex(ItemField::Category)], QStringLiteral("Tools"));
        QCOMPARE(r[fieldIndex(ItemField::Copy)], QStringLiteral("yes"));
        QCOMPARE(r[fieldIndex(ItemField::SourceLocation)], readme);
        QCOMPARE(r[fieldIndex(ItemField::Homepage)], QStringLiteral("n/a"));
        QVERIFY(f.state.modified);
        QVERIFY(f.fakes.messages.shown.isEmpty());
        QCOMPARE(f.form->grid()->currentIndex().row(), 1);
    }

    void addFileRefusesAndWarns() {
        Fixture f;
        auto* dialog = f.find<AddFileDialog>();
        dialog->prepare();
        auto* name = named<QLineEdit>(dialog, "anzname");
        f.fakes.choosers.queueOpenFile(f.file(u"disc/a.exe"_qs));
        QVERIFY(press(*dialog, u"selfilebtn"_qs));
        name->clear();
        QVERIFY(press(*dialog, u"add"_qs));
        QCOMPARE(f.lastMessage(), f.message(u"M4"));
        QCOMPARE(f.items().field(0, ItemField::Name), QString());

        const QString outside = f.file(u"elsewhere/tools/setup.beta.exe"_qs);
        f.fakes.choosers.queueOpenFile(outside);
        QVERIFY(press(*dialog, u"selfilebtn"_qs));
        QCOMPARE(name->text(), QStringLiteral("setup"));
        named<QComboBox>(dialog, "ComboBox1")->setCurrentIndex(2);
        QVERIFY(press(*dialog, u"add"_qs));
        QCOMPARE(f.lastMessage(), f.message(u"M3"));
        QCOMPARE(f.fakes.messages.shown.last().kind, ui::MessageBoxService::Kind::Warning);
        // Outside the project folder the absolute folder stays, behind a leading backslash.
        QString expected = QDir::toNativeSeparators(QFileInfo(outside).absolutePath()) + QDir::separator();
        expected.replace(QDir::separator(), u'\\');
        if (!expected.startsWith(u'\\'))
            expected.prepend(u'\\');
        QCOMPARE(f.items().field(0, ItemField::CdPath), expected);
        QCOMPARE(f.items().field(0, ItemField::Category), QStringLiteral("Demos"));

        // An unknown kind is not started by default.
        f.fakes.choosers.queueOpenFile(f.file(u"disc/notes"_qs));
        QVERIFY(press(*dialog, u"selfilebtn"_qs));
        QVERIFY(!named<QCheckBox>(dialog, "executed")->isChecked());
    }

    void addingNeverOverwritesAnItem() {
        Fixture f;
        // A first row whose Name was emptied is still an item: adding appends after the last row.
        f.form->items().setRecords({item(QString(), u"Tools"_qs), item(u"Last"_qs, u"Tools"_qs)});
        auto* dialog = f.find<AddFileDialog>();
        dialog->prepare();
        named<QLineEdit>(dialog, "anzname")->setText(u"typed"_qs);
        QVERIFY(!press(*dialog, u"add"_qs)); // a name but no file: nothing to add
        QCOMPARE(f.items().itemCount(), 2);
        f.fakes.choosers.queueOpenFile(f.file(u"disc/new.exe"_qs));
        QVERIFY(press(*dialog, u"selfilebtn"_qs));
        QVERIFY(press(*dialog, u"add"_qs));
        QCOMPARE(f.items().itemCount(), 3);
        QCOMPARE(f.items().field(1, ItemField::Name), QStringLiteral("Last"));
        QCOMPARE(f.items().field(2, ItemField::Name), QStringLiteral("new"));

        // The folder dialog gives every file a row of its own.
        f.file(u"disc/more/a.txt"_qs);
        f.file(u"disc/more/b.txt"_qs);
        auto* folder = f.find<AddFolderDialog>();
        folder->prepare();
        f.fakes.choosers.queueFolder(f.disc + u"more"_qs);
        QVERIFY(press(*folder, u"selfilebtn"_qs));
        QVERIFY(press(*folder, u"add"_qs));
        QCOMPARE(f.items().itemCount(), 5);
        QCOMPARE(f.items().field(2, ItemField::Name), QStringLiteral("new"));
        QCOMPARE(f.items().field(3, ItemField::FileName), QStringLiteral("a.txt"));
        QCOMPARE(f.items().field(4, ItemField::FileName), QStringLiteral("b.txt"));
    }

    void fileChooserStartsWhereTheUserWas() {
        Fixture f;
        auto* dialog = f.find<AddFileDialog>();
        dialog->prepare();
        QVERIFY(press(*dialog, u"selfilebtn"_qs)); // cancelled
        QCOMPARE(f.fakes.choosers.requests.last().file.folder, f.state.projectFolder);
        f.fakes.choosers.queueOpenFile(f.file(u"disc/tools/a.exe"_qs));
        QVERIFY(press(*dialog, u"selfilebtn"_qs));
        QVERIFY(press(*dialog, u"add"_qs));
        dialog->prepare();
        QVERIFY(press(*dialog, u"selfilebtn"_qs));
        QCOMPARE(QDir::toNativeSeparators(f.fakes.choosers.requests.last().file.folder),
                 f.disc + u"tools"_qs);
        // Another project starts in its own folder.
        f.state.projectFolder = QDir::toNativeSeparators(f.dir.path() + u"/other/"_qs);
        QVERIFY(press(*dialog, u"selfilebtn"_qs));
        QCOMPARE(f.fakes.choosers.requests.last().file.folder, f.state.projectFolder);

        // The chooser names its file types in the editor's language.
        QVERIFY(f.fakes.choosers.requests.last().file.filter.startsWith(u"All Supported Files|*.exe;"_qs));
        QVERIFY(f.trigger("german"));
        QVERIFY(press(*dialog, u"selfilebtn"_qs));
        const QString filter = f.fakes.choosers.requests.last().file.filter;
        QVERIFY(filter.startsWith(u"Alle unterst\u00fctzten Dateien|*.exe;"_qs));
        QVERIFY(filter.contains(u"|Alle Dateien|*.*|Programme|*.exe|"_qs));
        QCOMPARE(filter.count(u'|') % 2, 1);
    }

    void tipComesBeforeTheFileIsAdded() {
        Fixture f;
        f.state.prefs.showFt = true;
        auto* dialog = f.find<AddFileDialog>();
        dialog->prepare();
        f.fakes.choosers.queueOpenFile(f.file(u"disc/a.exe"_qs));
        QVERIFY(press(*dialog, u"selfilebtn"_qs));
        whenOpen<AddItemTipDialog>([&](AddItemTipDialog* tip) {
            QCOMPARE(f.items().field(0, ItemField::Name), QString()); // not added yet
            QVERIFY(press(*tip, u"CheckBox1"_qs));                    // not next time
            QVERIFY(press(*tip, u"add"_qs));
        });
        QVERIFY(press(*dialog, u"add"_qs));
        QCOMPARE(f.items().field(0, ItemField::Name), QStringLiteral("a"));
        QVERIFY(!f.state.prefs.showFt);
        auto* menuEntry = f.form->findChild<QAction*>(u"showtip"_qs);
        QVERIFY(menuEntry && !menuEntry->isChecked());

        // Wanted again from the menu, the tip comes with its box ticked: OK keeps it coming.
        QVERIFY(f.trigger("showtip"));
        QVERIFY(f.state.prefs.showFt);
        dialog->prepare();
        f.fakes.choosers.queueOpenFile(f.file(u"disc/b.exe"_qs));
        QVERIFY(press(*dialog, u"selfilebtn"_qs));
        bool ticked = false;
        whenOpen<AddItemTipDialog>([&](AddItemTipDialog* tip) {
            ticked = named<QCheckBox>(tip, "CheckBox1")->isChecked();
            QVERIFY(press(*tip, u"add"_qs));
        });
        QVERIFY(press(*dialog, u"add"_qs));
        QVERIFY(ticked);
        QVERIFY(f.state.prefs.showFt && menuEntry->isChecked());
    }

    void addFolderNamesAndSelects() {
        Fixture f;
        auto* dialog = f.find<AddFolderDialog>();
        dialog->prepare();
        auto* status = named<QLabel>(dialog, "LMDSimpleLabel6");
        auto* list = named<QTreeView>(dialog, "FileListBox");
        const auto shownName = [list](int row) { return list->model()->index(row, 1).data().toString(); };
        const auto selectedCount = [list] { return list->selectionModel()->selectedRows().size(); };
        auto* subfolders = named<QCheckBox>(dialog, "subdirs_check");
        // Until a folder is chosen the status text stands in the list's place, at the list's size.
        QVERIFY(list->isHidden() && !status->isHidden());
        const QSize before = dialog->sizeHint();
        QVERIFY(press(*dialog, u"add"_qs)); // nothing chosen yet
        QCOMPARE(f.lastMessage(), f.message(u"M2"));

        f.file(u"disc/demos/b.exe"_qs);
        f.file(u"disc/demos/a.txt"_qs);
        f.file(u"disc/demos/sub/c.zip"_qs);
        f.file(u"disc/demos/sub/d.doc"_qs);
        subfolders->setChecked(true);
        f.fakes.choosers.queueFolder(f.disc + u"demos"_qs);
        QVERIFY(press(*dialog, u"selfilebtn"_qs));
        QVERIFY(!list->isHidden() && status->isHidden());
        QCOMPARE(dialog->sizeHint(), before);
        int pathShown = 0;
        for (const QLabel* l : dialog->findChildren<QLabel*>())
            pathShown += !l->isHidden() && l->text().contains(u"demos"_qs);
        QCOMPARE(pathShown, 1);
        QCOMPARE(list->model()->rowCount(), 4);
        QCOMPARE(shownName(0), QStringLiteral("a.txt"));
        QCOMPARE(shownName(2), QStringLiteral("c.zip"));
        QCOMPARE(selectedCount(), 4);
        // Select All selects again, with the click of every button.
        list->clearSelection();
        f.fakes.sound.played.clear();
        QVERIFY(press(*dialog, u"LMDButton2"_qs));
        QCOMPARE(selectedCount(), 4);
        QCOMPARE(f.fakes.sound.played, QStringList{ProjectFiles::clickSound()});
        dialog->show();
        QVERIFY(clickRow(*list, 1)); // a click takes one file out again
        QCOMPARE(selectedCount(), 3);
        named<QRadioButton>(dialog, "renameok")->setChecked(true);
        QVERIFY(press(*dialog, u"add"_qs));
        QCOMPARE(f.items().itemCount(), 3);
        QCOMPARE(f.items().field(0, ItemField::Name), QStringLiteral("1"));
        QCOMPARE(f.items().field(2, ItemField::Name), QStringLiteral("3"));
        QCOMPARE(f.items().field(1, ItemField::CdPath), QStringLiteral("\\demos\\sub\\"));
        QCOMPARE(f.items().field(1, ItemField::HdSize), QStringLiteral("n/a"));
        QVERIFY(f.fakes.messages.shown.size() == 1); // only the earlier M2

        dialog->prepare();
        QVERIFY(named<QRadioButton>(dialog, "originalok")->isChecked());
        QVERIFY(subfolders->isChecked()); // kept between openings
        subfolders->setChecked(false);
        f.fakes.choosers.queueFolder(f.disc + u"demos"_qs);
        QVERIFY(press(*dialog, u"selfilebtn"_qs));
        QCOMPARE(list->model()->rowCount(), 2); // subfolders only when asked
        named<QRadioButton>(dialog, "renameok")->setChecked(true);
        named<QLineEdit>(dialog, "rename")->setText(u"Demo"_qs);
        QVERIFY(press(*dialog, u"add"_qs));
        QCOMPARE(f.items().field(3, ItemField::Name), QStringLiteral("Demo 1"));
        QCOMPARE(f.items().field(4, ItemField::Name), QStringLiteral("Demo 2"));
    }

    void addJumpPoint() {
        Fixture f;
        auto* dialog = f.find<AddJumpPointDialog>();
        dialog->prepare();
        QDir().mkpath(f.disc + u"Demos"_qs);
        f.fakes.choosers.queueFolder(f.disc + u"Demos"_qs);
        QVERIFY(press(*dialog, u"selfilebtn"_qs));
        QCOMPARE(f.fakes.choosers.requests.last().file.title, QStringLiteral("Tavik - Lumbrel - Jump Point"));
        QCOMPARE(f.fakes.choosers.requests.last().prompt, QStringLiteral("Please browse for Jump Point"));
        QVERIFY(press(*dialog, u"add"_qs));
        QCOMPARE(f.lastMessage(), f.message(u"M5"));
        named<QLineEdit>(dialog, "anzname")->setText(u"Demos"_qs);
        QVERIFY(press(*dialog, u"add"_qs));
        QCOMPARE(f.items().field(0, ItemField::FileName), QStringLiteral("Jump Point"));
        QCOMPARE(f.items().field(0, ItemField::CdPath), QStringLiteral("\\Demos\\"));
        QCOMPARE(f.items().field(0, ItemField::Copy), QStringLiteral("no"));
        QCOMPARE(f.items().field(0, ItemField::Execute), QStringLiteral("yes"));

        dialog->prepare();
        f.fakes.choosers.queueFolder(f.disc);
        QVERIFY(press(*dialog, u"selfilebtn"_qs));
        named<QLineEdit>(dialog, "anzname")->setText(u"Root"_qs);
        QVERIFY(press(*dialog, u"add"_qs));
        QCOMPARE(f.items().field(1, ItemField::CdPath), QStringLiteral("\\"));
    }

    void addHyperlink() {
        Fixture f;
        auto* dialog = f.find<AddHyperlinkDialog>();
        dialog->prepare();
        auto* address = named<QLineEdit>(dialog, "filename");
        auto* protocol = named<QComboBox>(dialog, "ComboBox1");
        QCOMPARE(address->text(), QStringLiteral("www."));
        QVERIFY(press(*dialog, u"LMDShapeLabelButton1"_qs));
        QCOMPARE(f.lastMessage(), f.message(u"M8"));
        named<QLineEdit>(dialog, "anzname")->setText(u"Mirror"_qs);
        protocol->setCurrentIndex(protocol->findText(u"ftp://"_qs));
        address->setText(u"ftp.example.org/pub"_qs);
        named<QLineEdit>(dialog, "serial")->setText(u"secret"_qs);
        QVERIFY(press(*dialog, u"LMDShapeLabelButton1"_qs));
        const ItemRecord r = f.items().record(0);
        QCOMPARE(r[fieldIndex(ItemField::FileName)], QStringLiteral("ftp://ftp.example.org/pub"));
        QCOMPARE(r[fieldIndex(ItemField::CdPath)], QString());
        QCOMPARE(r[fieldIndex(ItemField::SourceLocation)], QStringLiteral("n/a"));
        QCOMPARE(r[fieldIndex(ItemField::Serial)], QStringLiteral("secret"));
    }

    // Every caption of an add dialog comes from its section of the language file, each under its
    // own key.
    void addDialogsShowEveryCaptionOfTheirSection() {
        Fixture f;
        QVERIFY(f.trigger("german"));
        const common::IniFile language(f.state.programFolder + u"Files/lang_2.dat"_qs);
        struct Dialog {
            QWidget* window;
            const char16_t* section;
            int lastKey;
            const char* ok;
            int okKey;
        };
        const Dialog dialogs[] = {{f.find<AddFileDialog>(), u"AFile", 16, "add", 14},
                                  {f.find<AddFolderDialog>(), u"AddDir", 19, "add", 17},
                                  {f.find<AddHyperlinkDialog>(), u"AURL", 9, "LMDShapeLabelButton1", 7},
                                  {f.find<AddJumpPointDialog>(), u"AJump", 11, "add", 9}};
        for (const Dialog& d : dialogs) {
            QStringList shown;
            for (const QLabel* l : d.window->findChildren<QLabel*>())
                shown << l->text();
            for (const QAbstractButton* b : d.window->findChildren<QAbstractButton*>())
                shown << b->text();
            for (const QTreeView* t : d.window->findChildren<QTreeView*>()) {
                for (int column = 0; column < t->model()->columnCount(); ++column)
                    shown << t->model()->headerData(column, Qt::Horizontal).toString();
            }
            for (int n = 1; n <= d.lastKey; ++n) {
                const QString text = language.readString(d.section, windowKey(n));
                QVERIFY2(!text.isEmpty() && shown.contains(text),
                         qPrintable(QString::fromUtf16(d.section) + u' ' + windowKey(n)));
            }
            QCOMPARE(named<QPushButton>(d.window, d.ok)->text(),
                     language.readString(d.section, windowKey(d.okKey)));
        }
    }

    // An add dialog opens in its first field; Enter there presses OK, Escape closes it unchanged.
    void addDialogsTakeEnterAndEscape() {
        Fixture f;
        f.form->show();
        // The hyperlink dialog's Cancel shares the tool bar button's name.
        QWidget& bar = *f.form->findChild<QToolBar*>(u"itemtoolbar"_qs);
        whenOpen<AddHyperlinkDialog>([](AddHyperlinkDialog* d) {
            auto* name = named<QLineEdit>(d, "anzname");
            QCOMPARE(d->focusWidget(), name);
            QTest::keyClicks(name, u"Mirror"_qs);
            named<QLineEdit>(d, "filename")->setText(u"www.example.org"_qs);
            QTest::keyClick(name, Qt::Key_Return);
        });
        QVERIFY(ui::testing::press(bar, u"addurl"_qs));
        const int count = f.items().itemCount();
        QCOMPARE(f.items().field(count - 1, ItemField::Name), u"Mirror"_qs);
        QVERIFY(!QApplication::activeModalWidget());

        for (const char16_t* command : {u"addurl", u"addjump"}) {
            whenOpen<QDialog>([](QDialog* d) { QTest::keyClick(d->focusWidget(), Qt::Key_Escape); });
            QVERIFY(ui::testing::press(bar, QString::fromUtf16(command)));
            QCOMPARE(f.items().itemCount(), count);
            QVERIFY(!QApplication::activeModalWidget());
        }
    }

    void cellEditorsRefuseFieldsThatDoNotApply() {
        Fixture f;
        auto* jump = f.find<AddJumpPointDialog>();
        jump->prepare();
        f.fakes.choosers.queueFolder(f.disc);
        QVERIFY(press(*jump, u"selfilebtn"_qs));
        named<QLineEdit>(jump, "anzname")->setText(u"Top"_qs);
        QVERIFY(press(*jump, u"add"_qs));
        f.form->grid()->setCurrentIndex(f.items().index(0, fieldIndex(ItemField::FileName)));
        f.editCurrentCell();
        QCOMPARE(f.lastMessage(), f.message(u"M31"));
        f.form->grid()->setCurrentIndex(f.items().index(0, fieldIndex(ItemField::Copy)));
        f.editCurrentCell();
        QCOMPARE(f.lastMessage(), f.message(u"M33"));
        QCOMPARE(f.items().field(0, ItemField::FileName), QStringLiteral("Jump Point"));
    }

    void cellEditorsWriteTheCurrentCell() {
        Fixture f;
        auto* url = f.find<AddHyperlinkDialog>();
        url->prepare();
        named<QLineEdit>(url, "anzname")->setText(u"Site"_qs);
        named<QComboBox>(url, "ComboBox2")->setCurrentIndex(2);
        QVERIFY(press(*url, u"LMDShapeLabelButton1"_qs));
        QCOMPARE(f.items().field(0, ItemField::Category), QStringLiteral("Demos"));
        f.state.modified = false;

        // The category chooser starts on the first category whatever the cell holds. Every cell
        // editor names the field and the item it changes, and is wide enough for that title.
        whenOpen<CategoryChooserDialog>([](CategoryChooserDialog* d) {
            QCOMPARE(named<QComboBox>(d, "ComboBox1")->currentText(), QStringLiteral("Tools"));
            QCOMPARE(d->windowTitle(), QStringLiteral("Tavik - Lumbrel - New Value - Category: Site"));
            QVERIFY(d->width() > d->fontMetrics().horizontalAdvance(d->windowTitle()));
            QVERIFY(press(*d, u"OK"_qs));
        });
        QVERIFY(f.trigger(u"editfield%1"_qs.arg(fieldIndex(ItemField::Category))));
        QCOMPARE(f.items().field(0, ItemField::Category), QStringLiteral("Tools"));
        QVERIFY(f.state.modified);

        // With Name hidden, the first visible column opens its own field's editor.
        QVERIFY(f.trigger(u"showcolumn%1"_qs.arg(fieldIndex(ItemField::Name))));
        const int first = f.form->grid()->horizontalHeader()->logicalIndex(1);
        QCOMPARE(first, fieldIndex(ItemField::FileName));
        f.form->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.form.get()));
        ItemGrid* grid = f.form->grid();
        const QRect cell = grid->visualRect(f.items().index(0, first));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
        whenOpen<OneLineEditor>([](OneLineEditor* d) {
            QCOMPARE(named<QLineEdit>(d, "Edit1")->text(), QStringLiteral("http://www."));
            QCOMPARE(d->windowTitle(), QStringLiteral("Tavik - Lumbrel - New Value - File Name: Site"));
            named<QLineEdit>(d, "Edit1")->setText(u"http://example.org"_qs);
            QVERIFY(press(*d, u"OK"_qs));
        });
        // A real double-click on the cell, as the user gives it.
        QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
        QCOMPARE(f.items().field(0, ItemField::FileName), QStringLiteral("http://example.org"));
        QCOMPARE(f.items().field(0, ItemField::Name), QStringLiteral("Site"));

        // Yes/no written in German are stored in English.
        QVERIFY(f.trigger("german"));
        whenOpen<YesNoDialog>([](YesNoDialog* d) {
            QCOMPARE(d->windowTitle(), QStringLiteral("Tavik - Lumbrel - Neuer Wert - Ausf\u00fchren: Site"));
            QVERIFY(d->width() > d->fontMetrics().horizontalAdvance(d->windowTitle()));
            QVERIFY(press(*d, u"no"_qs));
        });
        // The popup's Edit entry for the field.
        QMenu* popup = f.openPopup();
        QMenu* editMenu = nullptr;
        for (QAction* a : popup->actions())
            editMenu = a->menu() ? a->menu() : editMenu;
        editMenu->actions().at(fieldIndex(ItemField::Execute))->trigger();
        QCOMPARE(f.items().field(0, ItemField::Execute), QStringLiteral("nein"));
        f.form->session().saveToWorkingCopy();
        QCOMPARE(common::IniFile(f.form->session().workingCopyPath()).readString(u"Item-1", u"11"),
                 QStringLiteral("no"));
    }

    void textEditorModes() {
        Fixture f;
        auto* editor = f.find<OneLineEditor>();
        // A new name has its prompt; Enter presses OK, but not on an empty name; Escape keeps the
        // typed name, Cancel empties it.
        whenOpen<OneLineEditor>([&](OneLineEditor* d) {
            const QList<QLabel*> labels = d->findChildren<QLabel*>();
            QVERIFY(std::any_of(labels.begin(), labels.end(), [&](const QLabel* l) {
                return l->isVisible() && l->text() == f.state.language.text(u"TNEWFOLDER");
            }));
            QTest::keyClick(named<QLineEdit>(d, "Edit1"), Qt::Key_Return);
            QCOMPARE(f.lastMessage(), f.message(u"M7"));
            QVERIFY(d->isVisible());
            named<QLineEdit>(d, "Edit1")->setText(u"Backup"_qs);
            QTest::keyClick(named<QLineEdit>(d, "Edit1"), Qt::Key_Return);
        });
        QVERIFY(editor->run(OneLineEditor::Mode::NewName, {}));
        QCOMPARE(editor->text(), QStringLiteral("Backup"));
        QCOMPARE(editor->windowTitle(), f.state.language.text(u"T18"));

        whenOpen<OneLineEditor>([](OneLineEditor* d) {
            named<QLineEdit>(d, "Edit1")->setText(u"Backup"_qs);
            QTest::keyClick(named<QLineEdit>(d, "Edit1"), Qt::Key_Escape);
        });
        QVERIFY(!editor->run(OneLineEditor::Mode::NewName, {}));
        QCOMPARE(editor->text(), QStringLiteral("Backup"));

        whenOpen<OneLineEditor>([](OneLineEditor* d) {
            named<QLineEdit>(d, "Edit1")->setText(u"Backup"_qs);
            QVERIFY(press(*d, u"cancel"_qs));
        });
        QVERIFY(!editor->run(OneLineEditor::Mode::NewName, {}));
        QCOMPARE(editor->text(), QString());

        whenOpen<OneLineEditor>([&](OneLineEditor* d) {
            QVERIFY(press(*d, u"OK"_qs)); // empty category caption refused
            QCOMPARE(f.lastMessage(), f.message(u"M6"));
            named<QLineEdit>(d, "Edit1")->setText(u"Spiele"_qs);
            QTest::keyClick(named<QLineEdit>(d, "Edit1"), Qt::Key_Return);
        });
        QVERIFY(editor->run(OneLineEditor::Mode::CategoryRename, u"ignored"_qs));
        QCOMPARE(editor->text(), QStringLiteral("Spiele"));
    }
};

QTEST_MAIN(TestItemDialogs)
#include "tst_itemdialogs.moc"
