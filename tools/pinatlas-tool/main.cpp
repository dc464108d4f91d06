// pinatlas-tool: the library maintainers' companion to the program, built
// from the same core.
#include "Commands.h"

#include "platform/ui/Fonts.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTextStream>

#include <cstdio>

#include <unistd.h>

namespace {

const char* const kUsage = "usage: pinatlas-tool COMMAND [ARGS]\n"
                           "\n"
                           "commands:\n"
                           "  check PATH...   check datasheet files or directories\n"
                           "  dump FILE       print a datasheet as JSON\n"
                           "  list DIR        print the IC list of a directory\n"
                           "  render FILE     draw a datasheet into a PNG picture or a PDF\n"
                           "  show TYPE       print a datasheet in the terminal\n"
                           "  find TEXT       list the sheets that match a type or words\n"
                           "\n"
                           "'pinatlas-tool COMMAND --help' tells more about each.\n";

} // namespace

int main(int argc, char* argv[]) {
    // Only `render` draws; it runs on the offscreen platform so that the tool
    // needs no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt wants a private runtime directory even offscreen; without one it
    // warns on every run, which would mix into the tool's own output.
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        const QByteArray dir =
            QDir::tempPath().toLocal8Bit() + "/pinatlas-tool-" + QByteArray::number(uint(getuid()));
        if (QDir().mkpath(QString::fromLocal8Bit(dir)) &&
            QFile::setPermissions(QString::fromLocal8Bit(dir), QFileDevice::ReadOwner |
                                                                   QFileDevice::WriteOwner |
                                                                   QFileDevice::ExeOwner))
            qputenv("XDG_RUNTIME_DIR", dir);
    }
    QApplication app(argc, argv);
    pinatlas::installDesktopFonts();
    QStringList args = app.arguments().mid(1);
    if (args.isEmpty()) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    const QString command = args.takeFirst();
    if (command == QLatin1String("--help") || command == QLatin1String("-h")) {
        std::fputs(kUsage, stdout);
        return 0;
    }
    if (command == QLatin1String("check"))
        return pinatlas::tool::check(args);
    if (command == QLatin1String("dump"))
        return pinatlas::tool::dump(args);
    if (command == QLatin1String("list"))
        return pinatlas::tool::list(args);
    if (command == QLatin1String("render"))
        return pinatlas::tool::render(args);
    if (command == QLatin1String("show"))
        return pinatlas::tool::show(args);
    if (command == QLatin1String("find"))
        return pinatlas::tool::find(args);
    std::fprintf(stderr, "pinatlas-tool: unknown command '%s'\n\n%s", qPrintable(command), kUsage);
    return 2;
}
