// The category editor and the icon chooser driven like a user would, and the main window's
// Categories command that runs them through the working copy.
#include "common/IniFile.h"
#include "editor/gui/categories/CategoryEditor.h"
#include "editor/gui/categories/IconChooserDialog.h"
#include "editor/gui/items/CellEditors.h"
#include "editor/gui/mainwindow/MainWindow.h"
#include "editor/project/CategoryFile.h"
#include "editor/project/EditorState.h"
#include "editor/project/ProjectFile.h"
#include "tests/editor/gui/EditorWindowFixture.h"
#include "ui/testing/FakeServices.h"
#include "ui/testing/UserInput.h"

#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

using namespace editortest;
using ui::testing::control;
using ui::testing::press;
using Answer = ui::MessageBoxService::Answer;

namespace {

// A real icon of one colour; its bytes tell the icons apart.
QByteArray writeIcon(const QString& path, const QColor& colour) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(colour);
    image.save(path, "ICO");
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

} // namespace

class TestCategoryEditor : public QObject {
    Q_OBJECT

    struct Fixture : EditorWindowFixture {
        CategoryEditor* gf = nullptr;
        IconChooserDialog* iw = nullptr;
        QString sep = QDir::separator();

        Fixture() : EditorWindowFixture({"Files", "genre", "projects"}) {
            writeSet(program(u"Files/"_qs), u"Standard.lbc"_qs, {u"Games"_qs, u"Tools"_qs, u"Demos"_qs});
            writeFile(program(u"ip/ip01.cfg"_qs), "[general]\r\nanz_icons=3\r\n");
            writeFile(program(u"ip/ip07.cfg"_qs), "[general]\r\nanz_icons=2\r\n");
            for (int m = 1; m <= 3; ++m)
                writeIcon(program(u"ip/ip01/ip01i0%1.ico"_qs.arg(m)), QColor::fromHsv(m * 40, 200, 200));
            for (int m = 1; m <= 2; ++m)
                writeIcon(program(u"ip/ip07/ip07i0%1.ico"_qs.arg(m)),
                          QColor::fromHsv(200 + m * 40, 200, 200));
            startEditor();
            gf = form->findChild<CategoryEditor*>();
            iw = form->findChild<IconChooserDialog*>();
        }

        // A category file with one icon of its own colour per category.
        QString writeSet(const QString& folder, const QString& name, const QStringList& captions) {
            for (int i = 0; i < captions.size(); ++i)
                writeIcon(folder + QString::number(i) + u".ico"_qs, QColor::fromHsv(i * 50, 255, 255));
            return QDir::toNativeSeparators(writeCategoryFile(folder + name, captions));
        }
        // The category editor opened on a file.
        void openOn(const QString& file) {
            state.files.categoryFile.set(file);
            gf->prepare();
        }
    };

private Q_SLOTS:
    void reorderedCategoriesKeepTheirIconsOverSaves() {
        Fixture f;
        const QString folder = f.program(u"genre/Mine/"_qs);
        const QString file = f.writeSet(folder, u"Mine.lbc"_qs, {u"A"_qs, u"B"_qs, u"C"_qs});
        const QByteArray a = readBytes(folder + u"0.ico"_qs), b = readBytes(folder + u"1.ico"_qs);
        f.openOn(file);
        QCOMPARE(f.gf->captions(), (QStringList{u"A"_qs, u"B"_qs, u"C"_qs}));
        QCOMPARE(f.gf->windowTitle(), f.state.language.text(u"T22") + u' ' + file);
        QVERIFY(!f.gf->isModified());

        f.gf->select(1);
        QVERIFY(press(*f.gf, u"gup"_qs));
        QCOMPARE(f.gf->captions(), (QStringList{u"B"_qs, u"A"_qs, u"C"_qs}));
        QCOMPARE(f.gf->selectedRow(), 0);
        QCOMPARE(f.gf->pictureOf(0), 1);
        QVERIFY(f.gf->isModified());
        QVERIFY(f.gf->saveCategoryFileClicked());
        QCOMPARE(readBytes(folder + u"0.ico"_qs), b);
        QCOMPARE(readBytes(folder + u"1.ico"_qs), a);
        QVERIFY(!f.gf->isModified());
        QVERIFY(f.state.modified);
        // Saving again must not bring each icon back to where it came from.
        QVERIFY(f.gf->saveCategoryFileClicked());
        QCOMPARE(readBytes(folder + u"0.ico"_qs), b);
        QCOMPARE(readBytes(folder + u"1.ico"_qs), a);

        f.gf->select(1);
        QVERIFY(press(*f.gf, u"gdown"_qs));
        QCOMPARE(f.gf->selectedRow(), 2);
        f.gf->categoryListKeyPressed(Qt::Key_Delete);
        QVERIFY(f.gf->saveCategoryFileClicked());
        QCOMPARE(loadCategoryList(file), (QStringList{u"B"_qs, u"C"_qs}));
        QCOMPARE(readBytes(folder + u"1.ico"_qs), readBytes(folder + u"2.ico"_qs)); // C's icon moved up
        QCOMPARE(common::IniFile(file).readString(u"2", u"caption"), QStringLiteral("C")); // left behind
        QVERIFY(f.fakes.sound.played.size() >= 5);
    }

    void everyMisuseGetsItsMessage() {
        Fixture f;
        f.openOn(f.program(u"Files/Standard.lbc"_qs));
        using Command = std::pair<void (CategoryEditor::*)(), const char16_t*>;
        for (const auto& [command, key] : {Command{&CategoryEditor::removeCategoryClicked, u"M16"},
                                           Command{&CategoryEditor::moveUpClicked, u"M16"},
                                           Command{&CategoryEditor::moveDownClicked, u"M16"}}) {
            (f.gf->*command)();
            QCOMPARE(f.lastMessage(), f.message(key));
        }
        f.gf->select(0);
        QVERIFY(press(*f.gf, u"gup"_qs));
        QCOMPARE(f.lastMessage(), f.message(u"M18"));
        f.gf->select(2);
        QVERIFY(press(*f.gf, u"gdown"_qs));
        QCOMPARE(f.lastMessage(), f.message(u"M20"));
        QVERIFY(!f.gf->isModified());

        QVERIFY(press(*f.gf, u"crgf"_qs));
        QCOMPARE(f.gf->count(), 0);
        QVERIFY(f.gf->currentFile().isEmpty());
        QCOMPARE(f.gf->windowTitle(), f.state.language.text(u"T21"));
        for (const auto& [command, key] : {Command{&CategoryEditor::removeCategoryClicked, u"M17"},
                                           Command{&CategoryEditor::moveUpClicked, u"M19"},
                                           Command{&CategoryEditor::moveDownClicked, u"M21"}}) {
            (f.gf->*command)();
            QCOMPARE(f.lastMessage(), f.message(key));
        }
        QVERIFY(!f.gf->saveCategoryFileClicked());
        QCOMPARE(f.lastMessage(), f.message(u"M24"));
        QVERIFY(!f.gf->saveAsClicked());
        QCOMPARE(f.lastMessage(), f.message(u"M24"));
        control<QLineEdit>(*f.gf, u"Edit1"_qs)->setText(u"   "_qs);
        f.gf->addCategoryClicked();
        QCOMPARE(f.lastMessage(), f.message(u"M22"));
        QVERIFY(f.fakes.choosers.requests.isEmpty());

        f.gf->helpClicked();
        QCOMPARE(f.fakes.help.topics.last().context, 4050);
        f.gf->iconsHomePageClicked();
        QCOMPARE(f.fakes.shell.calls.last().target, CategoryEditor::iconsHomePage());
    }

    void iconChooserAddsAndChangesIcons() {
        Fixture f;
        f.openOn(f.program(u"Files/Standard.lbc"_qs));
        const int images = f.gf->imageCount();
        control<QLineEdit>(*f.gf, u"Edit1"_qs)->setText(u"Music"_qs);
        QTimer::singleShot(0, [&] {
            QCOMPARE(f.iw->windowTitle(), f.state.language.text(u"T12"));
            QCOMPARE(control<QComboBox>(*f.iw, u"ipwahl"_qs)->count(), 2);
            QCOMPARE(control<QComboBox>(*f.iw, u"ipwahl"_qs)->itemText(1), QStringLiteral("Icon Pack 07"));
            QCOMPARE(control<QListWidget>(*f.iw, u"genreitems"_qs)->count(), 3);
            QCOMPARE(control<QListWidget>(*f.iw, u"genreitems"_qs)->item(2)->text(), QStringLiteral("03"));
            QVERIFY(press(*f.iw, u"OK"_qs));
            QCOMPARE(f.lastMessage(), f.message(u"M25"));
            QVERIFY(f.iw->isVisible());
            control<QListWidget>(*f.iw, u"genreitems"_qs)->setCurrentRow(1);
            QVERIFY(press(*f.iw, u"OK"_qs));
        });
        f.gf->addCategoryClicked();
        QCOMPARE(f.gf->captions().last(), QStringLiteral("Music"));
        QCOMPARE(f.gf->iconSources().last(), f.program(u"ip/ip01/ip01i02.ico"_qs));
        QCOMPARE(f.gf->pictureOf(3), images);
        QVERIFY(control<QLineEdit>(*f.gf, u"Edit1"_qs)->text().isEmpty());
        QVERIFY(f.gf->isModified());

        // The chooser keeps its pack; a new one is loaded when the selection changes.
        f.gf->select(1);
        QTimer::singleShot(0, [&] {
            QCOMPARE(control<QComboBox>(*f.iw, u"ipwahl"_qs)->currentIndex(), 0);
            control<QComboBox>(*f.iw, u"ipwahl"_qs)->setCurrentIndex(1);
            QCOMPARE(control<QListWidget>(*f.iw, u"genreitems"_qs)->count(), 2);
            control<QListWidget>(*f.iw, u"genreitems"_qs)->setCurrentRow(0);
            QVERIFY(press(*f.iw, u"OK"_qs));
        });
        f.gf->changeIconClicked();
        QCOMPARE(f.gf->iconSources()[1], f.program(u"ip/ip07/ip07i01.ico"_qs));
        QCOMPARE(f.gf->pictureOf(1), images + 1);

        // Cancel changes nothing, and the next opening still shows pack 07.
        control<QLineEdit>(*f.gf, u"Edit1"_qs)->setText(u"Video"_qs);
        QTimer::singleShot(0, [&] {
            QCOMPARE(control<QComboBox>(*f.iw, u"ipwahl"_qs)->currentText(), QStringLiteral("Icon Pack 07"));
            QVERIFY(press(*f.iw, u"Cancel"_qs));
        });
        f.gf->addCategoryClicked();
        QCOMPARE(f.gf->count(), 4);
        QCOMPARE(control<QLineEdit>(*f.gf, u"Edit1"_qs)->text(), QStringLiteral("Video"));

        // A pack icon that is missing stops the pack there, naming the file.
        QFile::remove(f.program(u"ip/ip07/ip07i02.ico"_qs));
        f.iw->prepare(IconChooserDialog::Mode::Change);
        QCOMPARE(control<QListWidget>(*f.iw, u"genreitems"_qs)->count(), 1);
        QVERIFY(f.lastMessage().startsWith(u"Cannot open file"_qs));
        QVERIFY(f.lastMessage().contains(u"ip07i02.ico"_qs));
        // It says so in the editor's language.
        QVERIFY(f.trigger("german"));
        f.iw->prepare(IconChooserDialog::Mode::Change);
        QVERIFY(f.lastMessage().startsWith(u"Die Datei"_qs));
        QVERIFY(f.lastMessage().contains(u"ip07i02.ico"_qs));
    }

    void noPacksGiveAnEmptyChooser() {
        Fixture f;
        QDir(f.program(u"ip"_qs)).removeRecursively();
        f.iw->prepare(IconChooserDialog::Mode::Add);
        QCOMPARE(control<QComboBox>(*f.iw, u"ipwahl"_qs)->count(), 0);
        QCOMPARE(control<QListWidget>(*f.iw, u"genreitems"_qs)->count(), 0);
        QVERIFY(press(*f.iw, u"OK"_qs));
        QCOMPARE(f.lastMessage(), f.message(u"M25"));
    }

    void standardFileIsSavedAsANewFileInAFolderOfItsOwn() {
        Fixture f;
        const QString standard = f.program(u"Files/Standard.lbc"_qs);
        const QByteArray before = readBytes(standard);
        f.gf->prepare(); // the project names no category file: the standard one
        QCOMPARE(f.gf->currentFile(), standard);
        QCOMPARE(f.state.files.categoryFile.path(), standard);
        f.gf->select(0);
        QVERIFY(press(*f.gf, u"gdown"_qs));

        QVERIFY(!f.gf->saveCategoryFileClicked()); // Save As, cancelled
        QCOMPARE(f.fakes.choosers.requests.size(), 1);
        const auto& request = f.fakes.choosers.requests[0];
        QVERIFY(request.kind == ui::testing::FakeChoosers::Kind::Save);
        QCOMPARE(request.file.filter, QStringLiteral("Tavik - Lumbrel - Categoryfile|*.lbc"));
        QCOMPARE(request.file.folder, f.program(u"genre"_qs) + f.sep);
        QCOMPARE(readBytes(standard), before);
        QVERIFY(f.gf->isModified());

        f.fakes.choosers.queueSaveFile(f.program(u"genre/Games"_qs));
        QVERIFY(f.gf->saveCategoryFileClicked());
        const QString mine = f.program(u"genre/Games/Games.lbc"_qs);
        QCOMPARE(f.gf->currentFile(), mine);
        QCOMPARE(loadCategoryList(mine), (QStringList{u"Tools"_qs, u"Games"_qs, u"Demos"_qs}));
        QCOMPARE(readBytes(f.program(u"genre/Games/0.ico"_qs)), readBytes(f.program(u"Files/1.ico"_qs)));
        QCOMPARE(readBytes(f.program(u"genre/Games/1.ico"_qs)), readBytes(f.program(u"Files/0.ico"_qs)));
        QCOMPARE(readBytes(standard), before);
        QCOMPARE(f.state.pendingCategoryFile, mine);
    }

    // Opened on the standard file in German, the editor shows its captions in German and saves them
    // so; a file of the user's own keeps its captions, even where they are standard ones.
    void standardCaptionsFollowTheLanguage() {
        Fixture f;
        QVERIFY(f.trigger("german"));
        f.gf->prepare();
        QCOMPARE(f.gf->captions(), (QStringList{u"Spiele"_qs, u"Werkzeuge"_qs, u"Demos"_qs}));
        f.fakes.choosers.queueSaveFile(f.program(u"genre/Meine"_qs));
        QVERIFY(f.gf->saveCategoryFileClicked());
        const QString mine = f.program(u"genre/Meine/Meine.lbc"_qs);
        QCOMPARE(loadCategoryList(mine), (QStringList{u"Spiele"_qs, u"Werkzeuge"_qs, u"Demos"_qs}));

        f.openOn(f.writeSet(f.program(u"genre/Own/"_qs), u"Own.lbc"_qs, {u"Games"_qs, u"Extras"_qs}));
        QCOMPARE(f.gf->captions(), (QStringList{u"Games"_qs, u"Extras"_qs}));

        // OK on the standard file gives the project the copy that holds what the editor showed.
        f.openOn(f.program(u"Files/Standard.lbc"_qs));
        f.gf->show();
        QVERIFY(press(*f.gf, u"OK"_qs));
        const QString chosen = f.state.files.categoryFile.path();
        QVERIFY(!categoryfile::isStandardFile(chosen, f.state.programFolder));
        QCOMPARE(loadCategoryList(chosen), (QStringList{u"Spiele"_qs, u"Werkzeuge"_qs, u"Demos"_qs}));
    }

    // By keyboard: the editor opens on its list, Enter in the caption field adds the caption, Escape
    // closes the editor.
    void enterAddsAndEscapeCloses() {
        Fixture f;
        f.gf->prepare();
        f.gf->show();
        QCOMPARE(f.gf->focusWidget(), f.gf->findChild<QWidget*>(u"genreitems"_qs));
        auto* caption = f.gf->findChild<QLineEdit*>(u"Edit1"_qs);
        caption->setFocus();
        QTest::keyClicks(caption, u"Extras"_qs);
        // Adding asks for the icon: Enter on a chosen icon takes it.
        QTimer::singleShot(0, [&] {
            control<QListWidget>(*f.iw, u"genreitems"_qs)->setCurrentRow(0);
            QTest::keyClick(control<QListWidget>(*f.iw, u"genreitems"_qs), Qt::Key_Return);
        });
        QTest::keyClick(caption, Qt::Key_Return);
        QCOMPARE(f.gf->captions().last(), u"Extras"_qs);
        QVERIFY(f.gf->isVisible());
        QTest::keyClick(f.gf->findChild<QWidget*>(u"genreitems"_qs), Qt::Key_Escape);
        QVERIFY(!f.gf->isVisible());
        QCOMPARE(f.gf->result(), int(QDialog::Rejected));
    }

    void okSavesFirstAndStaysWhenNothingWasWritten() {
        Fixture f;
        const QString standard = f.program(u"Files/Standard.lbc"_qs);
        f.gf->prepare();
        QVERIFY(press(*f.gf, u"crgf"_qs));
        f.gf->setResult(0);
        f.gf->okClicked(); // M23 answered Cancel
        QCOMPARE(f.lastMessage(), f.message(u"M23"));
        QCOMPARE(f.gf->result(), 0);
        f.fakes.messages.queueAnswer(Answer::Ok);
        f.gf->okClicked(); // OK, but an empty list cannot be saved
        QCOMPARE(f.lastMessage(), f.message(u"M24"));
        QCOMPARE(f.gf->result(), 0);
        QCOMPARE(f.state.files.categoryFile.path(), standard);

        const QString file = f.writeSet(f.program(u"genre/Two/"_qs), u"Two.lbc"_qs, {u"X"_qs, u"Y"_qs});
        f.fakes.choosers.queueOpenFile(file);
        f.gf->loadCategoryFileClicked();
        QCOMPARE(f.gf->currentFile(), file);
        QVERIFY(!f.gf->isModified());
        QVERIFY(f.state.modified);
        f.state.modified = false;
        f.gf->okClicked(); // unchanged: closes at once
        QCOMPARE(f.gf->result(), int(QDialog::Accepted));
        QCOMPARE(f.state.files.categoryFile.path(), file);
        QVERIFY(!f.state.modified);

        f.gf->setResult(0);
        f.gf->select(0);
        QVERIFY(press(*f.gf, u"gdown"_qs));
        f.fakes.messages.queueAnswer(Answer::Ok);
        f.gf->okClicked();
        QCOMPARE(f.gf->result(), int(QDialog::Accepted));
        QCOMPARE(loadCategoryList(file), (QStringList{u"Y"_qs, u"X"_qs}));
        QVERIFY(f.state.modified);
    }

    void missingIconStopsLoadingAndNamesTheFile() {
        Fixture f;
        const QString standard = f.program(u"Files/Standard.lbc"_qs);
        f.gf->prepare();
        const QString broken =
            f.writeSet(f.program(u"genre/Broken/"_qs), u"Broken.lbc"_qs, {u"A"_qs, u"B"_qs, u"C"_qs});
        QFile::remove(f.program(u"genre/Broken/1.ico"_qs));
        f.fakes.choosers.queueOpenFile(broken);
        f.gf->loadCategoryFileClicked();
        QVERIFY(f.fakes.messages.shown.last().kind == ui::MessageBoxService::Kind::Error);
        QVERIFY(f.lastMessage().contains(QDir::toNativeSeparators(f.program(u"genre/Broken/1.ico"_qs))));
        QCOMPARE(f.gf->count(), 0);
        QCOMPARE(f.gf->currentFile(), standard);
        QVERIFY(!f.state.modified);

        // A category naming an icon number that the file lacks shows no picture but keeps its name.
        common::IniFile ini(f.program(u"genre/Broken/Broken.lbc"_qs));
        ini.writeInteger(u"general", u"anz_items", 1);
        ini.writeInteger(u"0", u"icon_number", 40);
        ini.save();
        f.fakes.choosers.queueOpenFile(broken);
        f.gf->loadCategoryFileClicked();
        QCOMPARE(f.gf->captions(), QStringList{u"A"_qs});
        QCOMPARE(f.gf->pictureOf(0), 40);
        QVERIFY(control<QListWidget>(*f.gf, u"genreitems"_qs)->item(0)->icon().isNull());
    }

    void renameThroughTheTextEditorOrInPlace() {
        Fixture f;
        f.openOn(f.program(u"Files/Standard.lbc"_qs));
        // The main window lends its one-line text editor; with no selection the first category.
        QTimer::singleShot(0, [&] {
            auto* editor = f.form->findChild<OneLineEditor*>();
            QCOMPARE(editor->mode(), OneLineEditor::Mode::CategoryRename);
            editor->okClicked(); // empty: M6, and the editor stays open
            QCOMPARE(f.lastMessage(), f.message(u"M6"));
            editor->m_textEdit->setText(u"Spiele"_qs);
            editor->okClicked();
        });
        f.gf->renameClicked();
        QCOMPARE(f.gf->captions()[0], QStringLiteral("Spiele"));
        QVERIFY(f.gf->isModified());
        QTimer::singleShot(0, [&] { f.form->findChild<OneLineEditor*>()->cancelClicked(); });
        f.gf->renameClicked();
        QCOMPARE(f.gf->captions()[0], QStringLiteral("Spiele"));
        QVERIFY(!f.gf->renameCategory(u"  "_qs));
        QCOMPARE(f.lastMessage(), f.message(u"M6"));

        // Without it the caption is edited in the list itself.
        f.gf->askNewCaption = nullptr;
        f.gf->select(1);
        f.gf->categoryListKeyPressed(Qt::Key_F2);
        QListWidgetItem* item = control<QListWidget>(*f.gf, u"genreitems"_qs)->item(1);
        item->setText(u""_qs); // the edit finishes empty
        QCOMPARE(f.lastMessage(), f.message(u"M6"));
        QCOMPARE(item->text(), QStringLiteral("Tools"));
        item->setText(u" Werkzeuge "_qs);
        QCOMPARE(f.gf->captions()[1], QStringLiteral("Werkzeuge"));
    }

    void categoriesCommandResolvesItemsAgainstTheNewList() {
        Fixture f;
        const QString folder = f.program(u"genre/Disc/"_qs);
        const QString lbc = f.writeSet(folder, u"Disc.lbc"_qs, {u"Tools"_qs, u"Games"_qs});
        const QString lbd = writeFile(f.dir.filePath(u"d/blue.lbd"_qs), "[Buttons]\r\nbtnsd=9\r\n");
        EditorState author;
        author.cdName = u"Disc"_qs;
        author.files.categoryFile.set(lbc);
        author.files.designFile.set(lbd);
        author.categories = {u"Tools"_qs, u"Games"_qs};
        const QString project = writeProject(f.dir.filePath(u"p.lbp"_qs), author,
                                             {item(u"t"_qs, u"Tools"_qs), item(u"g"_qs, u"Games"_qs)});
        f.fakes.choosers.queueOpenFile(project);
        QVERIFY(f.pressTool("zGradBtn1"));
        QVERIFY(f.form->projectOpen());
        QCOMPARE(f.state.design.shadowDepth, 9); // Open loads the design into the model

        const auto categoryOf = [&](int row) { return f.form->items().field(row, ItemField::Category); };
        // A renamed category keeps its items.
        QTimer::singleShot(0, [&] {
            QCOMPARE(f.gf->currentFile(), lbc);
            f.gf->select(0);
            f.gf->renameCategory(u"Werkzeuge"_qs);
            f.fakes.messages.queueAnswer(Answer::Ok);
            f.gf->okClicked();
        });
        QVERIFY(f.pressTool("geditbtnmain"));
        QCOMPARE(f.state.categories, (QStringList{u"Werkzeuge"_qs, u"Games"_qs}));
        QCOMPARE(categoryOf(0), QStringLiteral("Werkzeuge"));
        QCOMPARE(categoryOf(1), QStringLiteral("Games"));
        QVERIFY(f.state.modified);

        // Moved categories keep their items by name, and the icons went with them.
        const QByteArray games = readBytes(folder + u"1.ico"_qs);
        QTimer::singleShot(0, [&] {
            f.gf->select(1);
            QVERIFY(press(*f.gf, u"gup"_qs));
            f.fakes.messages.queueAnswer(Answer::Ok);
            f.gf->okClicked();
        });
        QVERIFY(f.pressTool("geditbtnmain"));
        QCOMPARE(f.state.categories, (QStringList{u"Games"_qs, u"Werkzeuge"_qs}));
        QCOMPARE(categoryOf(0), QStringLiteral("Werkzeuge"));
        QCOMPARE(categoryOf(1), QStringLiteral("Games"));
        QCOMPARE(readBytes(folder + u"0.ico"_qs), games);

        // Cancel leaves everything as it was.
        QVERIFY(f.pressTool("save"));
        QTimer::singleShot(0, [&] {
            f.gf->select(0);
            f.gf->removeCategoryClicked();
            f.gf->cancelClicked();
        });
        QVERIFY(f.pressTool("geditbtnmain"));
        QVERIFY(!f.state.modified);
        QCOMPARE(loadCategoryList(lbc), (QStringList{u"Games"_qs, u"Werkzeuge"_qs}));

        // Saving the project stores the category by its new position and name.
        QVERIFY(f.pressTool("save"));
        const common::IniFile saved(project);
        QCOMPARE(saved.readString(u"Item-1", u"7_2"), QStringLiteral("Werkzeuge"));
        QCOMPARE(saved.readString(u"Item-1", u"7"), QStringLiteral("1"));
    }

    void addStopsAtTheLargestCountTheFileCanHold() {
        Fixture f;
        const QString folder = f.program(u"genre/Full/"_qs);
        QStringList captions;
        for (int i = 0; i < 255; ++i) {
            captions << u"C%1"_qs.arg(i);
            writeFile(folder + QString::number(i) + u".ico"_qs);
        }
        f.openOn(writeCategoryFile(folder + u"Full.lbc"_qs, captions));
        QCOMPARE(f.gf->count(), 255);
        QVERIFY(!control<QPushButton>(*f.gf, u"add"_qs)
                     ->isEnabled()); // a 256th would read back as no categories at all
        control<QLineEdit>(*f.gf, u"Edit1"_qs)->setText(u"One more"_qs);
        f.gf->addCategoryClicked();
        QCOMPARE(f.gf->count(), 255);
        f.gf->select(0);
        f.gf->removeCategoryClicked();
        QVERIFY(control<QPushButton>(*f.gf, u"add"_qs)->isEnabled());
    }

    void languageRelabelsBothDialogs() {
        Fixture f;
        QVERIFY(f.trigger("german"));
        QCOMPARE(control<QPushButton>(*f.gf, u"crgf"_qs)->text(), QStringLiteral("Neu"));
        QCOMPARE(control<QPushButton>(*f.gf, u"SaveAs"_qs)->text(), QStringLiteral("Speichern unter"));
        QCOMPARE(control<QAction>(*f.gf, u"RenameItem1"_qs)->text(), QStringLiteral("Umbenennen"));
        QCOMPARE(control<QPushButton>(*f.iw, u"Cancel"_qs)->text(), QStringLiteral("Abbrechen"));
        QCOMPARE(f.iw->windowTitle(), QStringLiteral("Tavik - Lumbrel - Bitte ein Symbol w\u00e4hlen"));
        // The longer caption keeps the size of the buttons beside it.
        QCOMPARE(control<QPushButton>(*f.gf, u"SaveAs"_qs)->font().pointSize(),
                 control<QPushButton>(*f.gf, u"sgf"_qs)->font().pointSize());
        QVERIFY(f.trigger("english"));
        for (QPushButton* b : f.gf->findChildren<QPushButton*>())
            QVERIFY2(!b->text().isEmpty(), qPrintable(b->objectName()));
        QCOMPARE(control<QAction>(*f.gf, u"chanegicon1"_qs)->text(), QStringLiteral("Change Icon"));
    }
};

QTEST_MAIN(TestCategoryEditor)
#include "tst_categoryeditor.moc"
