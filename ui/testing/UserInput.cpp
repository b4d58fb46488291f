#include "ui/testing/UserInput.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMouseEvent>

namespace ui::testing {

namespace {

bool refused(const QString& objectName, const char* why) {
    qWarning().noquote() << objectName << why;
    return false;
}

// Whether a modal dialog takes the input that a user would give to `widget`: every other window is
// blocked while an application-modal dialog is open, the windows it was opened from while a
// window-modal one is.
bool behindModalDialog(const QWidget& widget) {
    const QWidget* modal = QApplication::activeModalWidget();
    if (!modal)
        return false;
    const QWidget* own = widget.window();
    for (const QWidget* w = own; w; w = w->parentWidget()) {
        if (w == modal)
            return false;
    }
    if (modal->windowModality() != Qt::WindowModal)
        return true;
    for (const QWidget* w = modal->parentWidget(); w; w = w->parentWidget()) {
        if (w == own)
            return true;
    }
    return false;
}

} // namespace

bool belongsTo(const QObject& object, const QWidget& window) {
    // A command is the window's wherever its menus show it; a widget only outside its dialogs.
    const bool command = !object.isWidgetType();
    for (const QObject* parent = object.parent(); parent; parent = parent->parent()) {
        if (parent == &window)
            return true;
        if (!command && parent->isWidgetType() && static_cast<const QWidget*>(parent)->isWindow())
            return false;
    }
    return false;
}

bool press(QWidget& window, const QString& objectName) {
    QAbstractButton* button = control<QAbstractButton>(window, objectName);
    if (!button)
        return false;
    if (!button->isVisibleTo(&window))
        return refused(objectName, "is hidden");
    if (!button->isEnabled())
        return refused(objectName, "is disabled");
    if (behindModalDialog(*button))
        return refused(objectName, "is behind a modal dialog");
    button->click();
    return true;
}

bool trigger(QWidget& window, const QString& objectName) {
    QAction* action = control<QAction>(window, objectName);
    if (!action)
        return false;
    auto* menu = qobject_cast<QMenu*>(&window);
    if (menu && !menu->isVisible())
        return refused(objectName, "is in a menu that is not open");
    if (!action->isVisible())
        return refused(objectName, "is hidden");
    if (!action->isEnabled())
        return refused(objectName, "is disabled");
    if (behindModalDialog(window))
        return refused(objectName, "is behind a modal dialog");
    if (menu)
        menu->hide();
    action->trigger();
    return true;
}

bool clickRow(QAbstractItemView& list, int row) {
    if (!list.isVisible())
        return refused(list.objectName(), "is hidden");
    if (!list.isEnabled())
        return refused(list.objectName(), "is disabled");
    if (behindModalDialog(list))
        return refused(list.objectName(), "is behind a modal dialog");
    const QModelIndex index = list.model()->index(row, 0, list.rootIndex());
    if (index.isValid())
        list.scrollTo(index);
    QWidget* viewport = list.viewport();
    const QPoint at = index.isValid() ? list.visualRect(index).center() : viewport->rect().center();
    for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent event(type, at, viewport->mapToGlobal(at), Qt::LeftButton,
                          type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(viewport, &event);
    }
    return true;
}

} // namespace ui::testing
