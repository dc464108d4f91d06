#include "Commands.h"
#include "ToolSupport.h"

#include "library/DatasheetReader.h"
#include "library/Names.h"
#include "shared/VisibleText.h"

#include <QFileInfo>

namespace pinatlas::tool {
namespace {

const char* const kDumpUsage =
    "usage: pinatlas-tool dump FILE\n"
    "\n"
    "Prints the datasheet as UTF-8 JSON: the record's fields by their names,\n"
    "commentDe and commentEn as arrays of lines, and each table's cells as an\n"
    "array of rows, each row an array of cells from left to right. Control\n"
    "characters (C0, DEL, C1, the bidirectional controls) are written as \\u\n"
    "escapes.\n"
    "\n"
    "Exit status: 0 when the file was read, 1 when it is defective (the reason\n"
    "goes to stderr), 2 for wrong usage.\n";

QString json(const QString& s) {
    QString out = QStringLiteral("\"");
    for (QChar c : s) {
        switch (c.unicode()) {
        case u'"':
            out += QStringLiteral("\\\"");
            break;
        case u'\\':
            out += QStringLiteral("\\\\");
            break;
        case u'\n':
            out += QStringLiteral("\\n");
            break;
        case u'\r':
            out += QStringLiteral("\\r");
            break;
        case u'\t':
            out += QStringLiteral("\\t");
            break;
        default:
            // C1 and the bidirectional controls too: valid JSON may carry them
            // raw, but whoever prints the dump would pass them to a terminal.
            if (isControlCharacter(c.unicode()))
                out += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
            else
                out += c;
        }
    }
    return out + u'"';
}

QString json(const QStringList& list) {
    QStringList items;
    for (const QString& s : list)
        items << json(s);
    return u'[' + items.join(QStringLiteral(", ")) + u']';
}

QString json(bool b) {
    return b ? QStringLiteral("true") : QStringLiteral("false");
}

QString json(int n) {
    return QString::number(n);
}

QString json(const CellTable& table) {
    if (table.rows() == 0)
        return QStringLiteral("[]");
    QStringList rows;
    for (int r = 1; r <= table.rows(); ++r) {
        QStringList cells;
        for (int c = 1; c <= table.columns(); ++c)
            cells << table.at(c, r);
        rows << QStringLiteral("    ") + json(cells);
    }
    return QStringLiteral("[\n") + rows.join(QStringLiteral(",\n")) + QStringLiteral("\n  ]");
}

} // namespace

int dump(const QStringList& args) {
    if (wantsHelp(args)) {
        out(QString::fromLatin1(kDumpUsage));
        return 0;
    }
    const bool named = args.size() == 2 && args[0] == QLatin1String("--");
    if (!named && (args.size() != 1 || args[0].startsWith(u'-'))) {
        err(QString::fromLatin1(kDumpUsage));
        return 2;
    }
    const QString path = args.back();
    const QString name = QFileInfo(path).fileName();
    ReadResult r = readDatasheetFile(path);
    if (!r.file) {
        err(QStringLiteral("pinatlas-tool dump: %1: %2\n")
                .arg(visible(markedName(path)), visible(describeDefect(r.defect, r.defectLine))));
        return 1;
    }
    const DatasheetFile& f = *r.file;
    const Datasheet& s = f.sheet;
    const QList<std::pair<const char*, QString>> fields{
        {"fileName", json(markedName(name))}, // a legacy name as every command shows it
        {"descriptionDe", json(s.descriptionDe)},
        {"descriptionEn", json(s.descriptionEn)},
        {"pinCount", json(int(s.pinCount))},
        {"outputType", json(s.outputType)},
        {"pinNames", json(s.pinNames)},
        {"commentDe", json(f.commentDe)},
        {"commentEn", json(f.commentEn)},
        {"hasFunctionTable", json(s.hasFunctionTable)},
        {"functionColumns", json(s.functionColumns)},
        {"functionRows", json(int(s.functionRows))},
        {"functionInputColumns", json(int(s.functionInputColumns))},
        {"functionCells", json(s.functionCells)},
        {"hasDataTable", json(s.hasDataTable)},
        {"dataColumns", json(s.dataColumns)},
        {"dataRows", json(int(s.dataRows))},
        {"dataCells", json(s.dataCells)},
        {"hasExtraTable", json(s.hasExtraTable)},
        {"extraColumns", json(s.extraColumns)},
        {"extraRows", json(int(s.extraRows))},
        {"extraCells", json(s.extraCells)},
    };
    QStringList lines;
    for (const auto& [key, value] : fields)
        lines << QStringLiteral("  \"%1\": %2").arg(QLatin1String(key), value);
    out(QStringLiteral("{\n") + lines.join(QStringLiteral(",\n")) + QStringLiteral("\n}\n"));
    return 0;
}

} // namespace pinatlas::tool
