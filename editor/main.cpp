#include "common/Paths.h"
#include "editor/gui/mainwindow/MainWindow.h"
#include "editor/project/EditorState.h"
#include "ui/Display.h"
#include "ui/services/DesktopServices.h"

#include <QApplication>
#include <QSplashScreen>
#include <QTimer>

#include <cstdio>

int main(int argc, char** argv) {
    if (!ui::displayAvailable()) {
        std::fputs("Lumbrel needs a graphical display, and none was found (DISPLAY is not set).\n", stderr);
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(MainWindow::applicationTitle());
    QSplashScreen splash(QPixmap(QStringLiteral(":/pictures/splash.png")));
    splash.show();
    QApplication::processEvents();

    ui::DesktopServices desktop;
    EditorState state;
    state.programFolder = common::programFolder();
    MainWindow form1(state, desktop.services());
    form1.show();
    splash.finish(&form1);
    // Once the main window is up, so that the welcome screen opens over it.
    QTimer::singleShot(0, &form1, &MainWindow::welcomeAtStart);
    return QApplication::exec();
}
