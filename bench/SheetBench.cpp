// The largest legal datasheet: reading it, loading it into the main window and
// scrolling it, each against the bare work it cannot avoid.
#include "BenchData.h"
#include "BenchWindow.h"

#include "display/ui/DatasheetView.h"
#include "library/DatasheetReader.h"

#include <QApplication>
#include <QScreen>
#include <QScrollBar>
#include <QTableWidget>

#include <benchmark/benchmark.h>

namespace pinatlas::bench {
namespace {

const QByteArray& sheetBytes() {
    static const QByteArray bytes = largestSheetBytes();
    return bytes;
}

const Datasheet& sheet() {
    static const Datasheet s = [] {
        const ReadResult r = readDatasheet(sheetBytes(), QStringLiteral("BIG40"));
        if (!r.file) {
            std::fprintf(stderr, "bench: the largest sheet does not read: %s\n",
                         qPrintable(r.defect));
            std::exit(2);
        }
        return r.file->sheet;
    }();
    return s;
}

// Splits the bytes into lines at CR LF and every line into fields at commas,
// decoding each field into a string: what any reader of the format must do.
void readBare(benchmark::State& state) {
    const QByteArray& bytes = sheetBytes();
    QStringList fields;
    for (auto _ : state) {
        fields.clear();
        const char* p = bytes.constData();
        const char* const end = p + bytes.size();
        while (p < end) {
            const char* lineEnd = p;
            while (lineEnd < end && *lineEnd != '\r' && *lineEnd != '\n')
                ++lineEnd;
            const char* field = p;
            for (const char* q = p;; ++q) {
                if (q == lineEnd || *q == ',') {
                    fields.append(QString::fromLatin1(field, q - field));
                    field = q + 1;
                    if (q == lineEnd)
                        break;
                }
            }
            p = lineEnd;
            if (p < end && *p == '\r')
                ++p;
            if (p < end && *p == '\n')
                ++p;
        }
        benchmark::DoNotOptimize(fields.data());
    }
    state.counters["fields"] = double(fields.size());
    state.SetBytesProcessed(state.iterations() * bytes.size());
}

void readSheet(benchmark::State& state) {
    const QByteArray& bytes = sheetBytes();
    for (auto _ : state) {
        ReadResult r = readDatasheet(bytes, QStringLiteral("BIG40"));
        if (!r.file)
            state.SkipWithError("the largest sheet is reported defective");
        benchmark::DoNotOptimize(r);
    }
    state.SetBytesProcessed(state.iterations() * bytes.size());
}

BenchWindow& sheetWindow() {
    static BenchWindow& window = BenchWindow::shared(QStringLiteral("big"), [](const QString& dir) {
        writeFileOrDie(dir + QStringLiteral("/BIG40.txt"), sheetBytes());
    });
    return window;
}

// The same cells put into plain QTableWidgetItems, centred like the grids',
// in three tables of a window as large as the main window.
void loadItems(benchmark::State& state) {
    const Datasheet& s = sheet();
    QWidget window;
    if (const QScreen* screen = window.screen())
        window.setGeometry(screen->availableGeometry());
    QTableWidget functionGrid(&window);
    QTableWidget dataGrid(&window);
    QTableWidget extraGrid(&window);
    const struct {
        QTableWidget* grid;
        const CellTable& cells;
    } tables[] = {
        {&functionGrid, s.functionCells}, {&dataGrid, s.dataCells}, {&extraGrid, s.extraCells}};
    int top = 0;
    for (const auto& t : tables) {
        t.grid->setGeometry(0, top, window.width(), window.height() / 3);
        top += window.height() / 3;
    }
    window.show();
    QApplication::processEvents();
    for (auto _ : state) {
        for (const auto& t : tables) {
            t.grid->setRowCount(0);
            t.grid->setColumnCount(t.cells.columns());
            t.grid->setRowCount(t.cells.rows());
            for (int r = 1; r <= t.cells.rows(); ++r)
                for (int c = 1; c <= t.cells.columns(); ++c) {
                    auto* item = new QTableWidgetItem(t.cells.at(c, r));
                    item->setTextAlignment(Qt::AlignCenter);
                    t.grid->setItem(r - 1, c - 1, item);
                }
        }
        QApplication::processEvents();
    }
}

// Datenblatt_laden of the largest sheet: read from the file, tables filled,
// everything placed, and the window brought up to date.
void loadSheet(benchmark::State& state) {
    BenchWindow& window = sheetWindow();
    for (auto _ : state) {
        window.mainWindow().Datenblatt_laden();
        QApplication::processEvents();
    }
    if (window.boxes() != 0 || !window.mainWindow().view()->hasContent())
        state.SkipWithError("the largest sheet did not load");
}

// One step of the vertical scroll bar, back and forth: PlaceDatasheet moves
// every element of the drawing. `painted` also lets the window repaint.
void scrollStep(benchmark::State& state, bool painted) {
    BenchWindow& window = sheetWindow();
    QScrollBar* bar = window.mainWindow().view()->vScroll();
    if (bar->maximum() < 2 * bar->singleStep())
        state.SkipWithError("the largest sheet does not scroll");
    const int from = bar->maximum() / 2;
    bar->setValue(from);
    QApplication::processEvents();
    int step = bar->singleStep();
    for (auto _ : state) {
        bar->setValue(bar->value() + step);
        step = -step;
        if (painted)
            QApplication::processEvents();
    }
}

BENCHMARK(readBare)->Name("read/bare_split")->Unit(benchmark::kMillisecond);
BENCHMARK(readSheet)->Name("read/readDatasheet")->Unit(benchmark::kMillisecond);
BENCHMARK(loadItems)->Name("load/plain_items")->Unit(benchmark::kMillisecond);
BENCHMARK(loadSheet)->Name("load/Datenblatt_laden")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(scrollStep, place, false)
    ->Name("scroll/PlaceDatasheet")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(scrollStep, painted, true)
    ->Name("scroll/PlaceDatasheet_painted")
    ->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace pinatlas::bench
