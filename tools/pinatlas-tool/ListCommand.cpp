#include "Commands.h"
#include "ToolSupport.h"

#include "library/FileAccess.h"
#include "library/IcList.h"
#include "library/Names.h"
#include "shared/Language.h"

#include <QFileInfo>

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
    "Exit status: 0 when listed, 1 when the list rejects a file (its message\n"
    "goes to stderr), 2 for wrong usage.\n";

int usageError(const QString& why) {
    err(QStringLiteral("pinatlas-tool list: %1\n\n").arg(why) + QString::fromLatin1(kListUsage));
    return 2;
}

} // namespace

int list(const QStringList& args) {
    if (wantsHelp(args)) {
        out(QString::fromLatin1(kListUsage));
        return 0;
    }
    QString dir;
    IcSort sort = IcSort::ByType;
    Language language = Language::English;
    for (int i = 0; i < args.size(); ++i) {
        QString arg = args[i];
        QString value;
        const qsizetype eq = arg.indexOf(u'=');
        if (arg.startsWith(QLatin1String("--")) && eq > 0) {
            value = arg.mid(eq + 1);
            arg = arg.left(eq);
        } else if (arg == QLatin1String("--sort") || arg == QLatin1String("--lang")) {
            if (i + 1 >= args.size())
                return usageError(QStringLiteral("%1 needs a value").arg(arg));
            value = args[++i];
        }
        if (arg == QLatin1String("--sort")) {
            if (value == QLatin1String("type"))
                sort = IcSort::ByType;
            else if (value == QLatin1String("description"))
                sort = IcSort::ByDescription;
            else
                return usageError(QStringLiteral("unknown sort order '%1'").arg(value));
        } else if (arg == QLatin1String("--lang")) {
            const std::optional<Language> chosen = languageOfCode(value);
            if (!chosen)
                return usageError(QStringLiteral("unknown language '%1'").arg(value));
            language = *chosen;
        } else if (arg.startsWith(u'-')) {
            return usageError(QStringLiteral("unknown option '%1'").arg(arg));
        } else if (dir.isEmpty()) {
            dir = arg;
        } else {
            return usageError(QStringLiteral("one directory only"));
        }
    }
    if (dir.isEmpty())
        return usageError(QStringLiteral("no directory given"));
    if (!isDirectory(dir))
        return usageError(QStringLiteral("not a directory: %1").arg(visible(markedName(dir))));

    const QString prefix = dir.endsWith(u'/') ? dir : dir + u'/';
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
