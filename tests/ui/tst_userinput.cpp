// Window tests press only what a user could: one visible, enabled control of that name, not behind a
// modal dialog.
#include "ui/testing/UserInput.h"

#include <QAction>
#include <QDialog>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QWidget>
#include <QtTest>

class TestUserInput : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void pressAndTriggerActOnlyAsAUserCould() {
        QWidget window;
        auto* button = new QPushButton(&window);
        button->setObjectName(QStringLiteral("OK"));
        auto* action = new QAction(&window);
        action->setObjectName(QStringLiteral("save"));
        window.addAction(action);
        int pressed = 0, triggered = 0;
        connect(button, &QPushButton::clicked, this, [&] { ++pressed; });
        connect(action, &QAction::triggered, this, [&] { ++triggered; });

        QVERIFY(ui::testing::press(window, QStringLiteral("OK")));
        QVERIFY(ui::testing::trigger(window, QStringLiteral("save")));
        QCOMPARE(pressed, 1);
        QCOMPARE(triggered, 1);

        QVERIFY(!ui::testing::press(window, QStringLiteral("Cancel")));
        QVERIFY(!ui::testing::trigger(window, QStringLiteral("OK")));
        button->setEnabled(false);
        action->setEnabled(false);
        QVERIFY(!ui::testing::press(window, QStringLiteral("OK")));
        QVERIFY(!ui::testing::trigger(window, QStringLiteral("save")));
        button->setEnabled(true);
        action->setEnabled(true);
        button->hide();
        action->setVisible(false);
        QVERIFY(!ui::testing::press(window, QStringLiteral("OK")));
        QVERIFY(!ui::testing::trigger(window, QStringLiteral("save")));
        // Two controls of one name: the test cannot say which one a user would press.
        button->show();
        new QPushButton(QStringLiteral("OK"), &window);
        window.findChildren<QPushButton*>().back()->setObjectName(QStringLiteral("OK"));
        QVERIFY(!ui::testing::press(window, QStringLiteral("OK")));
        QCOMPARE(pressed, 1);
        QCOMPARE(triggered, 1);
    }

    // A dialog of a window is a window of its own, with controls of its own; a menu's entries are
    // chosen in the menu, only while it is open.
    void dialogsAndMenusHoldTheirOwnControls() {
        QWidget window;
        auto* own = new QPushButton(&window);
        own->setObjectName(QStringLiteral("print"));
        auto* dialog = new QDialog(&window);
        auto* dialogs = new QPushButton(dialog);
        dialogs->setObjectName(QStringLiteral("print"));
        auto* menu = new QMenu(&window);
        QAction* entry = menu->addAction(QStringLiteral("Entry"));
        entry->setObjectName(QStringLiteral("entry"));
        int inWindow = 0, inDialog = 0, chosen = 0;
        connect(own, &QPushButton::clicked, this, [&] { ++inWindow; });
        connect(dialogs, &QPushButton::clicked, this, [&] { ++inDialog; });
        connect(entry, &QAction::triggered, this, [&] { ++chosen; });
        window.show();
        dialog->show();

        QVERIFY(ui::testing::press(window, QStringLiteral("print")));
        QVERIFY(ui::testing::press(*dialog, QStringLiteral("print")));
        QCOMPARE(inWindow, 1);
        QCOMPARE(inDialog, 1);
        QCOMPARE(ui::testing::control<QDialog>(window, QString()), dialog);

        // The entry is the window's command, but it is chosen in its menu, once that is open.
        QCOMPARE(ui::testing::control<QAction>(window, QStringLiteral("entry")), entry);
        QVERIFY(!ui::testing::trigger(*menu, QStringLiteral("entry")));
        menu->popup(window.mapToGlobal(QPoint()));
        QVERIFY(menu->isVisible());
        QVERIFY(ui::testing::trigger(*menu, QStringLiteral("entry")));
        QVERIFY(!menu->isVisible());
        QCOMPARE(chosen, 1);
    }

    // While a modal dialog is open only it, and what it opens, takes clicks; a window-modal one
    // blocks only the window it was opened from.
    void aModalDialogTakesTheClicks() {
        QWidget window;
        auto* own = new QPushButton(&window);
        own->setObjectName(QStringLiteral("save"));
        auto* list = new QListWidget(&window);
        list->addItem(QStringLiteral("row"));
        QWidget other;
        auto* elsewhere = new QPushButton(&other);
        elsewhere->setObjectName(QStringLiteral("save"));
        auto* dialog = new QDialog(&window);
        auto* ok = new QPushButton(dialog);
        ok->setObjectName(QStringLiteral("OK"));
        window.show();
        other.show();

        dialog->setWindowModality(Qt::ApplicationModal);
        dialog->show();
        QVERIFY(ui::testing::press(*dialog, QStringLiteral("OK")));
        QVERIFY(!ui::testing::press(window, QStringLiteral("save")));
        QVERIFY(!ui::testing::clickRow(*list, 0));
        QVERIFY(!ui::testing::press(other, QStringLiteral("save")));
        dialog->hide();

        dialog->setWindowModality(Qt::WindowModal);
        dialog->show();
        QVERIFY(!ui::testing::press(window, QStringLiteral("save")));
        QVERIFY(ui::testing::press(other, QStringLiteral("save")));
        dialog->hide();
        QVERIFY(ui::testing::press(window, QStringLiteral("save")));
        QVERIFY(ui::testing::clickRow(*list, 0));
    }

    // A row is clicked where it is shown, scrolled to first; a hidden list cannot be clicked.
    void rowsAreClickedWhereTheyAreShown() {
        QListWidget list;
        list.resize(120, 60);
        for (int row = 0; row < 40; ++row)
            list.addItem(QStringLiteral("row %1").arg(row));
        QVERIFY(!ui::testing::clickRow(list, 1));
        list.show();
        int clicked = -1;
        connect(&list, &QListWidget::itemClicked, this,
                [&](QListWidgetItem* item) { clicked = list.row(item); });
        QVERIFY(ui::testing::clickRow(list, 35));
        QCOMPARE(list.currentRow(), 35);
        QCOMPARE(clicked, 35);
        // No such row: the click lands on the list's middle, as a click beside the rows would.
        QVERIFY(ui::testing::clickRow(list, 99));
        list.setEnabled(false);
        QVERIFY(!ui::testing::clickRow(list, 2));
        QVERIFY(list.currentRow() != 2);
    }
};

QTEST_MAIN(TestUserInput)
#include "tst_userinput.moc"
