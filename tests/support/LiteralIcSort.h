#pragma once

// The IC list's sort done literally as it was designed: N passes over a table,
// each computing every key anew, with used rows overwritten by markers.
// Quadratic on purpose: it is the oracle the real sort is tested against and
// the baseline the benchmark measures it by.

#include "library/IcList.h"

#include <optional>
#include <vector>

namespace pinatlas::test {

inline std::vector<IcRow> literalSelectionSort(std::vector<IcEntry> table, IcSort sort,
                                               Language language) {
    const bool byType = sort == IcSort::ByType;
    const auto stem = [](const QString& s) { return s.size() > 4 ? s.left(s.size() - 4) : ""; };
    const auto description = [&language](IcEntry& e) -> QString& {
        return language == Language::German ? e.descriptionDe : e.descriptionEn;
    };
    // The column a pass looks at.
    const auto column = [&](IcEntry& e) -> QString& {
        return byType ? e.fileName : description(e);
    };
    std::vector<IcRow> grid;
    for (size_t a = 0; a < table.size(); ++a) {
        std::optional<size_t> best;
        double minNumber = 999999999.0;
        QString minText(10, QChar(0x00FC));
        for (size_t b = 0; b < table.size(); ++b) {
            const QString key = stem(column(table[b]));
            const double number = byType ? leadingNumberIgnoringBlanks(key) : 0.0;
            if (byType ? number < minNumber : key < minText) {
                minNumber = number;
                minText = key;
                best = b;
            }
        }
        if (!best)
            continue;
        IcEntry& e = table[*best];
        grid.push_back({stem(e.fileName), description(e), e.pinField});
        column(e) = byType ? QStringLiteral(" 9999999999999") : QString(14, QChar(0x00FC));
    }
    return grid;
}

} // namespace pinatlas::test
