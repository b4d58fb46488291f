#include "editor/gui/PointSize.h"

#include <QWidget>

#include <algorithm>

void setPointSize(QWidget* widget, int size) {
    QFont font = widget->font();
    font.setPointSize(std::max(1, size));
    widget->setFont(font);
}
