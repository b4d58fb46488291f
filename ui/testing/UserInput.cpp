#include "ui/testing/UserInput.h"

#include <QAbstractButton>
#include <QAction>
#include <QDebug>
#include <QWidget>

namespace ui::testing {

namespace {

template <typename Control> Control* onlyOne(QWidget& window, const QString& objectName) {
    const QList<Control*> found = window.findChildren<Control*>(objectName);
    if (found.size() != 1) {
        qWarning().noquote() << "no single control named" << objectName << "in" << window.objectName()
                             << "but" << found.size();
        return nullptr;
    }
    return found.front();
}

bool refused(const QString& objectName, const char* why) {
    qWarning().noquote() << objectName << why;
    return false;
}

} // namespace

bool press(QWidget& window, const QString& objectName) {
    QAbstractButton* button = onlyOne<QAbstractButton>(window, objectName);
    if (!button)
        return false;
    if (!button->isVisibleTo(&window))
        return refused(objectName, "is hidden");
    if (!button->isEnabled())
        return refused(objectName, "is disabled");
    button->click();
    return true;
}

bool trigger(QWidget& window, const QString& objectName) {
    QAction* action = onlyOne<QAction>(window, objectName);
    if (!action)
        return false;
    if (!action->isVisible())
        return refused(objectName, "is hidden");
    if (!action->isEnabled())
        return refused(objectName, "is disabled");
    action->trigger();
    return true;
}

} // namespace ui::testing
