// A newcomer's first disc: from a freshly installed program folder through the welcome screen and
// the wizard to a built disc, which the menu program's own reader reads back.
#include "editor/gui/items/AddFileDialog.h"
#include "editor/gui/items/AddItemTipDialog.h"
#include "editor/gui/mainwindow/MainWindow.h"
#include "editor/gui/newproject/FolderPage.h"
#include "editor/gui/newproject/ProjectWizard.h"
#include "editor/gui/newproject/WelcomeDialog.h"
#include "editor/project/EditorState.h"
#include "menu/reader/DiscEntries.h"
#include "tests/editor/EditorTestSupport.h"
#include "tests/support/HeadlessBrowser.h"
#include "tests/support/SkipUnlessCi.h"
#include "ui/testing/FakeServices.h"
#include "ui/testing/UserInput.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

using namespace editortest;
using ui::testing::control;
using ui::testing::press;

namespace {

// Runs `action` on the dialog of type T as soon as it is the open modal one: the commands of the
// welcome screen only run once the screen itself has closed.
template <typename T> void onceOpen(std::function<void(T*)> action, int triesLeft = 500) {
    QTimer::singleShot(10, [action, triesLeft] {
        if (auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget())) {
            action(dialog);
            return;
        }
        QVERIFY2(triesLeft > 0, "the expected dialog did not open");
        onceOpen<T>(action, triesLeft - 1);
    });
}

} // namespace

class TestFirstProject : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void newcomerBuildsADiscThroughTheWizard() {
        QTemporaryDir dir;
        ui::testing::FakeServices fakes;
        EditorState state;
        // The program folder as an installation lays it out, without any project yet.
        state.programFolder = dir.path() + u"/program/"_qs;
        installLanguageFiles(state.programFolder);
        QDir().mkpath(state.programFolder + u"projects"_qs);
        const QString data = QStringLiteral(LUMBREL_DATA_DIR "/");
        QFile::copy(data + u"lumbrel.dat"_qs, state.programFolder + u"lumbrel.dat"_qs);
        for (const char* name : {"Standard.lbc", "Standard.lbd", "language0.0", "language0.1", "language1.0",
                                 "language1.1", "autorun.inf"})
            QFile::copy(data + QLatin1String(name), state.programFolder + u"Files/"_qs + QLatin1String(name));
        for (const char* name : {"tiv.exe", "Unzdll.dll", "tiv.ico"})
            writeFile(state.programFolder + u"Files/"_qs + QLatin1String(name), name);
        // The newcomer's files, in the folder that becomes the disc.
        const QString disc = QDir::toNativeSeparators(dir.path() + u"/mydisc/"_qs);
        const std::pair<const char*, const char*> files[] = {
            {"setup.exe", "Programs"}, {"chess.exe", "Games"}, {"puzzle.exe", "Games"}};
        for (const auto& [name, category] : files)
            writeFile(disc + QLatin1String(name));

        MainWindow form(state, fakes.services());
        form.startUp();
        QVERIFY(state.prefs.showWelcome);
        const QString built = dir.path() + u"/built"_qs;
        bool wizardRan = false;

        onceOpen<WelcomeDialog>([](WelcomeDialog* welcome) { QVERIFY(press(*welcome, u"test"_qs)); });
        onceOpen<ProjectWizard>([&](ProjectWizard* wizard) {
            wizard->next();
            control<FolderPage>(*wizard, u"LMDAssistPage6"_qs)->setCurrentFolder(disc);
            wizard->next();
            control<QLineEdit>(*wizard, u"Edit1"_qs)->setText(u"My First Disc"_qs);
            wizard->next();
            QVERIFY(press(*wizard, u"defaultCategories"_qs));
            wizard->next();
            QVERIFY(press(*wizard, u"defaultDesign"_qs));
            wizard->next();
            QCOMPARE(wizard->currentId(), int(ProjectWizard::Items));
            for (const auto& [name, category] : files) {
                whenOpen<AddFileDialog>(
                    [&, file = QLatin1String(name), cat = QLatin1String(category)](AddFileDialog* add) {
                        fakes.choosers.queueOpenFile(disc + file);
                        QVERIFY(ui::testing::press(*add, u"selfilebtn"_qs));
                        add->findChild<QComboBox*>(u"ComboBox1"_qs)->setCurrentText(cat);
                        if (state.prefs.showFt) {
                            whenOpen<AddItemTipDialog>([](AddItemTipDialog* tip) {
                                QVERIFY(press(*tip, u"CheckBox1"_qs)); // not next time
                                QVERIFY(press(*tip, u"add"_qs));
                            });
                        }
                        QVERIFY(ui::testing::press(*add, u"add"_qs));
                    });
                QVERIFY(press(*wizard, u"addFile"_qs));
            }
            wizard->next();
            fakes.choosers.queueSaveFile(state.programFolder + u"projects/first.lbp"_qs);
            fakes.choosers.queueFolder(built);
            wizardRan = true;
            QVERIFY(press(*wizard, u"buildNow"_qs));
        });
        form.welcomeAtStart();
        QVERIFY(wizardRan);

        QVERIFY(QFileInfo::exists(state.programFolder + u"projects/first.lbp"_qs));
        const QString cfg = built + u"/CFG/"_qs;
        const common::IniFile members(cfg + u"members.cfg"_qs);
        QCOMPARE(menu::readDiscIdentity(members).discName, u"My First Disc"_qs);
        QCOMPARE(menu::readDiscIdentity(members).rootName, disc);
        const auto categories = menu::readCategories(common::IniFile(cfg + u"genre.cfg"_qs));
        QVERIFY(categories.size() >= 2);
        QCOMPARE(categories[0].caption, u"Programs"_qs);
        QCOMPARE(categories[1].caption, u"Games"_qs);
        const auto programs = menu::readItems(members, 0);
        QCOMPARE(int(programs.size()), 1);
        QCOMPARE(programs[0].caption, u"setup"_qs);
        const auto games = menu::readItems(members, 1);
        QCOMPARE(int(games.size()), 2);
        QCOMPARE(games[0].caption, u"chess"_qs);
        QCOMPARE(games[1].caption, u"puzzle"_qs);
        const menu::ItemDetails chess = menu::readItemDetails(
            common::IniFile(cfg + menu::detailFileName(1, 0).replace(u'\\', u'/')), 1, 0);
        QCOMPARE(chess.rawTarget, u"\\chess.exe"_qs);

        // The same disc in a browser, through its web menu.
        HeadlessBrowser browser;
        if (!browser.found())
            SKIP_UNLESS_CI("no headless Chromium (Debian package chromium-headless-shell)");
        const QString page = built + u"/index.html"_qs;
        const QString dom = browser.dumpDom(page, u"c1-0"_qs);
        for (const QString& text :
             {u"My First Disc"_qs, u"Programs"_qs, u"Games"_qs, u"chess"_qs, u"puzzle"_qs})
            QVERIFY2(dom.contains(text), qPrintable(text));
        QVERIFY(dom.contains(u"href=\"chess.exe\""_qs));
        QCOMPARE(common::IniFile(built + u"/autorun.inf"_qs).readString(u"autorun", u"shellexecute"),
                 u"index.html"_qs);
    }
};

QTEST_MAIN(TestFirstProject)
#include "tst_firstproject.moc"
