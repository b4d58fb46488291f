// The item information editor: texts and screenshots created, replaced and deleted beside an
// item's file or in the item data folder, and the refusals of the Info File and Screenshot commands.
#include "common/JpegCodec.h"
#include "editor/gui/iteminfo/ItemInfoEditor.h"
#include "tests/editor/gui/OpenProjectFixture.h"
#include "ui/testing/UserInput.h"
#include "ui/widgets/PictureView.h"

#include <QAction>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>

#ifdef Q_OS_LINUX
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>
#endif

using namespace editortest;
using ui::testing::control;
using ui::testing::press;

namespace {

// Makes a folder refuse to let its files be deleted, for root too (which ignores permissions);
// false where the file system cannot.
bool lockFolder(const QString& folder, bool locked) {
#ifdef Q_OS_LINUX
    if (::geteuid() != 0)
        return QFile::setPermissions(folder, locked ? QFileDevice::ReadOwner | QFileDevice::ExeOwner
                                                    : QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                          QFileDevice::ExeOwner);
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY);
    if (fd < 0)
        return false;
    int flags = 0;
    bool done = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    if (done) {
        flags = locked ? flags | FS_IMMUTABLE_FL : flags & ~FS_IMMUTABLE_FL;
        done = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    }
    ::close(fd);
    return done;
#else
    Q_UNUSED(folder);
    Q_UNUSED(locked);
    return false;
#endif
}

QImage picture(const QColor& color, QSize size = QSize(40, 30)) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(color);
    return image;
}

} // namespace

class TestItemInfoEditor : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void hyperlinkTextGoesIntoTheItemDataFolder() {
        OpenProjectFixture f;
        f.setItems({locatedItem(u"What's new?"_qs, u"http://example.org"_qs, {}, u"n/a"_qs)});
        QCOMPARE(f.find<QLabel>(u"infoexist"_qs)->text(), u"no "_qs);
        whenOpen<ItemInfoEditor>([&](ItemInfoEditor* editor) {
            QCOMPARE(editor->objectName(), u"Tcreateinfoform"_qs);
            QCOMPARE(editor->windowTitle(), f.state.language.text(u"T19") + u" What's new?"_qs);
            QCOMPARE(control<QLabel>(*editor, u"label1"_qs)->text(), f.state.language.text(u"T40"));
            QVERIFY(control<QPlainTextEdit>(*editor, u"RichEdit1"_qs)->isVisible());
            QVERIFY(!control<ui::PictureView>(*editor, u"Image1"_qs)->isVisible());
            QVERIFY(!control<QPushButton>(*editor, u"paste"_qs)->isVisible());
            QVERIFY(control<QPlainTextEdit>(*editor, u"RichEdit1"_qs)->toPlainText().isEmpty());
            control<QPlainTextEdit>(*editor, u"RichEdit1"_qs)->setPlainText(u"Neu: Größe\nzweite Zeile"_qs);
            QVERIFY(press(*editor, u"LMDShapeLabelButton2"_qs));
            QVERIFY(!editor->isVisible());
        });
        f.commandWithShortcut(Qt::Key_F7)->trigger();
        const QString dataFolder = f.path(u"tavikdat"_qs);
        QCOMPARE(f.messages(), (QStringList{f.message(u"M10") + dataFolder + u'.', f.message(u"M11")}));
        QCOMPARE(readBytes(f.path(u"tavikdat/What's new_.txt"_qs)), QByteArray("Neu: Gr\xf6\xdf"
                                                                               "e\r\nzweite Zeile\r\n"));
        // The details show the new text at once.
        QCOMPARE(f.find<QLabel>(u"infoexist"_qs)->text(), f.state.language.text(u"SYES") + u' ');

        // Opened again, the editor shows the text; the folder is not announced twice.
        whenOpen<ItemInfoEditor>([&](ItemInfoEditor* editor) {
            QCOMPARE(control<QPlainTextEdit>(*editor, u"RichEdit1"_qs)->toPlainText(),
                     u"Neu: Größe\nzweite Zeile"_qs);
            QVERIFY(press(*editor, u"LMDShapeLabelButton2"_qs));
        });
        f.find<QToolButton>(u"info_file_btn"_qs)->click();
        QCOMPARE(f.messages().size(), 3);
    }

    void bitmapOpenedForAFileItemIsSavedAsJpeg() {
        OpenProjectFixture f;
        const QString setup = writeFile(f.path(u"tools/setup.exe"_qs));
        f.setItems({locatedItem(u"Setup"_qs, u"setup.exe"_qs, u"\\tools\\"_qs, setup)});
        const QString bitmap = f.dir.filePath(u"shot.bmp"_qs);
        QVERIFY(picture(Qt::red).save(bitmap, "BMP"));
        // A read-only screenshot from before is replaced.
        const QString old = writeFile(f.path(u"tools/setup.jpg"_qs), "old");
        QFile::setPermissions(old, QFileDevice::ReadOwner);
        f.fakes.choosers.queueOpenFile(bitmap);
        whenOpen<ItemInfoEditor>([&](ItemInfoEditor* editor) {
            QCOMPARE(editor->windowTitle(), f.state.language.text(u"T20") + u" Setup"_qs);
            QVERIFY(control<ui::PictureView>(*editor, u"Image1"_qs)->isVisible());
            QVERIFY(!control<QPlainTextEdit>(*editor, u"RichEdit1"_qs)->isVisible());
            // "old" is no picture, and the editor says so.
            QVERIFY(!control<ui::PictureView>(*editor, u"Image1"_qs)->hasPicture());
            QCOMPARE(f.messages(), QStringList{f.message(u"M15")});
            QVERIFY(press(*editor, u"new"_qs));
            QVERIFY(control<ui::PictureView>(*editor, u"Image1"_qs)->hasPicture());
            QVERIFY(press(*editor, u"LMDShapeLabelButton2"_qs));
        });
        f.commandWithShortcut(Qt::ALT | Qt::Key_F7)->trigger();
        QCOMPARE(f.fakes.choosers.requests.last().file.filter.section(u'|', 1, 1), u"*.jpg;*.jpeg;*.bmp"_qs);
        QCOMPARE(f.messages().last(), f.message(u"M13"));
        QVERIFY(readBytes(old).startsWith("\xff\xd8"));
        QCOMPARE(common::jpeg::readFile(old).size(), QSize(40, 30));
        // The picture box is emptied on closing.
        QVERIFY(!control<ui::PictureView>(*f.find<ItemInfoEditor>(), u"Image1"_qs)->hasPicture());
    }

    void pastingNeedsAPictureOnTheClipboard() {
        OpenProjectFixture f;
        f.setItems(
            {locatedItem(u"Games"_qs, u"Jump Point"_qs, u"\\games\\"_qs, writeFile(f.path(u"x.exe"_qs)))});
        auto* editor = f.find<ItemInfoEditor>();
        QVERIFY(editor->prepare(ItemInfoMode::Picture, 0));
        control<ui::PictureView>(*editor, u"Image1"_qs)->setPicture(picture(Qt::blue));
        f.fakes.clipboard.setText(u"no picture"_qs);
        QVERIFY(press(*editor, u"paste"_qs));
        QCOMPARE(f.fakes.messages.shown.last().kind, ui::MessageBoxService::Kind::Error);
        QCOMPARE(f.messages().last(), f.message(u"M12"));
        QVERIFY(!control<ui::PictureView>(*editor, u"Image1"_qs)->hasPicture());

        f.fakes.clipboard.setImage(picture(Qt::green, QSize(8, 6)));
        QVERIFY(press(*editor, u"paste"_qs));
        QVERIFY(press(*editor, u"LMDShapeLabelButton2"_qs));
        // A jump point's screenshot is named after it, never placed beside a file.
        QCOMPARE(common::jpeg::readFile(f.path(u"tavikdat/Games.jpg"_qs)).size(), QSize(8, 6));
        QVERIFY(!QFileInfo::exists(f.path(u"x.jpg"_qs)));
        QVERIFY(press(*editor, u"LMDButton1"_qs));
        QCOMPARE(f.fakes.help.topics.last().context, 2350);
    }

    void failuresDeleteAndTemplates() {
        OpenProjectFixture f;
        const QString setup = writeFile(f.path(u"setup.exe"_qs));
        const QString lost = f.path(u"lost/tool.exe"_qs);
        f.setItems({locatedItem(u"Setup"_qs, u"setup.exe"_qs, u"\\"_qs, setup),
                    locatedItem(u"Tool"_qs, u"tool.exe"_qs, u"\\lost\\"_qs, lost)});
        auto* editor = f.find<ItemInfoEditor>();

        // Delete without a text: M14, the editor stays; with one: it is gone.
        QVERIFY(editor->prepare(ItemInfoMode::Text, 0));
        editor->setResult(-1);
        QVERIFY(press(*editor, u"LMDShapeLabelButton4"_qs));
        QCOMPARE(f.messages().last(), f.message(u"M14"));
        QCOMPARE(editor->result(), -1);
        const QString text = writeFile(f.path(u"setup.txt"_qs), "old\r\n");
        QVERIFY(editor->prepare(ItemInfoMode::Text, 0));
        QCOMPARE(control<QPlainTextEdit>(*editor, u"RichEdit1"_qs)->toPlainText(), u"old"_qs);
        QVERIFY(press(*editor, u"LMDShapeLabelButton4"_qs));
        QVERIFY(!QFileInfo::exists(text));
        QCOMPARE(editor->result(), int(QDialog::Accepted));

        // Templates: a readable one replaces the lines, an unreadable one gives M15.
        f.fakes.choosers.queueOpenFile(writeFile(f.dir.filePath(u"t.nfo"_qs), "from template\r\n"));
        QVERIFY(press(*editor, u"new"_qs));
        QCOMPARE(control<QPlainTextEdit>(*editor, u"RichEdit1"_qs)->toPlainText(), u"from template"_qs);
        f.fakes.choosers.queueOpenFile(f.dir.filePath(u"missing.txt"_qs));
        QVERIFY(press(*editor, u"new"_qs));
        QCOMPARE(f.messages().last(), f.message(u"M15"));
        QVERIFY(press(*editor, u"LMDShapeLabelButton1"_qs));
        QVERIFY(control<QPlainTextEdit>(*editor, u"RichEdit1"_qs)->toPlainText().isEmpty());

        // A text that cannot be written keeps the editor open; a picture closes it.
        QVERIFY(editor->prepare(ItemInfoMode::Text, 1));
        editor->setResult(-1);
        control<QPlainTextEdit>(*editor, u"RichEdit1"_qs)->setPlainText(u"x"_qs);
        QVERIFY(press(*editor, u"LMDShapeLabelButton2"_qs));
        QCOMPARE(f.messages().last(), f.message(u"M12"));
        QCOMPARE(editor->result(), -1);
        QVERIFY(editor->prepare(ItemInfoMode::Picture, 1));
        control<ui::PictureView>(*editor, u"Image1"_qs)->setPicture(picture(Qt::red));
        QVERIFY(press(*editor, u"LMDShapeLabelButton2"_qs));
        QCOMPARE(f.messages().last(), f.message(u"M12"));
        QCOMPARE(editor->result(), int(QDialog::Rejected));
    }

    void anItemsOwnFileIsShownButNeverChanged() {
        OpenProjectFixture f;
        const QString readme = writeFile(f.path(u"docs/readme.txt"_qs), "mine\n");
        const QString photo = f.path(u"docs/photo.JPG"_qs);
        QVERIFY(picture(Qt::red).save(photo, "JPEG"));
        const QByteArray photoBytes = readBytes(photo);
        f.setItems({locatedItem(u"Readme"_qs, u"readme.txt"_qs, u"\\docs\\"_qs, readme),
                    locatedItem(u"Photo"_qs, u"photo.JPG"_qs, u"\\docs\\"_qs, photo)});
        const auto onlyCancelOffered = [](ItemInfoEditor* editor) {
            QVERIFY(editor->showsItemsOwnFile());
            for (const QString& name : {u"LMDShapeLabelButton2"_qs, u"LMDShapeLabelButton4"_qs, u"new"_qs,
                                        u"LMDShapeLabelButton1"_qs, u"paste"_qs})
                QVERIFY(!control<QPushButton>(*editor, name)->isVisible());
            QVERIFY(control<QPushButton>(*editor, u"LMDShapeLabelButton3"_qs)->isVisible());
        };
        whenOpen<ItemInfoEditor>([&](ItemInfoEditor* editor) {
            onlyCancelOffered(editor);
            QCOMPARE(control<QPlainTextEdit>(*editor, u"RichEdit1"_qs)->toPlainText(), u"mine"_qs);
            QVERIFY(control<QPlainTextEdit>(*editor, u"RichEdit1"_qs)->isReadOnly());
            QVERIFY(press(*editor, u"LMDShapeLabelButton3"_qs));
        });
        f.find<QToolButton>(u"info_file_btn"_qs)->click();
        QCOMPARE(f.messages(), QStringList{f.message(u"M80").arg(readme)});
        QCOMPARE(readBytes(readme), QByteArray("mine\n"));

        // A picture item is its own screenshot, whatever the letter case of its extension.
        f.makeCurrent(1);
        whenOpen<ItemInfoEditor>([&](ItemInfoEditor* editor) {
            onlyCancelOffered(editor);
            QVERIFY(control<ui::PictureView>(*editor, u"Image1"_qs)->hasPicture());
            QVERIFY(press(*editor, u"LMDShapeLabelButton3"_qs));
        });
        f.find<QToolButton>(u"screenshot_btn"_qs)->click();
        QCOMPARE(f.messages().last(), f.message(u"M81").arg(f.path(u"docs/photo.jpg"_qs)));
        QCOMPARE(readBytes(photo), photoBytes);

        // Its text companion is an ordinary one again, which the editor offers to write.
        whenOpen<ItemInfoEditor>([&](ItemInfoEditor* editor) {
            QVERIFY(!editor->showsItemsOwnFile());
            QVERIFY(control<QPushButton>(*editor, u"LMDShapeLabelButton2"_qs)->isVisible());
            QVERIFY(!control<QPlainTextEdit>(*editor, u"RichEdit1"_qs)->isReadOnly());
            QVERIFY(press(*editor, u"LMDShapeLabelButton3"_qs));
        });
        f.find<QToolButton>(u"info_file_btn"_qs)->click();
    }

    void aDeleteThatFailsIsSaid() {
        OpenProjectFixture f;
        const QString setup = writeFile(f.path(u"locked/setup.exe"_qs));
        const QString text = writeFile(f.path(u"locked/setup.txt"_qs), "keep\r\n");
        f.setItems({locatedItem(u"Setup"_qs, u"setup.exe"_qs, u"\\locked\\"_qs, setup)});
        const QString folder = f.path(u"locked"_qs);
        if (!lockFolder(folder, true))
            QSKIP("this file system cannot refuse a deletion");
        whenOpen<ItemInfoEditor>([&](ItemInfoEditor* editor) {
            QVERIFY(press(*editor, u"LMDShapeLabelButton4"_qs));
            // The editor stays open: the text is still there.
            QVERIFY(editor->isVisible());
            QVERIFY(press(*editor, u"LMDShapeLabelButton3"_qs));
        });
        f.find<QToolButton>(u"info_file_btn"_qs)->click();
        lockFolder(folder, false);
        QVERIFY(QFileInfo::exists(text));
        QCOMPARE(f.fakes.messages.shown.last().kind, ui::MessageBoxService::Kind::Error);
        const QString said = f.messages().last();
        QVERIFY2(said.startsWith(f.message(u"M83").section(u'(', 0, 0).arg(text)), qPrintable(said));
    }

    void aTextTheFileCannotHoldIsAskedAbout() {
        OpenProjectFixture f;
        const QString setup = writeFile(f.path(u"setup.exe"_qs));
        f.setItems({locatedItem(u"Setup"_qs, u"setup.exe"_qs, u"\\"_qs, setup)});
        const QString text = f.path(u"setup.txt"_qs);
        whenOpen<ItemInfoEditor>([&](ItemInfoEditor* editor) {
            control<QPlainTextEdit>(*editor, u"RichEdit1"_qs)->setPlainText(u"Привет, world"_qs);
            f.fakes.messages.queueAnswer(ui::MessageBoxService::Answer::Cancel);
            QVERIFY(press(*editor, u"LMDShapeLabelButton2"_qs));
            // Cancelled: nothing written, the text stays to be changed.
            QVERIFY(editor->isVisible());
            QVERIFY(!QFileInfo::exists(text));
            QCOMPARE(f.fakes.messages.shown.last().kind, ui::MessageBoxService::Kind::Warning);
            QVERIFY(f.messages().last().contains(u"\nSetup: Привет\n"_qs));
            f.fakes.messages.queueAnswer(ui::MessageBoxService::Answer::Ok);
            QVERIFY(press(*editor, u"LMDShapeLabelButton2"_qs));
        });
        f.find<QToolButton>(u"info_file_btn"_qs)->click();
        QCOMPARE(readBytes(text), QByteArray("??????, world\r\n"));
        QCOMPARE(f.messages().last(), f.message(u"M11"));
    }

    void savingWithoutAPictureSaysSo() {
        OpenProjectFixture f;
        const QString setup = writeFile(f.path(u"setup.exe"_qs));
        f.setItems({locatedItem(u"Setup"_qs, u"setup.exe"_qs, u"\\"_qs, setup)});
        whenOpen<ItemInfoEditor>([&](ItemInfoEditor* editor) {
            QCOMPARE(control<QLabel>(*editor, u"fileGroupLabel"_qs)->text(), u"Screenshot Control"_qs);
            QVERIFY(press(*editor, u"LMDShapeLabelButton2"_qs));
            QVERIFY(editor->isVisible());
            QVERIFY(press(*editor, u"LMDShapeLabelButton3"_qs));
        });
        f.find<QToolButton>(u"screenshot_btn"_qs)->click();
        QCOMPARE(f.messages(), QStringList{f.message(u"M82")});
        QVERIFY(!QFileInfo::exists(f.path(u"setup.jpg"_qs)));
    }

    void commandsRefuseItemsWithoutCompanions() {
        OpenProjectFixture f;
        const QString refusal = f.message(u"M39") + u"\n\r"_qs + f.message(u"M39_2");
        f.setItems({ItemRecord(), locatedItem(u"Tool"_qs, u"tool.exe"_qs, u"\\"_qs, u"/nowhere/tool.exe"_qs),
                    locatedItem(u"Site"_qs, u"http://x"_qs, {}, u"n/a"_qs)});
        QVERIFY(f.pressTool("info_file_btn")); // empty row
        QCOMPARE(f.messages().last(), refusal);

        // A file item whose file and project folder are both gone.
        QDir(f.disc).removeRecursively();
        f.makeCurrent(1);
        QVERIFY(f.pressTool("screenshot_btn"));
        QCOMPARE(f.messages().size(), 2);
        QCOMPARE(f.messages().last(), refusal);
        // A hyperlink is not a file item, so it is not refused for that.
        QVERIFY(f.find<ItemInfoEditor>()->prepare(ItemInfoMode::Text, 2));

        OpenProjectFixture none;
        auto fresh = std::make_unique<MainWindow>(none.state, none.fakes.services());
        fresh->startUp();
        // Without a project the command cannot be given, and the editor refuses all the same.
        QVERIFY(!pressToolButton(*fresh, "info_file_btn"));
        fresh->findChild<ItemInfoEditor*>()->openFor(ItemInfoMode::Text, 0);
        QCOMPARE(none.messages().last(), none.message(u"M1"));
    }
};

QTEST_MAIN(TestItemInfoEditor)
#include "tst_iteminfoeditor.moc"
