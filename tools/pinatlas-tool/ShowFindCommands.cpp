#include "Commands.h"
#include "ToolSupport.h"

#include "app/ProgramDirectory.h"
#include "display/SheetText.h"
#include "library/DatasheetReader.h"
#include "library/FileAccess.h"
#include "library/Names.h"
#include "library/PartIndex.h"
#include "shared/Language.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <array>

namespace pinatlas::tool {
namespace {

const char* const kShowUsage =
    "usage: pinatlas-tool show TYPE-OR-FILE [--lang D|E] [--library DIR] [--ascii]\n"
    "\n"
    "Prints a datasheet for the terminal: the title, the DIL package with pin\n"
    "numbers inside and names outside, the function, data and extra tables as\n"
    "aligned columns, and the comment. An argument with a '/' in it or ending\n"
    "in .txt is a file; any other name that is not a file is looked up in the\n"
    "library as the Find window does, so 'show 74HC595' finds 74595.\n"
    "\n"
    "  --lang D|E     language of the title, comment and labels (default E)\n"
    "  --library DIR  the directory holding the library directories (default:\n"
    "                 the one the program opens: beside pinatlas-tool, or the\n"
    "                 user's library when the program is installed, the shipped\n"
    "                 library until the program has made it; standard error\n"
    "                 names the one read)\n"
    "  --ascii        plain ASCII; also chosen when the locale's character set\n"
    "                 is not UTF-8\n"
    "\n"
    "Control characters in the sheet are shown as \\e, \\x9d, <U+202E> and the\n"
    "like, never sent to the terminal.\n"
    "\n"
    "Exit status: 0 shown, 1 no such sheet, a defective one or a library that\n"
    "cannot be read (said on stderr), 2 wrong usage.\n";

const char* const kFindUsage =
    "usage: pinatlas-tool find TEXT [--lang D|E] [--library DIR]\n"
    "\n"
    "Prints the sheets the Find window lists for TEXT, best first, one per\n"
    "line: directory, type and description. TEXT is a type number in any\n"
    "family or maker's spelling (HC595, SN74HC595N, CD4017B) or words of the\n"
    "German or English description, in any order and without accents.\n"
    "\n"
    "  --lang D|E     language of the descriptions (default E)\n"
    "  --library DIR  the directory holding the library directories (default:\n"
    "                 the one the program opens, as for show)\n"
    "\n"
    "Exit status: 0 when something matches, 1 when nothing does or the library\n"
    "cannot be read (said on stderr), 2 wrong usage.\n";

struct Options {
    QString subject;
    Language language = Language::English;
    QString library; // empty: the one the program opens
    bool ascii = false;
    QString error;
};

Options parse(const QStringList& args, bool allowAscii) {
    Options o;
    QCommandLineParser parser;
    const QCommandLineOption langOption(QStringLiteral("lang"), {}, QStringLiteral("code"));
    const QCommandLineOption libraryOption(QStringLiteral("library"), {}, QStringLiteral("dir"));
    const QCommandLineOption asciiOption(QStringLiteral("ascii"));
    QList<QCommandLineOption> options{langOption, libraryOption};
    if (allowAscii)
        options << asciiOption;
    o.error = parseOptions(parser, args, options);
    if (!o.error.isEmpty())
        return o;
    if (!readLanguageOption(parser, langOption, o.language))
        o.error = kLanguageOptionError;
    o.library = parser.value(libraryOption);
    o.ascii = allowAscii && parser.isSet(asciiOption);
    const QStringList subjects = parser.positionalArguments();
    if (subjects.size() > 1)
        o.error = QStringLiteral("unknown argument '%1'").arg(subjects[1]);
    else if (subjects.isEmpty())
        o.error = allowAscii ? QStringLiteral("TYPE-OR-FILE is needed")
                             : QStringLiteral("TEXT is needed");
    else
        o.subject = subjects[0];
    return o;
}

// The library the program itself would open, named on standard error as the
// choice is not obvious. An installed program makes the user's library at its
// first start; until then the shipped one is all there is.
QString programLibrary() {
    const QString toolDir = QCoreApplication::applicationDirPath();
    const ProgramPlace place = chooseProgramPlace(
        toolDir, QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation),
        QFileInfo(toolDir).isWritable());
    QString library = place.directory;
    QString which = place.shipped.isEmpty() ? QStringLiteral("the library beside the tool")
                                            : QStringLiteral("the user's library");
    if (!place.shipped.isEmpty() && !QFileInfo(place.directory).isDir()) {
        library = place.shipped;
        which = QStringLiteral("the shipped library (the program has not made the user's yet)");
    }
    err(QStringLiteral("pinatlas-tool: reading %1 in %2\n").arg(which, visible(library)));
    return library;
}

// An argument that looks like a path names a file even when there is none:
// a mistyped path must not show some other sheet of a similar type.
bool namesFile(const QString& arg) {
    return arg.contains(u'/') || arg.endsWith(QLatin1String(".txt"), Qt::CaseInsensitive) ||
           (entryExists(arg) && !isDirectory(arg));
}

} // namespace

int show(const QStringList& args) {
    if (wantsHelp(args)) {
        out(QString::fromLatin1(kShowUsage));
        return 0;
    }
    const Options o = parse(args, true);
    if (!o.error.isEmpty())
        return usageError("show", o.error, kShowUsage);

    QString path = o.subject;
    if (!namesFile(path)) {
        const QString library = o.library.isEmpty() ? programLibrary() : o.library;
        if (!libraryReadable("show", library))
            return 1;
        const SheetLookup found = lookUpSheet(library, o.subject);
        if (found.path.isEmpty()) {
            err(QStringLiteral("pinatlas-tool show: %1\n").arg(found.error));
            return 1;
        }
        path = found.path;
    }
    const QString type = typeOfFileName(path.mid(path.lastIndexOf(u'/') + 1));
    const ReadResult result = readDatasheetFile(path, type);
    if (!result.file) {
        err(QStringLiteral("pinatlas-tool show: %1: %2\n")
                .arg(visible(markedName(path)),
                     visible(describeDefect(result.defect, result.defectLine))));
        return 1;
    }
    // Made visible before the layout, so that the columns are measured as shown.
    const Datasheet sheet = visibleSheet(result.file->sheet);
    const bool english = o.language == Language::English;
    const QString title =
        visible(markedName(type)) + (english ? QStringLiteral(":  ") + sheet.descriptionEn
                                             : QStringLiteral(": ") + sheet.descriptionDe);
    QStringList comment = english ? result.file->commentEn : result.file->commentDe;
    for (QString& line : comment)
        line = visible(line);
    out(sheetAsText(sheet, comment, title, o.language, o.ascii || !utf8Locale()));
    return 0;
}

int find(const QStringList& args) {
    if (wantsHelp(args)) {
        out(QString::fromLatin1(kFindUsage));
        return 0;
    }
    const Options o = parse(args, false);
    if (!o.error.isEmpty())
        return usageError("find", o.error, kFindUsage);
    const QString library = o.library.isEmpty() ? programLibrary() : o.library;
    if (!libraryReadable("find", library))
        return 1;
    PartIndex index(library);
    const std::vector<PartMatch> matches = index.find(o.subject, o.language);
    // What the Find window says beside the matches goes to standard error.
    const PartQuery query = makePartQuery(o.subject);
    const PartRecord* best = matches.empty() ? nullptr : &index.records()[matches.front().record];
    const QString note = searchNote(
        query, best,
        best && !query.family.isEmpty() ? dataTableFamilies(index.pathOf(*best)) : QStringList(),
        o.language);
    if (!note.isEmpty())
        err(visible(note) + u'\n');
    int dirWidth = 0;
    int typeWidth = 0;
    std::vector<std::array<QString, 3>> rows;
    for (const PartMatch& m : matches) {
        const PartRecord& r = index.records()[m.record];
        rows.push_back(
            {visible(markedName(r.directory)), visible(markedName(r.type)),
             visible(o.language == Language::German ? r.descriptionDe : r.descriptionEn)});
        dirWidth = std::max(dirWidth, int(rows.back()[0].size()));
        typeWidth = std::max(typeWidth, int(rows.back()[1].size()));
    }
    QString text;
    for (const auto& [directory, type, description] : rows)
        text += directory.leftJustified(dirWidth) + QStringLiteral("  ") +
                type.leftJustified(typeWidth) + QStringLiteral("  ") + description + u'\n';
    out(text);
    return matches.empty() ? 1 : 0;
}

} // namespace pinatlas::tool
