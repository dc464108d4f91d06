// The IC list of a directory of 999 datasheets: the whole rebuild against a
// bare read of the same heads, and the sort against its literal quadratic form.
#include "BenchData.h"
#include "BenchWindow.h"
#include "support/LiteralIcSort.h"

#include "library/IcList.h"

#include <QDir>
#include <QFile>

#include <benchmark/benchmark.h>

namespace pinatlas::bench {
namespace {

constexpr int kSheets = 999;

BenchWindow& listWindow() {
    static BenchWindow& window = BenchWindow::shared(
        QStringLiteral("gen"), [](const QString& dir) { writeGeneratedLibrary(dir, kSheets); });
    return window;
}

QString listDirectory() {
    return listWindow().programDir() + QStringLiteral("gen/");
}

// Enumerates the directory and reads the three head lines of every file, and
// nothing else: the least any list of these files has to cost.
void listBare(benchmark::State& state) {
    const QString dir = listDirectory();
    for (auto _ : state) {
        const QStringList names = QDir(dir).entryList(QDir::Files, QDir::NoSort);
        for (const QString& name : names) {
            QFile f(dir + name);
            if (!f.open(QIODevice::ReadOnly))
                state.SkipWithError("cannot open a generated sheet");
            for (int line = 0; line < 3; ++line)
                benchmark::DoNotOptimize(f.readLine());
        }
        if (names.size() != kSheets)
            state.SkipWithError("the generated directory is incomplete");
    }
}

// Liste_aufbauen as the program runs it: enumerate, read the heads, sort and
// fill the grid.
void listRebuild(benchmark::State& state) {
    BenchWindow& window = listWindow();
    for (auto _ : state)
        window.mainWindow().Liste_aufbauen();
    if (window.boxes() != 0)
        state.SkipWithError("the rebuild showed a message box");
}

const std::vector<IcEntry>& entries() {
    static const std::vector<IcEntry> e = [] {
        const DirectoryScan scan = scanIcDirectory(listDirectory());
        return scan.entries;
    }();
    return e;
}

void sortLiteral(benchmark::State& state, IcSort sort) {
    const std::vector<IcEntry>& e = entries();
    for (auto _ : state)
        benchmark::DoNotOptimize(test::literalSelectionSort(e, sort, Language::English));
    state.counters["rows"] = double(e.size());
}

void sortIcList(benchmark::State& state, IcSort sort) {
    const std::vector<IcEntry>& e = entries();
    if (pinatlas::sortIcList(e, sort, Language::English) !=
        test::literalSelectionSort(e, sort, Language::English))
        state.SkipWithError("sortIcList differs from the literal sort");
    for (auto _ : state)
        benchmark::DoNotOptimize(pinatlas::sortIcList(e, sort, Language::English));
    state.counters["rows"] = double(e.size());
}

BENCHMARK(listBare)->Name("list/bare_heads")->Unit(benchmark::kMillisecond);
BENCHMARK(listRebuild)->Name("list/Liste_aufbauen")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(sortLiteral, type, IcSort::ByType)
    ->Name("sort_type/literal")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(sortIcList, type, IcSort::ByType)
    ->Name("sort_type/sortIcList")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(sortLiteral, description, IcSort::ByDescription)
    ->Name("sort_description/literal")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(sortIcList, description, IcSort::ByDescription)
    ->Name("sort_description/sortIcList")
    ->Unit(benchmark::kMillisecond);

} // namespace
} // namespace pinatlas::bench
