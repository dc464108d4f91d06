#pragma once

#include <QString>
#include <QStringList>

namespace pinatlas::tool {

// Text for the terminal, in UTF-8.
void out(const QString& text);
void err(const QString& text);

// True when the arguments ask for help (--help or -h anywhere).
bool wantsHelp(const QStringList& args);

// "line N: reason", or the reason alone for a defect of the whole file.
QString describeDefect(const QString& reason, int line);

} // namespace pinatlas::tool
