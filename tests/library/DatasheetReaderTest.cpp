#include "library/DatasheetReader.h"
#include "library/Cp1252.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <QRandomGenerator>

using namespace pinatlas;

namespace {

// Lines joined and ended as the program writes them.
QByteArray crlf(const QStringList& lines) {
    return encodeCp1252(lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
}

QStringList head(int pins, const QString& outputType = QStringLiteral("TP (totem pole)")) {
    QStringList lines{QStringLiteral("Deutsch"), QStringLiteral("English"), QString::number(pins),
                      outputType};
    for (int p = 1; p <= pins; ++p)
        lines << QStringLiteral("P%1").arg(p);
    return lines;
}

QStringList table(const QString& key, const QString& header, int columns, int rows) {
    QStringList lines{key, header};
    for (int r = 1; r <= rows; ++r) {
        QStringList cells;
        for (int c = 1; c <= columns; ++c)
            cells << QStringLiteral("c%1r%2").arg(c).arg(r);
        lines << cells.join(u',');
    }
    return lines;
}

const char* const kExample = "Vier NAND-Gatter mit je zwei Eingaengen\r\n"
                             "Quad 2-input NAND gates\r\n"
                             "14\r\n"
                             "TP (totem pole)\r\n"
                             "1A\r\n1B\r\n1Y\r\n2A\r\n2B\r\n2Y\r\nGND\r\n"
                             "3Y\r\n3A\r\n3B\r\n4Y\r\n4A\r\n4B\r\nVCC\r\n"
                             "'Beschreibung-D:\r\n"
                             "Alle vier Gatter sind unabhaengig.\r\n"
                             "'Beschreibung-E:\r\n"
                             "All four gates are independent.\r\n"
                             "'Funktionstabelle:\r\n"
                             " 3 ,5,2\r\n"
                             "A,B,Y\r\nL,L,H\r\nL,H,H\r\nH,L,H\r\nH,H,L\r\n"
                             "'Zusatztabelle:\r\n"
                             "2,2\r\n"
                             "Gate,Pins\r\n"
                             "1,1 2 3\r\n"
                             "'Ende\r\n";

void expectDefect(const QByteArray& bytes, int line, const char* reasonPart) {
    const ReadResult r = readDatasheet(bytes, QStringLiteral("X"));
    EXPECT_FALSE(r.file.has_value());
    EXPECT_EQ(r.defectLine, line) << r.defect.toStdString();
    EXPECT_TRUE(r.defect.contains(QString::fromUtf8(reasonPart)))
        << r.defect.toStdString() << " lacks " << reasonPart;
}

} // namespace

TEST(DatasheetReader, ReadsTheWorkedExampleFieldByField) {
    const ReadResult r = readDatasheet(kExample, QStringLiteral("74HC00"));
    ASSERT_TRUE(r.file) << r.defect.toStdString();
    const DatasheetFile& f = *r.file;
    const Datasheet& s = f.sheet;
    EXPECT_EQ(s.fileName, "74HC00.txt");
    EXPECT_EQ(s.descriptionDe, "Vier NAND-Gatter mit je zwei Eingaengen");
    EXPECT_EQ(s.descriptionEn, "Quad 2-input NAND gates");
    EXPECT_EQ(s.pinCount, 14);
    EXPECT_EQ(s.outputType, "TP (totem pole)");
    EXPECT_EQ(s.pinNames, QStringList({"1A", "1B", "1Y", "2A", "2B", "2Y", "GND", "3Y", "3A", "3B",
                                       "4Y", "4A", "4B", "VCC"}));
    EXPECT_EQ(s.pinName(7), "GND");
    EXPECT_TRUE(f.hasCommentDe);
    EXPECT_TRUE(f.hasCommentEn);
    EXPECT_EQ(f.commentDe, QStringList{"Alle vier Gatter sind unabhaengig."});
    EXPECT_EQ(f.commentEn, QStringList{"All four gates are independent."});

    EXPECT_TRUE(s.hasFunctionTable);
    EXPECT_EQ(s.functionColumns, 3);
    EXPECT_EQ(s.functionRows, 5);
    EXPECT_EQ(s.functionInputColumns, 2);
    EXPECT_EQ(s.functionCells.at(1, 1), "A");
    EXPECT_EQ(s.functionCells.at(3, 1), "Y");
    EXPECT_EQ(s.functionCells.at(3, 5), "L");
    EXPECT_EQ(s.functionCells.at(2, 3), "H");

    EXPECT_FALSE(s.hasDataTable);
    EXPECT_TRUE(s.hasExtraTable);
    EXPECT_EQ(s.extraColumns, 2);
    EXPECT_EQ(s.extraRows, 2);
    EXPECT_EQ(s.extraCells.at(1, 1), "Gate");
    EXPECT_EQ(s.extraCells.at(2, 2), "1 2 3");
}

TEST(DatasheetReader, LfOnlyAndLoneCrFilesReadLikeCrLfOnes) {
    QByteArray lf = kExample;
    lf.replace("\r\n", "\n");
    QByteArray cr = kExample;
    cr.replace("\r\n", "\r");
    const ReadResult a = readDatasheet(kExample, QStringLiteral("74HC00"));
    EXPECT_EQ(readDatasheet(lf, QStringLiteral("74HC00")).file, a.file);
    EXPECT_EQ(readDatasheet(cr, QStringLiteral("74HC00")).file, a.file);
}

TEST(DatasheetReader, SectionsAreOptionalAndKeepTheirFixedOrder) {
    // Nothing but the head and the closing line.
    ReadResult r = readDatasheet(crlf(head(2) << "'Ende"));
    ASSERT_TRUE(r.file);
    EXPECT_FALSE(r.file->hasCommentDe || r.file->hasCommentEn);
    EXPECT_FALSE(r.file->sheet.hasFunctionTable || r.file->sheet.hasDataTable ||
                 r.file->sheet.hasExtraTable);

    // English comment alone, and empty comment lines belong to the text.
    r = readDatasheet(crlf(head(2) << "'Beschreibung-E:"
                                   << "one"
                                   << ""
                                   << "three"
                                   << "'Ende"));
    ASSERT_TRUE(r.file);
    EXPECT_FALSE(r.file->hasCommentDe);
    EXPECT_EQ(r.file->commentEn, QStringList({"one", "", "three"}));

    // A German comment after the English one ends the reading there.
    r = readDatasheet(crlf(head(2)
                           << "'Beschreibung-E:"
                           << "en"
                           << "'Beschreibung-D:"
                           << "de" << table("'Funktionstabelle:", "1,1,1", 1, 1) << "'Ende"));
    ASSERT_TRUE(r.file);
    EXPECT_EQ(r.file->commentEn, QStringList{"en"});
    EXPECT_FALSE(r.file->hasCommentDe);
    EXPECT_FALSE(r.file->sheet.hasFunctionTable);

    // Data table before the function table: the function table is ignored.
    r = readDatasheet(crlf(head(2) << table("'Datentabelle:", "1,1", 1, 1)
                                   << table("'Funktionstabelle:", "1,1,1", 1, 1) << "'Ende"));
    ASSERT_TRUE(r.file);
    EXPECT_TRUE(r.file->sheet.hasDataTable);
    EXPECT_FALSE(r.file->sheet.hasFunctionTable);

    // Key lines are exact: a trailing blank makes an ordinary closing line.
    r = readDatasheet(crlf(head(2) << "'Beschreibung-D: "
                                   << "x"));
    ASSERT_TRUE(r.file);
    EXPECT_FALSE(r.file->hasCommentDe);

    // A comment line beginning with an apostrophe ends the comment and is
    // taken as the next key line.
    r = readDatasheet(crlf(head(2) << "'Beschreibung-D:"
                                   << "text"
                                   << "'Funktionstabelle:"
                                   << "2,1,1"
                                   << "a,b"
                                   << "'Ende"));
    ASSERT_TRUE(r.file);
    EXPECT_EQ(r.file->commentDe, QStringList{"text"});
    EXPECT_TRUE(r.file->sheet.hasFunctionTable);
    EXPECT_EQ(r.file->sheet.functionCells.at(2, 1), "b");
}

TEST(DatasheetReader, ListInputRulesForHeadersAndCells) {
    const auto cells = [](const QString& header, const QStringList& rows) {
        return readDatasheet(crlf(head(2) << "'Zusatztabelle:" << header << rows << "'Ende"));
    };
    // Blanks around header values do not matter; blanks before a cell are skipped.
    ReadResult r = cells(QStringLiteral(" 3 , 2 "), {"a,,", "  b, \"x,y\",c d "});
    ASSERT_TRUE(r.file) << r.defect.toStdString();
    const CellTable& t = r.file->sheet.extraCells;
    EXPECT_EQ(t.at(1, 1), "a");
    EXPECT_EQ(t.at(2, 1), "");
    EXPECT_EQ(t.at(3, 1), "");
    EXPECT_EQ(t.at(1, 2), "b");
    EXPECT_EQ(t.at(2, 2), "x,y");
    EXPECT_EQ(t.at(3, 2), "c d ");

    // Cells are taken row after row across line ends, whatever the lines hold.
    r = cells(QStringLiteral("2,2"), {"a", "b,c", "d"});
    ASSERT_TRUE(r.file);
    EXPECT_EQ(r.file->sheet.extraCells.at(2, 1), "b");
    EXPECT_EQ(r.file->sheet.extraCells.at(1, 2), "c");
    EXPECT_EQ(r.file->sheet.extraCells.at(2, 2), "d");

    // Both header forms of the function table read alike; the pin count takes
    // blanks around it as well.
    QStringList a = head(2);
    a[2] = QStringLiteral(" 2 ");
    const ReadResult withBlanks =
        readDatasheet(crlf(a << table("'Funktionstabelle:", " 3 ,2,1", 3, 2) << "'Ende"));
    const ReadResult without =
        readDatasheet(crlf(head(2) << table("'Funktionstabelle:", "3,2,1", 3, 2) << "'Ende"));
    ASSERT_TRUE(without.file);
    EXPECT_EQ(withBlanks.file, without.file);
}

TEST(DatasheetReader, DecodesWindows1252) {
    QByteArray bytes = "Z\xe4hler\r\nCounter \x80\r\n2\r\nTP (totem pole)\r\n\xb5P\r\nVCC\r\n"
                       "'Beschreibung-D:\r\nGr\xfc\xdf\x65\r\n'Ende\r\n";
    const ReadResult r = readDatasheet(bytes);
    ASSERT_TRUE(r.file);
    EXPECT_EQ(r.file->sheet.descriptionDe, QString::fromUtf8("Zähler"));
    EXPECT_EQ(r.file->sheet.descriptionEn, QString::fromUtf8("Counter €"));
    EXPECT_EQ(r.file->sheet.pinName(1), QString::fromUtf8("µP"));
    EXPECT_EQ(r.file->commentDe, QStringList{QString::fromUtf8("Grüße")});
    EXPECT_EQ(r.file->sheet.fileName, "");
}

TEST(DatasheetReader, EndingEarlyIsADefectWithItsLine) {
    expectDefect("", 1, "German short description");
    expectDefect("only one line\r\n", 2, "English short description");
    expectDefect("a\r\nb\r\n", 3, "pin count");
    expectDefect("a\r\nb\r\n4\r\nTP\r\nP1\r\n", 6, "pin 2 of 4");
    // Nothing after the pin names, the last comment line or the last table row.
    expectDefect(crlf(head(2)), 7, "after the pin names");
    expectDefect(crlf(head(2) << "'Beschreibung-D:"
                              << "x"),
                 9, "never closed");
    expectDefect(crlf(head(2) << "'Beschreibung-D:"
                              << "x"
                              << "'Beschreibung-E:"
                              << "y"),
                 11, "English comment that begins on line 10");
    expectDefect(crlf(head(2) << table("'Funktionstabelle:", "2,2,1", 2, 2)), 11,
                 "after the function table");
    expectDefect(crlf(head(2) << table("'Datentabelle:", "2,9", 2, 9)), 18, "after the data table");
    expectDefect(crlf(head(2) << table("'Zusatztabelle:", "1,1", 1, 1)), 10,
                 "after the extra table");
    // A table that stops short.
    expectDefect(crlf(head(2) << "'Funktionstabelle:"
                              << "2,3,1"
                              << "a,b"
                              << "c"),
                 11, "inside the function table (row 2 of 3, column 2 of 2)");
    expectDefect(crlf(head(2) << "'Funktionstabelle:"), 8, "column count of the function table");
    // An opening quote that is never closed swallows the rest of the file.
    expectDefect(crlf(head(2) << "'Zusatztabelle:"
                              << "1,1"
                              << "\"open"
                              << "'Ende"),
                 9, "inside the extra table");
}

TEST(DatasheetReader, CountsBeyondTheLimitsOrNotCountsAreDefects) {
    // The limits themselves are fine.
    EXPECT_TRUE(readDatasheet(crlf(head(40) << "'Ende")).file);
    EXPECT_TRUE(
        readDatasheet(crlf(head(2) << table("'Funktionstabelle:", "52,52,52", 52, 52)
                                   << table("'Datentabelle:", "52,52", 52, 52)
                                   << table("'Zusatztabelle:", "100,100", 100, 100) << "'Ende"))
            .file);

    expectDefect(crlf(head(41) << "'Ende"), 3, "the pin count 41 is above the limit of 40");
    expectDefect(crlf(head(2) << table("'Funktionstabelle:", "53,1,1", 53, 1) << "'Ende"), 8,
                 "column count of the function table 53 is above the limit of 52");
    expectDefect(crlf(head(2) << table("'Funktionstabelle:", "1,53,1", 1, 53) << "'Ende"), 8,
                 "row count of the function table 53");
    expectDefect(crlf(head(2) << table("'Datentabelle:", "53,1", 53, 1) << "'Ende"), 8,
                 "column count of the data table 53");
    expectDefect(crlf(head(2) << table("'Datentabelle:", "1,53", 1, 53) << "'Ende"), 8,
                 "row count of the data table 53");
    expectDefect(crlf(head(2) << table("'Zusatztabelle:", "101,1", 101, 1) << "'Ende"), 8,
                 "column count of the extra table 101");
    expectDefect(crlf(head(2) << table("'Zusatztabelle:", "1,101", 1, 101) << "'Ende"), 8,
                 "row count of the extra table 101");
    expectDefect(crlf(head(2) << table("'Funktionstabelle:", "2,1,3", 2, 1) << "'Ende"), 8,
                 "3 input columns but only 2 columns");

    // Huge values must not wrap into small ones.
    for (const char* pins : {"65538", "4294967298", "1e300", "99999999999999999999999"})
        expectDefect(QByteArray("a\r\nb\r\n") + pins + "\r\nTP\r\n'Ende\r\n", 3, "above the limit");
    expectDefect("a\r\nb\r\n-2\r\nTP\r\n'Ende\r\n", 3, "the pin count -2 is negative");
    expectDefect(crlf(head(2) << table("'Zusatztabelle:", "-1,2", 1, 1) << "'Ende"), 8, "negative");
    expectDefect("a\r\nb\r\nfourteen\r\nTP\r\n", 3, "the pin count \"fourteen\" is not a number");
    expectDefect(crlf(head(2) << "'Datentabelle:"
                              << "2,x"
                              << "'Ende"),
                 8, "row count of the data table \"x\" is not a number");
}

TEST(DatasheetReader, OddZeroAndFractionalCountsAreRead) {
    ReadResult r = readDatasheet(crlf(head(3) << "'Ende"));
    ASSERT_TRUE(r.file);
    EXPECT_EQ(r.file->sheet.pinCount, 3);
    EXPECT_EQ(r.file->sheet.pinNames.size(), 3);

    r = readDatasheet(crlf(head(0) << "'Ende"));
    ASSERT_TRUE(r.file);
    EXPECT_EQ(r.file->sheet.pinCount, 0);

    // Rounded as the program's integers are: halves to even.
    r = readDatasheet("a\r\nb\r\n2.5\r\nTP\r\nP1\r\nP2\r\n'Ende\r\n");
    ASSERT_TRUE(r.file);
    EXPECT_EQ(r.file->sheet.pinCount, 2);

    // A pin count that disagrees with the pin lines reads on in step with the count.
    r = readDatasheet("a\r\nb\r\n2\r\nTP\r\nP1\r\nP2\r\nP3\r\n'Beschreibung-D:\r\nx\r\n'Ende\r\n");
    ASSERT_TRUE(r.file);
    EXPECT_FALSE(r.file->hasCommentDe); // "P3" stood where a key line may be
}

TEST(DatasheetReader, HostileBytesAreReadOrReportedNeverFatal) {
    // A multi-megabyte description line.
    QByteArray big(8 * 1024 * 1024, 'x');
    ReadResult r = readDatasheet(big + "\r\nb\r\n0\r\nTP\r\n'Ende\r\n");
    ASSERT_TRUE(r.file);
    EXPECT_EQ(r.file->sheet.descriptionDe.size(), big.size());
    // A multi-megabyte file without a single line end.
    expectDefect(big, 2, "English short description");

    // Every byte value, in many arrangements: the reader must come back.
    QRandomGenerator rng(1234);
    for (int i = 0; i < 2000; ++i) {
        QByteArray bytes(int(rng.bounded(400)), Qt::Uninitialized);
        for (char& b : bytes)
            b = char(rng.bounded(256));
        if (i % 2) // start like a datasheet so that the deeper paths are reached
            bytes.prepend(crlf(head(2) << "'Zusatztabelle:"
                                       << "3,3"));
        const ReadResult any = readDatasheet(bytes);
        EXPECT_NE(any.file.has_value(), !any.defect.isEmpty());
    }
}

TEST(DatasheetReader, WrittenSheetsReadBackUnchanged) {
    // A record written out line by line as the program writes it, then read.
    QRandomGenerator rng(99);
    const QString alphabet = QString::fromUtf8("abcXYZ019 -_/()äöüß€µ°;:'!");
    auto text = [&](int maxLength) {
        QString s;
        const int n = int(rng.bounded(maxLength + 1));
        for (int i = 0; i < n; ++i)
            s += alphabet[int(rng.bounded(alphabet.size()))];
        return s;
    };
    // List input skips blanks before a cell, so no cell may begin with one;
    // the alphabet holds neither comma nor double quote.
    auto cell = [&] {
        QString s = text(6);
        while (s.startsWith(u' '))
            s.remove(0, 1);
        return s;
    };
    for (int round = 0; round < 200; ++round) {
        DatasheetFile f;
        Datasheet& s = f.sheet;
        s.fileName = QStringLiteral("T%1.txt").arg(round);
        s.descriptionDe = text(30);
        s.descriptionEn = text(30);
        s.pinCount = qint16(2 * rng.bounded(21));
        s.outputType = QStringLiteral("Tri-state");
        QStringList lines{s.descriptionDe, s.descriptionEn, QString::number(s.pinCount),
                          s.outputType};
        for (int p = 0; p < s.pinCount; ++p) {
            s.pinNames << text(5);
            lines << s.pinNames.last();
        }
        auto comment = [&](bool& has, QStringList& out, const char* key) {
            if (!(has = rng.bounded(2)))
                return;
            lines << QString::fromLatin1(key);
            for (int k = int(rng.bounded(4)); k > 0; --k) {
                QString line = text(20);
                if (line.startsWith(u'\''))
                    line.prepend(u'x');
                out << line;
                lines << line;
            }
        };
        comment(f.hasCommentDe, f.commentDe, "'Beschreibung-D:");
        comment(f.hasCommentEn, f.commentEn, "'Beschreibung-E:");
        auto cells = [&](CellTable& t, int columns, int rows) {
            t.resize(columns, rows);
            for (int r = 1; r <= rows; ++r) {
                QStringList row;
                for (int c = 1; c <= columns; ++c)
                    row << (t.at(c, r) = cell());
                lines << row.join(u',');
            }
        };
        if ((s.hasFunctionTable = rng.bounded(2))) {
            s.functionColumns = 1 + int(rng.bounded(6));
            s.functionRows = qint16(1 + rng.bounded(6));
            s.functionInputColumns = qint16(rng.bounded(s.functionColumns + 1));
            lines << "'Funktionstabelle:"
                  << QStringLiteral(" %1 ,%2,%3")
                         .arg(s.functionColumns)
                         .arg(s.functionRows)
                         .arg(s.functionInputColumns);
            cells(s.functionCells, s.functionColumns, s.functionRows);
        }
        if ((s.hasDataTable = rng.bounded(2))) {
            s.dataColumns = 2;
            s.dataRows = 9;
            lines << "'Datentabelle:"
                  << "2,9";
            cells(s.dataCells, 2, 9);
        }
        if ((s.hasExtraTable = rng.bounded(2))) {
            s.extraColumns = 1 + int(rng.bounded(4));
            s.extraRows = qint16(rng.bounded(4));
            lines << "'Zusatztabelle:"
                  << QStringLiteral("%1,%2").arg(s.extraColumns).arg(s.extraRows);
            cells(s.extraCells, s.extraColumns, s.extraRows);
        }
        lines << "'Ende";
        const ReadResult r = readDatasheet(crlf(lines), QStringLiteral("T%1").arg(round));
        ASSERT_TRUE(r.file) << r.defect.toStdString() << " at " << r.defectLine;
        ASSERT_EQ(*r.file, f) << "round " << round;
    }
}

TEST(DatasheetReader, FilesThatCannotBeReadAreDefective) {
    pinatlas::test::TempDir dir;
    EXPECT_FALSE(readDatasheetFile(dir.path() + "missing.txt").file);
    EXPECT_TRUE(readDatasheetFile(dir.path() + "missing.txt").defect.contains("cannot be opened"));
    dir.write("74HC00.txt", kExample);
    const ReadResult r = readDatasheetFile(dir.path() + "74HC00.txt", "74HC00");
    ASSERT_TRUE(r.file);
    EXPECT_EQ(r.file->sheet.fileName, "74HC00.txt");
    EXPECT_FALSE(readDatasheetFile(dir.path()).file); // a directory
}
