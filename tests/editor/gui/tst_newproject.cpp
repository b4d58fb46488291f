// Starting a project from nothing: the new-project dialog and the Edit command, the wizard and the
// welcome screen, driven through the main window like a user would.
#include "editor/gui/categories/CategoryEditor.h"
#include "editor/gui/design/DesignEditor.h"
#include "editor/gui/items/AddFileDialog.h"
#include "editor/gui/items/CellEditors.h"
#include "editor/gui/mainwindow/MainWindow.h"
#include "editor/gui/newproject/FolderPage.h"
#include "editor/gui/newproject/ProjectDialog.h"
#include "editor/gui/newproject/ProjectWizard.h"
#include "editor/gui/newproject/WelcomeDialog.h"
#include "editor/project/EditorState.h"
#include "editor/project/ProjectFile.h"
#include "tests/editor/gui/EditorWindowFixture.h"
#include "ui/testing/FakeServices.h"
#include "ui/testing/UserInput.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolButton>
#include <QTreeView>
#include <QtTest>

using namespace editortest;
using ui::testing::control;
using ui::testing::press;
using Answer = ui::MessageBoxService::Answer;

namespace {

// The wizard's folder step, whose tree the tests set as a user would click into it.
FolderPage* folderPage(ProjectWizard* w) {
    return control<FolderPage>(*w, u"LMDAssistPage6"_qs);
}

// Clicks the folder in the tree: chosen even when the tree shows it already, as it does for the
// open project's folder.
void chooseFolder(ProjectWizard* w, const QString& folder) {
    folderPage(w)->setCurrentFolder(folder);
    auto* tree = control<QTreeView>(*w, u"folders"_qs);
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualRect(tree->currentIndex()).center());
}

} // namespace

class TestNewProject : public QObject {
    Q_OBJECT

    struct Fixture : EditorWindowFixture {
        QString disc; // a project folder with three files, ending in the separator

        explicit Fixture(const QByteArray& settings = "[settings]\r\nshow_ft=FALSE\r\n")
            : EditorWindowFixture({"projects"}) {
            for (const char* name : {"Standard.lbc", "Standard.lbd"})
                QFile::copy(QStringLiteral(LUMBREL_DATA_DIR "/") + QLatin1String(name),
                            state.programFolder + u"Files/"_qs + QLatin1String(name));
            writeFile(state.programFolder + u"lumbrel.dat"_qs, settings);
            disc = QDir::toNativeSeparators(dir.path() + u"/disc/"_qs);
            for (const char* name : {"setup.exe", "manual.pdf", "notes.txt"})
                writeFile(disc + QLatin1String(name));
            startEditor();
        }
        template <typename T = QToolButton> T* child(const QString& name = {}) const {
            return form->findChild<T*>(name);
        }
        ProjectDialog* dialog() const { return child<ProjectDialog>(); }
        ProjectWizard* wizard() const { return child<ProjectWizard>(); }
        QString text(const char16_t* key) const { return state.language.text(QStringView(key)); }
        QString projectFile() const { return state.programFolder + u"projects/first.lbp"_qs; }
        bool gated() const { return !child(u"add"_qs)->isEnabled(); }

        // Browse, Category Editor and Menu Design Editor, each left with OK.
        void unlockAll(ProjectDialog* d) {
            fakes.choosers.queueFolder(disc);
            QVERIFY(press(*d, u"browsepfbtn"_qs));
            whenOpen<CategoryEditor>([](CategoryEditor* e) { QVERIFY(press(*e, u"OK"_qs)); });
            QVERIFY(press(*d, u"genrefilebtn"_qs));
            whenOpen<DesignEditor>([](DesignEditor* e) { QVERIFY(press(*e, u"zGradBtn3"_qs)); });
            QVERIFY(press(*d, u"layoutbtn"_qs));
        }
        // Adds a file of the project folder through the wizard's Add File.
        void addThroughWizard(ProjectWizard* w, const QString& name) {
            whenOpen<AddFileDialog>([this, name](AddFileDialog* a) {
                fakes.choosers.queueOpenFile(disc + name);
                QVERIFY(ui::testing::press(*a, u"selfilebtn"_qs));
                QVERIFY(ui::testing::press(*a, u"add"_qs));
            });
            QVERIFY(press(*w, u"addFile"_qs));
        }
        // Goes through the wizard's first five steps with the project folder and the standard files.
        void fillWizard(ProjectWizard* w) {
            w->next();
            chooseFolder(w, disc);
            w->next();
            control<QLineEdit>(*w, u"Edit1"_qs)->setText(u"First Disc"_qs);
            w->next();
            QVERIFY(press(*w, u"defaultCategories"_qs));
            w->next();
            QVERIFY(press(*w, u"defaultDesign"_qs));
            w->next();
            for (const char* name : {"setup.exe", "manual.pdf", "notes.txt"})
                addThroughWizard(w, QLatin1String(name));
        }
        QString openSavedProject() {
            EditorState author;
            author.cdName = u"Old Disc"_qs;
            author.projectFolder = disc;
            author.files.categoryFile.set(state.programFolder + u"Files/Standard.lbc"_qs);
            author.files.designFile.set(state.programFolder + u"Files/Standard.lbd"_qs);
            const QString file =
                writeProject(dir.filePath(u"old.lbp"_qs), author, {item(u"Old"_qs, u"Games"_qs)});
            EditorWindowFixture::openProject(file);
            return file;
        }
    };

private Q_SLOTS:
    void newUnlocksInOrderAndCreatesTheProject() {
        Fixture f;
        QVERIFY(f.gated());
        whenOpen<ProjectDialog>([&f](ProjectDialog* d) {
            QCOMPARE(d->windowTitle(), f.text(u"T48"));
            QCOMPARE(control<QPushButton>(*d, u"okbtn"_qs)->text(), f.text(u"T54"));
            QVERIFY(!control<QPushButton>(*d, u"genrefilebtn"_qs)->isEnabled() &&
                    !control<QPushButton>(*d, u"layoutbtn"_qs)->isEnabled() &&
                    !control<QPushButton>(*d, u"okbtn"_qs)->isEnabled());
            f.fakes.choosers.queueFolder(f.disc.chopped(1));
            QVERIFY(press(*d, u"browsepfbtn"_qs));
            QCOMPARE(control<QLineEdit>(*d, u"rootname"_qs)->text(), f.disc); // the separator is added
            QVERIFY(control<QPushButton>(*d, u"genrefilebtn"_qs)->isEnabled() &&
                    !control<QPushButton>(*d, u"layoutbtn"_qs)->isEnabled());
            QCOMPARE(d->windowTitle(), f.text(u"T49"));
            whenOpen<CategoryEditor>([](CategoryEditor* e) { QVERIFY(press(*e, u"OK"_qs)); });
            QVERIFY(press(*d, u"genrefilebtn"_qs));
            QVERIFY(control<QPushButton>(*d, u"layoutbtn"_qs)->isEnabled() &&
                    !control<QPushButton>(*d, u"okbtn"_qs)->isEnabled());
            QCOMPARE(d->windowTitle(), f.text(u"T23"));
            whenOpen<DesignEditor>([](DesignEditor* e) { QVERIFY(press(*e, u"zGradBtn3"_qs)); });
            QVERIFY(press(*d, u"layoutbtn"_qs));
            QVERIFY(control<QPushButton>(*d, u"okbtn"_qs)->isEnabled());
            QCOMPARE(d->windowTitle(), f.text(u"T46"));
            control<QLineEdit>(*d, u"anzname"_qs)->setText(u"First Disc"_qs);
            f.fakes.choosers.queueSaveFile(f.projectFile());
            QVERIFY(press(*d, u"okbtn"_qs));
        });
        QVERIFY(f.pressTool("new"));
        QVERIFY(!f.gated());
        QCOMPARE(f.form->windowTitle(), f.text(u"T22") + u" First Disc"_qs);
        QVERIFY(!f.state.modified);
        QCOMPARE(f.state.categories.value(0), u"Programs"_qs);
        const common::IniFile saved(f.projectFile());
        QCOMPARE(saved.readString(u"general", u"cdname"), u"First Disc"_qs);
        QCOMPARE(saved.readString(u"general", u"rootname"), f.disc);
        QCOMPARE(f.state.addFileStartFolder, f.disc);
    }

    void newWithSaveAsCancelledCreatesNothing() {
        Fixture f;
        whenOpen<ProjectDialog>([&f](ProjectDialog* d) {
            f.unlockAll(d);
            QVERIFY(press(*d, u"okbtn"_qs)); // no file queued: Save As is cancelled
            QVERIFY(d->isVisible());
            QVERIFY(!d->projectCreated());
            QVERIFY(press(*d, u"exitbtn"_qs));
        });
        QVERIFY(f.pressTool("new"));
        QVERIFY(f.gated());
        QVERIFY(QDir(f.state.programFolder + u"projects"_qs).isEmpty());
        QVERIFY(f.state.newProjectCancelled);
        // The item commands wait for a project.
        QVERIFY(!f.pressTool("add"));
    }

    void okWithoutDesignAndBrowseOverAFolderAsk() {
        Fixture f;
        ProjectDialog* d = f.dialog();
        d->prepare(ProjectDialog::Mode::New);
        d->okClicked(); // as the wizard's Finish does, while the button is still locked
        QCOMPARE(f.fakes.messages.shown.last().text, f.message(u"M48"));
        f.fakes.choosers.queueFolder(f.disc);
        QVERIFY(press(*d, u"browsepfbtn"_qs));
        QCOMPARE(f.fakes.messages.shown.size(), 1); // an empty folder field does not ask
        const auto choosers = f.fakes.choosers.requests.size();
        f.fakes.messages.queueAnswer(Answer::Cancel);
        QVERIFY(press(*d, u"browsepfbtn"_qs));
        QCOMPARE(f.fakes.messages.shown.last().text, f.message(u"M49"));
        QCOMPARE(f.fakes.choosers.requests.size(), choosers); // no chooser after Cancel
        QCOMPARE(control<QLineEdit>(*d, u"rootname"_qs)->text(), f.disc);
    }

    void cancellingNewLeavesTheOpenProjectAsItWas() {
        Fixture f;
        f.openSavedProject();
        const QString categories = f.state.files.categoryFile.path();
        const QStringList captions = f.state.categories;
        const QString other = writeCategoryFile(f.dir.filePath(u"other/other.lbc"_qs), {u"Else"_qs});
        writeFile(f.dir.filePath(u"other/0.ico"_qs), "icon");
        whenOpen<ProjectDialog>([&](ProjectDialog* d) {
            f.fakes.choosers.queueFolder(f.disc);
            QVERIFY(press(*d, u"browsepfbtn"_qs));
            whenOpen<CategoryEditor>([&](CategoryEditor* e) {
                f.fakes.choosers.queueOpenFile(other);
                QVERIFY(press(*e, u"lgf"_qs));
                QVERIFY(press(*e, u"OK"_qs));
            });
            QVERIFY(press(*d, u"genrefilebtn"_qs));
            QCOMPARE(f.state.files.categoryFile.path(), other);
            QVERIFY(press(*d, u"exitbtn"_qs));
        });
        f.child(u"new"_qs)->click();
        QCOMPARE(f.state.files.categoryFile.path(), categories);
        QCOMPARE(f.state.categories, captions);
        QCOMPARE(f.state.pendingCategoryFile, categories);
        QVERIFY(!f.state.modified);
        QVERIFY(!f.gated());
    }

    void editAppliesTheValuesAndAnEmptyCdNameIsNamed() {
        Fixture f;
        f.openSavedProject();
        whenOpen<ProjectDialog>([&f](ProjectDialog* d) {
            QCOMPARE(control<QLineEdit>(*d, u"anzname"_qs)->text(), u"Old Disc"_qs);
            QCOMPARE(control<QLineEdit>(*d, u"rootname"_qs)->text(), f.disc);
            QCOMPARE(control<QPushButton>(*d, u"okbtn"_qs)->text(), f.text(u"T56"));
            QVERIFY(control<QPushButton>(*d, u"okbtn"_qs)->isEnabled() &&
                    control<QPushButton>(*d, u"genrefilebtn"_qs)->isEnabled() &&
                    control<QPushButton>(*d, u"layoutbtn"_qs)->isEnabled());
            control<QLineEdit>(*d, u"anzname"_qs)->clear();
            QVERIFY(press(*d, u"okbtn"_qs));
        });
        QVERIFY(f.pressTool("editp"));
        QCOMPARE(f.form->windowTitle(), f.text(u"T22") + u" No CD name"_qs);
        QVERIFY(f.state.cdName.isEmpty());
        QCOMPARE(f.form->items().field(0, ItemField::Name), u"Old"_qs); // the items came back

        whenOpen<ProjectDialog>([](ProjectDialog* d) {
            control<QLineEdit>(*d, u"anzname"_qs)->setText(u"Ignored"_qs);
            QVERIFY(press(*d, u"exitbtn"_qs));
        });
        QVERIFY(f.pressTool("editp"));
        QVERIFY(f.state.cdName.isEmpty()); // Cancel changes nothing
    }

    // The project dialog opens in its first field; Enter there presses OK, Escape cancels.
    void projectDialogTakesEnterAndEscape() {
        Fixture f;
        f.openSavedProject();
        whenOpen<ProjectDialog>([](ProjectDialog* d) {
            QCOMPARE(d->focusWidget(), control<QLineEdit>(*d, u"anzname"_qs));
            QCOMPARE(control<QLineEdit>(*d, u"anzname"_qs)->selectedText(),
                     u"Old Disc"_qs); // typing replaces the name
            QTest::keyClicks(control<QLineEdit>(*d, u"anzname"_qs), u"New Disc"_qs);
            QTest::keyClick(control<QLineEdit>(*d, u"anzname"_qs), Qt::Key_Return);
        });
        QVERIFY(f.pressTool("editp"));
        QCOMPARE(f.state.cdName, u"New Disc"_qs);

        whenOpen<ProjectDialog>([](ProjectDialog* d) {
            QTest::keyClicks(control<QLineEdit>(*d, u"anzname"_qs), u"Ignored"_qs);
            QTest::keyClick(control<QLineEdit>(*d, u"anzname"_qs), Qt::Key_Escape);
        });
        QVERIFY(f.pressTool("editp"));
        QCOMPARE(f.state.cdName, u"New Disc"_qs);
        QVERIFY(!QApplication::activeModalWidget());
    }

    void wizardWithThreeFilesKeepsThemInTheProject() {
        Fixture f;
        whenOpen<ProjectWizard>([&f](ProjectWizard* w) {
            QCOMPARE(control<QLineEdit>(*w, u"edit2"_qs)->text(), f.text(u"T52"));
            f.fillWizard(w);
            QCOMPARE(f.form->items().itemCount(), 3);
            QVERIFY(f.gated()); // the items come before the project
            w->next();
            QCOMPARE(w->currentId(), int(ProjectWizard::Finish));
            f.fakes.choosers.queueSaveFile(f.projectFile());
            QVERIFY(press(*w, u"viewProject"_qs));
        });
        QVERIFY(f.trigger("Wizard1"));
        QVERIFY(!f.gated());
        QCOMPARE(f.form->items().itemCount(), 3);
        QCOMPARE(f.form->windowTitle(), f.text(u"T22") + u" First Disc"_qs);
        const common::IniFile saved(f.projectFile());
        QCOMPARE(saved.readString(u"general", u"rootname"), f.disc);
        QStringList names;
        for (int n = 1; n <= 3; ++n)
            names << saved.readString(u"Item-"_qs + QString::number(n), u"0");
        QCOMPARE(names, (QStringList{u"setup"_qs, u"manual"_qs, u"notes"_qs}));
    }

    void wizardStepsRefuseToBeLeftWithoutAChoice() {
        Fixture f;
        whenOpen<ProjectWizard>([&f](ProjectWizard* w) {
            w->next();
            w->next();
            QCOMPARE(w->currentId(), int(ProjectWizard::General));
            w->next();
            QCOMPARE(w->currentId(), int(ProjectWizard::General)); // no folder yet
            QCOMPARE(f.fakes.messages.shown.last().text, f.message(u"M87"));
            w->back();
            folderPage(w)->setCurrentFolder(f.disc);
            w->next();
            QCOMPARE(control<QLineEdit>(*w, u"edit2"_qs)->text(), f.disc); // ends in the separator
            QCOMPARE(f.state.projectFolder, f.disc);
            w->next();
            QCOMPARE(w->currentId(), int(ProjectWizard::Categories));
            w->next();
            QCOMPARE(w->currentId(), int(ProjectWizard::Categories));
            QCOMPARE(f.fakes.messages.shown.last().text, f.message(u"M86"));
            QVERIFY(press(*w, u"defaultCategories"_qs));
            w->next();
            w->next();
            QCOMPARE(w->currentId(), int(ProjectWizard::Design));
            QCOMPARE(f.fakes.messages.shown.last().text, f.message(u"M48"));
            QCOMPARE(f.fakes.messages.shown.size(), 3); // said once per refusal, never on the way
            QVERIFY(press(*w, u"defaultDesign"_qs));
            w->next();
            QCOMPARE(w->currentId(), int(ProjectWizard::Items));
            Q_EMIT w->helpRequested();
            w->reject();
        });
        QVERIFY(f.trigger("Wizard1"));
        QCOMPARE(f.fakes.help.topics.last().context, 6350);
        QVERIFY(f.gated());
        QVERIFY(f.state.projectFolder.isEmpty()); // nothing chosen in the wizard stays behind
    }

    // In German the default categories are a copy of the standard file with the language's captions;
    // the standard file stays English, and a copy that exists already is taken as it stands.
    void defaultCategoriesSpeakTheProjectsLanguage() {
        Fixture f;
        for (int i = 0; i < 10; ++i)
            writeFile(f.program(u"Files/%1.ico"_qs.arg(i)), QByteArray::number(i));
        const QString standard = f.program(u"Files/Standard.lbc"_qs);
        const QByteArray english = readBytes(standard);
        const QString copy = f.program(u"genre/Standardkategorien/Standardkategorien.lbc"_qs);
        // Through the wizard to its category step, "Use default categories", then `check` on what it shows.
        const auto chooseDefault = [&f](const std::function<void(ProjectWizard*)>& check) {
            whenOpen<ProjectWizard>([&f, check](ProjectWizard* w) {
                w->next();
                folderPage(w)->setCurrentFolder(f.disc);
                w->next();
                w->next();
                QVERIFY(press(*w, u"defaultCategories"_qs));
                check(w);
                w->reject();
            });
            QVERIFY(f.trigger("Wizard1"));
        };
        QVERIFY(f.trigger("german"));
        chooseDefault([&f, &copy](ProjectWizard* w) {
            QCOMPARE(f.state.categories.first(), u"Programme"_qs);
            QCOMPARE(f.state.categories.last(), u"Verschiedenes"_qs);
            QCOMPARE(f.state.categories.size(), 10);
            QCOMPARE(control<QLabel>(*w, u"categoryFile"_qs)->text(), copy);
        });
        QCOMPARE(readBytes(standard), english);
        QCOMPARE(readBytes(f.program(u"genre/Standardkategorien/9.ico"_qs)), QByteArray("9"));
        QVERIFY(f.fakes.messages.shown.isEmpty());

        writeFile(copy, "[general]\r\nanz_items=1\r\n[0]\r\ncaption=Eigene\r\nicon_number=0\r\n");
        chooseDefault([](ProjectWizard*) {});
        QCOMPARE(readBytes(copy),
                 QByteArray("[general]\r\nanz_items=1\r\n[0]\r\ncaption=Eigene\r\nicon_number=0\r\n"));

        QVERIFY(f.trigger("english"));
        chooseDefault([&f, &standard](ProjectWizard* w) {
            QCOMPARE(f.state.categories.first(), u"Programs"_qs);
            QCOMPARE(control<QLabel>(*w, u"categoryFile"_qs)->text(), standard);
        });
    }

    // A copy that cannot be written is said, and the standard file serves instead.
    void anUnwritableCopyFallsBackToTheStandardFile() {
        Fixture f;
        for (int i = 0; i < 10; ++i)
            writeFile(f.program(u"Files/%1.ico"_qs.arg(i)), QByteArray::number(i));
        // A file where the copy's folder would go.
        writeFile(f.program(u"genre/Standardkategorien"_qs));
        QVERIFY(f.trigger("german"));
        whenOpen<ProjectWizard>([&f](ProjectWizard* w) {
            w->next();
            folderPage(w)->setCurrentFolder(f.disc);
            w->next();
            w->next();
            QVERIFY(press(*w, u"defaultCategories"_qs));
            QCOMPARE(control<QLabel>(*w, u"categoryFile"_qs)->text(), f.program(u"Files/Standard.lbc"_qs));
            QCOMPARE(f.fakes.messages.shown.size(), 1);
            QVERIFY(f.lastMessage().contains(u"Standardkategorien"_qs));
            w->reject();
        });
        QVERIFY(f.trigger("Wizard1"));
    }

    void aCancelledCategoryEditorLeavesNoCategoryFile() {
        Fixture f;
        whenOpen<ProjectWizard>([&f](ProjectWizard* w) {
            w->next();
            folderPage(w)->setCurrentFolder(f.disc);
            w->next();
            w->next();
            QCOMPARE(w->currentId(), int(ProjectWizard::Categories));
            whenOpen<CategoryEditor>([](CategoryEditor* e) { QVERIFY(press(*e, u"Cancel"_qs)); });
            QVERIFY(press(*w, u"categoryEditor"_qs));
            QCOMPARE(control<QLabel>(*w, u"categoryFile"_qs)->text(), f.text(u"T52"));
            QVERIFY(!f.state.files.categoryFile.exists());
            w->next();
            QCOMPARE(w->currentId(), int(ProjectWizard::Categories));
            QCOMPARE(f.fakes.messages.shown.last().text, f.message(u"M86"));
            w->reject();
        });
        QVERIFY(f.trigger("Wizard1"));
        QVERIFY(f.gated());
    }

    void cancellingTheWizardReloadsTheOpenProject() {
        Fixture f;
        const QString old = f.openSavedProject();
        whenOpen<ProjectWizard>([&f](ProjectWizard* w) {
            QCOMPARE(f.form->items().field(0, ItemField::Name), QString()); // the grid starts empty
            f.fillWizard(w);
            w->reject();
        });
        QVERIFY(f.trigger("Wizard1"));
        QCOMPARE(f.state.files.projectFile.path(), old);
        QCOMPARE(f.form->items().itemCount(), 1);
        QCOMPARE(f.form->items().field(0, ItemField::Name), u"Old"_qs);
        QCOMPARE(f.state.cdName, u"Old Disc"_qs);
        QVERIFY(!f.gated());
    }

    void wizardSaveAsCancelledClosesAndResets() {
        Fixture f;
        whenOpen<ProjectWizard>([&f](ProjectWizard* w) {
            f.fillWizard(w);
            w->next();
            QVERIFY(press(*w, u"buildNow"_qs)); // Save As cancelled
        });
        QVERIFY(f.trigger("Wizard1"));
        QVERIFY(!f.wizard()->isVisible());
        QCOMPARE(f.fakes.messages.shown.last().text, f.message(u"M53"));
        QVERIFY(f.gated());
        QCOMPARE(f.form->items().field(0, ItemField::Name), QString());
        QVERIFY(!f.state.files.categoryFile.exists());
        QVERIFY(!f.state.modified);
    }

    void folderCommandsMakeAndDeleteFolders() {
        Fixture f;
        ProjectWizard* w = f.wizard();
        w->prepare();
        w->next();
        folderPage(w)->setCurrentFolder(f.disc);
        whenOpen<OneLineEditor>([](OneLineEditor* e) {
            control<QLineEdit>(*e, u"Edit1"_qs)->setText(u"Extras"_qs);
            QVERIFY(press(*e, u"OK"_qs));
        });
        QVERIFY(press(*w, u"makeDirectory"_qs));
        QCOMPARE(f.fakes.messages.shown.last().text, f.message(u"M55"));
        QVERIFY(QFileInfo(f.disc + u"Extras"_qs).isDir());
        QCOMPARE(control<QLineEdit>(*w, u"edit2"_qs)->text(), f.disc + u"Extras"_qs + QDir::separator());

        whenOpen<OneLineEditor>([](OneLineEditor* e) { QVERIFY(press(*e, u"cancel"_qs)); });
        QVERIFY(press(*w, u"makeDirectory"_qs));
        QCOMPARE(f.fakes.messages.shown.size(), 1); // Cancel ends the command quietly

        QVERIFY(press(*w, u"launchExplorer"_qs));
        QCOMPARE(f.fakes.shell.calls.last().verb, ui::testing::FakeShell::Verb::Explore);

        QVERIFY(press(*w, u"deleteDirectory"_qs));
        QVERIFY(!QFileInfo::exists(f.disc + u"Extras"_qs));
        QCOMPARE(folderPage(w)->currentFolder(), f.disc.chopped(1));
        QVERIFY(press(*w, u"deleteDirectory"_qs)); // the disc folder holds files
        QCOMPARE(f.fakes.messages.shown.last().text, f.message(u"M56"));
        QVERIFY(QFileInfo(f.disc).isDir());
        QCOMPARE(folderPage(w)->currentFolder(), f.disc.chopped(1));

        whenOpen<OneLineEditor>([](OneLineEditor* e) {
            control<QLineEdit>(*e, u"Edit1"_qs)->setText(u"../Outside"_qs);
            QVERIFY(press(*e, u"OK"_qs));
        });
        QVERIFY(press(*w, u"makeDirectory"_qs));
        QCOMPARE(f.fakes.messages.shown.last().text, f.message(u"M54"));
        QVERIFY(!QFileInfo::exists(f.dir.filePath(u"Outside"_qs)));
    }

    void theFolderStepStartsAtHomeAndForgetsADeletedFolder() {
        Fixture f;
        whenOpen<ProjectWizard>([&f](ProjectWizard* w) {
            w->next();
            // The tree starts at the home folder, selected, so that Make Directory makes it there;
            // nothing is chosen yet.
            QCOMPARE(folderPage(w)->currentFolder(), QDir::toNativeSeparators(QDir::homePath()));
            QCOMPARE(control<QLineEdit>(*w, u"edit2"_qs)->text(), f.text(u"T52"));
            folderPage(w)->setCurrentFolder(f.disc);
            whenOpen<OneLineEditor>([](OneLineEditor* e) {
                control<QLineEdit>(*e, u"Edit1"_qs)->setText(u"Empty"_qs);
                QVERIFY(press(*e, u"OK"_qs));
            });
            QVERIFY(press(*w, u"makeDirectory"_qs));
            QCOMPARE(f.state.projectFolder, f.disc + u"Empty"_qs + QDir::separator());
            // Deleted, the folder is no longer the project folder, and its parent does not take its place.
            QVERIFY(press(*w, u"deleteDirectory"_qs));
            QCOMPARE(folderPage(w)->currentFolder(), f.disc.chopped(1));
            QCOMPARE(control<QLineEdit>(*w, u"edit2"_qs)->text(), f.text(u"T52"));
            QVERIFY(f.state.projectFolder.isEmpty());
            w->next();
            QCOMPARE(w->currentId(), int(ProjectWizard::General));
            // A Browse cancelled with nothing chosen stores no folder named "none".
            QVERIFY(press(*w, u"Button1"_qs));
            QVERIFY(f.state.projectFolder.isEmpty());
            QVERIFY(control<QLineEdit>(*f.dialog(), u"rootname"_qs)->text().isEmpty());
            w->next();
            QCOMPARE(w->currentId(), int(ProjectWizard::General));
            w->reject();
        });
        QVERIFY(f.trigger("Wizard1"));

        // A later wizard starts in the folder of the open project.
        f.openSavedProject();
        whenOpen<ProjectWizard>([&f](ProjectWizard* w) {
            QCOMPARE(folderPage(w)->currentFolder(), f.disc.chopped(1));
            w->reject();
        });
        QVERIFY(f.trigger("Wizard1"));
    }

    void wizardBrowseCancelledKeepsTheFolder() {
        Fixture f;
        ProjectWizard* w = f.wizard();
        f.dialog()->prepare(ProjectDialog::Mode::New);
        w->prepare();
        w->next();
        folderPage(w)->setCurrentFolder(f.disc);
        w->next();
        QVERIFY(press(*w, u"Button1"_qs)); // cancelled
        QCOMPARE(control<QLineEdit>(*f.dialog(), u"rootname"_qs)->text(), f.disc);
        QVERIFY(f.fakes.messages.shown.isEmpty()); // the blank field skips M49
        const QString other = f.dir.filePath(u"other"_qs);
        QDir().mkpath(other);
        f.fakes.choosers.queueFolder(other);
        QVERIFY(press(*w, u"Button1"_qs));
        QCOMPARE(control<QLineEdit>(*w, u"edit2"_qs)->text(),
                 QDir::toNativeSeparators(other) + QDir::separator());
        QCOMPARE(f.state.projectFolder, control<QLineEdit>(*w, u"edit2"_qs)->text());
    }

    void welcomeScreenOffersTheWaysIn() {
        Fixture f("[settings]\r\nshow_ft=FALSE\r\nlast_proj=/nowhere/gone.lbp\r\n");
        WelcomeDialog* welcome = f.child<WelcomeDialog>();
        whenOpen<WelcomeDialog>([&f](WelcomeDialog* s) {
            QVERIFY(
                !control<QPushButton>(*s, u"LMDExplorerButton1"_qs)->isEnabled()); // the last project is gone
            // As narrow as English allows, so that German has to widen it.
            const QPoint centre = s->frameGeometry().center();
            s->resize(s->minimumSizeHint());
            s->move(centre - s->rect().center());
            control<QComboBox>(*s, u"languagew"_qs)->setCurrentIndex(1);
            Q_EMIT control<QComboBox>(*s, u"languagew"_qs)->activated(1);
            QCOMPARE(s->windowTitle(), u"Tavik - Lumbrel - Willkommen"_qs);
            // Wider in German, and centred where it was.
            QVERIFY((s->frameGeometry().center() - centre).manhattanLength() <= 2);
            QVERIFY(s->width() >= s->minimumSizeHint().width());
            QCOMPARE(f.wizard()->buttonText(QWizard::NextButton), u"&Weiter >"_qs); // every window follows
            QCOMPARE(f.state.prefs.language, 2);
            control<QCheckBox>(*s, u"CheckBox1"_qs)->setChecked(false);
            QVERIFY(press(*s, u"LMDExplorerButton2"_qs));
        });
        f.form->welcomeAtStart();
        QVERIFY(!f.state.prefs.showWelcome);
        f.form->welcomeAtStart(); // not wanted any more
        QVERIFY(!welcome->isVisible());

        const QString old = f.openSavedProject();
        common::IniFile settings(f.state.programFolder + u"lumbrel.dat"_qs);
        settings.writeString(u"settings", u"last_proj", old);
        settings.save();
        f.state.prefs.showWelcome = true;
        whenOpen<WelcomeDialog>([](WelcomeDialog* s) {
            QVERIFY(control<QPushButton>(*s, u"LMDExplorerButton1"_qs)->isEnabled());
            whenOpen<ProjectDialog>([](ProjectDialog* d) { QVERIFY(press(*d, u"exitbtn"_qs)); });
            QVERIFY(press(*s, u"new"_qs));
        });
        f.form->welcomeAtStart();
        QVERIFY(f.state.newProjectCancelled); // New ran after the screen had closed
        QVERIFY(f.state.prefs.showWelcome);
    }

    void firstProjectOpensItsHelp() {
        Fixture f;
        QVERIFY(f.trigger("FirstProject1"));
        QCOMPARE(f.fakes.help.topics.last().context, 5100);
    }
};

QTEST_MAIN(TestNewProject)
#include "tst_newproject.moc"
