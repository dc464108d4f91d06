#include "library/DatasheetWriter.h"
#include "library/DatasheetReader.h"
#include "support/TempDir.h"

#include <QDir>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>

using namespace pinatlas;
using pinatlas::test::TempDir;

namespace {

CellTable table(int columns, const QStringList& rowMajor) {
    CellTable t;
    const int rows = int(rowMajor.size()) / columns;
    t.resize(columns, rows);
    for (int r = 1; r <= rows; ++r)
        for (int c = 1; c <= columns; ++c)
            t.at(c, r) = rowMajor[(r - 1) * columns + (c - 1)];
    return t;
}

SheetContent hc00() {
    SheetContent c;
    c.descriptionDe = "Vier NAND-Gatter mit je zwei Eingaengen";
    c.descriptionEn = "Quad 2-input NAND gates";
    c.pinCount = 14;
    c.outputType = "TP (totem pole)";
    c.pinNames = QStringList{"1A", "1B", "1Y", "2A", "2B", "2Y", "GND",
                             "3Y", "3A", "3B", "4Y", "4A", "4B", "VCC"};
    c.withComments = true;
    c.commentDe = "Alle vier Gatter sind unabhaengig.";
    c.commentEn = "All four gates are independent.";
    c.withFunctionTable = true;
    c.functionInputColumns = 2;
    c.functionCells =
        table(3, {"A", "B", "Y", "L", "L", "H", "L", "H", "H", "H", "L", "H", "H", "H", "L"});
    c.withExtraTable = true;
    c.extraCells = table(2, {"Gate", "Pins", "1", "1 2 3"});
    return c;
}

const char* const kHc00 = "Vier NAND-Gatter mit je zwei Eingaengen\r\n"
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

QByteArray bytesOf(const SheetContent& c) {
    const EncodedSheet e = encodeDatasheet(c);
    EXPECT_FALSE(e.unwritable.has_value());
    return e.bytes;
}

} // namespace

TEST(DatasheetWriter, WritesTheWorkedExampleByteForByte) {
    EXPECT_EQ(bytesOf(hc00()), QByteArray(kHc00));
}

TEST(DatasheetWriter, SectionsOnlyWhenChosenAndNotEmpty) {
    SheetContent c = hc00();
    c.withComments = false;
    c.withFunctionTable = false;
    c.withExtraTable = false;
    EXPECT_TRUE(bytesOf(c).endsWith("4B\r\nVCC\r\n'Ende\r\n"));

    c.withComments = true;
    c.commentDe.clear();
    c.commentEn.clear();
    EXPECT_FALSE(bytesOf(c).contains("'Beschreibung"));

    c.commentDe = "a\r\nb\r\nc";
    EXPECT_TRUE(bytesOf(c).endsWith("VCC\r\n'Beschreibung-D:\r\na\r\nb\r\nc\r\n'Ende\r\n"));
    c.commentDe = "a\r\nb\r\nc\r\n";
    EXPECT_TRUE(bytesOf(c).endsWith("'Beschreibung-D:\r\na\r\nb\r\nc\r\n\r\n'Ende\r\n"));
}

TEST(DatasheetWriter, TextsInTheUsersCodePage) {
    SheetContent c = hc00();
    c.descriptionDe = QString::fromUtf8("Gehäuse für 5 µA");
    EXPECT_TRUE(bytesOf(c).startsWith("Geh\xe4use f\xfcr 5 \xb5"
                                      "A\r\n"));
}

TEST(DatasheetWriter, OneLineFieldsCannotShiftTheLinesAfterThem) {
    SheetContent c = hc00();
    c.descriptionEn = "two\nlines";
    c.pinNames[0] = "1\r\nA";
    const ReadResult read = readDatasheet(bytesOf(c));
    ASSERT_TRUE(read.file);
    EXPECT_EQ(read.file->sheet.descriptionEn, "two lines");
    EXPECT_EQ(read.file->sheet.pinName(1), "1 A");
    EXPECT_EQ(read.file->sheet.pinName(14), "VCC");
}

TEST(DatasheetWriter, ACommentLineWithAnApostropheDoesNotEndTheSection) {
    SheetContent c = hc00();
    c.commentDe = "first\r\n'quoted\r\nlast";
    const ReadResult read = readDatasheet(bytesOf(c));
    ASSERT_TRUE(read.file);
    EXPECT_EQ(read.file->commentDe, QStringList({"first", " 'quoted", "last"}));
    EXPECT_EQ(read.file->commentEn, QStringList({"All four gates are independent."}));
    EXPECT_TRUE(read.file->sheet.hasFunctionTable);
}

TEST(DatasheetWriter, AwkwardCellsAreQuotedAndReadBackAsWritten) {
    const QStringList awkward{"a,b",      " lead", "\tTab", "two\r\nlines", "one\nbreak",
                              "in\"side", "",      "plain", "'apostrophe",  "end,"};
    SheetContent c = hc00();
    c.extraCells = table(2, awkward);
    const QByteArray bytes = bytesOf(c);
    EXPECT_TRUE(bytes.contains("\r\n\"a,b\",\" lead\"\r\n")) << bytes.constData();
    EXPECT_TRUE(bytes.contains("\"one\nbreak\",in\"side\r\n,plain\r\n"));
    const ReadResult read = readDatasheet(bytes);
    ASSERT_TRUE(read.file) << read.defect.toStdString();
    const CellTable& back = read.file->sheet.extraCells;
    for (int i = 0; i < awkward.size(); ++i)
        EXPECT_EQ(back.at(i % 2 + 1, i / 2 + 1), awkward[i]) << i;
}

TEST(DatasheetWriter, ACellTheFileCannotHoldIsNamedAndNothingIsWritten) {
    SheetContent c = hc00();
    c.functionCells.at(2, 3) = "say \"hi\", then";
    EncodedSheet e = encodeDatasheet(c);
    ASSERT_TRUE(e.unwritable);
    EXPECT_EQ(e.unwritable->table, TableKind::Function);
    EXPECT_EQ(e.unwritable->column, 2);
    EXPECT_EQ(e.unwritable->row, 3);
    EXPECT_TRUE(e.bytes.isEmpty());

    // A leading double quote always needs quotes, which cannot enclose it.
    EXPECT_FALSE(encodeCell("\"quoted\"").has_value());
    EXPECT_FALSE(encodeCell("\"").has_value());
    EXPECT_FALSE(encodeCell(" \"").has_value());
    EXPECT_EQ(encodeCell("5\""), "5\"");
}

TEST(DatasheetWriter, ACarriedDataTableStandsBetweenFunctionAndExtraTable) {
    SheetContent c = hc00();
    c.dataTable = table(2, {"74LS", "Unit", "1,6", "mA"});
    const QByteArray bytes = bytesOf(c);
    EXPECT_TRUE(bytes.contains("H,H,L\r\n'Datentabelle:\r\n2,2\r\n74LS,Unit\r\n\"1,6\",mA\r\n"
                               "'Zusatztabelle:\r\n"));
    const ReadResult read = readDatasheet(bytes);
    ASSERT_TRUE(read.file);
    EXPECT_EQ(read.file->sheet.dataCells, *c.dataTable);
}

TEST(DatasheetWriter, ATableOfOneColumnHasNoCommas) {
    SheetContent c = hc00();
    c.extraCells = table(1, {"x", "y"});
    EXPECT_TRUE(bytesOf(c).endsWith("'Zusatztabelle:\r\n1,2\r\nx\r\ny\r\n'Ende\r\n"));
}

TEST(SaveFileWhole, ReplacesAnExistingFile) {
    TempDir dir;
    dir.write("a/x.txt", "old");
    const SaveOutcome out = saveFileWhole(dir.path() + "a/x.txt", "new\r\n");
    EXPECT_TRUE(out.ok);
    EXPECT_EQ(dir.read("a/x.txt"), "new\r\n");
}

TEST(SaveFileWhole, ADirectoryWhereTheFileMustGoIsAFailure) {
    TempDir dir;
    dir.mkdir("a/x.txt");
    const SaveOutcome out = saveFileWhole(dir.path() + "a/x.txt", "new");
    EXPECT_FALSE(out.ok);
    EXPECT_FALSE(out.error.isEmpty());
    EXPECT_TRUE(QFileInfo(dir.path() + "a/x.txt").isDir());
    EXPECT_EQ(QDir(dir.path() + "a").entryList(QDir::Files | QDir::Hidden).size(), 0);
}

TEST(SaveFileWhole, AMissingDirectoryIsAFailure) {
    TempDir dir;
    EXPECT_FALSE(saveFileWhole(dir.path() + "nowhere/x.txt", "new").ok);
}

TEST(SaveFileWhole, AFullDiskLeavesTheOldFileWhole) {
    TempDir dir;
    dir.write("a/x.txt", "old contents");
    struct rlimit saved {};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    auto* previous = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = saved;
    small.rlim_cur = 64;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const SaveOutcome out = saveFileWhole(dir.path() + "a/x.txt", QByteArray(4096, 'x'));
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previous);
    EXPECT_FALSE(out.ok);
    EXPECT_EQ(dir.read("a/x.txt"), "old contents");
    EXPECT_EQ(QDir(dir.path() + "a").entryList(QDir::Files | QDir::Hidden).size(), 1);
}

TEST(ChangedFiles, EachPathOnceInTheOrderFirstWritten) {
    QStringList files;
    qint16 count = 0;
    EXPECT_TRUE(recordChangedFile(files, count, "/p/a.txt", 1001));
    EXPECT_TRUE(recordChangedFile(files, count, "/p/b.txt", 1001));
    EXPECT_TRUE(recordChangedFile(files, count, "/p/a.txt", 1001));
    EXPECT_TRUE(recordChangedFile(files, count, "/p/A.txt", 1001));
    EXPECT_EQ(count, 3);
    EXPECT_EQ(files, QStringList({"/p/a.txt", "/p/b.txt", "/p/A.txt"}));
}

TEST(ChangedFiles, AFullListRecordsNothingMoreAndNeverOverflows) {
    QStringList files;
    qint16 count = 0;
    for (int i = 0; i < 1001; ++i)
        ASSERT_TRUE(recordChangedFile(files, count, QString("/p/%1.txt").arg(i), 1001));
    EXPECT_FALSE(recordChangedFile(files, count, "/p/new.txt", 1001));
    EXPECT_TRUE(recordChangedFile(files, count, "/p/7.txt", 1001));
    EXPECT_EQ(count, 1001);
    EXPECT_EQ(files.size(), 1001);
    EXPECT_EQ(files.last(), "/p/1000.txt");
}

TEST(DatasheetWriter, FindsACharacterTheCodePageCannotHold) {
    SheetContent c = hc00();
    EXPECT_FALSE(foreignCharacter(c).has_value());
    c.descriptionDe = QString::fromUtf8("Gehäuse € – ok");
    EXPECT_FALSE(foreignCharacter(c).has_value());
    c.pinNames[13] = QString::fromUtf8("V→CC");
    EXPECT_EQ(foreignCharacter(c), QChar(0x2192));
    c.pinNames[13] = "VCC";
    c.extraCells.at(2, 2) = QString::fromUtf8("Ω");
    EXPECT_EQ(foreignCharacter(c), QChar(0x03A9));
    c.withExtraTable = false; // a table that is not written does not count
    EXPECT_FALSE(foreignCharacter(c).has_value());
}
