#include "app/ProgramDirectory.h"
#include "app/Settings.h"
#include "app/ui/Haupt.h"
#include "platform/ui/QtPlatform.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("Pinatlas"));
    // Wizard pages and dialogs must not keep the program alive after Haupt closed.
    app.setQuitOnLastWindowClosed(false);

    pinatlas::Settings settings;
    pinatlas::QtPlatform platform;
    pinatlas::Haupt haupt(settings, platform, pinatlas::programDirectory());
    haupt.setWindowState(Qt::WindowMaximized);
    haupt.start();
    return app.exec();
}
