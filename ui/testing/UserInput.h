#pragma once

#include <QDebug>
#include <QString>
#include <QWidget>

namespace ui::testing {

// The one control named OBJECTNAME inside WINDOW, found as a style sheet finds it; null when there is
// none or more than one, with the reason on the test log.
template <typename Control> Control* control(const QWidget& window, const QString& objectName) {
    const QList<Control*> found = window.findChildren<Control*>(objectName);
    if (found.size() != 1) {
        qWarning().noquote() << "no single control named" << objectName << "in" << window.objectName()
                             << "but" << found.size();
        return nullptr;
    }
    return found.front();
}

// Presses the button or triggers the action named OBJECTNAME inside WINDOW as a user would: only when
// there is exactly one such control and it is visible in the window and enabled. False otherwise,
// with the reason on the test log; tests write QVERIFY(press(window, u"OK"_qs)).
bool press(QWidget& window, const QString& objectName);
bool trigger(QWidget& window, const QString& objectName);

} // namespace ui::testing
