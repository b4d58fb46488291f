// Every window of the editor, in English and in German on a 1024 × 768 screen: it fits the screen,
// shows each caption whole and takes the keyboard. With LUMBREL_SHOTS naming a folder, each window is also
// saved there as a picture, so that a person can look at all of them at once.
#include "tests/editor/gui/OpenProjectFixture.h"
#include "tests/support/WindowFit.h"

#include <QDialog>
#include <QPushButton>
#include <QtTest>

#include <algorithm>

class TestEveryWindow : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void everyWindowFitsAndShowsItsCaptionsWhole_data() {
        QTest::addColumn<int>("language");
        QTest::newRow("English") << 1;
        QTest::newRow("German") << 2;
    }
    void everyWindowFitsAndShowsItsCaptionsWhole() {
        QFETCH(int, language);
        OpenProjectFixture f(language);
        // The grid holds the language's own yes/no words, as reading a project puts them there.
        f.setItems({editortest::item(QStringLiteral("Tool"), QStringLiteral("Tools"),
                                     f.state.language.yesText(), f.state.language.noText())});
        f.form->setWindowState(Qt::WindowNoState);
        f.form->resize(1024, 768);
        f.form->show();
        const QString suffix = language == 1 ? QStringLiteral("en") : QStringLiteral("de");
        const QList<QDialog*> dialogs = f.form->findChildren<QDialog*>(Qt::FindDirectChildrenOnly);
        QVERIFY(dialogs.size() >= 20);
        const QStringList faults = windowfit::faultsOnASmallScreen(*f.form, dialogs, suffix);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
    }

    // A dialog opens with the keyboard in it, has a button that Enter presses, and Escape closes it.
    void everyDialogTakesTheKeyboard() {
        OpenProjectFixture f;
        f.form->show();
        QStringList faults;
        for (QDialog* dialog : f.form->findChildren<QDialog*>(Qt::FindDirectChildrenOnly)) {
            dialog->show();
            QApplication::setActiveWindow(dialog);
            QApplication::processEvents();
            const QString name = dialog->objectName();
            QWidget* focus = QApplication::focusWidget();
            if (!focus || focus->window() != dialog)
                faults << name + QStringLiteral(": no control has the focus");
            const QList<QPushButton*> buttons = dialog->findChildren<QPushButton*>();
            // The category editor's Enter adds the caption typed; the welcome screen's choices are equal.
            if (name != u"Tgfform" && name != u"Tstartform" &&
                std::none_of(buttons.begin(), buttons.end(),
                             [](QPushButton* b) { return b->isDefault() && b->isVisible(); }))
                faults << name + QStringLiteral(": Enter presses nothing");
            QTest::keyClick(focus ? focus : dialog, Qt::Key_Escape);
            // The check's choice of a folder must be answered.
            if (dialog->isVisible() && name != u"Tcheckform") {
                faults << name + QStringLiteral(": Escape leaves it open");
            }
            dialog->hide();
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
    }
};

QTEST_MAIN(TestEveryWindow)
#include "tst_everywindow.moc"
