// The program's start as main() does it, over the program directory given as
// the first argument, ending once the first datasheet is on the screen.
#include "BenchPlatform.h"
#include "StartupProbe.h"

#include "app/ProgramDirectory.h"
#include "app/ui/MainWindow.h"
#include "platform/ui/DesktopStyle.h"
#include "platform/ui/Fonts.h"
#include "shared/Settings.h"

#include <QApplication>
#include <QScreen>

#include <cstdio>

int main(int argc, char* argv[]) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s PROGRAM_DIR\n", argv[0]);
        return 2;
    }
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("Pinatlas"));
    pinatlas::installDesktopFonts();
    pinatlas::installDesktopStyle();
    app.setQuitOnLastWindowClosed(false);
    // Frame is painted once Initialisieren has loaded the first datasheet.
    pinatlas::bench::FirstPaintProbe probe(QStringLiteral("Frame"));

    pinatlas::Settings settings;
    pinatlas::bench::BenchPlatform platform;
    pinatlas::MainWindow mainWindow(
        settings, platform, pinatlas::withTrailingSeparator(QString::fromLocal8Bit(argv[1])));
    if (const QScreen* screen = mainWindow.screen())
        mainWindow.setGeometry(screen->availableGeometry());
    mainWindow.setWindowState(Qt::WindowMaximized);
    mainWindow.start();
    if (platform.boxes != 0) {
        std::fprintf(stderr, "startup: a message box came up\n");
        return 4;
    }
    return app.exec();
}
