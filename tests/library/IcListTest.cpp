#include "library/IcList.h"
#include "library/Cp1252.h"
#include "support/LiteralIcSort.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <QRandomGenerator>

#include <cmath>

using namespace pinatlas;
using pinatlas::test::literalSelectionSort;

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

// The oracle states the order, the sentinels of used rows and the language's
// column; random directories meet it with ties, markers and accents.
TEST(IcList, EqualsTheLiteralSelectionSortOnGeneratedDirectories) {
    QRandomGenerator rng(20240611);
    const auto pick = [&rng](const char* words) {
        const QStringList list = QString::fromUtf8(words).split(u'|');
        return list[int(rng.bounded(list.size()))];
    };
    const char* const names = "7400|7402|74138|74LS00|74HC00|CD4011|4011|1e3x| 12|12|-3|+4|1.5|"
                              "1,5|ab||x|999999999|999999998|1e9|1e999|2d3|74 00|0|9999999999|007";
    const char* const words = "Quad|quad|Hex|NAND|NOR|Zähler|zähler|Äbc|ÿ|üüüüüüüüüü|ü||a|"
                              "2-input|€|Œ|Inverter| |z|üüüüü";
    for (int round = 0; round < 600; ++round) {
        std::vector<IcEntry> table;
        const auto description = [&] {
            QString d;
            for (int w = int(rng.bounded(5)); w > 0; --w)
                d += pick(words) + (rng.bounded(3) ? " " : "");
            return d;
        };
        // Names repeat, so that keys tie.
        for (int k = int(rng.bounded(round < 100 ? 6 : 60)); k > 0; --k)
            table.push_back({pick(names) + pick(".txt|.TXT||.c|txt"), description(), description(),
                             QString::number(k)});
        for (IcSort sort : {IcSort::ByType, IcSort::ByDescription})
            for (Language language : {Language::German, Language::English})
                ASSERT_EQ(sortIcList(table, sort, language),
                          literalSelectionSort(table, sort, language))
                    << "round " << round << " sort " << int(sort) << " " << int(language);
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
    EXPECT_EQ(scan.entries, (std::vector<IcEntry>{
                                {"7400.txt", QString::fromUtf8("Vier NAND-Gatter mit Eingängen"),
                                 "Quad NAND", "14"},
                                {"7402.txt", "Vier NOR", "Quad NOR", "14 "},
                                {"readme", "one", "two", "3,x"}}));
    EXPECT_EQ(sortIcList(scan.entries, IcSort::ByType, Language::English).front().type, "re");

    // Without a third line, with an unclosed quote, and after an empty third field.
    const std::pair<const char*, const char*> bad[] = {{"1\r\n2\r\n", "b.txt"},
                                                       {"1\r\n2\r\n\"unclosed\r\n", "b.txt"},
                                                       {"1\r\n2\r\n\r\n", "c.txt"}};
    dir.write("lib/c.txt", "");
    for (const auto& [b, failed] : bad) {
        dir.write("lib/b.txt", b);
        scan = scanIcDirectory(lib);
        EXPECT_EQ(std::pair(scan.failedFile, scan.entries.size()),
                  std::pair(QString(failed), size_t(failed[0] == 'b' ? 2 : 3)));
    }
    // The head spans several of the reader's chunks; the CR LF falls on a
    // chunk border in one of the cases. A description is kept only as far as
    // anyone reads one.
    for (int size : {16 * 1024 - 1, 16 * 1024, 3 * 1024 * 1024}) {
        dir.write("lib/big.txt", QByteArray(size, 'd') + "\r\nEnglish\r\n  16  ,rest\r\n");
        EXPECT_EQ(readIcHead(lib + "big.txt", "big.txt"),
                  (IcEntry{"big.txt", QString(kMaxShownDescription, u'd'), "English", "16  "}));
    }
}

// The headers and the German message are pinned by the tool's list command.
TEST(IcList, WidthsAndMessageFollowTheLanguage) {
    // 96 dpi, 15 twips a pixel, is the list window's; 120 dpi: 12 twips a pixel.
    EXPECT_EQ(icColumnWidths(12, true), (IcColumnWidths{756, 2040, 324}));
    // Halves go to the even neighbour: 27 * 12.5 = 337.5, 63 * 12.5 = 787.5.
    EXPECT_EQ(icColumnWidths(12.5, false), (IcColumnWidths{788, 1912, 338}));

    EXPECT_EQ(defectiveFileMessage(Language::German, "/p/a.txt", "\r\n").title,
              "Fehler im Programmverzeichnis");
    const FileErrorMessage en = defectiveFileMessage(Language::English, "/p/74xx/a.txt", "\r\n");
    EXPECT_EQ(en.title, "Error");
    EXPECT_EQ(en.text, "Unknown or defect file in program directory:\r\n/p/74xx/a.txt\r\n"
                       "Please remove all foreign files!");
}
