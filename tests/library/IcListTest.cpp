#include "library/IcList.h"
#include "library/Cp1252.h"
#include "support/LiteralIcSort.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <QRandomGenerator>

#include <cmath>

using namespace pinatlas;
using pinatlas::test::literalSelectionSort;

namespace {

QStringList types(const std::vector<IcRow>& rows) {
    QStringList out;
    for (const IcRow& r : rows)
        out << r.type;
    return out;
}

} // namespace

TEST(IcList, TypeKeyReadsTheLeadingNumberOfTheName) {
    // " 9999999999999" is the marker of a used row.
    const std::pair<const char*, double> keys[] = {
        {"7400.txt", 7400}, {"74138.txt", 74138}, {"74LS00.txt", 74},
        {"CD4011.txt", 0},  {" 12.txt", 12},      {"1 2\t3\n4.txt", 1234},
        {"1e3x.txt", 1000}, {"2D2.txt", 200},     {"-5.txt", -5},
        {"+.5e1.txt", 5},   {"1.2.3.txt", 1.2},   {"1e.txt", 1},
        {"1e-.txt", 1},     {"-.txt", 0},         {".txt", 0},
        {"abc", 0},         {"1e-999.txt", 0},    {" 9999999999999", 999999999}};
    for (const auto& [name, key] : keys)
        EXPECT_EQ(typeKey(name), key) << name;
    EXPECT_EQ(typeKey(QString(34, u'0') + "7.txt"), 7);
    EXPECT_TRUE(std::isinf(typeKey("1e999.txt")));
    EXPECT_EQ(leadingNumberIgnoringBlanks(u"12³4"), 12);
}

TEST(IcList, SortsByDescriptionByCharacterCode) {
    std::vector<IcEntry> list;
    for (const char* description :
         {"Quad 2-input NAND", "Quad 2-input NOR", "hex buffer", "Hex inverter", "änder", "ÿberall",
          "üüüüüüüüüü0123", "üüüüüüüüü0123", "€ sign", "zzz"})
        list.push_back({QChar(char16_t(u'a' + list.size())) + QStringLiteral(".txt"), "x",
                        QString::fromUtf8(description), "14"});
    // A description of four characters or fewer has the empty key; NOR before
    // NAND because the keys drop four characters; uppercase first; ASCII before
    // accented letters; ten u-umlauts, y-diaeresis and the euro sign are at or
    // above the sentinel and so are not listed.
    const auto rows = sortIcList(list, IcSort::ByDescription, "E");
    EXPECT_EQ(types(rows), QStringList({"j", "d", "b", "a", "c", "e", "h"}));
    EXPECT_EQ(rows[2], (IcRow{"b", "Quad 2-input NOR", "14"}));

    // The German column decides in German, and is shown.
    list[0].descriptionDe = "zzzzzz";
    const auto german = sortIcList(list, IcSort::ByDescription, "D");
    EXPECT_EQ(german.back(), (IcRow{"a", "zzzzzz", "14"}));
    EXPECT_EQ(german.size(), list.size());
}

TEST(IcList, EqualsTheLiteralSelectionSortOnGeneratedDirectories) {
    QRandomGenerator rng(20240611);
    // Names and words split at '|'; empty ones, blanks and markers included.
    const QStringList names = QString("7400|7402|74138|74LS00|74HC00|CD4011|4011|1e3x| 12|12|-3|+4|"
                                      "1.5|1,5|ab||x|999999999|999999998|1e9|1e999|2d3|74 00|0|"
                                      "9999999999|readme0|74HCT4060|007")
                                  .split(u'|');
    const QStringList words = QString::fromUtf8("Quad|quad|Hex|hex|NAND|NOR|Zähler|zähler|Äbc|ÿ|"
                                                "üüüüüüüüüü|ü||a|2-input|€|Œ|Inverter| |z|üüüüü|"
                                                "Gatter")
                                  .split(u'|');
    const QStringList extensions = QString(".txt|.TXT||.c|txt").split(u'|');
    for (int round = 0; round < 600; ++round) {
        std::vector<IcEntry> table;
        const int count = int(rng.bounded(round < 100 ? 6 : 60));
        auto description = [&] {
            QString d;
            for (int w = int(rng.bounded(5)); w > 0; --w)
                d += words[int(rng.bounded(words.size()))] + (rng.bounded(3) ? " " : "");
            return d;
        };
        for (int k = 0; k < count; ++k) {
            // Repeat earlier rows now and then so that keys tie.
            if (!table.empty() && rng.bounded(4) == 0) {
                table.push_back(table[rng.bounded(quint32(table.size()))]);
                table.back().pinField = QString::number(k);
                continue;
            }
            table.push_back({names[int(rng.bounded(names.size()))] +
                                 extensions[int(rng.bounded(extensions.size()))],
                             description(), description(), QString::number(k)});
        }
        for (IcSort sort : {IcSort::ByType, IcSort::ByDescription})
            for (const char* language : {"D", "E"})
                ASSERT_EQ(sortIcList(table, sort, language),
                          literalSelectionSort(table, sort, language))
                    << "round " << round << " sort " << int(sort) << " " << language;
    }
}

TEST(IcList, ScanReadsTheHeadsOfOrdinaryFilesWholeInNameOrderAndStopsAtABadOne) {
    test::TempDir dir;
    const QString lib = dir.mkdir("lib");
    dir.write("lib/7402.txt", "Vier NOR\r\nQuad NOR\r\n 14 \r\nTP (totem pole)\r\n");
    dir.write("lib/7400.txt", encodeCp1252(u"Vier NAND-Gatter mit Eingängen\r\nQuad NAND\r\n14"));
    dir.write("lib/readme", "one\ntwo\n\"3,x\"\n"); // LF only, a quoted field
    dir.write("lib/.hidden.txt", "x");              // hidden: never read
    dir.mkdir("lib/sub.txt");                       // directories are not listed
    DirectoryScan scan = scanIcDirectory(lib);
    ASSERT_FALSE(scan.failed()) << scan.failedFile.toStdString();
    ASSERT_EQ(scan.entries.size(), 3u);
    EXPECT_EQ(scan.entries[0],
              (IcEntry{"7400.txt", QString::fromUtf8("Vier NAND-Gatter mit Eingängen"), "Quad NAND",
                       "14"}));
    EXPECT_EQ(scan.entries[1].pinField, "14 ");
    EXPECT_EQ(scan.entries[2], (IcEntry{"readme", "one", "two", "3,x"}));
    EXPECT_EQ(types(sortIcList(scan.entries, IcSort::ByType, "E")),
              QStringList({"re", "7400", "7402"}));

    // Without a third line.
    dir.write("lib/b.txt", "1\r\n2\r\n");
    dir.write("lib/c.txt", "");
    scan = scanIcDirectory(lib);
    EXPECT_EQ(scan.failedFile, "b.txt");
    EXPECT_EQ(scan.entries.size(), 2u);
    dir.write("lib/b.txt", "1\r\n2\r\n\"unclosed\r\n");
    EXPECT_EQ(scanIcDirectory(lib).failedFile, "b.txt");
    dir.write("lib/b.txt", "1\r\n2\r\n\r\n"); // an empty third field is a field
    EXPECT_EQ(scanIcDirectory(lib).failedFile, "c.txt");
    EXPECT_TRUE(scanIcDirectory(dir.path() + "missing/").entries.empty());
    // The head spans several of the reader's chunks; the CR LF falls on a
    // chunk border in one of the cases.
    for (int size : {16 * 1024 - 1, 16 * 1024, 3 * 1024 * 1024}) {
        dir.write("lib/big.txt", QByteArray(size, 'd') + "\r\nEnglish\r\n  16  ,rest\r\n");
        EXPECT_EQ(readIcHead(lib + "big.txt", "big.txt"),
                  (IcEntry{"big.txt", QString(size, u'd'), "English", "16  "}));
    }
}

// The headers and the German message are pinned by the tool's list command.
TEST(IcList, WidthsAndMessageFollowTheLanguage) {
    EXPECT_EQ(icColumnWidths(15, true), (IcColumnWidths{945, 2550, 405}));
    EXPECT_EQ(icColumnWidths(15, false), (IcColumnWidths{945, 2295, 405}));
    // 120 dpi: 12 twips a pixel; 144 dpi: 10.
    EXPECT_EQ(icColumnWidths(12, true), (IcColumnWidths{756, 2040, 324}));
    // Halves go to the even neighbour: 27 * 12.5 = 337.5, 63 * 12.5 = 787.5.
    EXPECT_EQ(icColumnWidths(12.5, false), (IcColumnWidths{788, 1912, 338}));

    EXPECT_EQ(defectiveFileMessage("D", "/p/a.txt", "\r\n").title, "Fehler im Programmverzeichnis");
    const FileErrorMessage en = defectiveFileMessage("E", "/p/74xx/a.txt", "\r\n");
    EXPECT_EQ(en.title, "Error");
    EXPECT_EQ(en.text, "Unknown or defect file in program directory:\r\n/p/74xx/a.txt\r\n"
                       "Please remove all foreign files!");
}
