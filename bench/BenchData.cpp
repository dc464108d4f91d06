#include "BenchData.h"

#include "library/Datasheet.h"
#include "library/DatasheetWriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <vector>

namespace pinatlas::bench {
namespace {

CellTable table(int columns, int rows, auto cellText) {
    CellTable t;
    t.resize(columns, rows);
    for (int r = 1; r <= rows; ++r)
        for (int c = 1; c <= columns; ++c)
            t.at(c, r) = cellText(c, r);
    return t;
}

QStringList pinNames(int pins) {
    QStringList names;
    for (int k = 1; k <= pins; ++k)
        names << (k == pins / 2 ? QStringLiteral("GND")
                  : k == pins   ? QStringLiteral("VCC")
                                : QStringLiteral("%1D%2").arg(k % 4 + 1).arg(k));
    return names;
}

QByteArray encodeOrDie(const SheetContent& content) {
    const EncodedSheet encoded = encodeDatasheet(content);
    if (encoded.unwritable) {
        std::fprintf(stderr, "bench: a generated sheet cannot be written\n");
        std::exit(2);
    }
    return encoded.bytes;
}

} // namespace

QByteArray largestSheetBytes() {
    SheetContent c;
    c.descriptionDe = QStringLiteral("Größtes Datenblatt, das das Format erlaubt");
    c.descriptionEn = QStringLiteral("Largest datasheet the format allows");
    c.pinCount = kMaxPins;
    c.outputType = QStringLiteral("Tri-state");
    c.pinNames = pinNames(kMaxPins);
    c.withComments = true;
    c.commentDe = QStringLiteral("Alle Tabellen sind so groß, wie das Format es zulässt.\r\n"
                                 "Die Zellen sind kurz wie in echten Datenblättern.");
    c.commentEn = QStringLiteral("Every table is as large as the format allows.\r\n"
                                 "The cells are short, as in real datasheets.");
    c.withFunctionTable = true;
    c.functionInputColumns = kMaxFunctionColumns / 2;
    c.functionCells = table(kMaxFunctionColumns, kMaxFunctionRows, [](int col, int row) {
        if (row == 1)
            return QStringLiteral("%1%2").arg(col <= 26 ? u'D' : u'Q').arg(col);
        return (col * 7 + row * 3) % 5 == 0 ? QStringLiteral("X")
               : (col + row) % 2            ? QStringLiteral("H")
                                            : QStringLiteral("L");
    });
    c.dataTable = table(kMaxDataColumns, kMaxDataRows, [](int col, int row) {
        if (row == 1)
            return col == kMaxDataColumns ? QStringLiteral("Einheit")
                                          : QStringLiteral("%1 V").arg(2 + col % 5);
        return col == kMaxDataColumns ? QStringLiteral("mA")
                                      : QStringLiteral("%1.%2").arg(row * col % 97).arg(col % 10);
    });
    c.withExtraTable = true;
    c.extraCells = table(kMaxExtraColumns, kMaxExtraRows, [](int col, int row) {
        return row == 1 ? QStringLiteral("Spalte %1").arg(col)
                        : QStringLiteral("%1 ns").arg((col * 31 + row * 17) % 250);
    });
    return encodeOrDie(c);
}

void writeFileOrDie(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "bench: cannot write %s\n", qPrintable(path));
        std::exit(2);
    }
}

void writeGeneratedLibrary(const QString& directory, int count) {
    static const char* const kFamilies[] = {"74", "74LS", "74HC", "74HCT", "74F", "CD40", "4"};
    static const char* const kWhat[][2] = {
        {"Vier NAND-Gatter mit je zwei Eingängen", "Quad 2-input NAND gates"},
        {"Sechs Inverter", "Hex inverters"},
        {"Zwei D-Flipflops mit Setzen und Rücksetzen", "Dual D flip-flops with set and reset"},
        {"Synchroner 4-Bit-Binärzähler", "Synchronous 4-bit binary counter"},
        {"8-Bit-Schieberegister, seriell ein, parallel aus", "8-bit shift register, serial in"},
        {"3-zu-8-Dekoder/Demultiplexer", "3-to-8 line decoder/demultiplexer"},
        {"Acht Bustreiber mit Tri-state-Ausgängen", "Octal buffers with tri-state outputs"},
        {"Vier Exklusiv-ODER-Gatter", "Quad exclusive-OR gates"},
    };
    const QString dir = QDir(directory).absolutePath() + QLatin1Char('/');
    for (int k = 0; k < count; ++k) {
        const auto& what = kWhat[k % std::size(kWhat)];
        SheetContent c;
        // The number makes the descriptions differ, as real ones do, without
        // ordering the list the same way the type names do.
        c.descriptionDe = QString::fromUtf8(what[0]) + QStringLiteral(" (%1)").arg(k * 7919 % 997);
        c.descriptionEn = QString::fromUtf8(what[1]) + QStringLiteral(" (%1)").arg(k * 7919 % 997);
        c.pinCount = k % 3 == 0 ? 16 : 14;
        c.outputType = QStringLiteral("TP (totem pole)");
        c.pinNames = pinNames(c.pinCount);
        c.withComments = true;
        c.commentDe = QStringLiteral("Erzeugtes Datenblatt Nummer %1.").arg(k);
        c.commentEn = QStringLiteral("Generated datasheet number %1.").arg(k);
        c.withFunctionTable = true;
        c.functionInputColumns = 2;
        c.functionCells = table(3, 5, [](int col, int row) {
            if (row == 1)
                return QString(col == 3 ? u'Y' : col == 1 ? u'A' : u'B');
            return (col + row) % 2 ? QStringLiteral("H") : QStringLiteral("L");
        });
        const QString type = QString::fromLatin1(kFamilies[k % std::size(kFamilies)]) +
                             QString::number(k * 37 % 1000).rightJustified(2, u'0') +
                             (k % 5 == 0 ? QStringLiteral("A") : QString());
        // k * 37 runs through every number below 1000 once: no two names meet.
        writeFileOrDie(dir + type + QStringLiteral(".txt"), encodeOrDie(c));
    }
}

} // namespace pinatlas::bench

#include "BenchWindow.h"

#include <QApplication>
#include <QScreen>

namespace pinatlas::bench {

namespace {
std::vector<std::unique_ptr<BenchWindow>>& openWindows() {
    static std::vector<std::unique_ptr<BenchWindow>> windows;
    return windows;
}
} // namespace

BenchWindow& BenchWindow::keep(std::unique_ptr<BenchWindow> window) {
    openWindows().push_back(std::move(window));
    return *openWindows().back();
}

void BenchWindow::closeAll() {
    openWindows().clear();
}

void BenchWindow::writeConfig() {
    // English, first directory.
    writeFileOrDie(programDir() + QStringLiteral("pinatlas.ini"), QByteArray("E\r\n 0 \r\n"));
}

void BenchWindow::start() {
    m_mainWindow = std::make_unique<MainWindow>(m_settings, m_platform, programDir());
    if (const QScreen* screen = m_mainWindow->screen())
        m_mainWindow->setGeometry(screen->availableGeometry());
    m_mainWindow->setWindowState(Qt::WindowMaximized);
    m_mainWindow->start();
    QApplication::processEvents();
    if (m_platform.boxes != 0) {
        std::fprintf(stderr, "bench: the window showed a message box while starting\n");
        std::exit(2);
    }
}

} // namespace pinatlas::bench
