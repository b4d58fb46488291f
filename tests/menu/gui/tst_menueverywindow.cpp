// Every window of the menu program, with the shipped texts and the standard design, in English and in
// German on a 1024 × 768 screen: it fits the screen and shows each caption whole. With LUMBREL_SHOTS
// naming a folder, each window is also saved there as a picture.
#include "menu/gui/MenuWindow.h"
#include "tests/menu/DiscFixture.h"
#include "tests/support/WindowFit.h"
#include "ui/testing/FakeServices.h"

#include <QDialog>
#include <QtTest>

class TestMenuEveryWindow : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void everyWindowFitsAndShowsItsCaptionsWhole_data() {
        QTest::addColumn<QString>("languageFile");
        QTest::newRow("English") << QStringLiteral("language0.0");
        QTest::newRow("German") << QStringLiteral("language1.0");
    }
    void everyWindowFitsAndShowsItsCaptionsWhole() {
        QFETCH(QString, languageFile);
        DiscFixture disc;
        disc.addCategory(QStringLiteral("Tools"));
        disc.addItem(0, QStringLiteral("Program"), {{QStringLiteral("pfad"), QStringLiteral("\\run.exe")}});
        disc.save();
        QVERIFY(QFile::copy(QStringLiteral(LUMBREL_DATA_DIR "/") + languageFile,
                            disc.cfg() + QStringLiteral("language.zol")));
        QVERIFY(QFile::copy(QStringLiteral(LUMBREL_DATA_DIR "/Standard.lbd"),
                            disc.cfg() + QStringLiteral("design.cfg")));
        ui::testing::FakeServices fakes;
        MenuWindow form(fakes.services(), disc.folders());
        form.show();
        QApplication::processEvents();
        const QString suffix = languageFile.left(9);
        const QList<QDialog*> dialogs = form.findChildren<QDialog*>();
        QVERIFY(dialogs.size() >= 5);
        const QStringList faults = windowfit::faultsOnASmallScreen(form, dialogs, suffix);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
    }
};

QTEST_MAIN(TestMenuEveryWindow)
#include "tst_menueverywindow.moc"
