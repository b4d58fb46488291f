#include "TForm1.h"

#include <QGuiApplication>
#include <QScreen>

TForm1::TForm1(ui::Services services, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowMinimizeButtonHint),
      m_services(services) {
    setObjectName(QStringLiteral("Form1"));
    setFixedSize(kClientWidth, kClientHeight);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}
