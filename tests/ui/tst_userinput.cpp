// Window tests press only what a user could: one visible, enabled control of that name.
#include "ui/testing/UserInput.h"

#include <QAction>
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
};

QTEST_MAIN(TestUserInput)
#include "tst_userinput.moc"
