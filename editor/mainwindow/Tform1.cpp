#include "Tform1.h"

Tform1::Tform1(ui::Services services, QWidget* parent) : QMainWindow(parent), m_services(services) {
    setObjectName(QStringLiteral("form1"));
    setWindowTitle(applicationTitle());
    resize(800, 560);
}
