#include "library/PartIndex.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include <chrono>
#include <filesystem>

using namespace pinatlas;
using namespace std::chrono_literals;

namespace {

// Directory, type, German and English description of each sheet.
std::vector<PartRecord> sampleLibrary() {
    std::vector<PartRecord> records;
    for (const QString& row :
         QString::fromUtf8(
             "40xx|4017|Dezimalzähler mit 10 Ausgängen|Decade counter, 10 outputs\n"
             "40xx|4040|12-Bit-Binärzähler|12-stage binary counter\n"
             "40xx|40106|Sechs Schmitt-Trigger-Inverter|Hex Schmitt trigger inverter\n"
             "74xx|74595|8-Bit-Schieberegister mit Ausgangsregister|8-bit shift register, output "
             "latches\n74xx|7400|Vier NAND-Gatter|Quad 2-input NAND gate\n"
             "74xx|74LS00|Vier NAND-Gatter (LS)|Quad NAND gate, LS family\n"
             "74xx|74193|Vor-/Rückwärtszähler|Up/down binary counter\n"
             "74xx|74157|Vier 2:1-Multiplexer|Quad 2-line to 1-line selector")
             .split(u'\n')) {
        const QStringList f = row.split(u'|');
        records.push_back(makePartRecord(f[0], f[1], f[2], f[3]));
    }
    return records;
}

std::string found(const std::vector<PartRecord>& records, const QString& text) {
    QStringList out;
    for (const PartMatch& m : findParts(records, text))
        out << records[m.record].type + u'=' + QString::number(int(m.kind));
    return out.join(u' ').toStdString();
}

} // namespace

TEST(PartIndex, FindsTypesWhateverTheirFamilyAndWordsOfEitherLanguage) {
    // 0 exact type, 1 type prefix, 2 digits inside, 3 words, 4 text inside.
    const std::vector<PartRecord> records = sampleLibrary();
    // Texts separated by '|' that find the same.
    const std::pair<const char*, const char*> cases[] = {
        {"74595|HC595|sn74hc595n|595", "74595=0"},
        {"CD4017B|HEF4017BP|4017", "4017=0"},
        // Family letters do not tell two sheets of one function apart.
        {"74HCT00|74ls00", "74LS00=0 7400=0"},
        // Prefixes come before digits found inside, then by directory and number.
        {"40", "4017=1 4040=1 40106=1 74LS00=2 7400=2"},
        {"1", "74157=1 74193=1 4017=2 40106=2 4040=3"},
        // Case, accents and order of words do not matter; a word beginning a
        // word ranks above one found inside another.
        {"zahler", "4017=4 4040=4 74193=4"},
        {"counter DEZIMALZÄHLER", "4017=3"},
        {"counter binary", "4040=3 74193=3"},
        {"nand quad", "74LS00=3 7400=3"},
        {"register", "74595=3"},
        {"  |xyz", ""}};
    for (const auto& [texts, expected] : cases)
        for (const QString& text : QString::fromUtf8(texts).split(u'|'))
            EXPECT_EQ(found(records, text), expected) << text.toStdString();

    EXPECT_EQ(foldForSearch(u"Größe Ærger É"), QStringLiteral("grosse ærger e"));
    EXPECT_EQ(functionNumber(u"74"), QStringLiteral("74"));
    EXPECT_EQ(functionNumber(u"NAND"), QString());
}

TEST(PartIndex, ReadsEachDirectoryOnceUntilItChanges) {
    test::TempDir dir;
    const auto sheet = [](const char* de, const char* en) {
        return QByteArray(de) + "\r\n" + en + "\r\n14\r\nTP\r\n";
    };
    dir.write("74xx/7400.txt", sheet("Vier NAND", "Quad NAND"));
    dir.write("40xx/4011.txt", sheet("Vier NAND", "Quad NAND"));
    dir.write("40xx/4017.txt", sheet("Zaehler", "Counter"));
    dir.write("40xx/notes.doc", sheet("Vier NAND", "Quad NAND"));
    dir.write("40xx/broken.txt", "one line\r\n");
    dir.write(".hidden/7402.txt", sheet("Vier NOR", "Quad NOR"));

    PartIndex index(dir.path());
    // What a text finds, and how many directory reads it took so far.
    const auto types = [&index](const char* text) {
        QString out;
        for (const PartMatch& m : index.find(QString::fromUtf8(text)))
            out +=
                index.records()[m.record].directory + u'/' + index.records()[m.record].type + u' ';
        return out + u'#' + QString::number(index.directoriesRead());
    };
    // Only readable .txt files of visible directories, directories in list order.
    EXPECT_EQ(types("nand"), "40xx/4011 74xx/7400 #2");
    EXPECT_EQ(types("quad"), "40xx/4011 74xx/7400 #2");

    // A sheet written (the directory's time changes) is read with its directory.
    QFile::remove(dir.path() + "40xx/4011.txt");
    dir.write("40xx/4001.txt", sheet("Vier NOR", "Quad NOR"));
    const std::filesystem::path dir40 = (dir.path() + "40xx").toStdString();
    std::filesystem::last_write_time(dir40, std::filesystem::last_write_time(dir40) + 5s);
    EXPECT_EQ(types("quad"), "40xx/4001 74xx/7400 #3");

    // A directory added and one removed.
    dir.write("cmos/4093.txt", sheet("Vier NAND-Schmitt", "Quad NAND Schmitt"));
    QDir(dir.path() + "74xx").removeRecursively();
    EXPECT_EQ(types("nand"), "cmos/4093 #4");

    // Changed in place, the directory's time kept: only a deep look sees it,
    // against the files as an earlier deep look found them.
    EXPECT_FALSE(index.refresh(true));
    const auto dirTime = std::filesystem::last_write_time(dir40);
    dir.write("40xx/4017.txt", sheet("Dekadenzaehler", "Decade counter"));
    std::filesystem::last_write_time(dir40 / "4017.txt", dirTime + 60s);
    std::filesystem::last_write_time(dir40, dirTime);
    EXPECT_FALSE(index.refresh());
    EXPECT_TRUE(index.refresh(true));
    EXPECT_EQ(types("decade"), "40xx/4017 #5");

    index.invalidate();
    EXPECT_EQ(types("4017"), "40xx/4017 #7");
}
