// The disc image and burning commands from the main window and the burner dialog, and the
// progress window that runs them.
#include "common/IniFile.h"
#include "editor/gui/disc/BurnerDialog.h"
#include "editor/gui/disc/DiscCommands.h"
#include "editor/gui/disc/DiscProgressDialog.h"
#include "editor/gui/mainwindow/MainWindow.h"
#include "editor/project/EditorState.h"
#include "editor/project/ProjectFile.h"
#include "tests/editor/gui/EditorWindowFixture.h"
#include "ui/testing/FakeServices.h"
#include "ui/testing/UserInput.h"

#include <QAction>
#include <QComboBox>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#include <sys/stat.h>

using namespace editortest;
using ui::testing::control;
using ui::testing::press;
using namespace Qt::StringLiterals;
using Kind = ui::MessageBoxService::Kind;
using Answer = ui::MessageBoxService::Answer;

class TestDiscDialogs : public QObject {
    Q_OBJECT

    struct Fixture : EditorWindowFixture {
        BurnerDialog* burner = nullptr;

        Fixture() : EditorWindowFixture({"projects"}) {
            startEditor();
            burner = form->findChild<BurnerDialog*>();
        }
        // A project in <dir>/disc; built when it holds the menu program.
        void openProject(bool built) {
            const QString folder = dir.path() + u"/disc/"_s;
            const QString lbc = writeCategoryFile(folder + u"c/cats.lbc"_s, {u"Tools"_s});
            EditorState author;
            author.cdName = u"Meine Spiele"_s;
            author.files.categoryFile.set(lbc);
            author.files.designFile.set(writeFile(folder + u"c/design.lbd"_s));
            author.categories = {u"Tools"_s};
            author.projectFolder = folder;
            writeProject(folder + u"p.lbp"_s, author, {item(u"Setup"_s, u"Tools"_s)});
            if (built) {
                writeFile(folder + u"tiv.exe"_s, "MZ");
                writeFile(folder + u"CFG/genre.cfg"_s, "[Genre]");
            }
            fakes.choosers.queueOpenFile(folder + u"p.lbp"_s);
            QVERIFY(pressTool("zGradBtn1"));
        }
        QAction* entry(const char* name) const { return form->findChild<QAction*>(QLatin1String(name)); }
        QString languageText(int language, const QString& section, int n) const {
            return common::IniFile(state.programFolder + u"Files/lang_%1.dat"_s.arg(language))
                .readString(section, u"E"_s + QString::number(n));
        }
    };

private Q_SLOTS:
    // Both languages reach the new entries, and the Zol Control menu's other entries keep theirs.
    void textsInBothLanguages() {
        Fixture f;
        const QMenu* zol = f.form->menuBar()->actions().at(4)->menu();
        for (int language : {2, 1}) {
            QVERIFY(f.trigger(language == 1 ? "english" : "german"));
            QCOMPARE(f.entry("writeimage")->text(), f.languageText(language, u"DiscImage"_s, 1));
            QCOMPARE(f.entry("burndisc")->text(), f.languageText(language, u"DiscImage"_s, 2));
            QCOMPARE(control<QPushButton>(*f.burner, u"writeimage"_s)->text(), f.entry("writeimage")->text());
            QCOMPARE(control<QComboBox>(*f.burner, u"medium_c"_s)->itemText(1),
                     f.languageText(language, u"DiscImage"_s, 5));
            QCOMPARE(zol->actions().last()->text(), f.languageText(language, u"Main"_s, 140));
            QVERIFY(!f.entry("writeimage")->text().isEmpty());
        }
        QCOMPARE(f.entry("writeimage")->text(), u"Write Disc Image"_s);
    }

    // Before a language file is applied the texts are the English file's.
    void builtInTextsAreTheEnglishFile() {
        const DiscTexts builtIn;
        DiscTexts english;
        english.read(common::IniFile(QStringLiteral(LUMBREL_DATA_DIR "/lang_1.dat")));
        for (int key = 1; key <= DiscTexts::LastKey; ++key)
            QCOMPARE(builtIn[DiscTexts::Key(key)], english[DiscTexts::Key(key)]);
    }

    void writeImageFromTheMenu() {
        Fixture f;
        f.entry("writeimage")->trigger();
        QCOMPARE(f.lastMessage(), f.state.language.message(u"M1")); // no project

        f.openProject(false);
        const qsizetype asked = f.fakes.choosers.requests.size();
        f.entry("writeimage")->trigger();
        QCOMPARE(f.fakes.messages.shown.last().kind, Kind::Error);
        QCOMPARE(f.lastMessage(), f.state.language.message(u"M9")); // not built
        QCOMPARE(f.fakes.choosers.requests.size(), asked);

        f.openProject(true);
        const QString image = f.dir.path() + u"/Meine Spiele.iso"_s;
        f.fakes.choosers.queueSaveFile(image);
        f.entry("writeimage")->trigger();
        QCOMPARE(f.fakes.choosers.requests.last().file.fileName, u"Meine Spiele.iso"_s);
        QCOMPARE(f.fakes.messages.shown.last().kind, Kind::Information);
        QVERIFY(f.lastMessage().contains(QDir::toNativeSeparators(image)));
        const QByteArray bytes = readBytes(image);
        QCOMPARE(bytes.mid(16 * 2048 + 1, 5), QByteArray("CD001"));

        // An image inside the disc folder would hold itself.
        const QString inside = f.state.projectFolder + u"disc.iso"_s;
        f.fakes.choosers.queueSaveFile(inside);
        QVERIFY(press(*f.burner, u"writeimage"_s));
        QCOMPARE(f.fakes.messages.shown.last().kind, Kind::Error);
        QVERIFY(!QFile::exists(inside));
    }

    // Burning onto a file that acts as the writer: the writer and the medium are confirmed first,
    // and the result is the disc folder's image.
    void burnOntoTheChosenWriter() {
        Fixture f;
        f.openProject(true);
        const QString medium = f.dir.path() + u"/medium.bin"_s;
        std::vector<discburner::Writer> writers;
        f.burner->discCommands().scanWriters = [&writers] { return writers; };

        // Looked for on every burn: a writer connected later is found.
        QVERIFY(press(*f.burner, u"burndisc"_s));
        QCOMPARE(f.lastMessage(), f.languageText(1, u"DiscImage"_s, 20));
        writers = {{u"stdio:"_s + medium, u"File Writer"_s}};
        QVERIFY(press(*f.burner, u"burndisc"_s)); // the question is answered No
        QCOMPARE(f.fakes.messages.shown.last().buttons, ui::MessageBoxService::Buttons::YesNo);
        QVERIFY(f.lastMessage().contains(u"File Writer (stdio:"_s));
        QVERIFY(!QFile::exists(medium));

        f.fakes.messages.queueAnswer(Answer::Yes);
        QVERIFY(press(*f.burner, u"burndisc"_s));
        QVERIFY2(f.fakes.messages.shown.last().kind == Kind::Information, qPrintable(f.lastMessage()));
        QCOMPARE(f.lastMessage(), f.languageText(1, u"DiscImage"_s, 27));
        QCOMPARE(readBytes(medium).mid(16 * 2048 + 1, 5), QByteArray("CD001"));

        // Now it holds data: erased only when the user says so.
        writeFile(medium, "the user's data");
        QVERIFY(press(*f.burner, u"burndisc"_s));
        QCOMPARE(f.fakes.messages.shown.last().kind, Kind::Warning);
        QVERIFY(f.lastMessage().startsWith(f.languageText(1, u"DiscImage"_s, 37).section(u'%', 0, 0)));
        QCOMPARE(readBytes(medium), QByteArray("the user's data"));
        f.fakes.messages.queueAnswer(Answer::Yes);
        QVERIFY(press(*f.burner, u"burndisc"_s));
        QCOMPARE(f.lastMessage(), f.languageText(1, u"DiscImage"_s, 27));
        QCOMPARE(readBytes(medium).mid(16 * 2048 + 1, 5), QByteArray("CD001"));

        // With several writers the chosen one stays chosen.
        writers = {{u"stdio:/dev/full"_s, u"Full"_s}, {u"stdio:"_s + medium, u"File Writer"_s}};
        f.fakes.messages.queueAnswer(Answer::Yes);
        f.fakes.messages.queueAnswer(Answer::Yes);
        QVERIFY(press(*f.burner, u"burndisc"_s));
        QCOMPARE(control<QComboBox>(*f.burner, u"writer_c"_s)->count(), 2);
        QCOMPARE(control<QComboBox>(*f.burner, u"writer_c"_s)->currentData().toString(),
                 QString(u"stdio:"_s + medium));
        QCOMPARE(f.lastMessage(), f.languageText(1, u"DiscImage"_s, 27));

        control<QComboBox>(*f.burner, u"writer_c"_s)->setCurrentIndex(0);
        f.fakes.messages.queueAnswer(Answer::Yes);
        QVERIFY(press(*f.burner, u"burndisc"_s));
        QCOMPARE(f.fakes.messages.shown.last().kind, Kind::Error);
        QVERIFY(f.lastMessage().startsWith(f.languageText(1, u"DiscImage"_s, 24)));
    }

    // What the image cannot hold as the folder does is said first: unreadable entries stop it,
    // links that lead out are left out only when the user agrees.
    void imageSaysWhatItLeavesOut() {
        Fixture f;
        f.openProject(true);
        const QString image = f.dir.path() + u"/out.iso"_s;
        QVERIFY(QFile::link(f.dir.path() + u"/elsewhere.txt"_s, f.state.projectFolder + u"away.txt"_s));
        f.fakes.choosers.queueSaveFile(image);
        f.entry("writeimage")->trigger();
        QCOMPARE(f.fakes.messages.shown.last().buttons, ui::MessageBoxService::Buttons::YesNo);
        QVERIFY(f.lastMessage().contains(f.languageText(1, u"DiscImage"_s, 35)));
        QVERIFY(f.lastMessage().contains(u"away.txt"_s));
        QVERIFY(!QFile::exists(image));

        f.fakes.choosers.queueSaveFile(image);
        f.fakes.messages.queueAnswer(Answer::Yes);
        f.entry("writeimage")->trigger();
        QCOMPARE(f.fakes.messages.shown.last().kind, Kind::Information);
        QVERIFY(QFile::exists(image));

        const QString pipe = f.state.projectFolder + u"pipe"_s;
        QVERIFY(mkfifo(QFile::encodeName(pipe).constData(), 0600) == 0);
        f.fakes.choosers.queueSaveFile(f.dir.path() + u"/second.iso"_s);
        f.entry("writeimage")->trigger();
        QCOMPARE(f.fakes.messages.shown.last().kind, Kind::Error);
        QVERIFY(f.lastMessage().contains(u"pipe"_s));
        QVERIFY(!QFile::exists(f.dir.path() + u"/second.iso"_s));
    }

    // Cancel asks the job to stop; the window stays until it has, and the job's end closes it.
    void progressWindowWaitsForTheJob() {
        DiscProgressDialog window(nullptr);
        bool stayedOpen = false;
        QTimer::singleShot(300, &window, [&] {
            QVERIFY(control<QProgressBar>(window, u"bar"_s)->maximum() > 0);
            QVERIFY(control<QProgressBar>(window, u"bar"_s)->value() > 0);
            window.reject();
            stayedOpen = window.isVisible();
        });
        const DiscJobResult result = window.run(u"Job"_s, [](DiscJobProgress& progress) {
            progress.total = 1 << 20;
            progress.done = 1 << 19;
            while (!progress.cancelled())
                QThread::msleep(10);
            QThread::msleep(100); // a job takes a moment to stop
            return DiscJobResult::failed(DiscJobResult::Outcome::Cancelled);
        });
        QVERIFY(stayedOpen);
        QCOMPARE(result.outcome, DiscJobResult::Outcome::Cancelled);
        QVERIFY(!window.isVisible());
        QVERIFY(control<QPushButton>(window, u"cancel"_s)->isEnabled() == false);
    }
};

QTEST_MAIN(TestDiscDialogs)
#include "tst_discdialogs.moc"
