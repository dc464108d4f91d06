#include "library/DatasheetReader.h"
#include "library/Cp1252.h"
#include "library/Hc00Example.h"

#include <gtest/gtest.h>

using namespace pinatlas;
using pinatlas::test::kHc00;

namespace {

// "a|b" as the file lines a and b, each ended with CR LF, in the files' code page.
QByteArray crlf(const QString& lines) {
    return encodeCp1252(QString(lines).replace(u'|', QStringLiteral("\r\n")) +
                        QStringLiteral("\r\n"));
}

QString head(int pins) {
    QString lines = QStringLiteral("Deutsch|English|%1|TP (totem pole)").arg(pins);
    for (int p = 1; p <= pins; ++p)
        lines += QStringLiteral("|P%1").arg(p);
    return lines;
}

// A table of the kind 'F', 'D' or 'X' with `columns` x `rows` cells.
QString table(char kind, int columns, int rows, const char* inputs = ",1") {
    QString lines = QStringLiteral("'%1:|%2,%3")
                        .arg(kind == 'F'   ? "Funktionstabelle"
                             : kind == 'D' ? "Datentabelle"
                                           : "Zusatztabelle");
    lines = lines.arg(columns).arg(rows) + (kind == 'F' ? inputs : "");
    for (int r = 1; r <= rows; ++r)
        for (int c = 1; c <= columns; ++c)
            lines += QStringLiteral("%1c%2r%3").arg(QChar(c == 1 ? u'|' : u',')).arg(c).arg(r);
    return lines;
}

// The pin count, the comments and which tables a file holds.
QString brief(const ReadResult& r) {
    const DatasheetFile& f = r.file.value();
    QString s = QString::number(f.sheet.pinCount);
    if (f.hasCommentDe)
        s += " De[" + f.commentDe.join(u'/') + u']';
    if (f.hasCommentEn)
        s += " En[" + f.commentEn.join(u'/') + u']';
    if (f.sheet.hasFunctionTable)
        s += " F" + QString::number(f.sheet.functionInputColumns);
    s += f.sheet.hasDataTable ? " D" : "";
    s += f.sheet.hasExtraTable ? " X" : "";
    // Warnings by line, and where the text the reading left alone begins.
    for (const ReadNote& note : r.warnings)
        s += " w" + QString::number(note.line);
    if (r.unreadFrom > 0)
        s += " u" + QString::number(r.unreadFrom);
    return s;
}

} // namespace

// Field by field, reading is pinned by the wizard writing every shipped sheet back byte for byte.
TEST(DatasheetReader, SectionsAreOptionalAndKeepTheirFixedOrderWhateverTheLineEnds) {
    const ReadResult hc00 = readDatasheet(kHc00, QStringLiteral("74HC00"));
    EXPECT_EQ(brief(hc00), "14 De[Alle vier Gatter sind unabhaengig.] "
                           "En[All four gates are independent.] F2 X");
    for (const char* end : {"\n", "\r"})
        EXPECT_EQ(readDatasheet(QByteArray(kHc00).replace("\r\n", end), "74HC00").file, hc00.file);

    const struct {
        QString lines;
        const char* brief;
    } cases[] = {
        // Empty comment lines belong to the text.
        {head(2) + "|'Beschreibung-E:|one||three|'Ende", "2 En[one//three]"},
        // A German comment after the English one ends the reading there; every
        // section left unread is named.
        {head(2) + "|'Beschreibung-E:|en|'Beschreibung-D:|de|" + table('F', 1, 1) + "|'Ende",
         "2 En[en] w9 w11 u9"},
        {head(2) + u'|' + table('D', 1, 1) + u'|' + table('F', 1, 1) + "|'Ende", "2 D w10 u10"},
        // Key lines are exact: a trailing blank or a typo makes a closing line.
        {head(2) + "|'Beschreibung-D: |x", "2 w7 u7"},
        {head(2) + "|'Ende|more", "2 w8 u8"},
        {head(2) + "|'Ende|| |", "2"},
        // A comment line beginning with an apostrophe is the next key line.
        {head(2) + "|'Beschreibung-D:|text|'Funktionstabelle:|2,1,1|a,b|'Ende", "2 De[text] F1"},
        // More inputs than columns: all columns are inputs, as the display has it.
        {head(2) + u'|' + table('F', 2, 1, ",3") + "|'Ende", "2 F2 w8"},
        {head(0) + "|'Ende", "0"},
        // Rounded as the program's integers are: halves to even.
        {"a|b|2.5|TP|P1|P2|'Ende", "2"},
        // Read on in step with the count: "P3" stands where a key line may be.
        {"a|b|2|TP|P1|P2|P3|'Beschreibung-D:|x|'Ende", "2 w8 u7"},
        // The limits themselves are fine.
        {head(40) + u'|' + table('F', 52, 52, ",52") + u'|' + table('D', 52, 52) + u'|' +
             table('X', 100, 100) + "|'Ende",
         "40 F52 D X"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(brief(readDatasheet(crlf(c.lines))), c.brief) << c.lines.toStdString();
}

TEST(DatasheetReader, DefectsAreReportedWithTheirLine) {
    const QString h = head(2) + u'|';
    const struct {
        QByteArray bytes;
        int line;
        const char* reason;
    } cases[] = {
        // Ending early.
        {"", 1, "German short description"},
        {"only one line\r\n", 2, "English short description"},
        {"a\r\nb\r\n", 3, "pin count"},
        {"a\r\nb\r\n4\r\nTP\r\nP1\r\n", 6, "pin 2 of 4"},
        {crlf(head(2)), 7, "after the pin names"},
        {crlf(h + "'Beschreibung-D:|x"), 9, "never closed"},
        {crlf(h + "'Beschreibung-D:|x|'Beschreibung-E:|y"), 11,
         "English comment that begins on line 10"},
        {crlf(h + table('F', 2, 2)), 11, "after the function table"},
        {crlf(h + table('D', 2, 9)), 18, "after the data table"},
        {crlf(h + table('X', 1, 1)), 10, "after the extra table"},
        {crlf(h + "'Funktionstabelle:|2,3,1|a,b|c"), 11,
         "inside the function table (row 2 of 3, column 2 of 2)"},
        {crlf(h + "'Funktionstabelle:"), 8, "column count of the function table"},
        // An opening quote that is never closed swallows the rest of the file.
        {crlf(h + "'Zusatztabelle:|1,1|\"open|'Ende"), 9, "inside the extra table"},
        // Counts beyond the limits, negative or no numbers at all.
        {crlf(head(41) + "|'Ende"), 3, "the pin count 41 is above the limit of 40"},
        {crlf(h + table('F', 53, 1)), 8,
         "column count of the function table 53 is above the limit of 52"},
        {crlf(h + table('F', 1, 53)), 8, "row count of the function table 53"},
        {crlf(h + table('D', 53, 1)), 8, "column count of the data table 53"},
        {crlf(h + table('D', 1, 53)), 8, "row count of the data table 53"},
        {"a\r\nb\r\n-2\r\nTP\r\n'Ende\r\n", 3, "the pin count -2 is negative"},
        {crlf(h + "'Zusatztabelle:|-1,2|a|'Ende"), 8, "negative"},
        {"a\r\nb\r\nfourteen\r\nTP\r\n", 3, "the pin count \"fourteen\" is not a number"},
        {crlf(h + "'Datentabelle:|2,x|'Ende"), 8,
         "row count of the data table \"x\" is not a number"},
        // Huge values must not wrap into small ones.
        {"a\r\nb\r\n65538\r\nTP\r\n'Ende\r\n", 3, "above the limit"},
        {"a\r\nb\r\n99999999999999999999999\r\nTP\r\n'Ende\r\n", 3, "above the limit"},
    };
    for (const auto& c : cases) {
        const ReadResult r = readDatasheet(c.bytes);
        EXPECT_EQ(std::tuple(r.file.has_value(), r.defectLine, r.defect.contains(c.reason)),
                  std::tuple(false, c.line, true))
            << r.defect.toStdString();
    }
}
