#include "common/Paths.h"
#include "editor/cli/CommandLine.h"
#include "editor/cli/CommandRunner.h"
#include "editor/gui/mainwindow/MainWindow.h"
#include "editor/project/EditorState.h"
#include "ui/Display.h"
#include "ui/services/DesktopServices.h"

#include <QApplication>
#include <QSplashScreen>
#include <QTimer>

#include <cstdio>

namespace {

QStringList argumentsAfterProgram(int argc, char** argv) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

} // namespace

int main(int argc, char** argv) {
    // A command runs without a window, so it needs no display.
    if (const QStringList arguments = argumentsAfterProgram(argc, argv); cli::isCommandLine(arguments)) {
        QCoreApplication app(argc, argv);
        QCoreApplication::setApplicationVersion(QStringLiteral(LUMBREL_VERSION));
        return cli::run(arguments);
    }
    if (!ui::displayAvailable()) {
        std::fputs("Lumbrel needs a graphical display, and none was found (DISPLAY is not set).\n", stderr);
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(MainWindow::applicationTitle());
    QApplication::setApplicationVersion(QStringLiteral(LUMBREL_VERSION));
    // Lets the desktop match the window to the installed desktop entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.tavik.Lumbrel"));
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
