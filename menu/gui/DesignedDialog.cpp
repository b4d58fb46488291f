#include "menu/gui/DesignedDialog.h"

#include "menu/gui/DesignLook.h"

#include <QPainter>

namespace menu {

void DesignedDialog::setDesignBackground(const DesignLook& look) {
    m_backdrop = look.windowBackdrop();
    update();
}

void DesignedDialog::paintEvent(QPaintEvent*) {
    QPainter p(this);
    m_backdrop.paint(p, rect());
}

} // namespace menu
