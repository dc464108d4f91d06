#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

#include <set>

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

const char* const kExample = "Vier NAND-Gatter mit je zwei Eing\xe4ngen\r\n"
                             "Quad 2-input NAND gates\r\n"
                             "14\r\n"
                             "TP (totem pole)\r\n"
                             "1A\r\n1B\r\n1Y\r\n2A\r\n2B\r\n2Y\r\nGND\r\n"
                             "3Y\r\n3A\r\n3B\r\n4Y\r\n4A\r\n4B\r\nVCC\r\n"
                             "'Beschreibung-D:\r\n"
                             "Alle vier Gatter sind unabhaengig.\r\n"
                             "'Beschreibung-E:\r\n"
                             "All four gates are independent.\r\n"
                             "\r\n"
                             "'Funktionstabelle:\r\n"
                             " 3 ,5,2\r\n"
                             "A,B,Y\r\nL,L,H\r\nL,H,H\r\nH,L,H\r\nH,H,L\r\n"
                             "'Zusatztabelle:\r\n"
                             "2,2\r\n"
                             "Gate,\"Pins, all\"\r\n"
                             "1,1 2 3\r\n"
                             "'Ende\r\n";

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
    const QString lib = dir.path() + "lib";
    ToolRun r = tool({"check", lib});
    EXPECT_EQ(r.status, 1);
    const QStringList lines = r.out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 6) << r.out.toStdString();
    EXPECT_EQ(lines[0], "OK " + lib + "/7400.txt");
    EXPECT_EQ(lines[1],
              "DEFECT " + lib + "/7404.txt: line 3: the pin count 41 is above the limit of 40");
    EXPECT_TRUE(lines[2].startsWith("DEFECT " + lib + "/notes: the name does not end in .txt"));
    EXPECT_EQ(lines[3], "OK " + lib + "/sub/4011.txt");
    EXPECT_TRUE(lines[4].startsWith("DEFECT " + lib + "/sub/4012.txt: line 1: the German"));
    EXPECT_TRUE(lines[5].startsWith("DEFECT " + lib + "/sub/9999999999.txt: the type number"));

    r = tool({"check", lib + "/7400.txt", lib + "/sub"});
    EXPECT_EQ(r.status, 1);
    r = tool({"check", lib + "/7400.txt", lib + "/sub/4011.txt"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out.count('\n'), 2);
}

TEST(PinatlasTool, EveryCommandHasHelpAndRejectsWrongUsage) {
    for (const char* command : {"check", "dump", "list"}) {
        ToolRun r = tool({command, "--help"});
        EXPECT_EQ(r.status, 0) << command;
        EXPECT_TRUE(r.out.startsWith(QStringLiteral("usage: pinatlas-tool ") + command)) << command;
        EXPECT_EQ(tool({command}).status, 2) << command;
        EXPECT_EQ(tool({command, "/no/such/path"}).status, command == std::string("dump") ? 1 : 2)
            << command;
    }
    EXPECT_EQ(tool({"check", "--bogus"}).status, 2);
    EXPECT_EQ(tool({"dump", "a", "b"}).status, 2);
    EXPECT_EQ(tool({"list", ".", "--sort", "size"}).status, 2);
    EXPECT_EQ(tool({"list", ".", "--lang", "F"}).status, 2);
    EXPECT_EQ(tool({"list", ".", "--lang"}).status, 2);
}

TEST(PinatlasTool, DumpWritesTheRecordAsJson) {
    TempDir dir;
    dir.write("74HC00.txt", kExample);
    const ToolRun r = tool({"dump", dir.path() + "74HC00.txt"});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    QJsonParseError error;
    const QJsonObject o = QJsonDocument::fromJson(r.out.toUtf8(), &error).object();
    ASSERT_EQ(error.error, QJsonParseError::NoError) << r.out.toStdString();
    EXPECT_EQ(o["fileName"].toString(), "74HC00.txt");
    EXPECT_EQ(o["descriptionDe"].toString(),
              QString::fromUtf8("Vier NAND-Gatter mit je zwei Eingängen"));
    EXPECT_EQ(o["pinCount"].toInt(), 14);
    EXPECT_EQ(o["outputType"].toString(), "TP (totem pole)");
    EXPECT_EQ(o["pinNames"].toArray().size(), 14);
    EXPECT_EQ(o["pinNames"].toArray()[6].toString(), "GND");
    EXPECT_EQ(o["commentDe"].toArray(), QJsonArray({"Alle vier Gatter sind unabhaengig."}));
    EXPECT_EQ(o["commentEn"].toArray(), QJsonArray({"All four gates are independent.", ""}));
    EXPECT_TRUE(o["hasFunctionTable"].toBool());
    EXPECT_EQ(o["functionColumns"].toInt(), 3);
    EXPECT_EQ(o["functionRows"].toInt(), 5);
    EXPECT_EQ(o["functionInputColumns"].toInt(), 2);
    const QJsonArray function = o["functionCells"].toArray();
    ASSERT_EQ(function.size(), 5);
    EXPECT_EQ(function[0].toArray(), QJsonArray({"A", "B", "Y"}));
    EXPECT_EQ(function[4].toArray(), QJsonArray({"H", "H", "L"}));
    EXPECT_FALSE(o["hasDataTable"].toBool());
    EXPECT_EQ(o["dataCells"].toArray(), QJsonArray());
    EXPECT_TRUE(o["hasExtraTable"].toBool());
    EXPECT_EQ(o["extraCells"].toArray()[0].toArray(), QJsonArray({"Gate", "Pins, all"}));
    EXPECT_EQ(o["extraCells"].toArray()[1].toArray(), QJsonArray({"1", "1 2 3"}));

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
