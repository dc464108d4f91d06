#include "support/TempDir.h"

#include <QProcess>
#include <QRegularExpression>
#include <QSize>
#include <QStandardPaths>
#include <QtEndian>

#include <gtest/gtest.h>

using pinatlas::test::TempDir;

namespace {

struct RenderRun {
    int status = -1;
    QString out, err;
};

RenderRun render(const QStringList& args) {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(PINATLAS_TOOL), QStringList{"render"} + args);
    if (!p.waitForFinished(60000))
        return {};
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
            QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

// The pixel size a PNG file declares, or an empty size for anything else.
QSize pngSize(const QByteArray& bytes) {
    if (!bytes.startsWith("\x89PNG\r\n\x1a\n") || bytes.size() < 24)
        return {};
    return {int(qFromBigEndian<quint32>(bytes.constData() + 16)),
            int(qFromBigEndian<quint32>(bytes.constData() + 20))};
}

// 14 pins, an English comment of three lines, a 5-row function table.
const char* const kSheet = "Vier NAND-Gatter\r\nQuad NAND gates\r\n14\r\nTP (totem pole)\r\n"
                           "1A\r\n1B\r\n1Y\r\n2A\r\n2B\r\n2Y\r\nGND\r\n"
                           "3Y\r\n3A\r\n3B\r\n4Y\r\n4A\r\n4B\r\nVCC\r\n"
                           "'Beschreibung-E:\r\none\r\ntwo\r\nthree\r\n"
                           "'Funktionstabelle:\r\n 3 ,5,2\r\n"
                           "A,B,Y\r\nL,L,H\r\nL,H,H\r\nH,L,H\r\nH,H,L\r\n"
                           "'Ende\r\n";

} // namespace

TEST(RenderCommand, DrawsTheWholeSheetAtTheRequestedResolution) {
    TempDir dir;
    dir.write("7400.txt", kSheet);
    // 1680 pins + 900 comment + 1835 function table + 960 margins; 7110 + 240 wide.
    const int heightEn = 1680 + 900 + 1835 + 960;
    const auto pixels = [](int twips, int dpi) { return (twips * dpi + 1439) / 1440; };

    RenderRun r = render({dir.path() + "7400.txt", "--out", dir.path() + "en.png"});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(pngSize(dir.read("en.png")), QSize(pixels(7350, 96), pixels(heightEn, 96)));

    // No German comment: the picture is shorter by the comment and its gap.
    r = render(
        {dir.path() + "7400.txt", "--lang", "D", "--dpi", "192", "--out", dir.path() + "de.png"});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(pngSize(dir.read("de.png")), QSize(pixels(7350, 96), pixels(heightEn - 900, 96)) * 2);
}

TEST(RenderCommand, WritesAPdfOfTextAndLinesWithoutCuttingRows) {
    if (QStandardPaths::findExecutable("pdftotext").isEmpty())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    const auto pdf = [](const QString& path, const char* program) {
        QProcess p;
        p.start(program, {"-layout", path, "-"});
        p.waitForFinished(60000);
        return QString::fromUtf8(p.readAllStandardOutput());
    };
    TempDir dir;
    QByteArray big = kSheet;
    big.chop(QByteArray("'Ende\r\n").size());
    big += "'Zusatztabelle:\r\n2,100\r\n";
    for (int row = 1; row <= 100; ++row)
        big += "row" + QByteArray::number(row) + ",cell" + QByteArray::number(row) + "\r\n";
    dir.write("7400.txt", big + "'Ende\r\n");
    ASSERT_EQ(render({dir.path() + "7400.txt", "--out", dir.path() + "x.PDF"}).status, 0);

    const QString text = pdf(dir.path() + "x.PDF", "pdftotext");
    const QStringList pages = text.split(u'\f', Qt::SkipEmptyParts);
    ASSERT_GE(pages.size(), 3);
    for (const QString& page : pages)
        EXPECT_TRUE(page.trimmed().contains(QRegularExpression("^7400: +Quad NAND gates\n")))
            << page.toStdString();
    EXPECT_TRUE(text.contains("4B")) << text.toStdString();
    EXPECT_TRUE(text.contains(QRegularExpression("L +H +H")));
    // Every row whole on one page, once.
    for (int row = 1; row <= 100; ++row)
        EXPECT_EQ(text.count(QRegularExpression(QString("row%1 +cell%1\\b").arg(row))), 1) << row;
}

TEST(RenderCommand, ReportsWrongUsageAndBadFiles) {
    TempDir dir;
    dir.write("7400.txt", kSheet);
    dir.write("short.txt", "only\r\ntwo lines\r\n");
    const QString sheet = dir.path() + "7400.txt";
    const QString out = dir.path() + "x.png";

    EXPECT_TRUE(render({"--help"}).out.startsWith("usage: pinatlas-tool render"));
    for (const QStringList& args :
         {QStringList{}, QStringList{sheet}, QStringList{sheet, "--out"},
          QStringList{sheet, "--lang", "F", "--out", out},
          QStringList{sheet, "--dpi", "0", "--out", out},
          QStringList{sheet, "--dpi", "x", "--out", out}, QStringList{sheet, sheet, "--out", out},
          QStringList{sheet, "--bogus", "--out", out}})
        EXPECT_EQ(render(args).status, 2) << args.join(' ').toStdString();
    const RenderRun defective = render({dir.path() + "short.txt", "--out", out});
    EXPECT_EQ(defective.status, 1);
    EXPECT_TRUE(defective.err.contains("short.txt:")) << defective.err.toStdString();
    EXPECT_EQ(render({dir.path() + "missing.txt", "--out", out}).status, 1);
    EXPECT_EQ(render({sheet, "--out", dir.path() + "no/such/dir/x.png"}).status, 1);
    // Read as the program reads, and a picture too tall for one image.
    EXPECT_EQ(render({"/dev/zero", "--out", out}).status, 1);
    dir.write("tall.txt",
              QByteArray(kSheet).replace("one\r\n", QByteArray("one\r\n").repeated(200000)));
    EXPECT_TRUE(render({dir.path() + "tall.txt", "--out", out}).err.contains("too large"));
    EXPECT_FALSE(dir.exists("x.png"));
}
