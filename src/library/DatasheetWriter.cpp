#include "library/DatasheetWriter.h"

#include "library/Cp1252.h"

#include <QRegularExpression>

namespace pinatlas {
namespace {

const QString kCrLf = QStringLiteral("\r\n");

// A one-line field holding a line break would shift every line after it.
QString oneLine(QString text) {
    static const QRegularExpression breaks(QStringLiteral("\r\n|\r|\n"));
    return text.replace(breaks, QStringLiteral(" "));
}

QStringList commentLines(const QString& text) {
    static const QRegularExpression breaks(QStringLiteral("\r\n|\r|\n"));
    QStringList lines = text.split(breaks);
    // A line opening with an apostrophe would read back as the end of the
    // section and swallow the rest of the file; the page refuses such lines, and
    // this keeps the file sound should one come through another way.
    for (QString& line : lines)
        if (line.startsWith(u'\''))
            line.prepend(u' ');
    return lines;
}

bool needsQuotes(const QString& cell) {
    if (cell.isEmpty())
        return false;
    const QChar first = cell.front();
    return first == u' ' || first == u'\t' || first == u'"' || cell.contains(u',') ||
           cell.contains(u'\r') || cell.contains(u'\n');
}

// Appends the table rows; false with `bad` set when a cell cannot be written.
bool appendRows(QString& out, const CellTable& table, TableKind kind,
                std::optional<UnwritableCell>& bad) {
    for (int row = 1; row <= table.rows(); ++row) {
        for (int column = 1; column <= table.columns(); ++column) {
            const auto cell = encodeCell(table.at(column, row));
            if (!cell) {
                bad = UnwritableCell{kind, column, row};
                return false;
            }
            if (column > 1)
                out += u',';
            out += *cell;
        }
        out += kCrLf;
    }
    return true;
}

} // namespace

std::optional<ForeignCharacter> foreignCharacter(const SheetContent& c) {
    std::optional<ForeignCharacter> found;
    auto check = [&found](const QString& text, ForeignCharacter where) {
        if (found || isCp1252(text))
            return;
        // By code point: a character beyond the first plane is named whole,
        // not by the first half of its surrogate pair.
        for (const char32_t ch : text.toUcs4())
            if (!isCp1252(QString::fromUcs4(&ch, 1))) {
                where.character = ch;
                found = where;
                return;
            }
    };
    auto checkTable = [&check](const CellTable& t, TableKind table) {
        for (int row = 1; row <= t.rows(); ++row)
            for (int column = 1; column <= t.columns(); ++column)
                check(t.at(column, row), {0, SheetField::Cell, row, column, table});
    };
    check(c.descriptionDe, {0, SheetField::DescriptionDe});
    check(c.descriptionEn, {0, SheetField::DescriptionEn});
    check(c.outputType, {0, SheetField::OutputType});
    for (int pin = 1; pin <= c.pinCount && pin <= c.pinNames.size(); ++pin)
        check(c.pinNames[pin - 1], {0, SheetField::PinName, pin});
    if (c.withComments) {
        check(c.commentDe, {0, SheetField::CommentDe});
        check(c.commentEn, {0, SheetField::CommentEn});
    }
    if (c.withFunctionTable)
        checkTable(c.functionCells, TableKind::Function);
    if (c.dataTable)
        checkTable(*c.dataTable, TableKind::Data);
    if (c.withExtraTable)
        checkTable(c.extraCells, TableKind::Extra);
    return found;
}

std::optional<QString> encodeCell(const QString& cell) {
    if (!needsQuotes(cell))
        return cell;
    if (cell.contains(u'"'))
        return std::nullopt;
    return u'"' + cell + u'"';
}

EncodedSheet encodeDatasheet(const SheetContent& c) {
    QString out;
    auto line = [&out](const QString& text) { out += text + kCrLf; };

    line(oneLine(c.descriptionDe));
    line(oneLine(c.descriptionEn));
    line(QString::number(c.pinCount));
    line(oneLine(c.outputType));
    for (int pin = 1; pin <= c.pinCount; ++pin)
        line(oneLine(pin <= c.pinNames.size() ? c.pinNames[pin - 1] : QString()));

    if (c.withComments) {
        if (!c.commentDe.isEmpty()) {
            line(QStringLiteral("'Beschreibung-D:"));
            for (const QString& l : commentLines(c.commentDe))
                line(l);
        }
        if (!c.commentEn.isEmpty()) {
            line(QStringLiteral("'Beschreibung-E:"));
            for (const QString& l : commentLines(c.commentEn))
                line(l);
        }
    }

    std::optional<UnwritableCell> bad;
    if (c.withFunctionTable) {
        line(QStringLiteral("'Funktionstabelle:"));
        line(u' ' + QString::number(c.functionCells.columns()) + QStringLiteral(" ,") +
             QString::number(c.functionCells.rows()) + u',' +
             QString::number(c.functionInputColumns));
        if (!appendRows(out, c.functionCells, TableKind::Function, bad))
            return {{}, bad};
    }
    if (c.dataTable) {
        line(QStringLiteral("'Datentabelle:"));
        line(QString::number(c.dataTable->columns()) + u',' + QString::number(c.dataTable->rows()));
        if (!appendRows(out, *c.dataTable, TableKind::Data, bad))
            return {{}, bad};
    }
    if (c.withExtraTable) {
        line(QStringLiteral("'Zusatztabelle:"));
        line(QString::number(c.extraCells.columns()) + u',' + QString::number(c.extraCells.rows()));
        if (!appendRows(out, c.extraCells, TableKind::Extra, bad))
            return {{}, bad};
    }
    line(QStringLiteral("'Ende"));
    return {encodeCp1252(out), std::nullopt};
}

bool recordChangedFile(QStringList& files, qint16& count, const QString& path, int capacity) {
    const int used = qMin<int>(count, files.size());
    for (int i = 0; i < used; ++i)
        if (files[i] == path)
            return true;
    if (count >= capacity)
        return false;
    while (files.size() > count)
        files.removeLast();
    files.append(path);
    ++count;
    return true;
}

} // namespace pinatlas
