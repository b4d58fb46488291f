#include "menu/gui/MenuWindow.h"
#include "ui/Display.h"
#include "ui/services/DesktopServices.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char** argv) {
    if (!ui::displayAvailable()) {
        std::fputs("tiv needs a graphical display, and none was found (DISPLAY is not set).\n", stderr);
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tiv"));
    ui::DesktopServices desktop;
    MenuWindow form1(desktop.services());
    form1.show();
    return QApplication::exec();
}
