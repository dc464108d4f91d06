#include "FamilyCommands.h"

#include "ToolSupport.h"

#include "app/ProgramDirectory.h"
#include "families/Compatibility.h"
#include "families/FamilyTable.h"
#include "families/Substitutes.h"
#include "library/DatasheetReader.h"
#include "library/Names.h"
#include "library/PartIndex.h"
#include "shared/Language.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace pinatlas::tool {
namespace {

const char* const kFamiliesUsage =
    "usage: pinatlas-tool families TYPE [--lang D|E] [--library DIR] [--table FILE]\n"
    "\n"
    "Prints the families the sheet of TYPE is made in (the columns of its\n"
    "data table), what changes when one replaces another in the same socket\n"
    "(supply, levels, drive, speed, and whether each still works with the\n"
    "other's neighbours) and the types of another number with its pinout.\n"
    "\n"
    "  --lang D|E     language of the text (default E)\n"
    "  --library DIR  the directory holding the library directories (default:\n"
    "                 the one the program opens)\n"
    "  --table FILE   the family table (default: pinatlas-families.txt where\n"
    "                 the program finds it)\n"
    "\n"
    "Exit status: 0 shown, 1 no such sheet, no family table or a library that\n"
    "cannot be read, 2 wrong usage.\n";

const char* const kCompatUsage =
    "usage: pinatlas-tool compat DRIVER RECEIVER [--supply V] [--receiver-supply V]\n"
    "                            [--lang D|E] [--library DIR] [--table FILE]\n"
    "\n"
    "Judges from the family table whether an output of DRIVER drives inputs of\n"
    "RECEIVER: the supplies, the input voltage limit, the high and low levels\n"
    "with their margins, and the fan-out. DRIVER and RECEIVER are family names\n"
    "(LS, 74HC, CD4000B) or part numbers (74LS04, SN74HC00N, CD4011B); an\n"
    "open-collector part of the library is judged with a pull-up resistor.\n"
    "\n"
    "  --supply V           the driver's supply, and the receiver's unless\n"
    "                       --receiver-supply gives it (default 5 V where the\n"
    "                       driver runs there)\n"
    "  --receiver-supply V  the receiver's own supply\n"
    "  --lang D|E           language of the verdict and reasons (default E)\n"
    "\n"
    "Exit status: 0 works, 1 works with a condition, 2 does not work,\n"
    "3 cannot judge (unknown family or part, missing figure or table, wrong usage).\n";

constexpr int kCannotJudge = 3;

struct Options {
    QStringList subjects;
    Language language = Language::English;
    QString library;
    QString table;
    std::optional<double> supply;
    std::optional<double> receiverSupply;
    QString error;
};

Options parse(const QStringList& args, bool withSupplies) {
    Options o;
    const QString toolDir = QCoreApplication::applicationDirPath();
    o.library = chooseProgramPlace(
                    toolDir, QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation),
                    QFileInfo(toolDir).isWritable())
                    .directory;
    QCommandLineParser parser;
    const QCommandLineOption langOption(QStringLiteral("lang"), {}, QStringLiteral("code"));
    const QCommandLineOption libraryOption(QStringLiteral("library"), {}, QStringLiteral("dir"));
    const QCommandLineOption tableOption(QStringLiteral("table"), {}, QStringLiteral("file"));
    const QCommandLineOption supplyOptions[] = {
        {QStringLiteral("supply"), {}, QStringLiteral("volts")},
        {QStringLiteral("receiver-supply"), {}, QStringLiteral("volts")}};
    QList<QCommandLineOption> options{langOption, libraryOption, tableOption};
    if (withSupplies)
        options << supplyOptions[0] << supplyOptions[1];
    o.error = parseOptions(parser, args, options);
    if (!o.error.isEmpty())
        return o;
    if (!readLanguageOption(parser, langOption, o.language))
        o.error = kLanguageOptionError;
    if (parser.isSet(libraryOption))
        o.library = parser.value(libraryOption);
    o.table = parser.value(tableOption);
    for (const QCommandLineOption& option : supplyOptions) {
        if (!withSupplies || !parser.isSet(option))
            continue;
        bool ok = false;
        const double volts = parser.value(option).remove(u'V').replace(u',', u'.').toDouble(&ok);
        // "nan", "inf" and 1e308 read as numbers too; a supply shows with two
        // decimals, and no logic family comes near 100 V.
        if (!ok || !(volts >= 0.01 && volts <= 100))
            o.error = QStringLiteral("--%1 takes a voltage, such as 3.3").arg(option.names()[0]);
        else
            (&option == &supplyOptions[0] ? o.supply : o.receiverSupply) = volts;
    }
    o.subjects = parser.positionalArguments();
    return o;
}

int usageError(const char* command, const QString& why, const char* usage, int status) {
    err(QStringLiteral("pinatlas-tool %1: %2\n\n").arg(QLatin1String(command), why) +
        QString::fromLatin1(usage));
    return status;
}

std::optional<FamilyTable> loadTable(const Options& o, const char* command) {
    const QStringList candidates =
        o.table.isEmpty() ? familyTableCandidates(o.library, QCoreApplication::applicationDirPath())
                          : QStringList{o.table};
    FamilyTableLoad load = loadFamilyTable(candidates);
    if (!load.table)
        err(QStringLiteral("pinatlas-tool %1: %2: %3\n")
                .arg(QLatin1String(command), QDir::toNativeSeparators(load.path),
                     load.error.isEmpty() ? QStringLiteral("the family table is missing")
                                          : load.error));
    return std::move(load.table);
}

// The library's sheet of a type, when its number is the type's own; else why not.
std::optional<DatasheetFile> sheetOf(const QString& library, const QString& type, QString* path,
                                     QString* error = nullptr) {
    const SheetLookup found = lookUpSheet(library, type);
    *path = found.path;
    if (error)
        *error = found.error;
    if (found.path.isEmpty())
        return std::nullopt;
    return readDatasheetFile(found.path, QFileInfo(found.path).completeBaseName()).file;
}

} // namespace

int families(const QStringList& args) {
    if (wantsHelp(args)) {
        out(QString::fromLatin1(kFamiliesUsage));
        return 0;
    }
    const Options o = parse(args, false);
    if (!o.error.isEmpty() || o.subjects.size() != 1)
        return usageError("families",
                          o.error.isEmpty() ? QStringLiteral("one TYPE is needed") : o.error,
                          kFamiliesUsage, 2);
    const std::optional<FamilyTable> table = loadTable(o, "families");
    if (!table || !libraryReadable("families", o.library))
        return 1;
    QString path, error;
    const std::optional<DatasheetFile> file = sheetOf(o.library, o.subjects[0], &path, &error);
    if (!file) {
        err(QStringLiteral("pinatlas-tool families: %1\n")
                .arg(error.isEmpty() ? QStringLiteral("%1: cannot be read").arg(path) : error));
        return 1;
    }
    const QString type = markedName(QFileInfo(path).completeBaseName());
    const bool german = o.language == Language::German;
    out(type + QStringLiteral(": ") +
        (german ? file->sheet.descriptionDe : file->sheet.descriptionEn) + u'\n');
    out(substituteReport(*table, type, file->sheet, o.language).join(u'\n') + u'\n');
    return 0;
}

int compat(const QStringList& args) {
    if (wantsHelp(args)) {
        out(QString::fromLatin1(kCompatUsage));
        return 0;
    }
    const Options o = parse(args, true);
    if (!o.error.isEmpty() || o.subjects.size() != 2)
        return usageError("compat",
                          o.error.isEmpty() ? QStringLiteral("DRIVER and RECEIVER are needed")
                                            : o.error,
                          kCompatUsage, kCannotJudge);
    const std::optional<FamilyTable> table = loadTable(o, "compat");
    if (!table)
        return kCannotJudge;
    std::optional<PartFamily> sides[2];
    for (int i = 0; i < 2; ++i) {
        sides[i] = familyOfPart(*table, o.subjects[i]);
        if (!sides[i]) {
            err(QStringLiteral("pinatlas-tool compat: %1 is neither a family of the table nor "
                               "a part number of one\n")
                    .arg(markedName(o.subjects[i])));
            return kCannotJudge;
        }
    }
    CompatQuery query;
    query.driver = sides[0]->family;
    query.receiver = sides[1]->family;
    query.driverSupply = o.supply.value_or(defaultSupply(*query.driver));
    query.receiverSupply = o.receiverSupply.value_or(query.driverSupply);
    QString path;
    if (!sides[0]->type.isEmpty())
        if (const auto file = sheetOf(o.library, sides[0]->type, &path))
            query.openCollector = file->sheet.outputType.startsWith(QStringLiteral("OC"));
    const CompatResult result = judgeCompatibility(query);

    const Language l = o.language;
    // A part number is shown with the family it was read as.
    auto named = [&](int i) {
        const QString& family = sides[i]->family->name;
        return sides[i]->type.isEmpty() ? family
                                        : QStringLiteral("%1 (%2)").arg(o.subjects[i], family);
    };
    out(QStringLiteral("%1 → %2, %3 → %4: %5\n")
            .arg(named(0), named(1), formatVolts(query.driverSupply, l),
                 formatVolts(query.receiverSupply, l), verdictText(result.verdict, l)));
    for (const CompatReason& r : result.reasons) {
        static const char* const kMarks[] = {"ok", "if", "no", "??"};
        out(QStringLiteral("  [%1] %2\n").arg(QLatin1String(kMarks[int(r.outcome)]), r.text(l)));
    }
    switch (result.verdict) {
    case Verdict::Works:
        return 0;
    case Verdict::WorksWithCondition:
        return 1;
    case Verdict::DoesNotWork:
        return 2;
    case Verdict::CannotJudge:
        break;
    }
    return kCannotJudge;
}

} // namespace pinatlas::tool
