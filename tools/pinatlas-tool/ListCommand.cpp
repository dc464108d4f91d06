#include "Commands.h"
#include "ToolSupport.h"

#include "library/FileAccess.h"
#include "library/IcList.h"
#include "library/Names.h"
#include "shared/Language.h"

#include <QCommandLineParser>

namespace pinatlas::tool {
namespace {

const char* const kListUsage =
    "usage: pinatlas-tool list DIR [--sort type|description] [--lang D|E]\n"
    "\n"
    "Prints the rows the IC list shows for the directory, header row first,\n"
    "cells separated by a tab. Sorts by type and speaks English unless told\n"
    "otherwise. Control characters, tabs and line breaks in names are shown as\n"
    "\\e, \\t, \\n, \\x9d, <U+202E> and the like. An empty directory gives the\n"
    "header and one empty row, as the list does.\n"
    "\n"
    "Exit status: 0 when listed, 1 when the directory cannot be read or the\n"
    "list rejects a file (its message goes to stderr), 2 for wrong usage.\n";

int usageError(const QString& why) {
    return tool::usageError("list", why, kListUsage);
}

} // namespace

int list(const QStringList& args) {
    if (wantsHelp(args)) {
        out(QString::fromLatin1(kListUsage));
        return 0;
    }
    QCommandLineParser parser;
    const QCommandLineOption sortOption(QStringLiteral("sort"), {}, QStringLiteral("order"));
    const QCommandLineOption langOption(QStringLiteral("lang"), {}, QStringLiteral("code"));
    if (const QString why = parseOptions(parser, args, {sortOption, langOption}); !why.isEmpty())
        return usageError(why);
    IcSort sort = IcSort::ByType;
    if (parser.isSet(sortOption)) {
        const QString value = parser.value(sortOption);
        if (value == QLatin1String("type"))
            sort = IcSort::ByType;
        else if (value == QLatin1String("description"))
            sort = IcSort::ByDescription;
        else
            return usageError(QStringLiteral("--sort takes type or description"));
    }
    Language language = Language::English;
    if (!readLanguageOption(parser, langOption, language))
        return usageError(kLanguageOptionError);
    const QStringList dirs = parser.positionalArguments();
    if (dirs.isEmpty())
        return usageError(QStringLiteral("no directory given"));
    if (dirs.size() > 1)
        return usageError(QStringLiteral("one directory only"));
    const QString& dir = dirs.front();
    if (!isDirectory(dir))
        return usageError(QStringLiteral("not a directory: %1").arg(visible(markedName(dir))));

    const QString prefix = dir.endsWith(u'/') ? dir : dir + u'/';
    // Unread, the directory would look empty.
    if (const std::optional<QString> why = listingError(prefix)) {
        err(QStringLiteral("pinatlas-tool list: %1: the directory cannot be read (%2)\n")
                .arg(visible(markedName(prefix)), *why));
        return 1;
    }
    const DirectoryScan scan = scanIcDirectory(prefix);
    if (scan.failed()) {
        err(defectiveFileMessage(language, visible(markedName(prefix + scan.failedFile)),
                                 QStringLiteral("\n"))
                .text +
            u'\n');
        return 1;
    }
    QString text = icListHeaders(language).join(u'\t') + u'\n';
    const std::vector<IcRow> rows = sortIcList(scan.entries, sort, language);
    for (const IcRow& row : rows)
        text += visible(markedName(row.type)) + u'\t' + visible(row.description) + u'\t' +
                row.pins + u'\n';
    if (rows.empty())
        text += QStringLiteral("\t\t\n");
    out(text);
    return 0;
}

} // namespace pinatlas::tool
