// Open, Save, Save As and the working-copy cycle, driven with scripted dialogs.
#include "common/IniFile.h"
#include "editor/gui/mainwindow/ProjectFileCommands.h"
#include "editor/project/EditorState.h"
#include "editor/project/ItemTable.h"
#include "editor/project/ProjectFile.h"
#include "editor/project/ProjectSession.h"
#include "tests/editor/EditorTestSupport.h"
#include "ui/testing/FakeServices.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QtTest>

using namespace editortest;
using Answer = ui::MessageBoxService::Answer;

class TestProjectSession : public QObject {
    Q_OBJECT

    struct Fixture {
        QTemporaryDir dir;
        ui::testing::FakeServices fakes;
        EditorState state;
        ItemTable items;
        ProjectSession session{state, items};
        ProjectFileCommands commands{session, state, items, fakes.services()};

        Fixture() {
            state.programFolder = dir.path() + QStringLiteral("/program/");
            QDir().mkpath(state.programFolder + QStringLiteral("projects"));
            common::IniFile lang(dir.filePath(QStringLiteral("lang.dat")));
            lang.writeString(u"Messages", u"M29", QStringLiteral("category file missing"));
            lang.writeString(u"Messages", u"M30", QStringLiteral("design file missing"));
            lang.writeString(u"Messages", u"M57", QStringLiteral("could not save"));
            lang.writeString(u"Messages", u"M85", QStringLiteral("said %1, held %2"));
            lang.writeString(u"Messages", u"M88", QStringLiteral("lost:%1"));
            state.language.load(lang);
        }
        QString path(const QString& name) const { return dir.filePath(name); }

        // A project on disk with the given items, category file and design file.
        QString writeProject(const QString& name, const QString& lbc, const QString& lbd,
                             const std::vector<ItemRecord>& rows) {
            EditorState author;
            author.cdName = QStringLiteral("Demo CD");
            author.projectFolder = path(QStringLiteral("disc/"));
            author.files.categoryFile.set(lbc);
            author.files.designFile.set(lbd);
            author.categories = loadCategoryList(lbc);
            return editortest::writeProject(path(name), author, rows);
        }
        // A project with one item in a one-category file "Tools" beside an empty design file.
        QString writeOneItemProject(const QString& name) {
            const QString lbc = writeCategoryFile(path(u"c/a.lbc"_qs), {u"Tools"_qs});
            const QString lbd = writeFile(path(u"c/a.lbd"_qs));
            return writeProject(name, lbc, lbd, {item(u"One"_qs, u"Tools"_qs)});
        }
    };

private Q_SLOTS:
    void openResolvesFilesAndCreatesTheWorkingCopy() {
        Fixture f;
        const QString lbc = writeCategoryFile(f.path(u"cats/games.lbc"_qs), {u"Tools"_qs, u"Games"_qs});
        const QString lbd = writeFile(f.path(u"designs/blue.lbd"_qs));
        const QString project = f.writeProject(u"demo.lbp"_qs, lbc, lbd, {item(u"Setup"_qs, u"Games"_qs)});
        bool designLoaded = false;
        f.session.loadDesign = [&] { designLoaded = true; };
        int busy = 0;
        f.session.onBusy = [&](bool on) { busy += on ? 1 : -1; };

        QVERIFY(f.commands.open(project));
        QVERIFY(designLoaded);
        QCOMPARE(busy, 0);
        QVERIFY(f.fakes.messages.shown.isEmpty());
        QCOMPARE(f.state.cdName, QStringLiteral("Demo CD"));
        QCOMPARE(f.state.categories, (QStringList{u"Tools"_qs, u"Games"_qs}));
        QCOMPARE(f.items.field(0, ItemField::Category), QStringLiteral("Games"));
        QVERIFY(!f.state.modified && !f.state.categoryResolved && !f.state.designResolved);
        QCOMPARE(f.state.files.projectFile.path(), QDir::toNativeSeparators(project));
        const QString copy = f.path(u".demo.lbp.tmp"_qs);
        QCOMPARE(f.state.files.workingCopy.path(), QDir::toNativeSeparators(copy));
        QFile a(project), b(copy);
        QVERIFY(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
        QCOMPARE(a.readAll(), b.readAll());
        QCOMPARE(f.items.rowColour(0), f.state.prefs.color1);

        f.session.deleteWorkingCopy();
        QVERIFY(!QFile::exists(copy));
    }

    void movedFilesAreFoundInTheProgramFolders() {
        Fixture f;
        const QString lbc = writeCategoryFile(f.path(u"old/games.lbc"_qs), {u"Tools"_qs});
        const QString lbd = writeFile(f.path(u"old/blue.lbd"_qs));
        const QString project = f.writeProject(u"moved.lbp"_qs, lbc, lbd, {item(u"A"_qs, u"Tools"_qs)});
        QDir(f.path(u"old"_qs)).removeRecursively();
        writeCategoryFile(f.state.programFolder + u"genre/games/games.lbc"_qs, {u"Tools"_qs});
        writeFile(f.state.programFolder + u"menudesign/blue.lbd"_qs);

        QVERIFY(f.commands.open(project));
        QVERIFY(f.fakes.messages.shown.isEmpty());
        QVERIFY(f.state.files.categoryFile.path().endsWith(
            QDir::toNativeSeparators(u"genre/games/games.lbc"_qs)));
        QVERIFY(
            f.state.files.designFile.path().endsWith(QDir::toNativeSeparators(u"menudesign/blue.lbd"_qs)));
    }

    void cancellingAMissingFileKeepsTheOpenProject() {
        Fixture f;
        const QString lbc = writeCategoryFile(f.path(u"c/a.lbc"_qs), {u"Tools"_qs});
        const QString lbd = writeFile(f.path(u"c/a.lbd"_qs));
        const QString good = f.writeProject(u"good.lbp"_qs, lbc, lbd, {item(u"Kept"_qs, u"Tools"_qs)});
        QVERIFY(f.commands.open(good));
        const QString keptCategoryFile = f.state.files.categoryFile.path();
        const QString keptDesignFile = f.state.files.designFile.path();

        const QString lbc2 = writeCategoryFile(f.path(u"d/b.lbc"_qs), {u"Other"_qs});
        const QString lbd2 = writeFile(f.path(u"d/b.lbd"_qs));
        const QString broken = f.writeProject(u"broken.lbp"_qs, lbc2, lbd2, {item(u"New"_qs, u"Other"_qs)});
        QFile::remove(lbc2);
        // The session itself only says which file it lacks and where it looked; nothing changes.
        const ProjectSession::OpenResult lacking = f.session.open(broken);
        QCOMPARE(lacking.missing, ProjectSession::Missing::CategoryFile);
        QCOMPARE(lacking.searchFolder, f.state.programFolder + u"genre"_qs + QDir::separator());
        QVERIFY(f.fakes.messages.shown.isEmpty());
        QCOMPARE(f.items.field(0, ItemField::Name), QStringLiteral("Kept"));
        f.fakes.messages.queueAnswer(Answer::Cancel);
        QVERIFY(!f.commands.open(broken));
        QCOMPARE(f.fakes.messages.shown.last().text, QStringLiteral("category file missing"));
        QCOMPARE(f.items.field(0, ItemField::Name), QStringLiteral("Kept"));
        // The open project keeps its files, so that the next save writes them.
        QCOMPARE(f.state.files.categoryFile.path(), keptCategoryFile);
        QCOMPARE(f.state.files.designFile.path(), keptDesignFile);

        // Design missing: the new file's categories, read before the question, go again.
        writeCategoryFile(lbc2, {u"Other"_qs});
        QFile::remove(lbd2);
        f.fakes.messages.queueAnswer(Answer::Ok);
        QVERIFY(!f.commands.open(broken)); // the chooser is cancelled
        QCOMPARE(f.fakes.messages.shown.last().text, QStringLiteral("design file missing"));
        QCOMPARE(f.state.categories, QStringList{u"Tools"_qs});
        QCOMPARE(f.state.files.categoryFile.path(), keptCategoryFile);
        QCOMPARE(f.state.files.designFile.path(), keptDesignFile);
        QCOMPARE(f.items.field(0, ItemField::Name), QStringLiteral("Kept"));

        // Choosing a design file in the dialog finishes the open.
        const QString lbd3 = writeFile(f.path(u"e/c.lbd"_qs));
        f.fakes.messages.queueAnswer(Answer::Ok);
        f.fakes.choosers.queueOpenFile(lbd3);
        QVERIFY(f.commands.open(broken));
        QCOMPARE(f.items.field(0, ItemField::Name), QStringLiteral("New"));
        QCOMPARE(f.fakes.choosers.requests.last().file.filter,
                 QStringLiteral("Tavik - Lumbrel - Designfile|*.lbd"));
    }

    void aSingleItemWithoutNameIsKept() {
        Fixture f;
        const QString lbc = writeCategoryFile(f.path(u"c/a.lbc"_qs), {u"Tools"_qs});
        const QString lbd = writeFile(f.path(u"c/a.lbd"_qs));
        ItemRecord unnamed = item(QString(), u"Tools"_qs);
        unnamed[fieldIndex(ItemField::FileName)] = u"setup.exe"_qs;
        QVERIFY(f.commands.open(f.writeProject(u"p.lbp"_qs, lbc, lbd, {unnamed})));
        QCOMPARE(f.items.itemCount(), 1);
        QCOMPARE(f.items.field(0, ItemField::FileName), QStringLiteral("setup.exe"));
    }

    void theWorkingCopyIsNeverAFileOfTheUser() {
        Fixture f;
        const QString lbc = writeCategoryFile(f.path(u"c/a.lbc"_qs), {u"Tools"_qs});
        const QString lbd = writeFile(f.path(u"c/a.lbd"_qs));
        // A project named like a working copy is not its own working copy: closing keeps it.
        const QString tour = f.writeProject(u"Tour.tmp"_qs, lbc, lbd, {item(u"One"_qs, u"Tools"_qs)});
        const QByteArray tourBytes = readBytes(tour);
        QVERIFY(f.commands.open(tour));
        QVERIFY(!QFileInfo(f.session.workingCopyPath()).absoluteFilePath().endsWith(u"/Tour.tmp"_qs));
        f.session.deleteWorkingCopy();
        QCOMPARE(readBytes(tour), tourBytes);

        // Files beside a project whose name holds more dots stay as they were, through open, save
        // and close; a name already taken, by a file or a link, is passed over.
        const QString final = f.writeProject(u"Tour.final.lbp"_qs, lbc, lbd, {item(u"One"_qs, u"Tools"_qs)});
        const QString taken = writeFile(f.path(u".Tour.final.lbp.tmp"_qs), "the user's");
        const QString target = writeFile(f.path(u"target"_qs), "linked");
        QVERIFY(QFile::link(target, f.path(u".Tour.final.lbp.1.tmp"_qs)));
        QVERIFY(f.commands.open(final));
        const QString copy = f.session.workingCopyPath();
        QCOMPARE(copy, QDir::toNativeSeparators(f.path(u".Tour.final.lbp.2.tmp"_qs)));
        f.items.appendRecord(item(u"Two"_qs, u"Tools"_qs));
        f.state.modified = true;
        QVERIFY(f.commands.save(u"Save"_qs));
        QCOMPARE(common::IniFile(copy).readString(u"Item-2", u"0"), u"Two"_qs);
        f.session.deleteWorkingCopy();
        QVERIFY(!QFileInfo::exists(copy));
        QCOMPARE(readBytes(tour), tourBytes);
        QCOMPARE(readBytes(taken), QByteArray("the user's"));
        QCOMPARE(readBytes(target), QByteArray("linked"));
        QCOMPARE(common::IniFile(final).readString(u"Item-2", u"0"), u"Two"_qs);

        // Opening the working copy itself as the project does not delete it.
        QVERIFY(f.commands.open(final));
        const QString open = f.session.workingCopyPath();
        QVERIFY(f.commands.open(open));
        QVERIFY(QFileInfo::exists(open));
        f.session.deleteWorkingCopy();
        QVERIFY(QFileInfo::exists(open));
    }

    void aDamagedItemCountIsSaidAndSavesAtOnce() {
        Fixture f;
        const QString lbc = writeCategoryFile(f.path(u"c/a.lbc"_qs), {u"Tools"_qs});
        const QString lbd = writeFile(f.path(u"c/a.lbd"_qs));
        const QString project = f.writeProject(u"p.lbp"_qs, lbc, lbd,
                                               {item(u"One"_qs, u"Tools"_qs), item(u"Two"_qs, u"Tools"_qs)});
        {
            common::IniFile ini(project);
            ini.writeString(u"Anz_Eintr\u00e4ge", u"items", u"2147483647"_qs);
            QVERIFY(ini.save());
        }
        QVERIFY(f.commands.open(project));
        QCOMPARE(f.items.itemCount(), 2);
        QCOMPARE(f.fakes.messages.shown.size(), 1);
        QCOMPARE(f.fakes.messages.shown[0].text, u"said 2147483647, held 2"_qs);
        QElapsedTimer timer;
        timer.start();
        f.state.modified = true;
        QVERIFY(f.commands.save(u"Save"_qs));
        QVERIFY2(timer.elapsed() < 5000, "the save counted to the damaged count");
        QCOMPARE(common::IniFile(project).readInteger(u"Anz_Eintr\u00e4ge", u"items", 0), 2);

        // A count that agrees, and an empty project's, are not mentioned.
        QVERIFY(f.commands.open(project));
        f.items.setRecords({});
        QVERIFY(f.commands.save(u"Save"_qs));
        QVERIFY(f.commands.open(project));
        QCOMPARE(f.fakes.messages.shown.size(), 1);
    }

    void charactersTheFileCannotHoldAreAskedAbout() {
        Fixture f;
        const QString project = f.writeOneItemProject(u"p.lbp"_qs);
        QVERIFY(f.commands.open(project));
        const QByteArray before = readBytes(project);
        f.items.setField(0, ItemField::Description, u"Ёлка 🎄"_qs);
        f.state.modified = true;
        f.fakes.messages.queueAnswer(Answer::Cancel);
        QVERIFY(!f.commands.save(u"Save"_qs));
        QCOMPARE(f.fakes.messages.shown.last().text,
                 u"lost:\nOne, "_qs + f.state.language.fieldTitle(fieldIndex(ItemField::Description)) +
                     u": Ёлка🎄\n\n"_qs);
        QVERIFY(f.state.modified);
        QCOMPARE(readBytes(project), before);

        // Save As asks once its file is chosen; going on writes the rest of the text.
        f.fakes.choosers.queueSaveFile(f.path(u"other.lbp"_qs));
        f.fakes.messages.queueAnswer(Answer::Ok);
        QVERIFY(f.commands.saveAs(u"t"_qs));
        QCOMPARE(f.fakes.messages.shown.size(), 2);
        QCOMPARE(common::IniFile(f.path(u"other.lbp"_qs)).readString(u"Item-1", u"6"), u"???? ??"_qs);
        QVERIFY(!f.state.modified);
    }

    void saveWritesThroughTheWorkingCopy() {
        Fixture f;
        const QString project = f.writeOneItemProject(u"p.lbp"_qs);
        QVERIFY(f.commands.open(project));
        f.items.appendRecord(item(u"Two"_qs, u"Tools"_qs));
        f.state.modified = true;
        f.commands.save(u"Save"_qs);
        QVERIFY(!f.state.modified);
        QVERIFY(f.fakes.messages.shown.isEmpty());
        const common::IniFile saved(project);
        QCOMPARE(saved.readString(u"Item-2", u"0"), QStringLiteral("Two"));
        QCOMPARE(common::IniFile(f.path(u".p.lbp.tmp"_qs)).readString(u"Item-2", u"0"),
                 QStringLiteral("Two"));
    }

    void saveAsAddsTheExtensionAndReportsAFailedWrite() {
        Fixture f;
        f.items.setRecords({item(u"One"_qs, u"Tools"_qs)});
        // A project that was never saved goes to Save As.
        f.fakes.choosers.queueSaveFile(f.path(u"fresh"_qs));
        f.commands.save(u"Save project"_qs);
        QCOMPARE(f.fakes.choosers.requests.last().file.title, QStringLiteral("Save project"));
        QCOMPARE(f.fakes.choosers.requests.last().file.folder, f.state.programFolder + u"projects/"_qs);
        QVERIFY(QFile::exists(f.path(u"fresh.lbp"_qs)));
        QVERIFY(QFile::exists(f.path(u".fresh.lbp.tmp"_qs)));
        QCOMPARE(f.state.files.projectFile.path(), QDir::toNativeSeparators(f.path(u"fresh.lbp"_qs)));

        QVERIFY(!f.commands.saveAs(u"t"_qs)); // cancelled
        f.state.modified = true;
        f.fakes.choosers.queueSaveFile(f.path(u"no/such/folder/x.lbp"_qs));
        QVERIFY(!f.commands.saveAs(u"t"_qs));
        QCOMPARE(f.fakes.messages.shown.size(), 1);
        QCOMPARE(f.fakes.messages.shown[0].text, QStringLiteral("could not save"));
        QCOMPARE(f.state.files.projectFile.path(), QDir::toNativeSeparators(f.path(u"fresh.lbp"_qs)));
        QVERIFY(f.state.modified);
    }

    void failedSaveKeepsTheFileAndTheChanges() {
        Fixture f;
        const QString project = f.writeOneItemProject(u"p.lbp"_qs);
        QVERIFY(f.commands.open(project));
        const QByteArray before = readBytes(project);
        f.items.appendRecord(item(u"Two"_qs, u"Tools"_qs));
        f.state.modified = true;

        // A read-only project file (permission bits do not stop root): the save is said to fail.
        QFile::setPermissions(project, QFile::ReadOwner);
        if (!QFileInfo(project).isWritable()) {
            QVERIFY(!f.commands.save(u"Save"_qs));
            QCOMPARE(f.fakes.messages.shown.last().text, QStringLiteral("could not save"));
            QVERIFY(f.state.modified);
            QCOMPARE(readBytes(project), before);
        }
        QFile::setPermissions(project, QFile::ReadOwner | QFile::WriteOwner);

        // A working copy that cannot be written is never copied over the project file.
        const QString copy = f.session.workingCopyPath();
        QFile::remove(copy);
        QVERIFY(QDir().mkpath(copy)); // a folder where the copy should be
        QVERIFY(!f.commands.save(u"Save"_qs));
        QCOMPARE(f.fakes.messages.shown.last().text, QStringLiteral("could not save"));
        QVERIFY(f.state.modified);
        QCOMPARE(readBytes(project), before);

        // Save As onto a name that cannot be written keeps the open project and the changes.
        QVERIFY(QDir().rmdir(copy));
        const QString taken = f.path(u"taken.lbp"_qs);
        QVERIFY(QDir().mkpath(taken));
        f.fakes.choosers.queueSaveFile(taken);
        QVERIFY(!f.commands.saveAs(u"t"_qs));
        QVERIFY(f.state.modified);
        QCOMPARE(f.state.files.projectFile.path(), project);
    }

    void workingCopyCycleResolvesCategoriesAgain() {
        Fixture f;
        const QString lbc = writeCategoryFile(f.path(u"c/a.lbc"_qs), {u"Tools"_qs, u"Games"_qs});
        const QString lbd = writeFile(f.path(u"c/a.lbd"_qs));
        const QString project =
            f.writeProject(u"cyc.lbp"_qs, lbc, lbd, {item(u"A"_qs, u"Tools"_qs), item(u"B"_qs, u"Games"_qs)});
        QVERIFY(f.commands.open(project));
        bool ran = false;
        f.session.workingCopyCycle([&] { ran = true; });
        QVERIFY(ran);
        QCOMPARE(f.items.field(1, ItemField::Category), QStringLiteral("Games"));

        // The category editor renames "Games" and marks the project modified.
        f.session.workingCopyCycle([&] {
            writeCategoryFile(lbc, {u"Tools"_qs, u"Spiele"_qs});
            f.state.modified = true;
        });
        QCOMPARE(f.state.categories, (QStringList{u"Tools"_qs, u"Spiele"_qs}));
        QCOMPARE(f.items.field(0, ItemField::Category), QStringLiteral("Tools"));
        QCOMPARE(f.items.field(1, ItemField::Category), QStringLiteral("Spiele"));
        QCOMPARE(f.items.rowColour(1), f.state.prefs.color2);

        // Categories that swap places keep their items by name.
        f.session.workingCopyCycle([&] {
            writeCategoryFile(lbc, {u"Spiele"_qs, u"Tools"_qs});
            f.state.modified = true;
        });
        QCOMPARE(f.items.field(0, ItemField::Category), QStringLiteral("Tools"));
        QCOMPARE(f.items.field(1, ItemField::Category), QStringLiteral("Spiele"));

        // Texts that the Windows-1252 working copy cannot hold come through the cycle whole.
        const QString folder = f.path(u"диск/"_qs);
        f.items.setField(0, ItemField::Name, u"Ёлка 🎄"_qs);
        f.session.workingCopyCycle([&] {
            f.state.cdName = u"Диск"_qs;
            f.state.projectFolder = folder;
            writeCategoryFile(lbc, {u"Tools"_qs, u"Spiele"_qs});
            f.state.modified = true;
        });
        QCOMPARE(f.items.field(0, ItemField::Name), u"Ёлка 🎄"_qs);
        QCOMPARE(f.items.field(0, ItemField::Category), QStringLiteral("Tools"));
        QCOMPARE(f.items.field(1, ItemField::Category), QStringLiteral("Spiele"));
        QCOMPARE(f.state.cdName, u"Диск"_qs);
        QCOMPARE(f.state.projectFolder, folder);
        QCOMPARE(f.state.files.categoryFile.path(), lbc);
    }
};

QTEST_MAIN(TestProjectSession)
#include "tst_projectsession.moc"
