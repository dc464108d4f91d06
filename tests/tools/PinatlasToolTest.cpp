#include "library/DatasheetReader.h"
#include "library/Hc00Example.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QSize>
#include <QStandardPaths>
#include <QtEndian>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>

#include <sys/stat.h>

using pinatlas::test::TempDir;

namespace {

struct ToolRun {
    int status = -1;
    QString out, err;
};

// Runs in the C locale unless `env` says otherwise ("NAME=value" items).
ToolRun tool(const QStringList& args, const QString& program = PINATLAS_TOOL,
             const QStringList& env = {}) {
    QProcess p;
    QProcessEnvironment e = QProcessEnvironment::systemEnvironment();
    e.insert("QT_QPA_PLATFORM", "offscreen");
    e.insert("LC_ALL", "C");
    for (const QString& item : env)
        e.insert(item.section('=', 0, 0), item.section('=', 1));
    p.setProcessEnvironment(e);
    p.start(program, args);
    if (!p.waitForFinished(60000))
        return {};
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
            QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

QByteArray sheet(const QByteArray& de, const QByteArray& en, int pins = 2) {
    QByteArray b = de + "\r\n" + en + "\r\n" + QByteArray::number(pins) + "\r\nTP (totem pole)\r\n";
    for (int p = 1; p <= pins; ++p)
        b += "P" + QByteArray::number(p) + "\r\n";
    return b + "'Ende\r\n";
}

// The pixel size a PNG file declares, or an empty size for anything else.
QSize pngSize(const QByteArray& bytes) {
    if (!bytes.startsWith("\x89PNG\r\n\x1a\n") || bytes.size() < 24)
        return {};
    return {int(qFromBigEndian<quint32>(bytes.constData() + 16)),
            int(qFromBigEndian<quint32>(bytes.constData() + 20))};
}

} // namespace

TEST(PinatlasTool, CheckReportsEachFileAndFailsOnAnyDefect) {
    TempDir dir;
    dir.write("lib/7400.txt", sheet("a", "b"));
    dir.write("lib/notes", sheet("a", "b"));
    dir.write("lib/.hidden", "x");
    dir.write("lib/sub/9999999999.txt", sheet("a", "b"));
    dir.write("lib/sub/4012.txt", sheet("\xfc\xfc\xfc\xfc\xfc\xfc\xfc\xfc\xfc\xfc and more", "b"));
    dir.write("lib/sub/4013.txt", sheet("a", "b").replace("'Ende", "'Funktionstabele:"));
    const QString lib = dir.path() + "lib";
    // A FIFO and a link loop: neither hangs.
    ASSERT_EQ(mkfifo(QFile::encodeName(lib + "/sub/fifo.txt").constData(), 0600), 0);
    ASSERT_TRUE(QFile::link(lib + "/sub", lib + "/sub/loop"));
    ToolRun r = tool({"check", lib});
    EXPECT_EQ(r.status, 1);
    const QStringList lines = r.out.split('\n', Qt::SkipEmptyParts);
    const QString starts[] = {
        "OK " + lib + "/7400.txt",
        "DEFECT " + lib + "/notes: the name does not end in .txt",
        "DEFECT " + lib + "/sub/4012.txt: line 1: the German",
        "OK " + lib + "/sub/4013.txt",
        "WARNING " + lib + "/sub/4013.txt: line 7: \"'Funktionstabele:\"",
        "DEFECT " + lib + "/sub/9999999999.txt: the type number",
        "DEFECT " + lib + "/sub/fifo.txt: the file cannot be opened (not an ordinary file)"};
    ASSERT_EQ(lines.size(), qsizetype(std::size(starts))) << r.out.toStdString();
    for (size_t i = 0; i < std::size(starts); ++i)
        EXPECT_TRUE(lines[i].startsWith(starts[i])) << lines[i].toStdString();
    const ToolRun shipped = tool({"check", PINATLAS_SOURCE_DIR "/library"});
    EXPECT_EQ(shipped.status, 0) << shipped.out.toStdString();

    // No pin that a function-table heading names, with or without its unit
    // number, is left without a role.
    const ToolRun roles = tool({"check", "--roles", PINATLAS_SOURCE_DIR "/library"});
    EXPECT_TRUE(roles.out.contains("/40xx/4017.txt: pin 3 Q0: role unknown\n"));
    static const QRegularExpression unknown("^ROLE (.+): pin \\d+ (.*): role unknown$");
    for (const QString& l : roles.out.split(u'\n')) {
        const QRegularExpressionMatch m = unknown.match(l);
        if (!m.hasMatch())
            continue;
        const pinatlas::Datasheet s = pinatlas::readDatasheetFile(m.captured(1)).file->sheet;
        const QString name = m.captured(2);
        const QString unitless = QString(name).replace(QRegularExpression("^(/?)\\d+"), "\\1");
        for (int c = 1; s.hasFunctionTable && c <= s.functionColumns; ++c)
            EXPECT_FALSE(QStringList({name, unitless}).contains(s.functionCells.at(c, 1)))
                << l.toStdString();
    }

    // A directory that cannot be read is not an empty, sound one. Root reads
    // it all the same unless it gives up its right to.
    QFile::setPermissions(dir.mkdir("lib/shut"), {});
    const char* const asUser = "[ $(id -u) = 0 ] && set -- setpriv --inh-caps=-dac_override,"
                               "-dac_read_search --bounding-set=-dac_override,-dac_read_search "
                               "\"$@\"; exec \"$@\"";
    for (const QStringList& command : {QStringList{"check", lib}, {"list", lib + "/shut"}}) {
        const ToolRun shut =
            tool(QStringList{"-c", asUser, "sh", PINATLAS_TOOL} + command, "/bin/sh");
        EXPECT_EQ(shut.status, 1);
        EXPECT_TRUE((shut.out + shut.err).contains("shut/: the directory cannot be read ("))
            << shut.out.toStdString() << shut.err.toStdString();
    }
}

TEST(PinatlasTool, ListPrintsTheRowsOfTheIcList) {
    TempDir dir;
    dir.write("lib/7402.txt", sheet("Vier NOR-Gatter", "Quad 2-input NOR"));
    dir.write("lib/7400.txt", sheet("Vier NAND-Gatter", "Quad 2-input NAND"));
    dir.write("lib/74138.txt", sheet("Dekoder 3 zu 8", "3-to-8 decoder", 16));
    const QString lib = dir.path() + "lib";
    ToolRun r = tool({"list", lib});
    EXPECT_EQ(r.out, "Type\tDescription\tDIL\n"
                     "7400\tQuad 2-input NAND\t2\n"
                     "7402\tQuad 2-input NOR\t2\n"
                     "74138\t3-to-8 decoder\t16\n");
    r = tool({"list", "--sort=description", lib, "--lang", "D"});
    EXPECT_EQ(r.out, "Typ\tBeschreibung\tDIL\n"
                     "74138\tDekoder 3 zu 8\t16\n"
                     "7400\tVier NAND-Gatter\t2\n"
                     "7402\tVier NOR-Gatter\t2\n");

    dir.write("lib/zz.txt", "one line only\r\n");
    r = tool({"list", lib, "--lang", "D"});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.err.contains("Unbekannte oder fehlerhafte Datei gefunden:\n" + lib +
                               "/zz.txt\nBitte entfernen Sie alle programmfremden Dateien!"))
        << r.err.toStdString();
}

// Wrong usage names the command and why; compat's status 3 is "cannot judge".
TEST(PinatlasTool, WrongUsageSaysWhyAndExitsTwo) {
    const std::tuple<QStringList, int, QString> runs[] = {
        {{"list", "--sort"}, 2, "list: missing value after '--sort'\n\nusage:"},
        {{"list", ".", "--lang", "X"}, 2, "list: --lang takes D or E\n"}, // as every command says
        {{"show", "7400", "-x"}, 2, "show: unknown option 'x'\n"},
        {{"find", "a", "b"}, 2, "find: unknown argument 'b'\n"},
        {{"render", "7400.txt", "--out", "x.jpg"}, 2, "render: --out takes a name ending in .png"},
        // After "--" an option's name is a file's or a type's.
        {{"check", "--", "--help"}, 2, "check: no such file or directory: --help\n"},
        {{"dump", "--", "-h"}, 1, "dump: -h: "},
        {{"show", "--library=/none", "7400"}, 1, "show: the library /none cannot be read ("},
        {{"find", "--library=/none", "7400"}, 1, "find: the library /none cannot be read ("},
        {{"show", "--library=" PINATLAS_SOURCE_DIR "/library", "--", "--help"},
         1,
         "show: no sheet of the type --help"},
        {{"show", "--library=" PINATLAS_SOURCE_DIR "/library", "7419"},
         1,
         "show: no sheet of the type 7419"},
        {{"compat", "74LS", "74HC", "--supply=0"}, 3, "compat: --supply takes a voltage"},
        {{"compat", "74LS", "74HC", "--receiver-supply=nan"}, 3, "compat: --receiver-supply"},
        {{"compat", "74LS", "74HC", "--supply=1e308"}, 3, "compat: --supply takes a voltage"}};
    for (const auto& [args, status, why] : runs) {
        const ToolRun r = tool(args);
        EXPECT_TRUE(r.status == status && r.err.startsWith("pinatlas-tool " + why))
            << r.err.toStdString();
    }
}

TEST(PinatlasTool, ShowFindAndDumpReadTheSheetsAsTheProgramDoes) {
    TempDir dir;
    dir.write("74xx/74HC00.txt",
              QByteArray(pinatlas::test::kHc00).replace("Eingaengen", "Eing\xe4ngen"));
    // Three pins leave the right side a row short.
    dir.write("40xx/4011.txt", "Vier NAND\r\nQuad NAND\r\n3\r\nTP (totem pole)\r\nA\r\nB\r\nY\r\n"
                               "'Beschreibung-E:\r\nOne gate.\r\n'Funktionstabelle:\r\n2,2,1\r\n"
                               "A,Y\r\nLL,H\r\n'Datentabelle:\r\n2,3\r\n74,x\r\n1.6,mA\r\n"
                               "4.4,uA\r\n'Ende\r\n");
    ToolRun r = tool({"find", "nand QUAD", "--library", dir.path()});
    EXPECT_EQ(r.out, "40xx  4011    Quad NAND\n74xx  74HC00  Quad 2-input NAND gates\n");
    EXPECT_EQ(tool({"find", "xyz", "--library", dir.path()}).status, 1);
    // What the Find window says beside the matches goes to standard error.
    r = tool({"find", "74HCT00", "--library", dir.path()});
    EXPECT_EQ(std::tuple(r.status, r.out, r.err),
              std::tuple(0, QString("74xx  74HC00  Quad 2-input NAND gates\n"),
                         QString("74HC00 has no data table.\n")));
    r = tool({"find", "74LVC1G00", "--library", dir.path(), "--lang", "D"});
    EXPECT_EQ(std::tuple(r.status, r.out, r.err),
              std::tuple(1, QString(),
                         QString("74LVC1G00 ist ein Einzelgatter-Baustein mit eigener "
                                 "Anschlussbelegung und nicht in der Bibliothek.\n")));

    // Not a terminal: plain ASCII, the package's sides as in the window.
    r = tool({"show", "CD4011BE", "--library", dir.path()});
    EXPECT_EQ(r.out, "4011:  Quad NAND\n----------------\n\n"
                     "   +---U----+\n"
                     "A -| 1    3 |- Y\n"
                     "B -| 2      |\n"
                     "   +--------+\n\n"
                     "One gate.\n\n"
                     "Function table (inputs 1-1)\n"
                     "A   Y\n-----\nLL  H\n\n"
                     "Data table\n"
                     "Some important conditions (max.)      74   Unit\n"
                     "-----------------------------------------------\n"
                     "Supply current with all outputs high  1.6   mA\n"
                     "Supply current with all outputs low   4.4   uA\n");
    r = tool({"show", "SN74HC00N", "--library", dir.path(), "--lang", "D"});
    EXPECT_TRUE(r.out.contains("\nGND -| 7      8 |- 3Y\n")) << r.out.toStdString();
    EXPECT_TRUE(r.out.contains("\nFunktionstabelle (Eingange 1-2)\n")) << r.out.toStdString();
    // Umlauts and box drawing follow the locale's character set, not the terminal.
    const QStringList utf8{"LC_ALL=C.UTF-8"};
    r = tool({"show", "SN74HC00N", "--library", dir.path(), "--lang", "D"}, PINATLAS_TOOL, utf8);
    EXPECT_TRUE(r.out.contains("\nGND ─┤ 7      8 ├─ 3Y\n")) << r.out.toStdString();
    EXPECT_TRUE(r.out.contains("\nFunktionstabelle (Eingänge 1-2)\n")) << r.out.toStdString();
    r = tool({"show", "SN74HC00N", "--library", dir.path(), "--ascii"}, PINATLAS_TOOL, utf8);
    EXPECT_TRUE(r.out.contains("\nGND -| 7      8 |- 3Y\n")) << r.out.toStdString();

    // Role marks between a name and its pin, clocks pointing at the body,
    // and the legend of the marks that occur; units and degrees spelt in ASCII.
    r = tool({"show", "7474", "--library", PINATLAS_SOURCE_DIR "/library", "--ascii"});
    for (const char* line : {"\n/1CLR o -| 1     14 |- VCC\n", "\n 1CLK > -| 3     12 |- 2D\n",
                             "|- < 2CLK\n", "\no active low   > clock\n", " degC", " uA\n"})
        EXPECT_TRUE(r.out.contains(line)) << line << r.out.toStdString();

    // A path names a file, never a type, even when it is missing or no ordinary file.
    ASSERT_EQ(mkfifo(QFile::encodeName(dir.path() + "74HC00.txt").constData(), 0600), 0);
    for (const QString& path : {QString("./my-sheets/74HC00-draft.txt"), QString("74HC00.txt"),
                                dir.path() + "74HC00.txt"}) {
        r = tool({"show", path, "--library", dir.path()});
        EXPECT_TRUE(r.status == 1 && r.out.isEmpty() && r.err.contains(path))
            << r.err.toStdString();
    }

    // The rest of the record is pinned by the wizard's edit of the same sheet.
    r = tool({"dump", dir.path() + "74xx/74HC00.txt"});
    const QJsonObject o = QJsonDocument::fromJson(r.out.toUtf8()).object();
    const QJsonObject expected = QJsonDocument::fromJson(R"json({
        "fileName": "74HC00.txt", "descriptionDe": "Vier NAND-Gatter mit je zwei Eingängen",
        "pinCount": 14, "functionInputColumns": 2, "hasDataTable": false, "dataCells": [],
        "extraCells": [["Gate", "Pins"], ["1", "1 2 3"]]})json")
                                     .object();
    for (auto it = expected.begin(); it != expected.end(); ++it)
        EXPECT_EQ(o[it.key()], it.value()) << it.key().toStdString() << r.err.toStdString();
}

// Every command reaches a Windows-1252 directory or file and tells it from
// its UTF-8 twin.
TEST(PinatlasTool, EveryCommandReachesLegacyNamesAndTellsTwinsApart) {
    TempDir dir;
    const std::string lib = QFile::encodeName(dir.mkdir("lib")).toStdString();
    ::mkdir((lib + "l\xe4").c_str(), 0700);
    std::ofstream(lib + "l\xe4/74\xe4"
                        "99.txt")
        << sheet("Alt", "Legacy").toStdString();
    std::ofstream(lib + "l\xe4/74\xc3\xa4"
                        "99.txt")
        << sheet("Neu", "Twin").toStdString();
    const QString sheetPath = dir.path() + QString::fromUtf8("lib/lä (1252)/74ä99.txt");
    EXPECT_EQ(tool({"check", dir.path() + "lib"}).out,
              "OK " + sheetPath + "\nOK " + sheetPath + " (1252)\n");
    EXPECT_TRUE(tool({"find", "Legacy", "--library", dir.path() + "lib"})
                    .out.startsWith(QString::fromUtf8("lä (1252)  74ä99 (1252)  Legacy\n")));
    // The shell hands over the name's own bytes, as a user's terminal does.
    for (const auto& [command, starts] :
         {std::pair("show", "74a99 (1252):  Legacy\n"),
          std::pair("dump", "{\n  \"fileName\": \"74ä99.txt (1252)\"")}) {
        const ToolRun shown = tool({"-c", "exec \"$0\" $1 \"$2\"$(printf '\\344/74\\34499.txt')",
                                    PINATLAS_TOOL, command, dir.path() + "lib/l"},
                                   "/bin/sh");
        EXPECT_TRUE(shown.out.startsWith(QString::fromUtf8(starts))) << shown.out.toStdString();
    }
    const ToolRun type = tool({"-c", "exec \"$0\" show \"$(printf '74\\34498')\" --library \"$1\"",
                               PINATLAS_TOOL, dir.path() + "lib"},
                              "/bin/sh");
    EXPECT_TRUE(type.err.contains(QString::fromUtf8("type 74ä98 (1252) in")))
        << type.err.toStdString();
}

TEST(PinatlasTool, RenderDrawsTheWholeSheetAtTheRequestedResolution) {
    TempDir dir;
    // Three lines of English comment: the German sheet shows its own one line.
    dir.write("7400.txt", QByteArray(pinatlas::test::kHc00)
                              .replace("All four gates are independent.", "one\r\ntwo\r\nthree"));
    const ToolRun r = tool({"render", dir.path() + "7400.txt", "--lang", "D", "--dpi", "192",
                            "--out", dir.path() + "de.png"});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    // 1680 pins + 460 comment + 1835 function + 800 extra table + 960 margins = 5735 high,
    // 7110 + 240 wide; laid out at 96 dpi and doubled.
    const auto pixels = [](int twips) { return (twips * 96 + 1439) / 1440; };
    EXPECT_EQ(pngSize(dir.read("de.png")), QSize(pixels(7350), pixels(5735)) * 2);
}

TEST(PinatlasTool, RenderWritesAPdfOfTextAndLinesWithoutCuttingRows) {
    // tools/install-deps installs it; a missing one must not pass unnoticed.
    ASSERT_FALSE(QStandardPaths::findExecutable("pdftotext").isEmpty()) << "pdftotext is missing";
    TempDir dir;
    QByteArray rows = "2,100\r\n";
    for (int row = 1; row <= 100; ++row)
        rows += "row" + QByteArray::number(row) + ",cell" + QByteArray::number(row) + "\r\n";
    dir.write("7400.txt",
              QByteArray(pinatlas::test::kHc00).replace("2,2\r\nGate,Pins\r\n1,1 2 3\r\n", rows));
    ASSERT_EQ(tool({"render", dir.path() + "7400.txt", "--out", dir.path() + "x.PDF"}).status, 0);

    const QString text = tool({"-layout", dir.path() + "x.PDF", "-"}, "pdftotext").out;
    const QStringList pages = text.split(u'\f', Qt::SkipEmptyParts);
    ASSERT_GE(pages.size(), 2);
    for (const QString& page : pages)
        EXPECT_TRUE(
            page.trimmed().contains(QRegularExpression("^7400: +Quad 2-input NAND gates\n")))
            << page.toStdString();
    EXPECT_TRUE(text.contains("4B")) << text.toStdString();
    EXPECT_TRUE(text.contains(QRegularExpression("L +H +H")));
    // Every row whole on one page, once; the first one, naming the columns,
    // heads every page's piece of the table.
    const auto withRows = std::count_if(pages.begin(), pages.end(), [](const QString& page) {
        return page.contains(QRegularExpression("row[0-9]+ +cell"));
    });
    for (int row = 1; row <= 100; ++row)
        EXPECT_EQ(text.count(QRegularExpression(QString("row%1 +cell%1\\b").arg(row))),
                  row == 1 ? withRows : 1)
            << row;
}

// Texts that would drive a terminal, as a file name (UTF-8) and in a sheet
// (Windows-1252; null where a line cannot hold it), and how they must show.
const struct {
    const char *name, *sheet, *shown;
} kHostile[] = {{"\x1b]0;title\x07", "\x1b]0;title\x07", "\\e]0;title\\a"},
                {"\x1b[2J", "\x1b[2J", "\\e[2J"},
                {"ab\b\b", "ab\b\b", "ab\\b\\b"},
                {"\xc2\x9d", "\x9d", "\\x9d"},
                {"\x7f", "\x7f", "\\x7f"},
                {"\t", "\t", "\\t"},
                {"\n", nullptr, "\\n"},
                {"\r", nullptr, "\\r"},
                {"\xe2\x80\xae", nullptr, "<U+202E>"},
                {"\xe2\x81\xa6", nullptr, "<U+2066>"}};

TEST(PinatlasTool, NoCommandPassesAControlCharacterFromDataToTheTerminal) {
    TempDir dir;
    const QString lib = dir.path() + "lib/74xx/";
    std::vector<ToolRun> runs;
    QString sheets, names; // what check must print, in its order
    int i = 10;
    for (const auto& h : kHostile) {
        const QString shown = QString::fromLatin1(h.shown), n = QString::number(i++);
        dir.write("lib/74xx/75" + n + QString::fromUtf8(h.name) + ".txt", sheet("b", "named"));
        names += "(OK|DEFECT) " + QRegularExpression::escape(lib + "75" + n + shown) + ".txt\\n";
        runs.push_back(tool({"render", lib + "no" + QString::fromUtf8(h.name), "--out", "x.png"}));
        EXPECT_TRUE(runs.back().err.contains(lib + "no" + shown + ":")) << h.shown;
        if (!h.sheet)
            continue;
        const QByteArray s = h.sheet;
        dir.write("lib/74xx/74" + n + ".txt",
                  "Feindlich\r\nHostile " + s + "gate\r\n2\r\nTP (totem pole)\r\nP" + s +
                      "\r\nQ\r\n'Beschreibung-E:\r\nc" + s + "\r\n'Zusatztabelle:\r\n1,1\r\nx" + s +
                      "\r\n'Funktionstabele" + s + ":\r\n'Ende\r\n");
        for (const QStringList& ascii : {QStringList(), QStringList("--ascii")}) {
            runs.push_back(tool(QStringList{"show", lib + "74" + n + ".txt"} + ascii));
            for (const QString& text :
                 {"Hostile " + shown + "gate", "P" + shown, "c" + shown, "x" + shown})
                EXPECT_TRUE(runs.back().out.contains(text)) << runs.back().out.toStdString();
        }
        sheets += "OK .*\\nWARNING .*" + QRegularExpression::escape("'Funktionstabele" + shown) +
                  ":.*\\n";
        // Valid JSON that still holds the text as it is.
        runs.push_back(tool({"dump", lib + "74" + n + ".txt"}));
        EXPECT_EQ(QJsonDocument::fromJson(runs.back().out.toUtf8())["descriptionEn"],
                  "Hostile " + QString::fromLatin1(s) + "gate");
    }
    runs.push_back(tool({"check", dir.path() + "lib"}));
    EXPECT_TRUE(runs.back().out.contains(QRegularExpression("^" + sheets + names + "$")))
        << runs.back().out.toStdString();
    runs.push_back(tool({"find", "hostile", "--library", dir.path() + "lib"}));
    EXPECT_EQ(runs.back().out.count('\n'), 6);
    runs.push_back(tool({"list", lib}));
    // One record per line, whatever the names hold.
    EXPECT_EQ(runs.back().out.count('\n') * 2, runs.back().out.count('\t'));
    const QRegularExpression control("[\\x{0}-\\x{8}\\x{b}-\\x{1f}\\x{7f}-\\x{9f}\\x{202a}-"
                                     "\\x{202e}\\x{2066}-\\x{2069}]");
    for (const ToolRun& r : runs)
        EXPECT_FALSE((r.out + r.err).contains(control))
            << r.out.toStdString() << r.err.toStdString();
}

TEST(PinatlasTool, AFailedWriteNamesTheSystemsReason) {
    TempDir dir;
    dir.write("7400.txt", pinatlas::test::kHc00);
    for (const char* out : {"x.png", "x.pdf"}) {
        // A file-size limit fails the write as a full disk does.
        const ToolRun r =
            tool({"-c", "trap '' XFSZ; ulimit -f 1; exec \"$0\" \"$@\"", PINATLAS_TOOL, "render",
                  dir.path() + "7400.txt", "--out", dir.path() + out},
                 "/bin/sh");
        EXPECT_TRUE(r.err.endsWith(": " + QString::fromLocal8Bit(std::strerror(EFBIG)) + "\n"))
            << r.err.toStdString();
        EXPECT_FALSE(dir.exists(out));
    }
}

TEST(PinatlasTool, AnInstalledToolReadsTheShippedLibraryBeforeTheFirstStartAndNamesIt) {
    TempDir dir;
    const QString tool2 = dir.mkdir("usr/bin") + "pinatlas-tool";
    ASSERT_TRUE(QFile::copy(PINATLAS_TOOL, tool2));
    dir.write("usr/share/pinatlas/library/74xx/7400.txt", sheet("Vier NAND", "Quad NAND"));
    const ToolRun r = tool({"find", "7400"}, tool2, {"XDG_DATA_HOME=" + dir.path() + "home"});
    EXPECT_EQ(r.out, "74xx  7400  Quad NAND\n");
    EXPECT_TRUE(r.err.contains("shipped library (the program has not made the user's yet) in " +
                               dir.path() + "usr/share/pinatlas/library/"))
        << r.err.toStdString();
}

// Every console example of the README as written: "$ pinatlas-tool ..." and
// the output that follows it.
TEST(PinatlasTool, TheReadmesExamplesHoldTrue) {
    QFile readme(PINATLAS_SOURCE_DIR "/README.md");
    ASSERT_TRUE(readme.open(QIODevice::ReadOnly));
    const QStringList blocks = QString::fromUtf8(readme.readAll()).split("```console\n$ ");
    for (const QString& block : blocks.mid(1)) {
        const QString command = block.section('\n', 0, 0);
        QStringList args;
        for (const auto& m : QRegularExpression("\"([^\"]*)\"|(\\S+)").globalMatch(command))
            args << m.captured(1) + m.captured(2);
        ASSERT_EQ(args.takeFirst(), "pinatlas-tool");
        EXPECT_EQ(tool(args, PINATLAS_TOOL, {"LC_ALL=C.UTF-8"}).out,
                  block.section('\n', 1).section("```", 0, 0))
            << command.toStdString();
    }
    EXPECT_GE(blocks.size(), 3);
}
