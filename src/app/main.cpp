#include "app/ProgramDirectory.h"
#include "app/ui/MainWindow.h"
#include "platform/ui/DesktopStyle.h"
#include "platform/ui/Fonts.h"
#include "platform/ui/QtPlatform.h"
#include "shared/Settings.h"

#include <QApplication>
#include <QIcon>
#include <QScreen>

#include <cstdio>
#include <cstring>

int main(int argc, char* argv[]) {
    // Answered before any window or display is touched, so that it works
    // anywhere, also over ssh without a display.
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::printf("pinatlas %d.%d.%d\n", PINATLAS_VERSION_MAJOR, PINATLAS_VERSION_MINOR,
                    PINATLAS_VERSION_PATCH);
        return 0;
    }
    // Asked in a terminal, help must not open the window instead.
    if (argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
        std::fputs("usage: pinatlas [--version | --help]\n"
                   "\n"
                   "Opens the data book of logic ICs on the library beside the program (or\n"
                   "the user's library of an installed program). 'man pinatlas' tells more;\n"
                   "pinatlas-tool serves the people who keep the library.\n",
                   stdout);
        return 0;
    }
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("Pinatlas"));
    // Lets the desktop match the windows to the menu entry and its icon.
    app.setDesktopFileName(QStringLiteral(PINATLAS_APP_ID));
    app.setWindowIcon(QIcon::fromTheme(QStringLiteral(PINATLAS_APP_ID)));
    pinatlas::installDesktopFonts();
    pinatlas::installDesktopStyle();
    // Wizard pages and dialogs must not keep the program alive after the main window closed.
    app.setQuitOnLastWindowClosed(false);

    pinatlas::Settings settings;
    pinatlas::QtPlatform platform;
    pinatlas::MainWindow mainWindow(settings, platform, pinatlas::programDirectory(platform));
    // The start-up layout is made for the whole screen: open the window that size.
    if (const QScreen* screen = mainWindow.screen())
        mainWindow.setGeometry(screen->availableGeometry());
    mainWindow.setWindowState(Qt::WindowMaximized);
    mainWindow.start();
    return app.exec();
}
