// The main window driven like a user would: start-up from the settings file, opening a project,
// the grid's modes, columns and sorting, language switches and closing.
#include "common/IniFile.h"
#include "editor/gui/HomePages.h"
#include "editor/gui/categories/CategoryEditor.h"
#include "editor/gui/items/AddFolderDialog.h"
#include "editor/gui/items/BandColourDialog.h"
#include "editor/gui/mainwindow/ItemGrid.h"
#include "editor/gui/mainwindow/MainWindow.h"
#include "editor/gui/mainwindow/WaitWindow.h"
#include "editor/project/EditorState.h"
#include "editor/project/ProjectFile.h"
#include "tests/editor/gui/EditorWindowFixture.h"
#include "ui/testing/FakeServices.h"
#include "ui/testing/UserInput.h"
#include "ui/widgets/ColorBox.h"
#include "ui/widgets/EffectLabel.h"

#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QHeaderView>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QtTest>

using namespace editortest;
using Answer = ui::MessageBoxService::Answer;

namespace {} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

    struct Fixture : EditorWindowFixture {
        explicit Fixture(const QByteArray& settings = {}) : EditorWindowFixture({"projects"}) {
            if (!settings.isEmpty())
                writeFile(settingsPath(), settings);
            startEditor();
        }
        QString settingsPath() const { return state.programFolder + u"lumbrel.dat"_qs; }
        template <typename T = QToolButton> T* child(const QString& name) const {
            return form->findChild<T*>(name);
        }
        QHeaderView* header() const { return form->grid()->horizontalHeader(); }
        QAction* entry(const char* name) const { return form->findChild<QAction*>(QLatin1String(name)); }
        // A click on a column's title, as Quick Sort takes it.
        void clickTitle(int field) const {
            QTest::mouseClick(header()->viewport(), Qt::LeftButton, {},
                              QPoint(header()->sectionViewportPosition(field) + 4, header()->height() / 2));
        }
        QAction* menuEntry(const QString& text) const {
            for (QAction* a : form->findChildren<QAction*>()) {
                if (a->text() == text)
                    return a;
            }
            return nullptr;
        }

        QString openProject(const std::vector<ItemRecord>& rows,
                            const QStringList& categories = {u"Tools"_qs, u"Games"_qs}) {
            const QString lbc = writeCategoryFile(dir.filePath(u"c/cats.lbc"_qs), categories);
            const QString lbd = writeFile(dir.filePath(u"c/design.lbd"_qs));
            EditorState author;
            author.cdName = u"My Disc"_qs;
            author.files.categoryFile.set(lbc);
            author.files.designFile.set(lbd);
            author.categories = categories;
            const QString file = writeProject(dir.filePath(u"p.lbp"_qs), author, rows);
            fakes.choosers.queueOpenFile(file);
            [this] { QVERIFY(pressTool("zGradBtn1")); }();
            return file;
        }
        QStringList names() const {
            QStringList out;
            for (int r = 0; r < form->items().itemCount(); ++r)
                out << form->items().field(r, ItemField::Name);
            return out;
        }
    };

private Q_SLOTS:
    void firstStartShowsTheEmptyGrid() {
        Fixture f;
        QCOMPARE(f.form->windowTitle(), QStringLiteral("Tavik - Lumbrel 4.0"));
        QVERIFY(f.form->windowState() & Qt::WindowMaximized);
        QCOMPARE(f.form->items().itemCount(), 1);
        for (const char* name : {"new", "zGradBtn1", "settings", "help", "exit"})
            QVERIFY2(f.child(QLatin1String(name))->isEnabled(), name);
        for (const char* name :
             {"save", "add", "generate", "deletef", "sort", "mdbtnmain", "geditbtnmain", "check"})
            QVERIFY2(!f.child(QLatin1String(name))->isEnabled(), name);
        QVERIFY(f.menuEntry(u"Open"_qs)->isEnabled());
        QVERIFY(!f.menuEntry(u"Save As"_qs)->isEnabled());
        QVERIFY(!f.menuEntry(u"Record"_qs)->isEnabled());
        QCOMPARE(f.menuEntry(u"Save"_qs)->shortcut(), QKeySequence(Qt::Key_F2));
        QCOMPARE(f.menuEntry(u"Add Folder"_qs)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_F4));
        QCOMPARE(f.header()->model()->headerData(9, Qt::Horizontal).toString(),
                 QStringLiteral("File Source Location"));

        // No project: the item commands cannot be given.
        QVERIFY(!f.pressTool("add"));
        QVERIFY(!f.menuEntry(u"Add File"_qs)->isEnabled());
        QVERIFY(f.pressTool("help"));
        QCOMPARE(f.fakes.sound.played.last(), QStringLiteral(":/sounds/click.wav"));
    }

    void settingsApplyModeBeforeHiddenColumns() {
        Fixture f("[settings]\r\ngrid_mode=1\r\nstate_grid_3=hidden\r\nwstate=wsNormal\r\ngrid_2=99\r\n");
        QVERIFY(f.entry("gridmodecolumnmove")->isChecked());
        QVERIFY(f.header()->sectionsMovable());
        QVERIFY(f.header()->isSectionHidden(fieldIndex(ItemField::CdPath)));
        QVERIFY(!(f.form->windowState() & Qt::WindowMaximized));
        QCOMPARE(f.header()->sectionSize(fieldIndex(ItemField::FileName)), 99);
        QVERIFY(f.fakes.messages.shown.isEmpty());

        // Column Move is refused while a column is hidden.
        QVERIFY(f.trigger("gridmodenone"));
        QVERIFY(f.trigger("gridmodecolumnmove"));
        QCOMPARE(f.fakes.messages.shown.last().text, f.message(u"M37"));
        QVERIFY(!f.header()->sectionsMovable());
        QVERIFY(f.menuEntry(u"None"_qs)->isChecked());
        QVERIFY(!f.menuEntry(u"Column Move"_qs)->isChecked());
    }

    void germanStartShowsTheSavedColumnOrder() {
        QByteArray settings = "[settings]\r\nlanguage=2\r\n";
        const char* order[] = {"Category", "Name",    "File Name",   "CD Path", "Serial",
                               "CD Size",  "HD Size", "Description", "Copy",    "File Source Location",
                               "Homepage", "Execute"};
        for (int n = 1; n <= 12; ++n)
            settings += "celld_" + QByteArray::number(n) + "=" + order[n - 1] + "\r\n";
        Fixture f(settings);
        QCOMPARE(f.form->grid()->fieldOfGridColumn(1), fieldIndex(ItemField::Category));
        QCOMPARE(f.header()->model()->headerData(fieldIndex(ItemField::Category), Qt::Horizontal).toString(),
                 QStringLiteral("Kategorie"));
        QCOMPARE(f.fakes.messages.yesCaption(), QStringLiteral("Ja"));
        QCOMPARE(f.fakes.messages.noCaption(), QStringLiteral("Nein"));
        QVERIFY(f.form->findChild<QAction*>(u"german"_qs)->isChecked());
        QVERIFY(f.state.helpFile.endsWith(u"ZolHlp2.hlp"_qs));
    }

    void openEnablesTheProjectCommands() {
        Fixture f;
        f.openProject({item(u"Setup"_qs, u"Games"_qs), item(u"Tool"_qs, u"Tools"_qs)});
        QCOMPARE(f.fakes.choosers.requests.last().file.filter,
                 QStringLiteral("Tavik - Lumbrel - Project|*.lbp"));
        QVERIFY(f.form->projectOpen());
        QCOMPARE(f.form->windowTitle(), QStringLiteral("Tavik - Lumbrel - My Disc"));
        QVERIFY(f.menuEntry(u"Save As"_qs)->isEnabled());
        QVERIFY(f.menuEntry(u"Create/Edit Screenshot"_qs)->isEnabled());
        QCOMPARE(f.names(), (QStringList{u"Setup"_qs, u"Tool"_qs}));
        QCOMPARE(f.child<QLabel>(u"LMDSimpleLabel4"_qs)->text(), QStringLiteral("Setup  (Setup.exe)"));
        QCOMPARE(f.child<QLabel>(u"ssexist"_qs)->text(), QStringLiteral("no "));
    }

    void removeSortAndQuickSortChangeTheProject() {
        Fixture f;
        f.openProject({item(u"b"_qs, u"Tools"_qs), item(u"a"_qs, u"Games"_qs), item(u"A"_qs, u"Tools"_qs)});
        QVERIFY(f.pressTool("sort"));
        QCOMPARE(f.names(), (QStringList{u"a"_qs, u"A"_qs, u"b"_qs}));
        QVERIFY(f.state.modified);
        QCOMPARE(f.form->items().rowColour(0), f.state.prefs.color1);
        QCOMPARE(f.form->items().rowColour(1), f.state.prefs.color2);

        QVERIFY(f.trigger("gridmodequicksort"));
        QVERIFY(f.entry("gridmodequicksort")->isChecked());
        f.form->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.form.get()));
        const int name = fieldIndex(ItemField::Name);
        f.clickTitle(name);
        QCOMPARE(f.names(), (QStringList{u"A"_qs, u"a"_qs, u"b"_qs}));
        f.clickTitle(name);
        QCOMPARE(f.names(), (QStringList{u"b"_qs, u"a"_qs, u"A"_qs}));

        f.form->grid()->setCurrentIndex(f.form->items().index(1, 0));
        QVERIFY(f.pressTool("deletef"));
        QCOMPARE(f.names(), (QStringList{u"b"_qs, u"A"_qs}));
        QVERIFY(f.pressTool("deletef"));
        QVERIFY(f.pressTool("deletef"));
        QCOMPARE(f.form->items().itemCount(), 1);
        QCOMPARE(f.form->items().record(0), ItemRecord());
    }

    void draggedRowsMoveWithoutModifying() {
        Fixture f;
        f.openProject({item(u"a"_qs, u"Games"_qs), item(u"b"_qs, u"Games"_qs), item(u"c"_qs, u"Tools"_qs)});
        f.form->grid()->verticalHeader()->moveSection(2, 0);
        QCOMPARE(f.names(), (QStringList{u"c"_qs, u"a"_qs, u"b"_qs}));
        QCOMPARE(f.form->grid()->verticalHeader()->logicalIndex(0), 0);
        QVERIFY(!f.state.modified);
        QCOMPARE(f.form->items().rowColour(1), f.state.prefs.color2);
    }

    void hidingColumnsUpdatesMenusAndPopup() {
        Fixture f;
        f.openProject({item(u"Setup"_qs, u"Games"_qs)});
        const int serial = fieldIndex(ItemField::Serial);
        QVERIFY(f.trigger(u"showcolumn%1"_qs.arg(serial)));
        QVERIFY(f.header()->isSectionHidden(serial));
        QVERIFY(!f.menuEntry(u"Serial"_qs)->isChecked());
        QVERIFY(f.trigger("showallcolumns"));
        QVERIFY(!f.header()->isSectionHidden(serial));

        f.openPopup();
        QVERIFY(f.menuEntry(u"Remove: Setup"_qs));
        QVERIFY(f.menuEntry(u"Remove: Setup"_qs)->isEnabled());
        QVERIFY(f.pressTool("deletef"));
        f.openPopup();
        QAction* remove = f.child<QMenu>(u"gridpopup"_qs)->actions().value(1);
        QCOMPARE(remove->text(), QStringLiteral("Remove"));
        QVERIFY(!remove->isEnabled());
    }

    void switchingToGermanTranslatesTitlesAndWords() {
        Fixture f;
        ItemRecord named = item(u"Yes"_qs, u"Tools"_qs, u"yes"_qs, u"no"_qs);
        f.openProject({named});
        QVERIFY(f.trigger("german"));
        QCOMPARE(f.form->items().field(0, ItemField::Name), QStringLiteral("ja"));
        QCOMPARE(f.form->items().field(0, ItemField::Copy), QStringLiteral("ja"));
        QCOMPARE(f.form->items().field(0, ItemField::Execute), QStringLiteral("nein"));
        QCOMPARE(f.header()->model()->headerData(fieldIndex(ItemField::FileName), Qt::Horizontal).toString(),
                 QStringLiteral("Datei Name"));
        QCOMPARE(f.form->items().field(0, ItemField::FileName), QStringLiteral("Yes.exe"));
        // Qt's own buttons and choosers follow.
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Abbrechen"));
        const int played = int(f.fakes.sound.played.size());
        QVERIFY(f.trigger("german")); // already German: nothing changes
        QCOMPARE(int(f.fakes.sound.played.size()), played + 1);
        QVERIFY(f.form->findChild<QAction*>(u"german"_qs)->isChecked());
        QVERIFY(f.trigger("english"));
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancel"));
    }

    void windowFitsASmallScreenInBothLanguages() {
        Fixture f;
        ItemRecord longName = item(QString(300, u'x'), u"Tools"_qs, u"yes"_qs, u"no"_qs);
        f.openProject({longName});
        f.form->show();
        QVERIFY(f.form->windowState() & Qt::WindowMaximized);
        for (int language : {1, 2, 1}) {
            QVERIFY(f.trigger(language == 1 ? "english" : "german"));
            QVERIFY2(f.form->windowState() & Qt::WindowMaximized, "a language switch keeps the state");
            f.form->layout()->activate();
            const int width = f.form->minimumSizeHint().width();
            QVERIFY2(width <= 1024,
                     qPrintable(QStringLiteral("language %1 needs %2 px").arg(language).arg(width)));
            QVERIFY(f.form->minimumSizeHint().height() <= 768);
        }
    }

    // At 1024 px every tool bar command shows as a button; none hides behind the overflow arrow.
    void everyToolBarCommandShowsAt1024InBothLanguages() {
        Fixture f;
        f.openProject({item(u"Tool"_qs, u"Tools"_qs, u"yes"_qs, u"no"_qs)});
        f.form->show();
        f.form->setWindowState(Qt::WindowNoState);
        f.form->resize(1024, 768);
        for (int language : {1, 2}) {
            QVERIFY(f.trigger(language == 1 ? "english" : "german"));
            QApplication::processEvents();
            const QList<QToolBar*> bars = f.form->findChildren<QToolBar*>();
            QVERIFY(!bars.isEmpty());
            int buttons = 0;
            for (QToolBar* bar : bars) {
                QVERIFY(bar->isVisible());
                for (QToolButton* button : bar->findChildren<QToolButton*>()) {
                    if (button->objectName() == u"qt_toolbar_ext_button"_qs) {
                        QVERIFY2(!button->isVisible(),
                                 qPrintable(QStringLiteral("language %1").arg(language)));
                        continue;
                    }
                    ++buttons;
                    QVERIFY2(button->isVisible() && bar->rect().contains(button->geometry()),
                             qPrintable(button->text()));
                }
            }
            QCOMPARE(buttons, 20);
        }
    }

    // A tool bar button and its menu entry are one command: enabled together, captioned from the
    // language file each in its own words, and a shortcut does what the button does.
    void toolBarAndMenusShareTheirCommands() {
        Fixture f;
        QList<QAction*> menuCommands;
        QList<QMenu*> menus;
        for (QAction* title : f.form->menuBar()->actions())
            menus << title->menu();
        while (!menus.isEmpty()) {
            for (QAction* entry : menus.takeFirst()->actions()) {
                menuCommands << entry;
                if (entry->menu())
                    menus << entry->menu();
            }
        }
        const auto checkButtons = [&](bool projectOpen) {
            for (QToolBar* bar : f.form->findChildren<QToolBar*>()) {
                for (QAction* command : bar->actions()) {
                    auto* button = qobject_cast<QToolButton*>(bar->widgetForAction(command));
                    if (!button)
                        continue; // a divider
                    QCOMPARE(button->defaultAction(), command);
                    QVERIFY2(button->objectName() == u"settings"_qs || menuCommands.contains(command),
                             qPrintable(button->objectName()));
                    QCOMPARE(button->isEnabled(), command->isEnabled());
                    if (projectOpen)
                        QVERIFY2(button->isEnabled(), qPrintable(button->objectName()));
                }
            }
        };
        checkButtons(false);
        f.openProject({item(u"Tool"_qs, u"Tools"_qs, u"yes"_qs, u"no"_qs)});
        checkButtons(true);
        for (const char* entry : {"Save As", "Record", "Find Next", "ASCII"}) {
            QAction* command = f.menuEntry(QLatin1String(entry));
            QVERIFY2(command && command->isEnabled(), entry);
        }

        QVERIFY(f.trigger("german"));
        QToolButton* design = f.child(u"mdbtnmain"_qs);
        QCOMPARE(design->text(), u"Menüdesign"_qs);
        QVERIFY(design->defaultAction()->text() != design->text());
        QCOMPARE(design->defaultAction()->shortcut(), QKeySequence(Qt::Key_F9));
        f.form->show();
        QApplication::setActiveWindow(f.form.get());
        QVERIFY(QTest::qWaitForWindowActive(f.form.get()));
        bool designOpened = false;
        QTimer::singleShot(0, f.form.get(), [&] {
            if (auto* editor = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                designOpened = editor->objectName() == u"Tmdform"_qs;
                editor->reject();
            }
        });
        QTest::keyClick(f.form.get(), Qt::Key_F9);
        QVERIFY(designOpened);
    }

    void waitWindowStepsAsideForQuestions() {
        Fixture f;
        WaitWindow* wait = f.form->waitWindow();
        wait->begin();
        wait->begin();
        QVERIFY(wait->isVisible());
        bool shownDuringBox = true;
        bool shownDuringNestedBox = true;
        f.fakes.messages.queueAnswer(Answer::Ok, [&] {
            shownDuringBox = wait->isVisible();
            f.fakes.messages.queueAnswer(Answer::Ok, [&] { shownDuringNestedBox = wait->isVisible(); });
            f.fakes.messages.show(ui::MessageBoxService::Kind::Question, ui::MessageBoxService::Buttons::Ok,
                                  u"inner"_qs);
            wait->end(); // the inner wait ends while the box is open
        });
        f.fakes.messages.show(ui::MessageBoxService::Kind::Question, ui::MessageBoxService::Buttons::Ok,
                              u"outer"_qs);
        QVERIFY(!shownDuringBox);
        QVERIFY(!shownDuringNestedBox);
        QVERIFY(wait->isVisible()); // back for the outer wait
        f.fakes.choosers.openFile({});
        QVERIFY(wait->isVisible());
        wait->end();
        QVERIFY(!wait->isVisible());
        f.fakes.messages.show(ui::MessageBoxService::Kind::Information, ui::MessageBoxService::Buttons::Ok,
                              u"after"_qs);
        QVERIFY(!wait->isVisible()); // an ended wait does not come back
        QVERIFY(!QApplication::overrideCursor());
    }

    void statusLineFollowsTheCurrentRow() {
        Fixture f;
        f.form->show();
        const auto* name = f.form->findChild<QLabel*>(u"LMDSimpleLabel4"_qs);
        for (const char* label : {"chosenitem", "LMDSimpleLabel4", "infoexist", "ssexist"})
            QVERIFY2(!f.form->findChild<QLabel*>(QLatin1String(label))->isVisible(), label);

        f.openProject({item(u"Alpha"_qs, u"Tools"_qs, u"yes"_qs, u"no"_qs),
                       item(u"Beta"_qs, u"Games"_qs, u"yes"_qs, u"no"_qs)});
        QVERIFY(name->isVisible());
        const int first = f.form->grid()->currentItem();
        const int other = 1 - first;
        QVERIFY(name->text().startsWith(f.form->items().field(first, ItemField::Name)));

        // A right-click moves the current row; the status line goes with it.
        QTableView* grid = f.form->grid();
        const int column = grid->horizontalHeader()->logicalIndex(0);
        const QRect cell = grid->visualRect(grid->model()->index(other, column));
        QTest::mouseClick(grid->viewport(), Qt::RightButton, {}, cell.center());
        if (QWidget* popup = QApplication::activePopupWidget())
            popup->close();
        QCOMPARE(f.form->grid()->currentItem(), other);
        QVERIFY(name->text().startsWith(f.form->items().field(other, ItemField::Name)));
    }

    void bandColourComesFromTheChooser() {
        Fixture f;
        f.openProject({item(u"a"_qs, u"Games"_qs)});
        QVERIFY(f.trigger("german"));
        QString title;
        QStringList shownNames;
        QTimer::singleShot(0, [&] {
            auto* chooser = f.form->findChild<BandColourDialog*>();
            title = chooser->windowTitle();
            for (int i = 0; i < chooser->colorBox()->count(); ++i)
                shownNames << chooser->colorBox()->itemText(i);
            chooser->colorBox()->setCurrentIndex(chooser->colorBox()->findText(u"Gelb"_qs));
            f.fakes.sound.played.clear();
            chooser->findChild<QPushButton*>(u"OK"_qs)->click();
        });
        QVERIFY(f.trigger("gridcolor1"));
        QCOMPARE(title, QStringLiteral("Tavik - Lumbrel - Neuer Wert - Farbe 1"));
        QVERIFY(shownNames.contains(u"Silber"_qs) && !shownNames.contains(u"clSilver"_qs));
        // Its OK button clicks as every button of the editor does.
        QCOMPARE(f.fakes.sound.played, QStringList{ProjectFiles::clickSound()});
        QCOMPARE(f.state.prefs.color1, QColor(Qt::yellow));
        QCOMPARE(f.form->items().rowColour(0), QColor(Qt::yellow));
        // The settings file keeps the stored name, whatever the user read.
        f.fakes.messages.queueAnswer(Answer::No); // in case the switch of yes/no words asks to save
        QVERIFY(f.pressTool("exit"));
        QCOMPARE(common::IniFile(f.settingsPath()).readString(u"settings", u"Color1"),
                 QStringLiteral("clYellow"));
    }

    // The grid's titles are never cut: a stored or default width narrower than a title widens to
    // show it, in either language; wider columns keep their width.
    void columnTitlesFitTheirColumns() {
        Fixture f("[settings]\r\ngrid_9=20\r\ngrid_1=300\r\n");
        f.openProject({item(u"a"_qs, u"Games"_qs)});
        for (int language : {2, 1}) {
            QVERIFY(f.trigger(language == 1 ? "english" : "german"));
            for (int field = 0; field < kItemFieldCount; ++field)
                QVERIFY2(f.header()->sectionSize(field) >= f.header()->sectionSizeHint(field),
                         qPrintable(f.form->items().headerData(field, Qt::Horizontal).toString()));
        }
        QCOMPARE(f.header()->sectionSize(f.form->grid()->fieldOfGridColumn(1)), 300);
    }

    void exitAsksAndCloseWritesTheSettings() {
        Fixture f("[settings]\r\ngrid_5=123\r\n");
        const QString project = f.openProject({item(u"a"_qs, u"Games"_qs)});
        QVERIFY(f.pressTool("sort"));
        QVERIFY(f.trigger(u"showcolumn%1"_qs.arg(fieldIndex(ItemField::Serial))));
        f.header()->moveSection(f.header()->visualIndex(fieldIndex(ItemField::Category)), 0);
        f.fakes.messages.queueAnswer(Answer::Yes);
        QVERIFY(f.pressTool("exit"));
        QCOMPARE(f.fakes.messages.shown.last().text, f.message(u"M23"));
        QVERIFY(!f.state.modified); // saved on Yes
        QVERIFY(!QFile::exists(f.dir.filePath(u".p.lbp.tmp"_qs)));

        const common::IniFile settings(f.settingsPath());
        QCOMPARE(settings.readString(u"settings", u"last_proj"), QDir::toNativeSeparators(project));
        // Serial is hidden; after the move it stands in column 5, whose stored width stays.
        QCOMPARE(settings.readString(u"settings", u"state_grid_4"), QStringLiteral("hidden"));
        QCOMPARE(settings.readString(u"settings", u"grid_5"), QStringLiteral("123"));
        // Column 4 (CD Path) had the default width, too narrow for its title, and was widened.
        const int cdPath = fieldIndex(ItemField::CdPath);
        QCOMPARE(settings.readInteger(u"settings", u"grid_4", 0), f.header()->sectionSize(cdPath));
        QVERIFY(f.header()->sectionSize(cdPath) > 50);
        QCOMPARE(settings.readString(u"settings", u"celld_1"), QStringLiteral("Category"));
        QCOMPARE(settings.readString(u"settings", u"celld_2"), QStringLiteral("Name"));
        QCOMPARE(settings.readString(u"settings", u"grid_mode"), QStringLiteral("0"));
        QCOMPARE(settings.readString(u"settings", u"Color1"), QStringLiteral("clSilver"));
    }

    void closingTheWindowAsksToSave() {
        Fixture f;
        f.openProject({item(u"a"_qs, u"Games"_qs)});
        f.form->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.form.get()));
        QVERIFY(f.pressTool("sort"));
        const QString workingCopy = f.dir.filePath(u".p.lbp.tmp"_qs);

        // The title bar's close box asks as Exit does; a save that fails keeps the window open.
        QFile::remove(workingCopy);
        QVERIFY(QDir().mkpath(workingCopy)); // nowhere to write the working copy
        f.fakes.messages.queueAnswer(Answer::Yes);
        QVERIFY(!f.form->close());
        QCOMPARE(f.fakes.messages.shown.at(f.fakes.messages.shown.size() - 2).text, f.message(u"M23"));
        QVERIFY(f.form->isVisible());
        QVERIFY(f.state.modified);

        // Cancel goes back to the editor.
        QVERIFY(QDir().rmdir(workingCopy));
        f.fakes.messages.queueAnswer(Answer::Cancel);
        QVERIFY(!f.form->close());
        QCOMPARE(f.fakes.messages.shown.last().buttons, ui::MessageBoxService::Buttons::YesNoCancel);
        QVERIFY(f.state.modified);

        // Saved on Yes, then closed.
        f.fakes.messages.queueAnswer(Answer::Yes);
        QVERIFY(f.form->close());
        QVERIFY(!f.state.modified);
        QVERIFY(!QFile::exists(workingCopy));
        QCOMPARE(f.fakes.messages.shown.last().text, f.message(u"M23"));
    }

    void handWrittenProjectRoundTrips() {
        Fixture f;
        const QString lbc =
            writeCategoryFile(f.dir.filePath(u"c/cats.lbc"_qs), {u"Spiele"_qs, u"Werkzeuge"_qs});
        const QString lbd = writeFile(f.dir.filePath(u"c/design.lbd"_qs));
        const QString file = f.dir.filePath(u"hand.lbp"_qs);
        writeFile(file, "[general]\r\ncdname=Sch\xF6ne CD\r\nrootname=C:\\Disc\\\r\ngenre_file=" +
                            lbc.toLocal8Bit() + "\r\nmenu_file=" + lbd.toLocal8Bit() +
                            "\r\n[Item-1]\r\n0=Gr\xFC\xDF"
                            "e\r\n6=F\xFCr Kinder\r\n8=YES\r\n11=No\r\n7=1\r\n7_2=Werkzeuge\r\n"
                            "[Anz_Eintr\xE4ge]\r\nitems=1\r\n");
        f.fakes.choosers.queueOpenFile(file);
        QVERIFY(f.pressTool("zGradBtn1"));
        QCOMPARE(f.state.cdName, QStringLiteral("Sch\u00f6ne CD"));
        QCOMPARE(f.form->items().field(0, ItemField::Name), QStringLiteral("Gr\u00fc\u00dfe"));
        QCOMPARE(f.form->items().field(0, ItemField::Copy), QStringLiteral("yes"));
        QCOMPARE(f.form->items().field(0, ItemField::Category), QStringLiteral("Werkzeuge"));

        f.form->items().setField(0, ItemField::Description, u"F\u00fcr alle"_qs);
        f.state.modified = true;
        QVERIFY(f.pressTool("save"));
        QFile saved(file);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        const QByteArray bytes = saved.readAll();
        QVERIFY(bytes.contains("6=F\xFCr alle\r\n"));
        QVERIFY(bytes.contains("[Anz_Eintr\xE4ge]"));
        QVERIFY(bytes.contains("8=yes\r\n"));

        f.fakes.choosers.queueOpenFile(file);
        QVERIFY(f.pressTool("zGradBtn1"));
        QCOMPARE(f.form->items().field(0, ItemField::Description), QStringLiteral("F\u00fcr alle"));

        // Save As moves the working copy beside the new file.
        f.fakes.choosers.queueSaveFile(f.dir.filePath(u"renamed.lbp"_qs));
        QVERIFY(f.trigger("SaveAs1"));
        QVERIFY(QFile::exists(f.dir.filePath(u".renamed.lbp.tmp"_qs)));
        QVERIFY(!QFile::exists(f.dir.filePath(u".hand.lbp.tmp"_qs)));
        QCOMPARE(f.state.files.projectFile.path(),
                 QDir::toNativeSeparators(f.dir.filePath(u"renamed.lbp"_qs)));
    }

    void minimizedWindowIsStoredAsNormal() {
        Fixture f;
        f.form->show();
        f.form->setWindowState(Qt::WindowMinimized);
        f.form->close();
        QCOMPARE(common::IniFile(f.settingsPath()).readString(u"settings", u"wstate"),
                 QStringLiteral("wsNormal"));

        Fixture maximized;
        maximized.form->show();
        maximized.form->setWindowState(Qt::WindowMinimized | Qt::WindowMaximized);
        maximized.form->close();
        QCOMPARE(common::IniFile(maximized.settingsPath()).readString(u"settings", u"wstate"),
                 QStringLiteral("wsMaximized"));
    }

    void shippedLanguagesLeaveNoCaptionEmpty() {
        Fixture f;
        for (int language : {1, 2}) {
            QVERIFY(f.trigger(language == 1 ? "english" : "german"));
            for (QToolButton* b : f.form->findChildren<QToolButton*>()) {
                if (b->objectName().startsWith(u"qt_") || b->window() != f.form.get())
                    continue; // the tool bar's own extension button, and those of dialogs
                QVERIFY2(!b->text().isEmpty() && !b->toolTip().isEmpty(), qPrintable(b->objectName()));
            }
            for (QMenu* menu : f.form->findChildren<QMenu*>()) {
                QVERIFY2(!menu->title().isEmpty(), qPrintable(menu->objectName()));
                for (QAction* a : menu->actions())
                    QVERIFY2(a->isSeparator() || !a->text().isEmpty(), qPrintable(menu->title()));
            }
            QVERIFY(!f.child<QLabel>(u"chosenitem"_qs)->text().isEmpty());
            for (const char16_t* key :
                 {u"M1", u"M23", u"M28", u"M29", u"M30", u"M31", u"M35", u"M37", u"M57"})
                QVERIFY(!f.message(key).isEmpty());
        }
        QCOMPARE(f.child(u"add"_qs)->text(), QStringLiteral("Datei hinzuf\u00fcgen"));
    }

    // The about box and the category and design editors' links speak the current language too.
    void aboutBoxAndIconLinkFollowTheLanguage() {
        Fixture f;
        for (int language : {2, 1}) {
            QVERIFY(f.trigger(language == 1 ? "english" : "german"));
            QStringList texts;
            QTimer::singleShot(0, [&] {
                QWidget* about = QApplication::activeModalWidget();
                QVERIFY(about && about->objectName() == u"aboutbox"_qs);
                texts << about->windowTitle();
                for (const char* name : {"version", "credits"})
                    texts << about->findChild<QLabel*>(QLatin1String(name))->text();
                texts << about->findChild<QPushButton*>(u"Help"_qs)->text();
                about->close();
            });
            QVERIFY(f.trigger("Info1"));
            const auto* link = f.form->findChild<ui::EffectLabel*>(u"moreIcons"_qs);
            const auto* designLink = f.form->findChild<ui::EffectLabel*>(u"moreDesigns"_qs);
            QCOMPARE(designLink->text(), language == 2
                                             ? QStringLiteral("Weitere Designs auf der Tavik-Homebase")
                                             : QStringLiteral("More Designs at Tavik Homebase"));
            if (language == 2) {
                QCOMPARE(texts.value(0), QStringLiteral("Tavik - Lumbrel Informationen ..."));
                QVERIFY(texts.value(2).contains(u"Dank"_qs));
                QCOMPARE(texts.value(3), QStringLiteral("Hilfe"));
                QCOMPARE(link->text(), QStringLiteral("Weitere Symbole auf der Tavik-Homebase"));
            } else {
                QCOMPARE(texts.value(0), QStringLiteral("Tavik - Lumbrel Informations ..."));
                QCOMPARE(texts.value(1), QStringLiteral("Version 4.0"));
                QCOMPARE(link->text(), QStringLiteral("More Icons at Tavik Homebase"));
            }
        }
    }

    // Longer German captions get their room from the layouts, not a smaller font than the
    // controls beside them.
    void neighboursShareOneFontSize() {
        Fixture f;
        QVERIFY(f.trigger("german"));
        const auto* categories = f.form->findChild<CategoryEditor*>();
        const auto* saveAs = ui::testing::control<QPushButton>(*categories, u"SaveAs"_qs);
        QCOMPARE(saveAs->text(), QStringLiteral("Speichern unter"));
        QCOMPARE(saveAs->font().pointSize(),
                 ui::testing::control<QPushButton>(*categories, u"sgf"_qs)->font().pointSize());
        QList<int> captionSizes;
        for (const QLabel* l : f.form->findChild<AddFolderDialog*>()->findChildren<QLabel*>()) {
            if (l->text() == u"Seriennr.:"_qs || l->text().startsWith(u"Datei(en)"_qs))
                captionSizes << l->font().pointSize();
        }
        QCOMPARE(captionSizes.size(), 3);
        QCOMPARE(captionSizes.count(captionSizes[0]), 3);
    }

    void missingKeysAndFilesGiveDefaults() {
        Fixture f;
        const QString english = f.state.programFolder + u"Files/lang_1.dat"_qs;
        {
            common::IniFile lang(english);
            lang.deleteKey(u"Main", u"E41");
            QVERIFY(lang.save());
        }
        QVERIFY(f.trigger("german"));
        QVERIFY(f.trigger("english"));
        QVERIFY(f.child<QLabel>(u"chosenitem"_qs)->text().isEmpty());
        QVERIFY(!f.child(u"add"_qs)->text().isEmpty());

        QFile::remove(english);
        QVERIFY(f.trigger("german"));
        QVERIFY(f.trigger("english"));
        QCOMPARE(f.state.language.fieldTitle(0), QStringLiteral("not used"));
        QCOMPARE(f.state.language.yesText(), QStringLiteral("yes"));
        QCOMPARE(f.state.language.jumpPointText(), QStringLiteral("Jump Point"));
        QVERIFY(f.state.helpFile.endsWith(u"ZolHlp1.hlp"_qs));
        QVERIFY(f.child(u"add"_qs)->text().isEmpty());
    }

    void helpAndHomePagesGoThroughTheServices() {
        Fixture f;
        QVERIFY(f.pressTool("help"));
        QCOMPARE(f.fakes.help.topics.last().context, 0);
        QVERIFY(f.fakes.help.topics.last().helpFile.endsWith(u"Help/ZolHlp1.hlp"_qs));
        QVERIFY(f.trigger("TavikHome1"));
        QVERIFY(f.trigger("BrevanWorksHome1"));
        QCOMPARE(f.fakes.shell.calls.size(), 2);
        QCOMPARE(f.fakes.shell.calls[0].target, lumbrelHomePage());
        QCOMPARE(f.fakes.shell.calls[1].target, makerHomePage());
    }

    void runtimeSettingIsKeptAndTranslated() {
        Fixture f("[settings]\r\nlanguage=2\r\nship_runtime=FALSE\r\n");
        auto* entry = f.form->findChild<QAction*>(u"shipruntime"_qs);
        QVERIFY(!entry->isChecked());
        QVERIFY(!f.state.prefs.shipRuntime);
        QCOMPARE(entry->text(), QStringLiteral("Laufzeitumgebung des Men\u00fcs auf die CD"));
        entry->trigger();
        QVERIFY(f.state.prefs.shipRuntime);
        f.form->close();
        QCOMPARE(common::IniFile(f.settingsPath()).readString(u"settings", u"ship_runtime"),
                 QStringLiteral("TRUE"));
    }

    void webMenuSettingIsOnByDefaultKeptAndTranslated() {
        Fixture fresh;
        QVERIFY(fresh.state.prefs.writeWebMenu);
        Fixture f("[settings]\r\nlanguage=2\r\nweb_menu=FALSE\r\n");
        auto* entry = f.form->findChild<QAction*>(u"webmenu"_qs);
        QVERIFY(!entry->isChecked());
        QVERIFY(!f.state.prefs.writeWebMenu);
        QCOMPARE(entry->text(), QStringLiteral("Web-Men\u00fc neben das Men\u00fc schreiben"));
        QVERIFY(ui::testing::trigger(*f.form, u"webmenu"_qs));
        QVERIFY(f.state.prefs.writeWebMenu);
        f.form->close();
        QCOMPARE(common::IniFile(f.settingsPath()).readString(u"settings", u"web_menu"),
                 QStringLiteral("TRUE"));
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
