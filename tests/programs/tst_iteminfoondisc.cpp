// An information text and a screenshot made in the editor reach the built disc, where the menu
// program's information and picture windows show them.
#include "editor/disc/DiscBuild.h"
#include "editor/gui/iteminfo/ItemInfoEditor.h"
#include "menu/gui/InfoWindow.h"
#include "menu/gui/MenuWindow.h"
#include "menu/gui/PictureWindow.h"
#include "menu/reader/DiscFolders.h"
#include "tests/editor/gui/OpenProjectFixture.h"
#include "tests/menu/MenuDriver.h"
#include "ui/testing/UserInput.h"
#include "ui/widgets/FillList.h"
#include "ui/widgets/PictureView.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextEdit>
#include <QtTest>

using namespace editortest;

namespace {

// Writes the text or pastes the picture in the editor that the command opens, and saves.
void makeCompanion(OpenProjectFixture& f, int row, ItemInfoMode mode, const QString& text,
                   const QImage& picture) {
    f.makeCurrent(row);
    f.fakes.clipboard.setImage(picture);
    whenOpen<ItemInfoEditor>([&](ItemInfoEditor* editor) {
        if (mode == ItemInfoMode::Text)
            ui::testing::control<QPlainTextEdit>(*editor, u"RichEdit1"_qs)->setPlainText(text);
        else
            QVERIFY(ui::testing::press(*editor, u"paste"_qs));
        QVERIFY(ui::testing::press(*editor, u"LMDShapeLabelButton2"_qs));
    });
    if (mode == ItemInfoMode::Text)
        QVERIFY(f.pressTool("info_file_btn"));
    else
        QVERIFY(f.pressTool("screenshot_btn"));
}

} // namespace

class TestItemInfoOnDisc : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void textsAndScreenshotsReachTheMenu() {
        OpenProjectFixture editor;
        writeFile(editor.state.programFolder + u"Files/tiv.exe"_qs);
        const QString setup = writeFile(editor.path(u"tools/setup.exe"_qs));
        editor.setItems({locatedItem(u"Setup"_qs, u"setup.exe"_qs, u"\\tools\\"_qs, setup),
                         locatedItem(u"Linked: site"_qs, u"http://example.org/"_qs, {}, u"n/a"_qs)});
        QImage red(48, 32, QImage::Format_RGB32), blue(24, 16, QImage::Format_RGB32);
        red.fill(Qt::red);
        blue.fill(Qt::blue);
        makeCompanion(editor, 0, ItemInfoMode::Text, u"About setup\ncafé"_qs, {});
        makeCompanion(editor, 0, ItemInfoMode::Picture, {}, red);
        makeCompanion(editor, 1, ItemInfoMode::Text, u"About the site"_qs, {});
        makeCompanion(editor, 1, ItemInfoMode::Picture, {}, blue);
        QVERIFY(discbuild::build(editor.disc, editor.state, editor.items()).written);

        ui::testing::FakeServices fakes;
        MenuWindow menuWindow(fakes.services(),
                              menu::DiscFolders::forExecutable(editor.disc + u"tiv.exe"_qs));
        menuWindow.show();
        auto* pictureWindow = ui::testing::control<PictureWindow>(menuWindow, u"Tpicpreviewform"_qs);
        auto* infoWindow = ui::testing::control<InfoWindow>(menuWindow, u"TInfoform"_qs);
        const struct {
            QString text;
            QSize pictureSize;
        } expected[] = {{u"About setup\ncafé\n"_qs, red.size()}, {u"About the site\n"_qs, blue.size()}};
        for (int row = 0; row < 2; ++row) {
            menudriver::chooseCategory(menuWindow, 0);
            menudriver::chooseItem(menuWindow, row);
            QVERIFY(pictureWindow->isVisible());
            QCOMPARE(pictureWindow->view()->picture().size(), expected[row].pictureSize);
            QVERIFY(ui::testing::press(menuWindow, u"info"_qs));
            QVERIFY(infoWindow->isVisible());
            QCOMPARE(ui::testing::control<QTextEdit>(*infoWindow, u"infotext"_qs)->toPlainText(),
                     expected[row].text);
            QVERIFY(ui::testing::press(*infoWindow, u"ende"_qs));
        }
        const QColor shown = pictureWindow->view()->picture().pixelColor(4, 4);
        QVERIFY(shown.blue() > 200 && shown.red() < 60);
    }
};

QTEST_MAIN(TestItemInfoOnDisc)
#include "tst_iteminfoondisc.moc"
