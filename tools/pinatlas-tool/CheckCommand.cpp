#include "Commands.h"
#include "ToolSupport.h"

#include "display/PinRoles.h"
#include "library/DatasheetReader.h"
#include "library/FileAccess.h"
#include "library/IcList.h"
#include "library/Names.h"

#include <QDir>
#include <QFileInfo>

namespace pinatlas::tool {
namespace {

const char* const kCheckUsage =
    "usage: pinatlas-tool check [--roles] PATH...\n"
    "\n"
    "Reads every datasheet file named, and every file in the directories named\n"
    "and their sub-directories, as the program does. Prints one line per file:\n"
    "  OK <path>\n"
    "  DEFECT <path>: line N: <reason>\n"
    "(a directory that cannot be read is a DEFECT line of its own)\n"
    "and after it one line per passage the program reads past or takes other\n"
    "than it stands (a section out of order, a line that looks like a section\n"
    "key but matches none, text after the end, too many input columns):\n"
    "  WARNING <path>: line N: <reason>\n"
    "Editing such a sheet in the program drops what was not read. Control\n"
    "characters in names and quoted lines are shown as \\e, \\x9d, <U+202E>\n"
    "and the like.\n"
    "A file is also defective when the IC list could not show it: a name that\n"
    "does not end in .txt, a type number of 999999999 or more, or a short\n"
    "description that sorts at or above ten u-umlauts.\n"
    "\n"
    "--roles also lists, after a sound file's line, each pin whose role the\n"
    "drawing cannot tell (no supply name, no function-table column names it):\n"
    "  ROLE <path>: pin N NAME: role unknown\n"
    "\n"
    "Directory links are not followed, so a link loop cannot trap the walk.\n"
    "\n"
    "Exit status: 0 when every file is sound, also when there are warnings;\n"
    "1 when any is defective, 2 for wrong usage.\n";

struct Entry {
    QString path;
    QString unreadable; // why a directory cannot be listed
};

// The files below a directory in a stable order: its own files by name, then
// those of its non-hidden sub-directories. A directory that cannot be read is
// an entry of its own: unread, it would look empty and sound.
void collect(const QString& dir, std::vector<Entry>& files) {
    const QString prefix = dir.endsWith(u'/') ? dir : dir + u'/';
    if (const std::optional<QString> why = listingError(prefix)) {
        files.push_back({prefix, *why});
        return;
    }
    for (const QString& name : listedFileNames(prefix))
        files.push_back({prefix + name, {}});
    // Links to directories are left out: two links to "." would never end.
    for (const QString& sub : directoryEntries(prefix, false))
        collect(prefix + sub, files);
}

// Why the program could not show the file, or nothing when it is sound.
std::optional<QString> defectOf(const QString& path, const ReadResult& r) {
    const QString name = path.mid(path.lastIndexOf(u'/') + 1);
    const QString type = typeOfFileName(name);
    if (!r.file)
        return describeDefect(r.defect, r.defectLine);
    if (!name.endsWith(QLatin1String(".txt")))
        return QStringLiteral("the name does not end in .txt: the list shows it as \"%1\" "
                              "but the program cannot load it")
            .arg(type);
    if (!(typeKey(name) < kTypeSentinel))
        return QStringLiteral("the type number is 999999999 or more: the list never shows it "
                              "when sorted by type");
    const Datasheet& s = r.file->sheet;
    const QString sentinel = descriptionSentinel();
    if (!(descriptionKey(s.descriptionDe) < sentinel))
        return describeDefect(QStringLiteral("the German short description sorts at or above ten "
                                             "u-umlauts: the list never shows it when sorted by "
                                             "description"),
                              1);
    if (!(descriptionKey(s.descriptionEn) < sentinel))
        return describeDefect(QStringLiteral("the English short description sorts at or above "
                                             "ten u-umlauts: the list never shows it when sorted "
                                             "by description"),
                              2);
    return std::nullopt;
}

} // namespace

int check(const QStringList& args) {
    if (wantsHelp(args)) {
        out(QString::fromLatin1(kCheckUsage));
        return 0;
    }
    if (args.isEmpty()) {
        err(QString::fromLatin1(kCheckUsage));
        return 2;
    }
    std::vector<Entry> files;
    bool roles = false;
    bool optionsEnd = false;
    for (const QString& arg : args) {
        if (!optionsEnd && arg == QLatin1String("--")) {
            optionsEnd = true;
            continue;
        }
        if (!optionsEnd && arg == QLatin1String("--roles")) {
            roles = true;
            continue;
        }
        if (!optionsEnd && arg.startsWith(u'-')) {
            err(QStringLiteral("pinatlas-tool check: unknown option '%1'\n").arg(visible(arg)));
            return 2;
        }
        if (!entryExists(arg)) {
            err(QStringLiteral("pinatlas-tool check: no such file or directory: %1\n")
                    .arg(visible(markedName(arg))));
            return 2;
        }
        if (isDirectory(arg))
            collect(arg, files);
        else
            files.push_back({arg, {}});
    }
    int status = 0;
    for (const auto& [file, unreadable] : files) {
        if (!unreadable.isEmpty()) {
            out(QStringLiteral("DEFECT %1: the directory cannot be read (%2)\n")
                    .arg(visible(markedName(file)), unreadable));
            status = 1;
            continue;
        }
        const ReadResult read =
            readDatasheetFile(file, typeOfFileName(file.mid(file.lastIndexOf(u'/') + 1)));
        const QString shown = visible(markedName(file));
        if (const auto defect = defectOf(file, read)) {
            out(QStringLiteral("DEFECT %1: %2\n").arg(shown, visible(*defect)));
            status = 1;
        } else {
            out(QStringLiteral("OK %1\n").arg(shown));
            const DatasheetFile& f = *read.file;
            const QList<PinRole> found =
                roles ? pinRoles(f.sheet, f.commentDe + f.commentEn) : QList<PinRole>();
            for (int pin = 1; pin <= found.size(); ++pin)
                if (found[pin - 1].kind == PinKind::Unknown)
                    out(QStringLiteral("ROLE %1: pin %2 %3: role unknown\n")
                            .arg(shown)
                            .arg(pin)
                            .arg(visible(f.sheet.pinName(pin))));
        }
        for (const ReadNote& note : read.warnings)
            out(QStringLiteral("WARNING %1: %2\n")
                    .arg(shown, visible(describeDefect(note.text, note.line))));
    }
    return status;
}

} // namespace pinatlas::tool
