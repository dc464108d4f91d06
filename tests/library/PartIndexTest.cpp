#include "library/PartIndex.h"
#include "library/IcList.h"
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

TEST(PartIndex, FindsTypesWhateverTheirMakerFamilyAndPackage) {
    // 0 exact type, 1 type prefix, 2 digits inside.
    const std::vector<PartRecord> records = sampleLibrary();
    // Texts separated by '|' that find the same.
    const std::pair<const char*, const char*> cases[] = {
        {"74595|HC595|sn74hc595n|595|74HC595DWR|HC 595", "74595=0"},
        {"CD4017B|HEF4017BP|4017|MC14017B|cd4017be", "4017=0"},
        // Family letters do not tell two sheets of one function apart; the
        // base part comes first unless the family typed is the sheet's.
        {"74HCT00|74 HC 00", "7400=0 74LS00=0"},
        {"74ls00", "74LS00=0 7400=0"},
        // Prefixes come before digits found inside, then by directory and number.
        {"40", "4017=1 4040=1 40106=1 74LS00=2 7400=2"},
        {"1", "74157=1 74193=1 4017=2 40106=2"},
        // One-, two- and three-gate parts are other parts, not 7410 or 7411.
        {"74LVC1G04|74AHC1G08|SN74LVC2G14DBVR|74lvc3g04", ""},
        {"  |xyz|4bit", ""}};
    for (const auto& [texts, expected] : cases)
        for (const QString& text : QString::fromUtf8(texts).split(u'|'))
            EXPECT_EQ(found(records, text), expected) << text.toStdString();

    EXPECT_EQ(foldForSearch(u"Größe Ærger É"), QStringLiteral("grosse ærger e"));
    EXPECT_EQ(functionNumber(u"74"), QStringLiteral("74"));
    EXPECT_EQ(functionNumber(u"NAND"), QString());
    // What makes a part number and what words, and the family it names.
    const std::tuple<const char*, bool, const char*> shapes[] = {
        {"74HCT", true, ""},        {"74hct04", true, "74HCT"}, {"SN74LS00N", true, "74LS"},
        {"HC 595", true, ""},       {"74 HC 00", true, "74HC"}, {"CD4017BE", true, ""},
        {"4bit", false, ""},        {"7seg", false, ""},        {"3-state", false, ""},
        {"1of10", false, ""},       {"quad 2", false, ""},      {"2 input", false, ""},
        {"decoder 138", false, ""}, {"74AHC1G08", true, ""},    {"595", true, ""},
        {"CD4049UBE", true, ""},    {"MC14013BCP", true, ""},   {"4bcd", false, ""}};
    for (const auto& [text, isType, family] : shapes) {
        const PartQuery q = makePartQuery(QString::fromUtf8(text));
        EXPECT_EQ(std::pair(q.isType, q.family), std::pair(isType, QString(family))) << text;
    }
    // 2 to the 32 is no int: "32 to 1" stays as written.
    EXPECT_EQ(
        searchWords(u"Exklusiv-ODER, exclusive nor, flip flop, 2-to-1, demux, 32 to 1"),
        QStringList({"xor", "xnor", "flipflop", "2", "to", "1", "demultiplexer", "32", "to", "1"}));
    // Letters that fold to more than one, and signs beyond the Latin letters.
    EXPECT_EQ(searchWords(u"Maß–Straße"), QStringList({"mass", "strasse"}));
    EXPECT_EQ(searchWords(u"3-to-8 line Dekodierer, Tri-State Zaehler-Flip-Flops (1 aus 10)"),
              QStringList(
                  {"1", "of", "8", "decoder", "tristate", "zahler", "flipflop", "1", "of", "10"}));
}

// The first sheet Find offers for a query over the shipped library, in the
// language shown and the other.
TEST(PartIndex, RanksTheShippedLibraryAsAUserMeansTheQuery) {
    PartIndex index(QStringLiteral(PINATLAS_SOURCE_DIR "/library"));
    const std::tuple<const char*, Language, const char*> cases[] = {
        {"decoder 3 to 8", Language::English, "74138"},
        {"4-bit counter", Language::English, "74161"},
        {"quad 2-input nand", Language::English, "7400"},
        {"8-bit shift register", Language::English, "7491"},
        {"1-of-10", Language::English, "7442"},
        {"1 aus 10", Language::German, "7442"},
        {"Dekoder 3 zu 8", Language::German, "74138"},
        {"Dekodierer BCD dezimal", Language::German, "7442"},
        {"Dezimalzaehler 10", Language::English, "4017"},
        {"open-collector hex inverter", Language::English, "7405"},
        {"3-state octal buffer", Language::English, "74244"},
        {"hex schmitt trigger inverter", Language::German, "7414"},
        {"Sechs Schmitt-Trigger-Inverter", Language::English, "7414"},
        {"dual d flip-flop", Language::English, "7474"},
        {"zwei d-flipflops", Language::German, "7474"},
        {"Dezimalzähler 7-Segment", Language::German, "4026"},
        {"NAND mit 8 Eingängen", Language::German, "7430"},
        {"2-to-4 decoder", Language::English, "74139"},
        {"4 zu 16 Decoder", Language::German, "74154"},
        {"1 of 16 decoder", Language::English, "74154"},
        {"priority encoder 8 to 3", Language::English, "74148"},
        {"Schieberegister seriell ein parallel aus", Language::German, "74164"},
        {"shift register serial in parallel out", Language::English, "74164"},
        {"retriggerable monostable", Language::English, "74122"},
        {"Zähler mit Oszillator", Language::German, "4060"},
        {"nand", Language::English, "7400"},
        {"Inverter", Language::German, "7404"},
        {"analog multiplexer 8 channel", Language::English, "4051"},
        {"quad exclusive-or 2-input", Language::English, "7486"},
        {"dual 4-input nand", Language::German, "7420"},
        {"triple 3-input nor", Language::English, "7427"},
        {"Zwei JK-Flipflops", Language::German, "7473"},
        {"Vergleicher", Language::English, "7485"},
        {"Teiler durch 12", Language::German, "7492"},
        {"8-to-1 multiplexer", Language::English, "74151"},
        {"MC14017B", Language::English, "4017"},
        {"74HCT04", Language::German, "7404"},
    };
    for (const auto& [text, language, first] : cases) {
        const std::vector<PartMatch> matches = index.find(QString::fromUtf8(text), language);
        EXPECT_EQ(matches.empty() ? QString() : index.records()[matches.front().record].type,
                  QString::fromUtf8(first))
            << text;
    }

    // Which families the sheet shows, when the query names one.
    const auto note = [&](const char* text, Language language) {
        const PartQuery q = makePartQuery(QString::fromUtf8(text));
        const std::vector<PartMatch> m = index.find(q.compact, language);
        const PartRecord* best = m.empty() ? nullptr : &index.records()[m.front().record];
        return searchNote(q, best, best ? dataTableFamilies(index.pathOf(*best)) : QStringList(),
                          language);
    };
    EXPECT_EQ(note("74HCT04", Language::English), "7404 shows the data of 74LS, 74HC, [74HCT].");
    EXPECT_EQ(note("SN74HC290N", Language::German),
              "74290 zeigt die Daten von 74LS. 74HC ist nicht dabei.");
    EXPECT_EQ(note("7404", Language::English), "");
    EXPECT_EQ(note("74LVC1G04", Language::English),
              "74LVC1G04 is a single-gate part with a pinout of its own and is not in the "
              "library.");
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
    // Line ends of every kind, and a CR LF split by the index's 16 KiB reads.
    dir.write("40xx/4071.txt", "Vier ODER\rFour OR\n14\rTP\r\n");
    dir.write("40xx/4072.txt", QByteArray(16383 - 9, ' ') + "Zwei ODER\r\nDual OR\r\n14\r\n");
    dir.write(".hidden/7402.txt", sheet("Vier NOR", "Quad NOR"));

    PartIndex index(dir.path());
    // What a text finds, and how many directory reads it took so far.
    const auto types = [&index](const char* text) {
        QString out;
        for (const PartMatch& m : index.find(QString::fromUtf8(text)))
            out +=
                index.records()[m.record].directory + u'/' + index.records()[m.record].type + u' ';
        return (out + u'#' + QString::number(index.directoriesRead())).toStdString();
    };
    // Only readable .txt files of visible directories; alike, the base part first.
    EXPECT_EQ(types("nand"), "74xx/7400 40xx/4011 #2");
    EXPECT_EQ(types("quad"), "74xx/7400 40xx/4011 #2");
    EXPECT_EQ(types("or"), "40xx/4071 40xx/4072 #2");

    // A sheet written (the directory's time changes) is read with its directory.
    QFile::remove(dir.path() + "40xx/4011.txt");
    dir.write("40xx/4001.txt", sheet("Vier NOR", "Quad NOR"));
    const std::filesystem::path dir40 = (dir.path() + "40xx").toStdString();
    std::filesystem::last_write_time(dir40, std::filesystem::last_write_time(dir40) + 5s);
    EXPECT_EQ(types("quad"), "74xx/7400 40xx/4001 #3");

    // A directory added and one removed.
    dir.write("cmos/4093.txt", sheet("Vier NAND-Schmitt", "Quad NAND Schmitt"));
    QDir(dir.path() + "74xx").removeRecursively();
    EXPECT_EQ(types("nand"), "cmos/4093 #4");

    // Changed in place after its directory was read, the directory's time
    // kept: only a deep look sees it, against the files as they were read.
    EXPECT_FALSE(index.refresh(true));
    dir.write("40xx/4001.txt", sheet("Vier NOR", "Quad NOR"));
    std::filesystem::last_write_time(dir40, std::filesystem::last_write_time(dir40) + 5s);
    EXPECT_TRUE(index.refresh());
    const auto dirTime = std::filesystem::last_write_time(dir40);
    dir.write("40xx/4017.txt", sheet("Dekadenzaehler", "Decade counter"));
    std::filesystem::last_write_time(dir40 / "4017.txt", dirTime + 60s);
    std::filesystem::last_write_time(dir40, dirTime);
    EXPECT_FALSE(index.refresh());
    EXPECT_TRUE(index.refresh(true));
    EXPECT_EQ(types("decade"), "40xx/4017 #6");

    // A description of a megabyte is kept only as far as anyone reads one.
    dir.write(
        "cmos/4094.txt",
        sheet(QByteArray(1 << 20, 'x').prepend("Schieberegister ").constData(), "Shift register"));
    index.invalidate();
    EXPECT_EQ(types("4017"), "40xx/4017 #8");
    EXPECT_EQ(types("schieberegister"), "cmos/4094 #8");
    EXPECT_EQ(std::pair(index.records().back().descriptionDe.size(),
                        index.records().back().descriptionEn),
              std::pair(kMaxIndexedDescription, QStringLiteral("Shift register")));
}

// Plain ASCII types take a quick path; every name must get the forms the
// general folding gives it (a blank or a legacy byte takes the general path).
TEST(PartIndex, TypeFormsAgreeWhicheverPathMadeThem) {
    for (const char* name : {"7400",
                             "74LS00",
                             "SN74HC595N",
                             "MC14017BCP",
                             "mc14017b",
                             "MC1401",
                             "CD4017BE",
                             "74",
                             "7454",
                             "54HC00",
                             "HEF4094BP",
                             "74C922",
                             "E5",
                             "4E2",
                             "4d",
                             "1234567890123456789",
                             "Sn74Hct00",
                             "X",
                             "74 LS 00",
                             "74\xc3\xa4"
                             "99",
                             "MC14-017"}) {
        const QString type = QString::fromUtf8(name);
        const PartRecord r = makePartRecord(QStringLiteral("74xx"), type, {}, {});
        QString digits;
        for (QChar c : type)
            if (c >= u'0' && c <= u'9')
                digits += c;
        EXPECT_EQ(r.foldedType, foldForSearch(type).remove(u' ')) << name;
        EXPECT_EQ(r.digits, digits) << name;
        EXPECT_EQ(r.number, functionNumber(type)) << name;
        EXPECT_EQ(r.typeKey, leadingNumberIgnoringBlanks(type)) << name;
    }
}
