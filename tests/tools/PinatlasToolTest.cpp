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

#include <sys/stat.h>

using pinatlas::test::TempDir;

namespace {

struct ToolRun {
    int status = -1;
    QString out, err;
};

ToolRun tool(const QStringList& args, const QString& program = PINATLAS_TOOL) {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    p.setProcessEnvironment(env);
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
