// The disc build and the recording program's project file.
#include "common/IniFile.h"
#include "editor/disc/BurnerProject.h"
#include "editor/disc/DiscBuild.h"
#include "editor/disc/ItemKind.h"
#include "editor/gui/disc/BurnerDialog.h"
#include "editor/gui/mainwindow/MainWindow.h"
#include "editor/project/DesignFile.h"
#include "editor/project/EditorState.h"
#include "editor/project/ProjectFile.h"
#include "tests/editor/EditorTestSupport.h"
#include "tests/editor/gui/EditorWindowFixture.h"
#include "ui/testing/FakeServices.h"
#include "ui/testing/UserInput.h"

#include <QDirIterator>
#include <QTemporaryDir>
#include <QtTest>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

using namespace editortest;
using Answer = ui::MessageBoxService::Answer;

namespace {

// The program folder's shipped files, each holding its own name so that copies can be told apart.
void shipFiles(const QString& files) {
    QStringList names = {u"tiv.exe"_qs, u"Unzdll.dll"_qs, u"tiv.ico"_qs, u"autorun.inf"_qs};
    for (const char* l : {"0.0", "0.1", "1.0", "1.1"})
        names << u"language"_qs + QLatin1String(l);
    for (int m = 1; m <= 14; ++m)
        names << QStringLiteral("m%1.ico").arg(m);
    for (const QString& n : names)
        writeFile(files + n, n.toLatin1());
}

struct Member {
    QString caption, pfad, desc;
    int icon, copy, execute, genre;
    bool operator==(const Member&) const = default;
};

// A reader of the disc's member files as the menu program sees them, written from their format.
QMap<QString, Member> readMembers(const QString& cfg, const QStringList& categories) {
    QMap<QString, Member> out;
    const common::IniFile members(cfg + u"members.cfg"_qs);
    for (int c = 0; c < categories.size(); ++c) {
        const int count = members.readInteger(QString::number(c), u"anz_items", 0);
        for (int k = 0; k < count; ++k) {
            const QString section = QStringLiteral("%1-%2").arg(c).arg(k);
            const common::IniFile detail(cfg + u"membersd/m"_qs + section + u".dat"_qs);
            out.insert(section,
                       {members.readString(section, u"caption"), detail.readString(section, u"pfad"),
                        detail.readString(section, u"desc"), members.readInteger(section, u"icon_number", -1),
                        detail.readInteger(section, u"copy", -1), detail.readInteger(section, u"execute", -1),
                        detail.readInteger(section, u"genre", -1)});
        }
    }
    return out;
}

} // namespace

class TestDiscBuild : public QObject {
    Q_OBJECT

    struct Fixture {
        QTemporaryDir dir;
        EditorState state;
        ItemTable items;
        QString target;

        Fixture() {
            state.programFolder = dir.path() + u"/program/"_qs;
            shipFiles(state.programFolder + u"Files/"_qs);
            state.cdName = u"Demo CD"_qs;
            state.projectFolder = dir.path() + u"/project/"_qs;
            state.categories = {u"Games"_qs, u"Tools"_qs};
            const QString lbc = writeCategoryFile(dir.filePath(u"genre/cats.lbc"_qs), state.categories);
            writeFile(dir.filePath(u"genre/0.ico"_qs), "icon0");
            writeFile(dir.filePath(u"genre/1.ico"_qs), "icon1");
            state.files.categoryFile.set(lbc);
            const QString lbd =
                writeFile(dir.filePath(u"design/blue.lbd"_qs), "[Language]\r\nLanguage=1\r\nStyle=1\r\n");
            state.files.designFile.set(lbd);
            target = dir.path() + u"/out"_qs;
            // The web menu's files and autostart have a suite of their own.
            state.prefs.writeWebMenu = false;
        }
        QString cfg() const { return target + u"/CFG/"_qs; }
        // The main window with this project opened as a user opens it; what the opening asked and
        // showed is no test's.
        std::unique_ptr<MainWindow> openInWindow(ui::testing::FakeServices& fakes) {
            auto form = std::make_unique<MainWindow>(state, fakes.services());
            form->startUp();
            fakes.choosers.queueOpenFile(writeProject(dir.filePath(u"p.lbp"_qs), state));
            [&] { QVERIFY(pressToolButton(*form, "zGradBtn1")); }();
            fakes.choosers.requests.clear();
            fakes.messages.shown.clear();
            return form;
        }
        void setMedia() {
            state.files.splashFile.set(writeFile(dir.filePath(u"design/s.bmp"_qs), "splash"));
            state.files.backgroundFile.set(writeFile(dir.filePath(u"design/b.bmp"_qs), "back"));
            state.files.buttonFile.set(writeFile(dir.filePath(u"design/t.bmp"_qs), "button"));
            for (int s = 0; s < 5; ++s)
                state.files.sounds[s].set(
                    writeFile(dir.filePath(QStringLiteral("design/%1.wav").arg(s)), "wave"));
            state.files.iconFile.set(writeFile(dir.filePath(u"design/disc.ico"_qs), "disc icon"));
        }
    };

private Q_SLOTS:
    void buildKinds_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("kind");
        QTest::newRow("text") << u"Readme.TXT"_qs << 7;
        QTest::newRow("address to a program") << u"http://example.org/setup.exe"_qs << 4;
        QTest::newRow("address to a pdf") << u"http://example.org/manual.pdf"_qs << 13;
        QTest::newRow("ends in it") << u"toolkit"_qs << 6;
        QTest::newRow("jump point") << u"Jump Point"_qs << 12;
        QTest::newRow("unknown") << u"data.bin"_qs << 2;
    }
    void buildKinds() {
        QFETCH(QString, name);
        QFETCH(int, kind);
        QCOMPARE(itemKind(name), kind);
    }

    void buildLaysOutTheDisc() {
        Fixture f;
        f.setMedia();
        ItemRecord setup = item(u"Setup"_qs, u"Tools"_qs, u"yes"_qs, u"no"_qs);
        setup[fieldIndex(ItemField::CdPath)] = u"\\tools\\"_qs;
        setup[fieldIndex(ItemField::FileName)] = u"setup.exe"_qs;
        setup[fieldIndex(ItemField::Description)] = u"Installs it"_qs;
        f.items.setRecords({setup, item(u"Lost"_qs, u"Nowhere"_qs), item(u"Game"_qs, u"Games"_qs),
                            item(u"Game 2"_qs, u"Games"_qs)});
        QVERIFY(discbuild::build(f.target, f.state, f.items).written);

        QCOMPARE(readBytes(f.target + u"/tiv.exe"_qs), QByteArray("tiv.exe"));
        QCOMPARE(readBytes(f.target + u"/autorun.inf"_qs), QByteArray("autorun.inf"));
        QCOMPARE(readBytes(f.cfg() + u"language.zol"_qs), QByteArray("language1.1"));
        QCOMPARE(readBytes(f.cfg() + u"Unzdll.dll"_qs), QByteArray("Unzdll.dll"));
        QCOMPARE(readBytes(f.cfg() + u"tiv.ico"_qs), QByteArray("disc icon"));
        QCOMPARE(readBytes(f.cfg() + u"1.ico"_qs), QByteArray("icon1"));
        QCOMPARE(readBytes(f.cfg() + u"m14.ico"_qs), QByteArray("m14.ico"));
        QCOMPARE(readBytes(f.cfg() + u"Sound5.wav"_qs), QByteArray("wave"));
        QCOMPARE(readBytes(f.cfg() + u"genre.cfg"_qs), readBytes(f.state.files.categoryFile.path()));
        QCOMPARE(readBytes(f.cfg() + u"design.cfg"_qs), readBytes(f.state.files.designFile.path()));

        const common::IniFile members(f.cfg() + u"members.cfg"_qs);
        QCOMPARE(members.readString(u"general", u"cdname"), QStringLiteral("Demo CD"));
        QCOMPARE(members.readString(u"general", u"rootname"), f.state.projectFolder);
        const auto read = readMembers(f.cfg(), f.state.categories);
        QCOMPARE(read.size(), 3); // "Lost" matches no category
        QCOMPARE(read.value(u"1-0"_qs),
                 (Member{u"Setup"_qs, u"\\tools\\setup.exe"_qs, u"Installs it"_qs, 0, 1, 0, 1}));
        QCOMPARE(read.value(u"0-1"_qs).caption, QStringLiteral("Game 2"));
        QCOMPARE(read.value(u"0-1"_qs).genre, 0);

        // A design without media takes the old media off the disc; the default disc icon returns.
        f.state.files =
            ProjectFiles{f.state.files.categoryFile, f.state.files.designFile, {}, {}, {}, {}, {}, {}, {}};
        f.items.setRecords({item(u"Game"_qs, u"Games"_qs)});
        QVERIFY(discbuild::build(f.target + u"/"_qs, f.state, f.items).written);
        for (const char* gone : {"splash.bmp", "back.bmp", "button.bmp", "Sound1.wav", "Sound5.wav",
                                 "membersd/m0-1.dat", "membersd/m1-0.dat"})
            QVERIFY2(!QFile::exists(f.cfg() + QLatin1String(gone)), gone);
        QCOMPARE(readBytes(f.cfg() + u"tiv.ico"_qs), QByteArray("tiv.ico"));
    }

    void runtimeAndAutostartGoOntoTheDisc() {
        Fixture f;
        const QString files = f.state.programFolder + u"Files/"_qs;
        QFile::setPermissions(writeFile(files + u"autorun"_qs, "#!/bin/sh"),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        writeFile(files + u"runtime/qt.conf"_qs, "[Paths]");
        writeFile(files + u"runtime/lib/libQt6Core.so.6"_qs, "core");
        writeFile(files + u"runtime/plugins/platforms/libqxcb.so"_qs, "xcb");
        QVERIFY(discbuild::build(f.target, f.state, f.items).written);
        QCOMPARE(readBytes(f.target + u"/qt.conf"_qs), QByteArray("[Paths]"));
        QCOMPARE(readBytes(f.cfg() + u"lib/libQt6Core.so.6"_qs), QByteArray("core"));
        QCOMPARE(readBytes(f.cfg() + u"plugins/platforms/libqxcb.so"_qs), QByteArray("xcb"));
        // The desktop only offers a file it may run.
        QVERIFY(QFileInfo(f.target + u"/autorun"_qs).isExecutable());

        // Left off, the disc does without it.
        const QString other = f.dir.path() + u"/lean"_qs;
        f.state.prefs.shipRuntime = false;
        QVERIFY(discbuild::build(other, f.state, f.items).written);
        QVERIFY(QFile::exists(other + u"/autorun"_qs));
        QVERIFY(!QFile::exists(other + u"/qt.conf"_qs));
        QVERIFY(!QFile::exists(other + u"/CFG/lib"_qs));
        QVERIFY(!QFile::exists(other + u"/CFG/plugins"_qs));
    }

    // Links inside the disc folder are replaced by files of the build; what they lead to stays.
    void buildNeverWritesThroughLinks() {
        Fixture f;
        const QString documents = f.dir.filePath(u"documents/"_qs);
        writeFile(documents + u"letter.txt"_qs, "dear");
        const QString bashrc = writeFile(f.dir.filePath(u"home/.bashrc"_qs), "alias ll='ls -l'");
        QDir().mkpath(f.cfg());
        QVERIFY(QFile::link(QDir::cleanPath(documents), f.cfg() + u"membersd"_qs));
        QVERIFY(QFile::link(bashrc, f.cfg() + u"genre.cfg"_qs));
        QVERIFY(QFile::link(bashrc, f.target + u"/tiv.exe"_qs));
        QVERIFY(QFile::link(bashrc, f.cfg() + u"Sound1.wav"_qs)); // removed, as the design has none
        f.items.setRecords({item(u"Game"_qs, u"Games"_qs)});
        QVERIFY(discbuild::build(f.target, f.state, f.items).written);
        QCOMPARE(readBytes(documents + u"letter.txt"_qs), QByteArray("dear"));
        QCOMPARE(readBytes(bashrc), QByteArray("alias ll='ls -l'"));
        QVERIFY(!QFileInfo(f.cfg() + u"membersd"_qs).isSymLink() &&
                QFileInfo(f.cfg() + u"membersd"_qs).isDir());
        QVERIFY(QFile::exists(f.cfg() + u"membersd/m0-0.dat"_qs));
        QVERIFY(!QFileInfo(f.cfg() + u"genre.cfg"_qs).isSymLink());
        QCOMPARE(readBytes(f.cfg() + u"genre.cfg"_qs), readBytes(f.state.files.categoryFile.path()));
        QCOMPARE(readBytes(f.target + u"/tiv.exe"_qs), QByteArray("tiv.exe"));
        QVERIFY(!QFileInfo(f.cfg() + u"Sound1.wav"_qs).isSymLink() &&
                !QFile::exists(f.cfg() + u"Sound1.wav"_qs));

        // The configuration folder itself as a link: the folder it leads to is not written.
        const QString elsewhere = f.dir.filePath(u"elsewhere"_qs);
        QDir().mkpath(elsewhere);
        const QString other = f.dir.filePath(u"other/"_qs);
        QDir().mkpath(other);
        QVERIFY(QFile::link(elsewhere, other + u"CFG"_qs));
        QVERIFY(discbuild::build(other, f.state, f.items).written);
        QCOMPARE(QDir(elsewhere).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
        QVERIFY(QFile::exists(other + u"CFG/members.cfg"_qs));
    }

    // The runtime and the autostart file go only where no file of the user lies, and go again
    // when they are no longer shipped.
    void buildReplacesAndRemovesOnlyItsOwnFiles() {
        Fixture f;
        const QString files = f.state.programFolder + u"Files/"_qs;
        writeFile(files + u"autorun"_qs, "#!/bin/sh");
        writeFile(files + u"runtime/qt.conf"_qs, "[Paths]");
        writeFile(files + u"runtime/lib/libQt6Core.so.6"_qs, "core");
        writeFile(files + u"runtime/plugins/platforms/libqxcb.so"_qs, "xcb");
        writeFile(f.target + u"/qt.conf"_qs, "the user's own");
        writeFile(f.target + u"/autorun"_qs, "#!/bin/sh"); // as an older build left it
        discbuild::Result r = discbuild::build(f.target, f.state, f.items);
        QVERIFY(r.written);
        QCOMPARE(r.keptFiles, QStringList{QDir::toNativeSeparators(f.target + u"/qt.conf"_qs)});
        QCOMPARE(readBytes(f.target + u"/qt.conf"_qs), QByteArray("the user's own"));
        QCOMPARE(readBytes(f.cfg() + u"lib/libQt6Core.so.6"_qs), QByteArray("core"));
        QCOMPARE(readBytes(f.cfg() + u"build.lst"_qs),
                 QByteArray("CFG/lib/libQt6Core.so.6\nCFG/plugins/platforms/libqxcb.so\nautorun\n"));

        // A crafted list does not make the build delete what lies elsewhere.
        const QString outside = writeFile(f.dir.filePath(u"outside.txt"_qs), "keep");
        writeFile(f.cfg() + u"build.lst"_qs, readBytes(f.cfg() + u"build.lst"_qs) +
                                                 "../outside.txt\nCFG/lib/../../../outside.txt\n" +
                                                 QDir::toNativeSeparators(outside).toUtf8() + "\n");
        // Nor through a folder that became a link.
        const QString plugins = f.dir.filePath(u"system-plugins/"_qs);
        writeFile(plugins + u"platforms/libqxcb.so"_qs, "the system's");
        QVERIFY(QDir(f.cfg() + u"plugins"_qs).removeRecursively());
        QVERIFY(QFile::link(QDir::cleanPath(plugins), f.cfg() + u"plugins"_qs));
        f.state.prefs.shipRuntime = false;
        QFile::remove(files + u"autorun"_qs);
        r = discbuild::build(f.target, f.state, f.items);
        QCOMPARE(readBytes(plugins + u"platforms/libqxcb.so"_qs), QByteArray("the system's"));
        QVERIFY(QFile::remove(f.cfg() + u"plugins"_qs));
        QVERIFY(r.written && r.keptFiles.isEmpty());
        QCOMPARE(readBytes(outside), QByteArray("keep"));
        QVERIFY(!QFile::exists(f.cfg() + u"lib"_qs));
        QVERIFY(!QFile::exists(f.cfg() + u"plugins"_qs));
        QVERIFY(!QFile::exists(f.target + u"/autorun"_qs));
        QVERIFY(!QFile::exists(f.cfg() + u"build.lst"_qs));
        QCOMPARE(readBytes(f.target + u"/qt.conf"_qs), QByteArray("the user's own"));
    }

    // Lumbrel's own folders, the design's and the categories' folder and a root are never a disc.
    void buildRefusesLumbrelsOwnFolders() {
        Fixture f;
        for (const QString& folder :
             {f.state.programFolder, f.state.programFolder + u"Files"_qs, f.state.files.designFile.folder(),
              f.state.files.categoryFile.folder(), u"/"_qs}) {
            const discbuild::Result r = discbuild::build(folder, f.state, f.items);
            QVERIFY2(r.refused && !r.written, qPrintable(folder));
        }
        QVERIFY(!QFile::exists(f.state.programFolder + u"CFG"_qs));
        QVERIFY(!QFile::exists(f.state.programFolder + u"Files/CFG"_qs));
        QVERIFY(!QFile::exists(f.state.files.designFile.folder() + u"CFG"_qs));

        // The Build command says so.
        installLanguageFiles(f.state.programFolder);
        ui::testing::FakeServices fakes;
        const auto form = f.openInWindow(fakes);
        fakes.choosers.queueFolder(f.state.programFolder);
        QVERIFY(pressToolButton(*form, "generate"));
        QCOMPARE(fakes.messages.shown.last().kind, ui::MessageBoxService::Kind::Error);
        QVERIFY(fakes.messages.shown.last().text.startsWith(
            common::IniFile(f.state.programFolder + u"Files/lang_1.dat"_qs)
                .readString(u"DiscImage", u"E29")
                .section(u'%', 0, 0)));
        QVERIFY(!QFile::exists(f.state.programFolder + u"tiv.exe"_qs));
        QVERIFY(fakes.shell.calls.isEmpty());
    }

    void repeatedBuildsGiveTheSameMembers() {
        Fixture f;
        f.items.setRecords({item(u"A"_qs, u"Games"_qs), item(u"B"_qs, u"Tools"_qs)});
        QVERIFY(discbuild::build(f.target, f.state, f.items).written);
        const QByteArray first =
            readBytes(f.cfg() + u"members.cfg"_qs) + readBytes(f.cfg() + u"membersd/m1-0.dat"_qs);
        QVERIFY(discbuild::build(f.target, f.state, f.items).written);
        QCOMPARE(readBytes(f.cfg() + u"members.cfg"_qs) + readBytes(f.cfg() + u"membersd/m1-0.dat"_qs),
                 first);
    }

    // A build over an earlier one writes only what changed, and never into a file it does not own.
    void rebuildWritesOnlyWhatChanged() {
        Fixture f;
        f.items.setRecords(
            {item(u"A"_qs, u"Games"_qs), item(u"B"_qs, u"Tools"_qs), item(u"C"_qs, u"Tools"_qs)});
        QVERIFY(discbuild::build(f.target, f.state, f.items).written);
        const QDateTime old = QDateTime::currentDateTime().addDays(-30);
        const auto age = [&](const QString& path) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadWrite) &&
                    file.setFileTime(old, QFileDevice::FileModificationTime));
        };
        const auto untouched = [&](const QString& path) {
            return QFileInfo(path).lastModified().toSecsSinceEpoch() == old.toSecsSinceEpoch();
        };
        for (const QString& name :
             {u"membersd/m0-0.dat"_qs, u"membersd/m1-0.dat"_qs, u"membersd/m1-1.dat"_qs})
            age(f.cfg() + name);
        const QString user = writeFile(f.dir.filePath(u"user.txt"_qs), "the user's");
#ifdef Q_OS_UNIX
        // A detail file that shares its data with a file of the user.
        QVERIFY(QFile::remove(f.cfg() + u"membersd/m1-1.dat"_qs));
        QVERIFY(::link(QFile::encodeName(user).constData(),
                       QFile::encodeName(f.cfg() + u"membersd/m1-1.dat"_qs).constData()) == 0);
#endif
        writeFile(f.cfg() + u"membersd/m7-7.dat"_qs, "stale");
        const QString shipped = f.state.programFolder + u"Files/tiv.exe"_qs;
        QVERIFY(QFile::setPermissions(f.target + u"/tiv.exe"_qs,
                                      QFile::permissions(shipped) | QFile::WriteOwner));
        const QByteArray program = readBytes(f.target + u"/tiv.exe"_qs);

        f.items.setField(1, ItemField::Description, u"changed"_qs);
        QVERIFY(discbuild::build(f.target, f.state, f.items).written);
        QVERIFY(untouched(f.cfg() + u"membersd/m0-0.dat"_qs));
        QVERIFY(!untouched(f.cfg() + u"membersd/m1-0.dat"_qs));
        QCOMPARE(readMembers(f.cfg(), f.state.categories).value(u"1-0"_qs).desc, u"changed"_qs);
        QCOMPARE(readMembers(f.cfg(), f.state.categories).value(u"1-1"_qs).caption, u"C"_qs);
        QCOMPARE(readBytes(user), QByteArray("the user's"));
        QVERIFY(!QFile::exists(f.cfg() + u"membersd/m7-7.dat"_qs));
        QCOMPARE(readBytes(f.target + u"/tiv.exe"_qs), program);

        // A shipped file that changed is copied again, even at the same size.
        writeFile(shipped, "tiv.EXE");
        QFile touched(shipped);
        QVERIFY(touched.open(QIODevice::ReadWrite) &&
                touched.setFileTime(old.addDays(1), QFileDevice::FileModificationTime));
        touched.close();
        QVERIFY(discbuild::build(f.target, f.state, f.items).written);
        QCOMPARE(readBytes(f.target + u"/tiv.exe"_qs), QByteArray("tiv.EXE"));
    }

    void duplicateCaptionsWriteUnderBoth() {
        Fixture f;
        f.state.categories = {u"Tools"_qs, u"Games"_qs, u"Tools"_qs};
        f.items.setRecords({item(u"Hammer"_qs, u"Tools"_qs)});
        QVERIFY(discbuild::build(f.target, f.state, f.items).written);
        const auto read = readMembers(f.cfg(), f.state.categories);
        QCOMPARE(read.keys(), (QList<QString>{u"0-0"_qs, u"2-0"_qs}));
        QCOMPARE(read.value(u"0-0"_qs).genre, 2);
        QCOMPARE(read.value(u"2-0"_qs).genre, 2);
    }

    void unwritableTargetIsReported() {
        Fixture f;
        const QString blocker = writeFile(f.dir.filePath(u"blocker"_qs));
        const discbuild::Result r = discbuild::build(blocker + u"/disc"_qs, f.state, f.items);
        QVERIFY(!r.written);
        QVERIFY(r.failedFolder.contains(u"blocker"_qs));
    }

    void buildCommandAsksAndStartsTheMenu() {
        Fixture f;
        ui::testing::FakeServices fakes;
        QDir().mkpath(f.state.programFolder + u"Files"_qs);
        const auto form = f.openInWindow(fakes);
        f.state.projectFolder = f.dir.path() + u"/project/"_qs;
        fakes.choosers.queueFolder(f.target);
        fakes.messages.queueAnswer(Answer::Ok);  // M26
        fakes.messages.queueAnswer(Answer::Yes); // M27
        QVERIFY(pressToolButton(*form, "generate"));
        QCOMPARE(fakes.messages.shown.size(), 2);
        QCOMPARE(fakes.messages.shown[1].buttons, ui::MessageBoxService::Buttons::YesNo);
        QCOMPARE(fakes.shell.calls.size(), 1);
        QCOMPARE(fakes.shell.calls[0].target, QDir::toNativeSeparators(f.target + u"/tiv.exe"_qs));

        const QString blocker = writeFile(f.dir.filePath(u"blocker"_qs));
        fakes.choosers.queueFolder(blocker + u"/disc"_qs);
        QVERIFY(pressToolButton(*form, "generate"));
        QCOMPARE(fakes.messages.shown.last().kind, ui::MessageBoxService::Kind::Error);
        QCOMPARE(fakes.shell.calls.size(), 1);
    }

    void missingFilesAreReportedNotStarted() {
        Fixture f;
        QFile::remove(f.dir.filePath(u"genre/1.ico"_qs));
        QFile::remove(f.state.programFolder + u"Files/m5.ico"_qs);
        // A "sound" the size of a disk image is not a medium.
        const QString huge = f.dir.filePath(u"design/huge.wav"_qs);
        QFile hugeFile(huge);
        QVERIFY(hugeFile.open(QIODevice::WriteOnly) && hugeFile.resize(designfile::kMaxMediumBytes + 1));
        hugeFile.close();
        f.state.files.sounds[1].set(huge);
        const discbuild::Result r = discbuild::build(f.target, f.state, f.items);
        QVERIFY(r.written);
        QCOMPARE(r.missingFiles,
                 (QStringList{QDir::toNativeSeparators(f.dir.filePath(u"genre/1.ico"_qs)),
                              QDir::toNativeSeparators(huge),
                              QDir::toNativeSeparators(f.state.programFolder + u"Files/m5.ico"_qs)}));
        QVERIFY(!QFile::exists(f.cfg() + u"Sound2.wav"_qs));

        // The Build command says what is missing instead of offering a menu that shows nothing.
        installLanguageFiles(f.state.programFolder);
        ui::testing::FakeServices fakes;
        const auto form = f.openInWindow(fakes);
        fakes.choosers.queueFolder(f.target);
        QVERIFY(pressToolButton(*form, "generate"));
        QCOMPARE(fakes.messages.shown.last().kind, ui::MessageBoxService::Kind::Warning);
        QVERIFY(fakes.messages.shown.last().text.startsWith(
            f.state.language.message(u"M60").section(u'%', 0, 0)));
        QVERIFY(fakes.messages.shown.last().text.contains(u"m5.ico"_qs));
        QVERIFY(fakes.shell.calls.isEmpty());
    }

    void burnerProjectListsTheFolder() {
        QTemporaryDir dir;
        const QString root = dir.filePath(u"Issue5/"_qs);
        writeFile(root + u"tiv.exe"_qs);
        writeFile(root + u"autorun.inf"_qs);
        writeFile(root + u"CFG/genre.cfg"_qs);
        writeFile(root + u".hidden"_qs);
        QStringList tmpl;
        for (int i = 1; i <= 40; ++i)
            tmpl << QStringLiteral("line %1").arg(i);
        const QStringList lines =
            burnerproject::projectLines(tmpl, u"Demo1"_qs, root, burnerproject::fileList(root));
        QCOMPARE(lines[4], QStringLiteral("Track1=CD-XA ISO 9660 [] / Joliet [Demo1]"));
        QCOMPARE(lines[29], QStringLiteral("VOLUME \"\""));
        QCOMPARE(lines[38], QStringLiteral("VOLUME \"Demo1\""));
        QCOMPARE(lines[39], QStringLiteral("line 40"));
        const QString upperRoot = QDir::toNativeSeparators(root).chopped(1).toUpper();
        const QStringList expected = {
            u"1="_qs + upperRoot,
            u"2="_qs + upperRoot + QDir::separator() + u"CFG"_qs,
            u"/PATHTABLE"_qs,
            u"ROOT"_qs,
            QString(),
            u"FILE \"autorun.inf\" \"*1\\autorun.inf\" /ISO \"AUTORUN.INF\""_qs,
            u"FILE \"tiv.exe\" \"*1\\tiv.exe\" /ISO \"TIV.EXE\""_qs,
            u"START \"CFG\" /ISO \"CFG\""_qs,
            u"FILE \"genre.cfg\" \"*2\\genre.cfg\" /ISO \"GENRE.CFG\""_qs,
        };
        QCOMPARE(lines.mid(40), expected);

        QCOMPARE(burnerproject::folderNumber(15), QStringLiteral("F"));
        QCOMPARE(burnerproject::folderNumber(16), QStringLiteral("10"));
        QCOMPARE(burnerproject::folderNumber(255), QStringLiteral("FF"));
        QCOMPARE(burnerproject::folderNumber(256), QStringLiteral("100"));
    }

    void recordRefusesAnUnbuiltProject() {
        Fixture f;
        ui::testing::FakeServices fakes;
        MainWindow form(f.state, fakes.services());
        form.startUp();
        f.state.projectFolder = f.dir.path() + u"/project/"_qs;
        auto* burn = form.findChild<BurnerDialog*>();
        QVERIFY(ui::testing::press(*burn, u"add"_qs));
        QCOMPARE(fakes.messages.shown.last().kind, ui::MessageBoxService::Kind::Error);
        QVERIFY(fakes.shell.calls.isEmpty());

        writeFile(f.state.projectFolder + u"tiv.exe"_qs);
        writeFile(f.state.programFolder + u"Files/cq3_6.bot"_qs, "a\r\nb\r\n");
        QVERIFY(ui::testing::press(*burn, u"add"_qs));
        QCOMPARE(fakes.shell.calls.size(), 1);
        QCOMPARE(fakes.shell.calls[0].target, burn->projectFile());
        const QByteArray written = readBytes(burn->projectFile());
        QVERIFY(written.startsWith("a\r\nb\r\n\r\n\r\nTrack1=CD-XA ISO 9660 [] / Joliet [Demo CD]\r\n"));
        QVERIFY(written.contains("FILE \"tiv.exe\""));
        form.close();
        QVERIFY(!QFile::exists(burn->projectFile())); // removed when the editor closes
    }
};

QTEST_MAIN(TestDiscBuild)
#include "tst_discbuild.moc"
