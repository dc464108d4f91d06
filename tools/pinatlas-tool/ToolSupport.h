#pragma once

#include "library/Datasheet.h"
#include "shared/Language.h"

#include <QCommandLineOption>
#include <QString>
#include <QStringList>

class QCommandLineParser;

namespace pinatlas::tool {

// Text for the terminal, in UTF-8. A control character other than a line
// break or a tab never gets through, whatever a command forgot to escape.
void out(const QString& text);
void err(const QString& text);

// True when the arguments ask for help (--help or -h anywhere before "--").
bool wantsHelp(const QStringList& args);

// Reads a command's arguments (without the command name) with `options`, which
// may also be written --name=value. Empty when they parse, else why not: an
// unknown option or one without its value. The command checks the values.
QString parseOptions(QCommandLineParser& parser, const QStringList& args,
                     const QList<QCommandLineOption>& options);

// Sets `language` from --lang when it is given; false when it names neither
// language, which the command reports as kLanguageOptionError.
bool readLanguageOption(const QCommandLineParser& parser, const QCommandLineOption& option,
                        Language& language);
inline const QString kLanguageOptionError = QStringLiteral("--lang takes D or E");

// "pinatlas-tool COMMAND: why", a blank line and the usage on stderr; returns
// the exit status for wrong usage, 2.
int usageError(const char* command, const QString& why, const char* usage);

// "line N: reason", or the reason alone for a defect of the whole file.
QString describeDefect(const QString& reason, int line);

// Text from a sheet or a file name, with every control character spelt out,
// line breaks and tabs too, so that one record stays on one line.
QString visible(const QString& text);

// The sheet with every text in it made visible.
Datasheet visibleSheet(Datasheet sheet);

// The file of the library's sheet of `type`, its own type or function number
// in any maker's or family's spelling; or, when there is none, why not. A type
// that only begins another ("7419" of 74190) is no answer: its pinout differs.
struct SheetLookup {
    QString path;
    QString error;
};
SheetLookup lookUpSheet(const QString& library, const QString& type);

// False, with "pinatlas-tool COMMAND: the library ... cannot be read" on
// stderr, when the library's directory cannot be listed: unread, it would
// look like one without the sheet asked for.
bool libraryReadable(const char* command, const QString& library);

// True when the locale's character set (LC_CTYPE) is UTF-8, wherever the
// output goes.
bool utf8Locale();

} // namespace pinatlas::tool
