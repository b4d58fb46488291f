#pragma once

// The menu window's geometry and the small helpers its parts share.
#include "menu/gui/DesignLook.h"
#include "ui/widgets/CaptionFit.h"
#include "ui/widgets/FillList.h"

#include <QKeyEvent>
#include <QRect>
#include <QStyledItemDelegate>

namespace menu::layout {

// Where the controls sit in the 632 x 413 client area.
inline constexpr int kMargin = 10;
inline constexpr int kBandTop = 21;
inline constexpr int kBandWidth = 612;
inline constexpr int kLargeBandHeight = 61;
inline constexpr int kSmallBandHeight = 58;
inline constexpr int kHeadTop = 88;
inline constexpr int kListTop = 107;
inline constexpr int kListHeight = 228;
inline constexpr int kFrameLeft = 7;
inline constexpr int kNarrowFrame = 252, kNarrowList = 247;
inline constexpr int kWideFrame = 618, kWideList = 612;
inline constexpr int kBoxLeft = 266;
inline constexpr int kBoxWidth = 359;
inline constexpr int kGroupHeadTop = 338;
inline constexpr int kButtonTop = 356;
inline constexpr int kButtonWidth = 72, kButtonHeight = 46, kButtonStep = 75;
inline constexpr int kButtonPoints = 11; // captions shrink from here until a whole row fits
inline constexpr int kRightGroupLeft = 400;
inline constexpr int kDetailLeft = kBoxLeft + 8;
inline constexpr int kSizeValueLeft = kDetailLeft + 72, kSizeUpValueLeft = kDetailLeft + 246;
inline constexpr int kSizeValueShift = 14; // German size labels are longer

// The picture window docked over the details box, and floating beside the window.
inline const QRect kDockedPicture(kDetailLeft, 126, 347, 206);
inline constexpr int kNarrowScreen = 800;
inline constexpr int kFloatingLeft = 638, kNarrowFloatingLeft = 494, kNarrowFloatingTop = 4;

inline constexpr int kSmallItemIcon = 16, kLargeItemIcon = 22;
inline constexpr int kLargeCategoryIcon = 32, kSmallCategoryIcon = 25;
inline constexpr int kLargeIconCategories = 6; // fewer categories than this get large icons
// The band's cells share its width between them, within these bounds.
inline constexpr int kNarrowestBandCell = 54, kWidestBandCell = 120;
inline constexpr int kBandCellPadding = 3;
inline constexpr qreal kLeastBandPoints = 7; // still readable; smaller captions are cut instead

inline constexpr int kCategoryRole = Qt::UserRole;
inline constexpr int kItemRole = Qt::UserRole;
inline constexpr int kIconRole = Qt::UserRole + 1;

inline bool isNavigationKey(int key) {
    switch (key) {
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_End:
    case Qt::Key_Home:
    case Qt::Key_Left:
    case Qt::Key_Up:
    case Qt::Key_Right:
    case Qt::Key_Down:
        return true;
    default:
        return false;
    }
}

// What the viewer did to one of the window's lists, as the list's event filter sees it: Enter
// pressed, the mouse button released or double-clicked, a key that moves through the list released.
// Held keys repeat their press only, and count once.
enum class ListInput { Other, Enter, Released, DoubleClicked, Moved };

inline ListInput listInput(const QEvent& event) {
    switch (event.type()) {
    case QEvent::KeyPress: {
        const auto& key = static_cast<const QKeyEvent&>(event);
        const bool enter = key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter;
        return enter && !key.isAutoRepeat() ? ListInput::Enter : ListInput::Other;
    }
    case QEvent::MouseButtonRelease:
        return ListInput::Released;
    case QEvent::MouseButtonDblClick:
        return ListInput::DoubleClicked;
    case QEvent::KeyRelease: {
        const auto& key = static_cast<const QKeyEvent&>(event);
        return !key.isAutoRepeat() && isNavigationKey(key.key()) ? ListInput::Moved : ListInput::Other;
    }
    default:
        return ListInput::Other;
    }
}

inline void setListFill(ui::FillList* list, const menu::BoxStyle& box, const QPixmap& wallpaper) {
    list->setFillColor(box.color);
    list->setWallpaper(wallpaper);
    list->setTextColor(box.textColor);
}

// Gives every entry of a list in icon view the same cell, so that captions wrap across the cell's
// width rather than the icon's; words too long for that width wrap with a hyphen instead of being cut.
class CellDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void setCellSize(const QSize& size) { m_size = size; }
    void setCaptionRoom(const QFont& font, int width) {
        m_captionFont = font;
        m_captionWidth = width;
    }
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        return m_size.isValid() ? m_size : QStyledItemDelegate::sizeHint(option, index);
    }
    QString displayText(const QVariant& value, const QLocale& locale) const override {
        const QString text = QStyledItemDelegate::displayText(value, locale);
        return m_captionWidth > 0
                   ? ui::withBreaksInLongWords(text, QFontMetrics(m_captionFont), m_captionWidth)
                   : text;
    }

private:
    QSize m_size;
    QFont m_captionFont;
    int m_captionWidth = 0;
};

} // namespace menu::layout
