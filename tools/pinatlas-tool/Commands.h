#pragma once

#include <QStringList>

namespace pinatlas::tool {

// Each command takes its own arguments (without the command name) and returns
// the process exit code: 0 success, 1 a defect was found, 2 wrong usage.
int check(const QStringList& args);
int dump(const QStringList& args);
int list(const QStringList& args);
// `render` with the whole command line: starts the widgets on the offscreen
// platform, then draws.
int renderMain(int argc, char* argv[]);
int show(const QStringList& args);
int find(const QStringList& args);

} // namespace pinatlas::tool
