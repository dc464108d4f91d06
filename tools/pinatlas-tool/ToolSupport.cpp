#include "ToolSupport.h"

#include "library/FileAccess.h"
#include "library/Names.h"
#include "library/PartIndex.h"
#include "shared/VisibleText.h"

#include <QCommandLineParser>
#include <QDir>

#include <cstdio>

#include <clocale>

#include <langinfo.h>
#include <locale.h>

namespace pinatlas::tool {
namespace {

void write(const QString& text, FILE* stream) {
    const QByteArray bytes = visibleText(text, u"\n\t").toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
}

void makeVisible(CellTable& table) {
    for (int r = 1; r <= table.rows(); ++r)
        for (int c = 1; c <= table.columns(); ++c)
            table.at(c, r) = visible(table.at(c, r));
}

} // namespace

void out(const QString& text) {
    write(text, stdout);
}

void err(const QString& text) {
    write(text, stderr);
}

bool wantsHelp(const QStringList& args) {
    // After "--" a "--help" is a name: a file or a type may be called so.
    const QStringList options = args.mid(0, args.indexOf(QLatin1String("--")));
    return options.contains(QLatin1String("--help")) || options.contains(QLatin1String("-h"));
}

QString parseOptions(QCommandLineParser& parser, const QStringList& args,
                     const QList<QCommandLineOption>& options) {
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addOptions(options);
    if (parser.parse(QStringList(QStringLiteral("pinatlas-tool")) + args))
        return {};
    // Qt's sentence, in the lower-case style of the tool's own reasons.
    QString why = parser.errorText();
    if (why.endsWith(u'.'))
        why.chop(1);
    return why.isEmpty() ? why : why.front().toLower() + why.mid(1);
}

bool readLanguageOption(const QCommandLineParser& parser, const QCommandLineOption& option,
                        Language& language) {
    if (!parser.isSet(option))
        return true;
    const std::optional<Language> chosen = languageOfCode(parser.value(option));
    if (chosen)
        language = *chosen;
    return chosen.has_value();
}

int usageError(const char* command, const QString& why, const char* usage) {
    err(QStringLiteral("pinatlas-tool %1: %2\n\n").arg(QLatin1String(command), why) +
        QString::fromLatin1(usage));
    return 2;
}

QString describeDefect(const QString& reason, int line) {
    return line > 0 ? QStringLiteral("line %1: %2").arg(line).arg(reason) : reason;
}

QString visible(const QString& text) {
    return visibleText(text);
}

Datasheet visibleSheet(Datasheet sheet) {
    for (QString* text :
         {&sheet.fileName, &sheet.descriptionDe, &sheet.descriptionEn, &sheet.outputType})
        *text = visible(*text);
    for (QString& name : sheet.pinNames)
        name = visible(name);
    makeVisible(sheet.functionCells);
    makeVisible(sheet.dataCells);
    makeVisible(sheet.extraCells);
    return sheet;
}

SheetLookup lookUpSheet(const QString& library, const QString& type) {
    PartIndex index(library);
    QStringList near;
    for (const PartMatch& m : index.find(type)) {
        const PartRecord& r = index.records()[m.record];
        if (m.kind == MatchKind::ExactType)
            return {QDir(library).filePath(r.directory + u'/' + r.type + QStringLiteral(".txt")),
                    {}};
        if (m.kind == MatchKind::TypePrefix && near.size() < 5)
            near << markedName(r.type);
    }
    QString error =
        QStringLiteral("no sheet of the type %1 in %2")
            .arg(visible(markedName(type)), visible(markedName(QDir::toNativeSeparators(library))));
    if (!near.isEmpty())
        error += QStringLiteral(" (types that begin so: %1)").arg(near.join(QStringLiteral(", ")));
    return {{}, error};
}

bool libraryReadable(const char* command, const QString& library) {
    const std::optional<QString> why = listingError(library);
    if (why)
        err(QStringLiteral("pinatlas-tool %1: the library %2 cannot be read (%3)\n")
                .arg(QLatin1String(command), visible(QDir::toNativeSeparators(library)), *why));
    return !why;
}

bool utf8Locale() {
    // Asked of the environment's locale itself: Qt switches the process to
    // UTF-8 when the locale is not, and would answer yes every time.
    const locale_t locale = newlocale(LC_CTYPE_MASK, "", locale_t(nullptr));
    if (!locale)
        return false; // a locale that is not installed: C, which is ASCII
    const QByteArray codeset = QByteArray(nl_langinfo_l(CODESET, locale)).toUpper();
    freelocale(locale);
    return codeset == "UTF-8" || codeset == "UTF8";
}

} // namespace pinatlas::tool
