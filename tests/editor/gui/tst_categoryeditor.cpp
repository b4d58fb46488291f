// The category editor and the icon chooser driven like a user would, and the main window's
// Categories command that runs them through the working copy.
#include "common/IniFile.h"
#include "editor/gui/categories/CategoryEditor.h"
#include "editor/gui/categories/IconChooserDialog.h"
#include "editor/gui/items/CellEditors.h"
#include "editor/gui/mainwindow/MainWindow.h"
#include "editor/project/CategoryFile.h"
#include "editor/project/CategoryList.h"
#include "editor/project/EditorState.h"
#include "editor/project/ProjectFile.h"
#include "tests/editor/gui/EditorWindowFixture.h"
#include "ui/testing/FakeServices.h"
#include "ui/testing/UserInput.h"

#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

using namespace editortest;
using ui::testing::control;
using ui::testing::press;
using ui::testing::trigger;
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

        const CategoryList& categories() const { return gf->categories(); }
        QStringList captions() const { return categories().captions(); }
        QListView* list() const { return control<QListView>(*gf, u"genreitems"_qs); }
        // A category chosen in the list as a click chooses it.
        void select(int row) const { list()->setCurrentIndex(list()->model()->index(row, 0)); }
        int selectedRow() const {
            const QModelIndexList selected = list()->selectionModel()->selectedRows();
            return selected.isEmpty() ? -1 : selected.constFirst().row();
        }
        // The field in which the category's caption is being edited in the list; null when none is.
        QLineEdit* captionEditor(int row) const {
            return qobject_cast<QLineEdit*>(list()->indexWidget(list()->model()->index(row, 0)));
        }
    };

private Q_SLOTS:
    void reorderedCategoriesKeepTheirIconsOverSaves() {
        Fixture f;
        const QString folder = f.program(u"genre/Mine/"_qs);
        const QString file = f.writeSet(folder, u"Mine.lbc"_qs, {u"A"_qs, u"B"_qs, u"C"_qs});
        const QByteArray a = readBytes(folder + u"0.ico"_qs), b = readBytes(folder + u"1.ico"_qs);
        f.openOn(file);
        QCOMPARE(f.captions(), (QStringList{u"A"_qs, u"B"_qs, u"C"_qs}));
        QCOMPARE(f.gf->windowTitle(), f.state.language.text(u"T22") + u' ' + file);
        QVERIFY(!f.categories().isModified());

        f.select(1);
        QVERIFY(press(*f.gf, u"gup"_qs));
        QCOMPARE(f.captions(), (QStringList{u"B"_qs, u"A"_qs, u"C"_qs}));
        QCOMPARE(f.selectedRow(), 0);
        QCOMPARE(f.categories().at(0).picture, 1);
        QVERIFY(f.categories().isModified());
        QVERIFY(press(*f.gf, u"sgf"_qs));
        QCOMPARE(loadCategoryList(file), (QStringList{u"B"_qs, u"A"_qs, u"C"_qs}));
        QCOMPARE(readBytes(folder + u"0.ico"_qs), b);
        QCOMPARE(readBytes(folder + u"1.ico"_qs), a);
        QVERIFY(!f.categories().isModified());
        QVERIFY(f.state.modified);
        QVERIFY(f.fakes.messages.shown.isEmpty());
        // Saving again must not bring each icon back to where it came from. (The file, emptied
        // meanwhile, shows that it was written.)
        common::IniFile emptied(file);
        emptied.writeInteger(u"general", u"anz_items", 0);
        QVERIFY(emptied.save());
        QVERIFY(press(*f.gf, u"sgf"_qs));
        QCOMPARE(loadCategoryList(file), (QStringList{u"B"_qs, u"A"_qs, u"C"_qs}));
        QCOMPARE(readBytes(folder + u"0.ico"_qs), b);
        QCOMPARE(readBytes(folder + u"1.ico"_qs), a);

        f.select(1);
        QVERIFY(press(*f.gf, u"gdown"_qs));
        QCOMPARE(f.selectedRow(), 2);
        QTest::keyClick(f.list(), Qt::Key_Delete);
        QVERIFY(press(*f.gf, u"sgf"_qs));
        QCOMPARE(loadCategoryList(file), (QStringList{u"B"_qs, u"C"_qs}));
        QCOMPARE(readBytes(folder + u"1.ico"_qs), readBytes(folder + u"2.ico"_qs)); // C's icon moved up
        QCOMPARE(common::IniFile(file).readString(u"2", u"caption"), QStringLiteral("C")); // left behind
        QVERIFY(f.fakes.sound.played.size() >= 5);
    }

    void everyMisuseGetsItsMessage() {
        Fixture f;
        f.openOn(f.program(u"Files/Standard.lbc"_qs));
        using Command = std::pair<const char16_t*, const char16_t*>;
        for (const auto& [button, key] :
             {Command{u"rem", u"M16"}, Command{u"gup", u"M16"}, Command{u"gdown", u"M16"}}) {
            QVERIFY(press(*f.gf, QString::fromUtf16(button)));
            QCOMPARE(f.lastMessage(), f.message(key));
        }
        f.select(0);
        QVERIFY(press(*f.gf, u"gup"_qs));
        QCOMPARE(f.lastMessage(), f.message(u"M18"));
        f.select(2);
        QVERIFY(press(*f.gf, u"gdown"_qs));
        QCOMPARE(f.lastMessage(), f.message(u"M20"));
        QVERIFY(!f.categories().isModified());

        QVERIFY(press(*f.gf, u"crgf"_qs));
        QCOMPARE(f.categories().count(), 0);
        QVERIFY(f.gf->currentFile().isEmpty());
        QCOMPARE(f.gf->windowTitle(), f.state.language.text(u"T21"));
        for (const auto& [button, key] :
             {Command{u"rem", u"M17"}, Command{u"gup", u"M19"}, Command{u"gdown", u"M21"}}) {
            QVERIFY(press(*f.gf, QString::fromUtf16(button)));
            QCOMPARE(f.lastMessage(), f.message(key));
        }
        // Nothing to save: neither Save nor Save As asks for a file or writes one.
        const QStringList genre =
            QDir(f.program(u"genre"_qs)).entryList(QDir::NoDotAndDotDot | QDir::AllEntries);
        const qsizetype shown = f.fakes.messages.shown.size();
        QVERIFY(press(*f.gf, u"sgf"_qs));
        QCOMPARE(f.lastMessage(), f.message(u"M24"));
        QVERIFY(press(*f.gf, u"SaveAs"_qs));
        QCOMPARE(f.lastMessage(), f.message(u"M24"));
        QCOMPARE(f.fakes.messages.shown.size(), shown + 2);
        QVERIFY(f.gf->currentFile().isEmpty());
        QVERIFY(f.categories().isModified());
        control<QLineEdit>(*f.gf, u"Edit1"_qs)->setText(u"   "_qs);
        QVERIFY(press(*f.gf, u"add"_qs));
        QCOMPARE(f.lastMessage(), f.message(u"M22"));
        QVERIFY(f.fakes.choosers.requests.isEmpty());
        QCOMPARE(QDir(f.program(u"genre"_qs)).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), genre);

        QVERIFY(press(*f.gf, u"Help"_qs));
        QCOMPARE(f.fakes.help.topics.last().context, 4050);
        QTest::mouseClick(control<QWidget>(*f.gf, u"moreIcons"_qs), Qt::LeftButton);
        QCOMPARE(f.fakes.shell.calls.last().target, CategoryEditor::iconsHomePage());
    }

    void iconChooserAddsAndChangesIcons() {
        Fixture f;
        f.openOn(f.program(u"Files/Standard.lbc"_qs));
        const int images = f.categories().pictureCount();
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
        QVERIFY(press(*f.gf, u"add"_qs));
        QCOMPARE(f.captions().last(), QStringLiteral("Music"));
        QCOMPARE(f.categories().iconSources().last(), f.program(u"ip/ip01/ip01i02.ico"_qs));
        QCOMPARE(f.categories().at(3).picture, images);
        QVERIFY(control<QLineEdit>(*f.gf, u"Edit1"_qs)->text().isEmpty());
        QVERIFY(f.categories().isModified());

        // The chooser keeps its pack; a new one is loaded when the selection changes.
        f.select(1);
        QTimer::singleShot(0, [&] {
            QCOMPARE(control<QComboBox>(*f.iw, u"ipwahl"_qs)->currentIndex(), 0);
            control<QComboBox>(*f.iw, u"ipwahl"_qs)->setCurrentIndex(1);
            QCOMPARE(control<QListWidget>(*f.iw, u"genreitems"_qs)->count(), 2);
            control<QListWidget>(*f.iw, u"genreitems"_qs)->setCurrentRow(0);
            QVERIFY(press(*f.iw, u"OK"_qs));
        });
        QVERIFY(trigger(*f.gf, u"chanegicon1"_qs));
        QCOMPARE(f.categories().iconSources()[1], f.program(u"ip/ip07/ip07i01.ico"_qs));
        QCOMPARE(f.categories().at(1).picture, images + 1);

        // Cancel changes nothing, and the next opening still shows pack 07.
        control<QLineEdit>(*f.gf, u"Edit1"_qs)->setText(u"Video"_qs);
        QTimer::singleShot(0, [&] {
            QCOMPARE(control<QComboBox>(*f.iw, u"ipwahl"_qs)->currentText(), QStringLiteral("Icon Pack 07"));
            QVERIFY(press(*f.iw, u"Cancel"_qs));
        });
        QVERIFY(press(*f.gf, u"add"_qs));
        QCOMPARE(f.categories().count(), 4);
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
        f.select(0);
        QVERIFY(press(*f.gf, u"gdown"_qs));

        QVERIFY(press(*f.gf, u"sgf"_qs)); // Save As, cancelled
        QCOMPARE(f.fakes.choosers.requests.size(), 1);
        const auto& request = f.fakes.choosers.requests[0];
        QVERIFY(request.kind == ui::testing::FakeChoosers::Kind::Save);
        QCOMPARE(request.file.filter, QStringLiteral("Tavik - Lumbrel - Categoryfile|*.lbc"));
        QCOMPARE(request.file.folder, f.program(u"genre"_qs) + f.sep);
        QCOMPARE(readBytes(standard), before);
        QVERIFY(f.categories().isModified());
        QCOMPARE(f.gf->currentFile(), standard);
        QVERIFY(QDir(f.program(u"genre"_qs)).isEmpty());

        f.fakes.choosers.queueSaveFile(f.program(u"genre/Games"_qs));
        QVERIFY(press(*f.gf, u"sgf"_qs));
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
        QCOMPARE(f.captions(), (QStringList{u"Spiele"_qs, u"Werkzeuge"_qs, u"Demos"_qs}));
        f.fakes.choosers.queueSaveFile(f.program(u"genre/Meine"_qs));
        QVERIFY(press(*f.gf, u"sgf"_qs));
        const QString mine = f.program(u"genre/Meine/Meine.lbc"_qs);
        QCOMPARE(loadCategoryList(mine), (QStringList{u"Spiele"_qs, u"Werkzeuge"_qs, u"Demos"_qs}));

        f.openOn(f.writeSet(f.program(u"genre/Own/"_qs), u"Own.lbc"_qs, {u"Games"_qs, u"Extras"_qs}));
        QCOMPARE(f.captions(), (QStringList{u"Games"_qs, u"Extras"_qs}));

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
        QCOMPARE(f.captions().last(), u"Extras"_qs);
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
        QVERIFY(press(*f.gf, u"OK"_qs)); // M23 answered Cancel
        QCOMPARE(f.lastMessage(), f.message(u"M23"));
        QCOMPARE(f.gf->result(), 0);
        f.fakes.messages.queueAnswer(Answer::Ok);
        QVERIFY(press(*f.gf, u"OK"_qs)); // OK, but an empty list cannot be saved
        QCOMPARE(f.lastMessage(), f.message(u"M24"));
        QCOMPARE(f.gf->result(), 0);
        QCOMPARE(f.state.files.categoryFile.path(), standard);

        const QString file = f.writeSet(f.program(u"genre/Two/"_qs), u"Two.lbc"_qs, {u"X"_qs, u"Y"_qs});
        f.fakes.choosers.queueOpenFile(file);
        QVERIFY(press(*f.gf, u"lgf"_qs));
        QCOMPARE(f.gf->currentFile(), file);
        QVERIFY(!f.categories().isModified());
        QVERIFY(f.state.modified);
        f.state.modified = false;
        QVERIFY(press(*f.gf, u"OK"_qs)); // unchanged: closes at once
        QCOMPARE(f.gf->result(), int(QDialog::Accepted));
        QCOMPARE(f.state.files.categoryFile.path(), file);
        QVERIFY(!f.state.modified);

        f.gf->setResult(0);
        f.select(0);
        QVERIFY(press(*f.gf, u"gdown"_qs));
        f.fakes.messages.queueAnswer(Answer::Ok);
        QVERIFY(press(*f.gf, u"OK"_qs));
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
        QVERIFY(press(*f.gf, u"lgf"_qs));
        QVERIFY(f.fakes.messages.shown.last().kind == ui::MessageBoxService::Kind::Error);
        QVERIFY(f.lastMessage().contains(QDir::toNativeSeparators(f.program(u"genre/Broken/1.ico"_qs))));
        QCOMPARE(f.categories().count(), 0);
        QCOMPARE(f.gf->currentFile(), standard);
        QVERIFY(!f.state.modified);

        // A category naming an icon number that the file lacks shows no picture but keeps its name.
        common::IniFile ini(f.program(u"genre/Broken/Broken.lbc"_qs));
        ini.writeInteger(u"general", u"anz_items", 1);
        ini.writeInteger(u"0", u"icon_number", 40);
        ini.save();
        f.fakes.choosers.queueOpenFile(broken);
        QVERIFY(press(*f.gf, u"lgf"_qs));
        QCOMPARE(f.captions(), QStringList{u"A"_qs});
        QCOMPARE(f.categories().at(0).picture, 40);
        QVERIFY(f.list()
                    ->model()
                    ->data(f.list()->model()->index(0, 0), Qt::DecorationRole)
                    .value<QIcon>()
                    .isNull());
    }

    void renameThroughTheTextEditorOrInPlace() {
        Fixture f;
        f.openOn(f.program(u"Files/Standard.lbc"_qs));
        // The main window lends its one-line text editor; with no selection the first category.
        const auto answerWith = [&](const QString& text) {
            QTimer::singleShot(0, [&f, text] {
                auto* editor = f.form->findChild<OneLineEditor*>();
                QCOMPARE(editor->mode(), OneLineEditor::Mode::CategoryRename);
                control<QLineEdit>(*editor, u"Edit1"_qs)->clear();
                QVERIFY(press(*editor, u"OK"_qs)); // empty: M6, and the editor stays open
                QCOMPARE(f.lastMessage(), f.message(u"M6"));
                QVERIFY(editor->isVisible());
                control<QLineEdit>(*editor, u"Edit1"_qs)->setText(text);
                QVERIFY(press(*editor, u"OK"_qs));
            });
        };
        answerWith(u"Spiele"_qs);
        QVERIFY(trigger(*f.gf, u"RenameItem1"_qs));
        QCOMPARE(f.captions()[0], QStringLiteral("Spiele"));
        QVERIFY(f.categories().isModified());
        QTimer::singleShot(0, [&] { QVERIFY(press(*f.form->findChild<OneLineEditor*>(), u"cancel"_qs)); });
        QVERIFY(trigger(*f.gf, u"RenameItem1"_qs));
        QCOMPARE(f.captions()[0], QStringLiteral("Spiele"));
        // Blanks alone are no caption either.
        const qsizetype shown = f.fakes.messages.shown.size();
        answerWith(u"  "_qs);
        QVERIFY(trigger(*f.gf, u"RenameItem1"_qs));
        QCOMPARE(f.fakes.messages.shown.size(), shown + 2);
        QCOMPARE(f.lastMessage(), f.message(u"M6"));
        QCOMPARE(f.captions()[0], QStringLiteral("Spiele"));

        // Without it the caption is edited in the list itself.
        f.gf->askNewCaption = nullptr;
        f.gf->show();
        f.select(1);
        QTest::keyClick(f.list(), Qt::Key_F2);
        QLineEdit* edit = f.captionEditor(1);
        QVERIFY(edit);
        QCOMPARE(edit->text(), QStringLiteral("Tools"));
        edit->setText(u" "_qs); // the edit finishes empty
        QTest::keyClick(edit, Qt::Key_Return);
        QTRY_COMPARE(f.fakes.messages.shown.size(), shown + 3);
        QCOMPARE(f.lastMessage(), f.message(u"M6"));
        QCOMPARE(f.captions()[1], QStringLiteral("Tools"));
        QTRY_VERIFY(f.captionEditor(1)); // and opens again
        f.captionEditor(1)->setText(u" Werkzeuge "_qs);
        QTest::keyClick(f.captionEditor(1), Qt::Key_Return);
        QTRY_COMPARE(f.captions()[1], QStringLiteral("Werkzeuge"));
        QCOMPARE(f.fakes.messages.shown.size(), shown + 3);
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
            f.select(0);
            QTimer::singleShot(0, [&] {
                auto* editor = f.form->findChild<OneLineEditor*>();
                control<QLineEdit>(*editor, u"Edit1"_qs)->setText(u"Werkzeuge"_qs);
                QVERIFY(press(*editor, u"OK"_qs));
            });
            QVERIFY(trigger(*f.gf, u"RenameItem1"_qs));
            f.fakes.messages.queueAnswer(Answer::Ok);
            QVERIFY(press(*f.gf, u"OK"_qs));
        });
        QVERIFY(f.pressTool("geditbtnmain"));
        QCOMPARE(f.state.categories, (QStringList{u"Werkzeuge"_qs, u"Games"_qs}));
        QCOMPARE(categoryOf(0), QStringLiteral("Werkzeuge"));
        QCOMPARE(categoryOf(1), QStringLiteral("Games"));
        QVERIFY(f.state.modified);

        // Moved categories keep their items by name, and the icons went with them.
        const QByteArray games = readBytes(folder + u"1.ico"_qs);
        QTimer::singleShot(0, [&] {
            f.select(1);
            QVERIFY(press(*f.gf, u"gup"_qs));
            f.fakes.messages.queueAnswer(Answer::Ok);
            QVERIFY(press(*f.gf, u"OK"_qs));
        });
        QVERIFY(f.pressTool("geditbtnmain"));
        QCOMPARE(f.state.categories, (QStringList{u"Games"_qs, u"Werkzeuge"_qs}));
        QCOMPARE(categoryOf(0), QStringLiteral("Werkzeuge"));
        QCOMPARE(categoryOf(1), QStringLiteral("Games"));
        QCOMPARE(readBytes(folder + u"0.ico"_qs), games);

        // Cancel leaves everything as it was.
        QVERIFY(f.pressTool("save"));
        QTimer::singleShot(0, [&] {
            f.select(0);
            QVERIFY(press(*f.gf, u"rem"_qs));
            QCOMPARE(f.categories().count(), 1);
            QVERIFY(press(*f.gf, u"Cancel"_qs));
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
        QCOMPARE(f.categories().count(), 255);
        // A 256th would read back as no categories at all: Add cannot be pressed, and Enter in the
        // caption field adds nothing either.
        QVERIFY(!control<QPushButton>(*f.gf, u"add"_qs)->isEnabled());
        f.gf->show();
        auto* caption = control<QLineEdit>(*f.gf, u"Edit1"_qs);
        caption->setText(u"One more"_qs);
        QTest::keyClick(caption, Qt::Key_Return);
        QCOMPARE(f.categories().count(), 255);
        QVERIFY(f.fakes.messages.shown.isEmpty());
        QVERIFY(f.gf->isVisible());
        f.select(0);
        QVERIFY(press(*f.gf, u"rem"_qs));
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
