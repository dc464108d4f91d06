// The least a Qt Widgets program does to show something: one window with an
// empty table, ending once it is on the screen.
#include "StartupProbe.h"

#include <QApplication>
#include <QScreen>
#include <QTableWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    pinatlas::bench::FirstPaintProbe probe(QStringLiteral("table"));
    QTableWidget table(0, 3);
    table.setObjectName(QStringLiteral("table"));
    if (const QScreen* screen = table.screen())
        table.setGeometry(screen->availableGeometry());
    table.setWindowState(Qt::WindowMaximized);
    table.show();
    return app.exec();
}
