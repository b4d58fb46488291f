#pragma once

#include <QString>

class QWidget;

namespace ui::testing {

// Presses the button or triggers the action named OBJECTNAME inside WINDOW as a user would: only when
// there is exactly one such control and it is visible in the window and enabled. False otherwise,
// with the reason on the test log; tests write QVERIFY(press(window, u"OK"_qs)).
bool press(QWidget& window, const QString& objectName);
bool trigger(QWidget& window, const QString& objectName);

} // namespace ui::testing
