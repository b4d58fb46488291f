#pragma once

#include <QAbstractItemView>
#include <QDebug>
#include <QString>
#include <QWidget>

namespace ui::testing {

// Whether `object` belongs to `window` itself as a user sees it: a widget inside it but not inside
// another window within it (a dialog shows its own controls), an action anywhere below it (its
// menus show the window's commands).
bool belongsTo(const QObject& object, const QWidget& window);

// The one control named OBJECTNAME of WINDOW, found as a style sheet finds it but not inside the
// dialogs of WINDOW, which are windows of their own; null when there is none or more than one, with
// the reason on the test log.
template <typename Control> Control* control(const QWidget& window, const QString& objectName) {
    QList<Control*> found = window.findChildren<Control*>(objectName);
    found.removeIf([&window](const Control* c) { return !belongsTo(*c, window); });
    if (found.size() != 1) {
        qWarning().noquote() << "no single control named" << objectName << "in" << window.objectName()
                             << "but" << found.size();
        return nullptr;
    }
    return found.front();
}

// Presses the button or triggers the action named OBJECTNAME of WINDOW as a user would: only when
// there is exactly one such control, it is visible in the window and enabled, and no modal dialog
// above the window takes the click. The entries of a drop-down menu are triggered only while the
// menu is open (WINDOW is the menu), and close it as a click does. False otherwise, with the reason
// on the test log; tests write QVERIFY(press(window, u"OK"_qs)).
bool press(QWidget& window, const QString& objectName);
bool trigger(QWidget& window, const QString& objectName);

// Clicks the row of a list as a user does, with a press and a release of the left mouse button over
// it, or over the list's empty middle when it has no such row. False when the list cannot be
// clicked: hidden, disabled or behind a modal dialog.
bool clickRow(QAbstractItemView& list, int row);

} // namespace ui::testing
