#include "editor/gui/NamedButton.h"

#include <QPushButton>

QPushButton* namedButton(QWidget* parent, const char* name, const QString& caption) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QLatin1String(name));
    b->setAutoDefault(false);
    return b;
}
