#include "library/DatasheetReader.h"

#include "library/FileAccess.h"
#include "library/RoundHalfEven.h"
#include "library/TextInput.h"

namespace pinatlas {
namespace {

const QString kKeyCommentDe = QStringLiteral("'Beschreibung-D:");
const QString kKeyCommentEn = QStringLiteral("'Beschreibung-E:");
const QString kKeyFunction = QStringLiteral("'Funktionstabelle:");
const QString kKeyData = QStringLiteral("'Datentabelle:");
const QString kKeyExtra = QStringLiteral("'Zusatztabelle:");
const QString kKeyEnd = QStringLiteral("'Ende");

// Thrown inside the reader only; readDatasheet turns it into a ReadResult.
struct Defect {
    QString reason;
    int line;
};

class Reader {
public:
    explicit Reader(const QByteArray& bytes)
        : m_in(bytes),
          m_openLastLine(!bytes.isEmpty() && !bytes.endsWith('\r') && !bytes.endsWith('\n')) {}

    // Where a read that found the end of the file would have started: past
    // the last line even when that line has no line end.
    int endLine() const { return m_in.lineNumber() + (m_openLastLine ? 1 : 0); }

    QString line(const QString& what) {
        m_lastLine = m_in.lineNumber();
        auto line = m_in.readLine();
        if (!line)
            throw Defect{QStringLiteral("the file ends before %1").arg(what), endLine()};
        return *line;
    }

    // A count by list input: a number, rounded as the program's integers are,
    // neither negative nor above `limit`.
    int count(const QString& what, int limit) {
        const int at = m_in.atEnd() ? endLine() : m_in.lineNumber();
        const auto field = m_in.readField();
        if (!field)
            throw Defect{QStringLiteral("the file ends before %1").arg(what), at};
        const auto value = parseListNumber(*field);
        if (!value)
            throw Defect{QStringLiteral("%1 \"%2\" is not a number").arg(what, *field), at};
        const int n = roundHalfEven(*value);
        if (n < 0)
            throw Defect{QStringLiteral("%1 %2 is negative").arg(what, field->trimmed()), at};
        if (n > limit)
            throw Defect{QStringLiteral("%1 %2 is above the limit of %3")
                             .arg(what, field->trimmed())
                             .arg(limit),
                         at};
        return n;
    }

    // Comment lines up to the next line that begins with an apostrophe, which
    // is returned as the new current line.
    QString comment(QStringList& lines, const QString& language) {
        const int start = m_in.lineNumber();
        for (;;) {
            m_lastLine = m_in.lineNumber();
            auto line = m_in.readLine();
            if (!line)
                throw Defect{QStringLiteral("the %1 comment that begins on line %2 is never "
                                            "closed by a line beginning with '")
                                 .arg(language)
                                 .arg(start),
                             endLine()};
            if (line->startsWith(u'\''))
                return *line;
            lines << *line;
        }
    }

    void cells(CellTable& table, int columns, int rows, const QString& name) {
        table.resize(columns, rows);
        for (int row = 1; row <= rows; ++row) {
            for (int column = 1; column <= columns; ++column) {
                const int at = m_in.atEnd() ? endLine() : m_in.lineNumber();
                auto cell = m_in.readField();
                if (!cell)
                    throw Defect{QStringLiteral("the file ends inside the %1 (row %2 of %3, "
                                                "column %4 of %5)")
                                     .arg(name)
                                     .arg(row)
                                     .arg(rows)
                                     .arg(column)
                                     .arg(columns),
                                 at};
                table.at(column, row) = *cell;
            }
        }
    }

    int lineNumber() const { return m_in.lineNumber(); }
    // The line the last line read started on.
    int lastLine() const { return m_lastLine; }
    std::optional<QString> nextLine() {
        m_lastLine = m_in.lineNumber();
        return m_in.readLine();
    }

private:
    TextInput m_in;
    bool m_openLastLine;
    int m_lastLine = 0;
};

const QStringList& sectionKeys() {
    static const QStringList keys = {kKeyCommentDe, kKeyCommentEn, kKeyFunction, kKeyData,
                                     kKeyExtra};
    return keys;
}

void noteUnread(ReadResult& result, Reader& in, QString line, int at) {
    bool closing = true;
    for (;;) {
        const bool content = !line.trimmed().isEmpty() && !(closing && line == kKeyEnd);
        if (content && result.unreadFrom == 0)
            result.unreadFrom = at;
        if (sectionKeys().contains(line))
            result.warnings.append(
                {at,
                 QStringLiteral("the section %1 stands out of order and is not read").arg(line)});
        else if (line.startsWith(u'\'') && line != kKeyEnd)
            result.warnings.append(
                {at, QStringLiteral("\"%1\" looks like a section key but matches none; it is not "
                                    "read")
                         .arg(line.left(40))});
        closing = false;
        auto next = in.nextLine();
        if (!next)
            break;
        line = *next;
        at = in.lastLine();
    }
    if (result.unreadFrom > 0 && result.warnings.isEmpty())
        result.warnings.append(
            {result.unreadFrom, QStringLiteral("the text from here on, after the end of the sheet, "
                                               "is not read")});
}

} // namespace

QString typeOfFileName(const QString& fileName) {
    return fileName.size() > 4 ? fileName.left(fileName.size() - 4) : QString();
}

ReadResult readDatasheet(const QByteArray& bytes, const QString& type) {
    ReadResult result;
    DatasheetFile file;
    Datasheet& s = file.sheet;
    s.fileName = type.isEmpty() ? QString() : type + QStringLiteral(".txt");
    Reader in(bytes);
    try {
        s.descriptionDe = in.line(QStringLiteral("the German short description (line 1)"));
        s.descriptionEn = in.line(QStringLiteral("the English short description (line 2)"));
        s.pinCount = qint16(in.count(QStringLiteral("the pin count"), kMaxPins));
        s.outputType = in.line(QStringLiteral("the output type"));
        for (int pin = 1; pin <= s.pinCount; ++pin)
            s.pinNames << in.line(
                QStringLiteral("the name of pin %1 of %2").arg(pin).arg(s.pinCount));
        result.pastPinNames = true;

        QString current = in.line(QStringLiteral("the line after the pin names"));
        if (current == kKeyCommentDe) {
            file.hasCommentDe = true;
            current = in.comment(file.commentDe, QStringLiteral("German"));
        }
        if (current == kKeyCommentEn) {
            file.hasCommentEn = true;
            current = in.comment(file.commentEn, QStringLiteral("English"));
        }
        if (current == kKeyFunction) {
            s.hasFunctionTable = true;
            const QString name = QStringLiteral("function table");
            const int headerLine = in.lineNumber();
            s.functionColumns = in.count(QStringLiteral("the column count of the function table"),
                                         kMaxFunctionColumns);
            s.functionRows = qint16(
                in.count(QStringLiteral("the row count of the function table"), kMaxFunctionRows));
            s.functionInputColumns =
                qint16(in.count(QStringLiteral("the input column count of the function table"),
                                kMaxFunctionColumns));
            // The display takes every column as an input then; so does the reader.
            if (s.functionInputColumns > s.functionColumns) {
                result.warnings.append(
                    {headerLine, QStringLiteral("the function table has %1 input columns but only "
                                                "%2 columns; all are taken as inputs")
                                     .arg(s.functionInputColumns)
                                     .arg(s.functionColumns)});
                s.functionInputColumns = qint16(s.functionColumns);
            }
            in.cells(s.functionCells, s.functionColumns, s.functionRows, name);
            current = in.line(QStringLiteral("the line after the function table"));
        }
        if (current == kKeyData) {
            s.hasDataTable = true;
            s.dataColumns =
                in.count(QStringLiteral("the column count of the data table"), kMaxDataColumns);
            s.dataRows =
                qint16(in.count(QStringLiteral("the row count of the data table"), kMaxDataRows));
            in.cells(s.dataCells, s.dataColumns, s.dataRows, QStringLiteral("data table"));
            current = in.line(QStringLiteral("the line after the data table"));
        }
        if (current == kKeyExtra) {
            s.hasExtraTable = true;
            s.extraColumns =
                in.count(QStringLiteral("the column count of the extra table"), kMaxExtraColumns);
            s.extraRows =
                qint16(in.count(QStringLiteral("the row count of the extra table"), kMaxExtraRows));
            in.cells(s.extraCells, s.extraColumns, s.extraRows, QStringLiteral("extra table"));
            current = in.line(QStringLiteral("the line after the extra table"));
        }
        // Whatever line stands here closes the sheet. Anything else from here
        // on is not read, and would be lost if the sheet were written back.
        noteUnread(result, in, current, in.lastLine());
    } catch (const Defect& d) {
        result.defect = d.reason;
        result.defectLine = d.line;
        return result;
    }
    result.file = std::move(file);
    return result;
}

ReadResult readDatasheetFile(const QString& path, const QString& type) {
    const FileRead read = readRegularFile(path, kMaxDatasheetBytes);
    if (!read.bytes) {
        ReadResult result;
        result.defect =
            read.tooLarge
                ? QStringLiteral("the file is larger than %1 MiB, far beyond any datasheet")
                      .arg(kMaxDatasheetBytes / (1024 * 1024))
                : QStringLiteral("the file cannot be opened (%1)").arg(read.error);
        return result;
    }
    return readDatasheet(*read.bytes, type);
}

} // namespace pinatlas
