// Window tests press only what a user could: one visible, enabled control of that name.
#include "ui/testing/UserInput.h"

#include <QAction>
#include <QDialog>
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

    // A dialog or a menu of a window is a window of its own: its controls are its own, and a menu's
    // entries can be chosen only while the menu is open.
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

        QVERIFY(!ui::testing::trigger(window, QStringLiteral("entry")));
        QVERIFY(!ui::testing::trigger(*menu, QStringLiteral("entry")));
        menu->popup(window.mapToGlobal(QPoint()));
        QVERIFY(menu->isVisible());
        QVERIFY(ui::testing::trigger(*menu, QStringLiteral("entry")));
        QVERIFY(!menu->isVisible());
        QCOMPARE(chosen, 1);
    }
};

QTEST_MAIN(TestUserInput)
#include "tst_userinput.moc"
