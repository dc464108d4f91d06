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

#include <cstdio>
#include <set>

#include <sys/stat.h>

using pinatlas::test::TempDir;

namespace {

struct ToolRun {
    int status = -1;
    QString out;
    QString err;
};

ToolRun tool(const QStringList& args) {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(PINATLAS_TOOL), args);
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
    dir.write("lib/7404.txt", sheet("a", "b", 41));
    dir.write("lib/notes", sheet("a", "b"));
    dir.write("lib/.hidden", "x");
    dir.write("lib/sub/4011.txt", sheet("a", "b"));
    dir.write("lib/sub/9999999999.txt", sheet("a", "b"));
    dir.write("lib/sub/4012.txt", sheet("\xfc\xfc\xfc\xfc\xfc\xfc\xfc\xfc\xfc\xfc and more", "b"));
    dir.write("lib/sub/4013.txt", sheet("a", "b").replace("'Ende", "'Funktionstabele:"));
    const QString lib = dir.path() + "lib";
    // A Windows-1252 name, a FIFO and a link loop: each reached, none hangs.
    std::FILE* legacy =
        std::fopen(QFile::encodeName(lib + "/Z").append("\xe4hler.txt").constData(), "wb");
    std::fputs(sheet("a", "b").constData(), legacy);
    std::fclose(legacy);
    ASSERT_EQ(mkfifo(QFile::encodeName(lib + "/sub/fifo.txt").constData(), 0600), 0);
    ASSERT_TRUE(QFile::link(lib + "/sub", lib + "/sub/loop"));
    ToolRun r = tool({"check", lib});
    EXPECT_EQ(r.status, 1);
    const QStringList lines = r.out.split('\n', Qt::SkipEmptyParts);
    const QString starts[] = {
        "OK " + lib + "/7400.txt",
        "DEFECT " + lib + "/7404.txt: line 3: the pin count 41 is above the limit of 40",
        "OK " + lib + QString::fromUtf8("/Zähler.txt"),
        "DEFECT " + lib + "/notes: the name does not end in .txt",
        "OK " + lib + "/sub/4011.txt",
        "DEFECT " + lib + "/sub/4012.txt: line 1: the German",
        "OK " + lib + "/sub/4013.txt",
        "WARNING " + lib + "/sub/4013.txt: line 7: \"'Funktionstabele:\"",
        "DEFECT " + lib + "/sub/9999999999.txt: the type number",
        "DEFECT " + lib + "/sub/fifo.txt: the file cannot be opened (not an ordinary file)"};
    ASSERT_EQ(lines.size(), qsizetype(std::size(starts))) << r.out.toStdString();
    for (size_t i = 0; i < std::size(starts); ++i)
        EXPECT_TRUE(lines[i].startsWith(starts[i])) << lines[i].toStdString();

    r = tool({"check", lib + "/7400.txt", lib + "/sub"});
    EXPECT_EQ(r.status, 1);
    r = tool({"check", lib + "/7400.txt", lib + "/sub/4011.txt"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out.count('\n'), 2);
}

TEST(PinatlasTool, EveryCommandHasHelpAndRejectsWrongUsage) {
    for (const char* command : {"check", "dump", "list", "show", "find", "render"}) {
        ToolRun r = tool({command, "--help"});
        EXPECT_EQ(r.status, 0) << command;
        EXPECT_TRUE(r.out.startsWith(QStringLiteral("usage: pinatlas-tool ") + command)) << command;
        EXPECT_EQ(tool({command}).status, 2) << command;
    }
    const QString sheet = PINATLAS_SOURCE_DIR "/library/74xx/7400.txt";
    const QString nowhere = "/no/such/dir/x.png";
    const std::pair<QStringList, int> runs[] = {
        {{"check", "/no/such/path"}, 2},
        {{"dump", "/no/such/path"}, 1},
        {{"list", "/no/such/path"}, 2},
        {{"check", "--bogus"}, 2},
        {{"dump", "a", "b"}, 2},
        {{"list", ".", "--sort", "size"}, 2},
        {{"list", ".", "--lang", "F"}, 2},
        {{"show", "7400", "--lang", "F"}, 2},
        {{"find", "x", "--ascii"}, 2},
        {{"show", "7400", "--library", "/no/such/path"}, 1},
        {{"render", sheet, "--out"}, 2},
        {{"render", sheet, "--lang", "F", "--out", nowhere}, 2},
        {{"render", sheet, "--dpi", "0", "--out", nowhere}, 2},
        {{"render", "/no/such/path", "--out", nowhere}, 1},
        {{"render", "/dev/zero", "--out", nowhere}, 1}, // read as the program reads
        {{"render", sheet, "--out", nowhere}, 1}};
    for (const auto& [args, status] : runs)
        EXPECT_EQ(tool(args).status, status) << args.join(' ').toStdString();
}

TEST(PinatlasTool, DumpWritesTheRecordAsJson) {
    TempDir dir;
    dir.write("74HC00.txt",
              QByteArray(pinatlas::test::kHc00).replace("Eingaengen", "Eing\xe4ngen"));
    const ToolRun r = tool({"dump", dir.path() + "74HC00.txt"});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    QJsonParseError error;
    const QJsonObject o = QJsonDocument::fromJson(r.out.toUtf8(), &error).object();
    ASSERT_EQ(error.error, QJsonParseError::NoError) << r.out.toStdString();
    const QJsonObject expected = QJsonDocument::fromJson(R"json({
        "fileName": "74HC00.txt", "descriptionDe": "Vier NAND-Gatter mit je zwei Eingängen",
        "descriptionEn": "Quad 2-input NAND gates", "pinCount": 14, "outputType": "TP (totem pole)",
        "pinNames": ["1A", "1B", "1Y", "2A", "2B", "2Y", "GND", "3Y", "3A", "3B", "4Y", "4A", "4B",
                     "VCC"],
        "commentDe": ["Alle vier Gatter sind unabhaengig."],
        "commentEn": ["All four gates are independent."],
        "hasFunctionTable": true, "functionColumns": 3, "functionRows": 5,
        "functionInputColumns": 2,
        "functionCells": [["A", "B", "Y"], ["L", "L", "H"], ["L", "H", "H"], ["H", "L", "H"],
                          ["H", "H", "L"]],
        "hasDataTable": false, "dataCells": [],
        "hasExtraTable": true, "extraColumns": 2, "extraRows": 2,
        "extraCells": [["Gate", "Pins"], ["1", "1 2 3"]]})json")
                                     .object();
    ASSERT_FALSE(expected.isEmpty());
    for (auto it = expected.begin(); it != expected.end(); ++it)
        EXPECT_EQ(o[it.key()], it.value()) << it.key().toStdString();

    dir.write("bad.txt", sheet("a", "b", 42));
    const ToolRun bad = tool({"dump", dir.path() + "bad.txt"});
    EXPECT_EQ(bad.status, 1);
    EXPECT_TRUE(bad.out.isEmpty());
    EXPECT_TRUE(bad.err.contains("line 3: the pin count 42 is above the limit of 40"))
        << bad.err.toStdString();
}

TEST(PinatlasTool, ListPrintsTheRowsOfTheIcList) {
    TempDir dir;
    dir.write("lib/7402.txt", sheet("Vier NOR-Gatter", "Quad 2-input NOR"));
    dir.write("lib/7400.txt", sheet("Vier NAND-Gatter", "Quad 2-input NAND"));
    dir.write("lib/74138.txt", sheet("Dekoder 3 zu 8", "3-to-8 decoder", 16));
    const QString lib = dir.path() + "lib";
    ToolRun r = tool({"list", lib});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "Type\tDescription\tDIL\n"
                     "7400\tQuad 2-input NAND\t2\n"
                     "7402\tQuad 2-input NOR\t2\n"
                     "74138\t3-to-8 decoder\t16\n");
    r = tool({"list", "--sort=description", lib, "--lang", "D"});
    EXPECT_EQ(r.out, "Typ\tBeschreibung\tDIL\n"
                     "74138\tDekoder 3 zu 8\t16\n"
                     "7400\tVier NAND-Gatter\t2\n"
                     "7402\tVier NOR-Gatter\t2\n");

    dir.mkdir("empty");
    EXPECT_EQ(tool({"list", dir.path() + "empty"}).out, "Type\tDescription\tDIL\n\t\t\n");

    dir.write("lib/zz.txt", "one line only\r\n");
    r = tool({"list", lib, "--lang", "D"});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.out.isEmpty());
    EXPECT_TRUE(r.err.contains("Unbekannte oder fehlerhafte Datei gefunden:\n" + lib +
                               "/zz.txt\nBitte entfernen Sie alle programmfremden Dateien!"))
        << r.err.toStdString();
}

TEST(PinatlasTool, TheShippedLibraryIsSoundAndListedWhole) {
    const QString library = QStringLiteral(PINATLAS_SOURCE_DIR) + "/library";
    const ToolRun check = tool({"check", library});
    EXPECT_EQ(check.status, 0) << check.out.toStdString();
    for (const char* sub : {"74xx", "40xx"}) {
        const QDir dir(library + "/" + sub);
        const ToolRun list = tool({"list", dir.path()});
        ASSERT_EQ(list.status, 0) << list.err.toStdString();
        std::set<QString> listed;
        for (const QString& line : list.out.split('\n', Qt::SkipEmptyParts).mid(1))
            listed.insert(line.section('\t', 0, 0));
        std::set<QString> files;
        for (const QString& name : dir.entryList({"*.txt"}, QDir::Files))
            files.insert(name.chopped(4));
        EXPECT_EQ(listed, files) << sub;
        EXPECT_FALSE(files.empty()) << sub;
    }
}

TEST(PinatlasTool, ShowAndFindLookTypesUpAsTheFindWindowDoes) {
    TempDir dir;
    dir.write("74xx/74HC00.txt", pinatlas::test::kHc00);
    dir.write("40xx/4011.txt", sheet("Vier NAND", "Quad NAND"));
    ToolRun r = tool({"find", "nand QUAD", "--library", dir.path()});
    EXPECT_EQ(r.out, "40xx  4011    Quad NAND\n74xx  74HC00  Quad 2-input NAND gates\n");
    EXPECT_EQ(tool({"find", "xyz", "--library", dir.path()}).status, 1);

    // Not a terminal: plain ASCII, the package's sides as in the window.
    r = tool({"show", "SN74HC00N", "--library", dir.path()});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    for (const char* part : {"74HC00:  Quad 2-input NAND gates\n", "\n 1A -| 1     14 |- VCC\n",
                             "\nGND -| 7      8 |- 3Y\n", "\nA  B  Y\n-------\nL  L  H\n",
                             "\nAll four gates are independent.\n", "\nGate  Pins\n"})
        EXPECT_TRUE(r.out.contains(part)) << part << "\n" << r.out.toStdString();
}

TEST(PinatlasTool, RenderDrawsTheWholeSheetAtTheRequestedResolution) {
    TempDir dir;
    // Three lines of English comment against one of German.
    dir.write("7400.txt", QByteArray(pinatlas::test::kHc00)
                              .replace("All four gates are independent.", "one\r\ntwo\r\nthree"));
    // 1680 pins + 900 comment + 1835 function + 800 extra table + 960 margins; 7110 + 240 wide.
    const int heightEn = 1680 + 900 + 1835 + 800 + 960;
    const auto pixels = [](int twips) { return (twips * 96 + 1439) / 1440; };
    ToolRun r = tool({"render", dir.path() + "7400.txt", "--out", dir.path() + "en.png"});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(pngSize(dir.read("en.png")), QSize(pixels(7350), pixels(heightEn)));
    r = tool({"render", dir.path() + "7400.txt", "--lang", "D", "--dpi", "192", "--out",
              dir.path() + "de.png"});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(pngSize(dir.read("de.png")), QSize(pixels(7350), pixels(heightEn - 440)) * 2);

    dir.write("short.txt", "only\r\ntwo lines\r\n");
    r = tool({"render", dir.path() + "short.txt", "--out", dir.path() + "x.png"});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.err.contains("short.txt:")) << r.err.toStdString();
    dir.write("tall.txt", QByteArray(pinatlas::test::kHc00)
                              .replace("All four", QByteArray("x\r\n").repeated(200000)));
    r = tool({"render", dir.path() + "tall.txt", "--out", dir.path() + "x.png"});
    EXPECT_TRUE(r.err.contains("too large")) << r.err.toStdString();
    EXPECT_FALSE(dir.exists("x.png"));
}

TEST(PinatlasTool, RenderWritesAPdfOfTextAndLinesWithoutCuttingRows) {
    if (QStandardPaths::findExecutable("pdftotext").isEmpty())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    TempDir dir;
    QByteArray rows = "2,100\r\n";
    for (int row = 1; row <= 100; ++row)
        rows += "row" + QByteArray::number(row) + ",cell" + QByteArray::number(row) + "\r\n";
    dir.write("7400.txt",
              QByteArray(pinatlas::test::kHc00).replace("2,2\r\nGate,Pins\r\n1,1 2 3\r\n", rows));
    ASSERT_EQ(tool({"render", dir.path() + "7400.txt", "--out", dir.path() + "x.PDF"}).status, 0);

    QProcess pdftotext;
    pdftotext.start("pdftotext", {"-layout", dir.path() + "x.PDF", "-"});
    pdftotext.waitForFinished(60000);
    const QString text = QString::fromUtf8(pdftotext.readAllStandardOutput());
    const QStringList pages = text.split(u'\f', Qt::SkipEmptyParts);
    ASSERT_GE(pages.size(), 3);
    for (const QString& page : pages)
        EXPECT_TRUE(
            page.trimmed().contains(QRegularExpression("^7400: +Quad 2-input NAND gates\n")))
            << page.toStdString();
    EXPECT_TRUE(text.contains("4B")) << text.toStdString();
    EXPECT_TRUE(text.contains(QRegularExpression("L +H +H")));
    // Every row whole on one page, once.
    for (int row = 1; row <= 100; ++row)
        EXPECT_EQ(text.count(QRegularExpression(QString("row%1 +cell%1\\b").arg(row))), 1) << row;
}
