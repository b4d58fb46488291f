#include "mainwindow/Tform1.h"
#include "ui/Display.h"
#include "ui/services/DesktopServices.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char** argv) {
    if (!ui::displayAvailable()) {
        std::fputs("Lumbrel needs a graphical display, and none was found (DISPLAY is not set).\n", stderr);
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(Tform1::applicationTitle());
    ui::DesktopServices desktop;
    Tform1 form1(desktop.services());
    form1.show();
    return QApplication::exec();
}
