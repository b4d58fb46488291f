#pragma once
// The menu window driven as the viewer drives it: clicks on the category band and the item list,
// the entries of its drop-down menus and the serial number's context menu.

#include "menu/gui/MenuWindow.h"
#include "ui/testing/UserInput.h"
#include "ui/widgets/FillList.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QtTest>

namespace menudriver {

inline ui::FillList& band(MenuWindow& form) {
    return *ui::testing::control<ui::FillList>(form, QStringLiteral("genre"));
}

inline ui::FillList& items(MenuWindow& form) {
    return *ui::testing::control<ui::FillList>(form, QStringLiteral("members"));
}

inline void chooseCategory(MenuWindow& form, int row) {
    QVERIFY(ui::testing::clickRow(band(form), row));
}

inline void chooseItem(MenuWindow& form, int row) {
    QVERIFY(ui::testing::clickRow(items(form), row));
}

// Opens a drop-down menu of the window by its button and chooses the entry `entry` in it.
[[nodiscard]] inline bool chooseFromMenu(MenuWindow& form, const QString& button, const QString& menuName,
                                         const QString& entry) {
    if (!ui::testing::press(form, button))
        return false;
    auto* menu = ui::testing::control<QMenu>(form, menuName);
    return menu && ui::testing::trigger(*menu, entry);
}

// The about button's menu: the picture options, the about box and the home pages.
[[nodiscard]] inline bool chooseOption(MenuWindow& form, const QString& entry) {
    return chooseFromMenu(form, QStringLiteral("about"), QStringLiteral("aboutmenu"), entry);
}

// The scan button's menu: the NFO and File_id.diz texts of an archive.
[[nodiscard]] inline bool chooseZipText(MenuWindow& form, const QString& entry) {
    return chooseFromMenu(form, QStringLiteral("nfo"), QStringLiteral("zipmenu"), entry);
}

// The serial number's context menu, opened by the right mouse button, and its one entry.
[[nodiscard]] inline bool copySerial(MenuWindow& form) {
    QWidget* serial = ui::testing::control<QWidget>(form, QStringLiteral("serial"));
    if (!serial || !serial->isVisible())
        return false;
    const QPoint middle = serial->rect().center();
    QContextMenuEvent click(QContextMenuEvent::Mouse, middle, serial->mapToGlobal(middle));
    QApplication::sendEvent(serial, &click);
    auto* menu = ui::testing::control<QMenu>(form, QStringLiteral("serialmenu"));
    return menu && ui::testing::trigger(*menu, QStringLiteral("CopySerialtoClipboard1"));
}

} // namespace menudriver
