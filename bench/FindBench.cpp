// The Find window over 5,000 sheets in 10 directories: one keystroke against a
// plain substring scan of the same records, and the first search after start
// (every directory read) against one IC list rebuild per directory.
#include "BenchData.h"
#include "BenchWindow.h"

#include "library/PartIndex.h"
#include "library/ui/FindCommands.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>

#include <benchmark/benchmark.h>

namespace pinatlas::bench {
namespace {

constexpr int kDirectories = 10;
constexpr int kSheetsPerDirectory = 500;

BenchWindow& findWindow() {
    static BenchWindow& window = BenchWindow::shared(QStringLiteral("d0"), [](const QString& d0) {
        const QString programDir = QFileInfo(d0).absolutePath() + QLatin1Char('/');
        for (int d = 0; d < kDirectories; ++d)
            writeGeneratedLibrary(programDir + QStringLiteral("d%1").arg(d), kSheetsPerDirectory);
    });
    return window;
}

// What a user types, one keystroke at a time: a maker's full part number, a
// bare number and words of a description.
const QStringList& keystrokes() {
    static const QStringList texts = [] {
        QStringList out;
        for (const char* typed : {"SN74HC595N", "4017", "shift register", "zahler"}) {
            const QString t = QString::fromUtf8(typed);
            for (int n = 1; n <= t.size(); ++n)
                out << t.left(n);
        }
        return out;
    }();
    return texts;
}

void keystroke(benchmark::State& state) {
    BenchWindow& window = findWindow();
    FindCommands* find = window.mainWindow().findCommands();
    find->showFind();
    QLineEdit* box = find->window()->textBox();
    int k = 0;
    for (auto _ : state) {
        box->setText(keystrokes()[k]);
        k = (k + 1) % int(keystrokes().size());
    }
    if (find->index().records().size() != size_t(kDirectories * kSheetsPerDirectory))
        state.SkipWithError("the index does not hold every sheet");
}

// Every record whose type or either description holds the text, ignoring case.
void plainSubstring(benchmark::State& state) {
    BenchWindow& window = findWindow();
    // The index as the Find window builds it, whichever benchmark runs first.
    PartIndex& index = window.mainWindow().findCommands()->index();
    index.refresh();
    const std::vector<PartRecord>& records = index.records();
    int k = 0;
    for (auto _ : state) {
        const QString& text = keystrokes()[k];
        std::vector<int> found;
        for (int i = 0; i < int(records.size()); ++i) {
            const PartRecord& r = records[i];
            if (r.type.contains(text, Qt::CaseInsensitive) ||
                r.descriptionDe.contains(text, Qt::CaseInsensitive) ||
                r.descriptionEn.contains(text, Qt::CaseInsensitive))
                found.push_back(i);
        }
        benchmark::DoNotOptimize(found);
        k = (k + 1) % int(keystrokes().size());
    }
    if (records.empty())
        state.SkipWithError("no records to scan");
}

void firstSearch(benchmark::State& state) {
    const QString programDir = findWindow().programDir();
    for (auto _ : state) {
        PartIndex index(programDir);
        benchmark::DoNotOptimize(index.find(QStringLiteral("S")));
    }
}

void listRebuilds(benchmark::State& state) {
    BenchWindow& window = findWindow();
    QComboBox* dirBox = window.mainWindow().dirBox();
    for (auto _ : state) {
        for (int d = 0; d < dirBox->count(); ++d) {
            const QSignalBlocker quiet(dirBox);
            dirBox->setCurrentIndex(d);
            window.mainWindow().Liste_aufbauen();
        }
    }
    if (dirBox->count() != kDirectories || window.boxes() != 0)
        state.SkipWithError("the directories are not listed as generated");
}

BENCHMARK(keystroke)->Name("find/keystroke")->Unit(benchmark::kMillisecond);
BENCHMARK(plainSubstring)->Name("find/plain_substring")->Unit(benchmark::kMillisecond);
BENCHMARK(firstSearch)->Name("find/first_search")->Unit(benchmark::kMillisecond);
BENCHMARK(listRebuilds)->Name("find/list_rebuild_per_directory")->Unit(benchmark::kMillisecond);

} // namespace
} // namespace pinatlas::bench
