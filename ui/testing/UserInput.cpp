#include "ui/testing/UserInput.h"

#include <QAbstractButton>
#include <QAction>

namespace ui::testing {

namespace {

bool refused(const QString& objectName, const char* why) {
    qWarning().noquote() << objectName << why;
    return false;
}

} // namespace

bool press(QWidget& window, const QString& objectName) {
    QAbstractButton* button = control<QAbstractButton>(window, objectName);
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
    QAction* action = control<QAction>(window, objectName);
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
