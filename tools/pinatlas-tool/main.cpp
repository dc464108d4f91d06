// pinatlas-tool: the library maintainers' companion to the program, built
// from the same core.
#include "Commands.h"
#include "FamilyCommands.h"
#include "ToolSupport.h"

#include "library/Names.h"

#include <QCoreApplication>

#include <cstdio>
#include <cstring>

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
                           "  families TYPE   the families a type is made in, and its twins\n"
                           "  compat DRIVER RECEIVER  whether an output drives an input\n"
                           "\n"
                           "'pinatlas-tool COMMAND --help' tells more about each;\n"
                           "'pinatlas-tool --version' prints the version.\n";

} // namespace

int main(int argc, char* argv[]) {
    // Only `render` draws, and only it starts the widgets; the other commands
    // need neither a display nor a runtime directory.
    if (argc > 1 && std::strcmp(argv[1], "render") == 0)
        return pinatlas::tool::renderMain(argc, argv);
    QCoreApplication app(argc, argv);
    // Taken as bytes: a legacy file or directory name must reach its own file.
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << pinatlas::nameFromDisk(QByteArray(argv[i]));
    if (args.isEmpty()) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    const QString command = args.takeFirst();
    if (command == QLatin1String("--help") || command == QLatin1String("-h")) {
        std::fputs(kUsage, stdout);
        return 0;
    }
    if (command == QLatin1String("--version")) {
        std::printf("pinatlas-tool %d.%d.%d\n", PINATLAS_VERSION_MAJOR, PINATLAS_VERSION_MINOR,
                    PINATLAS_VERSION_PATCH);
        return 0;
    }
    if (command == QLatin1String("check"))
        return pinatlas::tool::check(args);
    if (command == QLatin1String("dump"))
        return pinatlas::tool::dump(args);
    if (command == QLatin1String("list"))
        return pinatlas::tool::list(args);
    if (command == QLatin1String("show"))
        return pinatlas::tool::show(args);
    if (command == QLatin1String("find"))
        return pinatlas::tool::find(args);
    if (command == QLatin1String("families"))
        return pinatlas::tool::families(args);
    if (command == QLatin1String("compat"))
        return pinatlas::tool::compat(args);
    pinatlas::tool::err(QStringLiteral("pinatlas-tool: unknown command '%1'\n\n%2")
                            .arg(command, QLatin1String(kUsage)));
    return 2;
}
