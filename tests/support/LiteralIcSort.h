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
    const bool german = language == Language::German;
    std::vector<IcRow> grid;
    const size_t n = table.size();
    for (size_t a = 0; a < n; ++a) {
        std::optional<size_t> best;
        if (sort == IcSort::ByType) {
            double min = 999999999.0;
            for (size_t b = 0; b < n; ++b) {
                const QString& name = table[b].fileName;
                const double key = leadingNumberIgnoringBlanks(
                    name.size() > 4 ? name.left(name.size() - 4) : QString());
                if (key < min) {
                    min = key;
                    best = b;
                }
            }
        } else {
            QString min = QString(10, QChar(0x00FC));
            for (size_t b = 0; b < n; ++b) {
                const QString& d = german ? table[b].descriptionDe : table[b].descriptionEn;
                const QString key = d.size() > 4 ? d.left(d.size() - 4) : QString();
                if (key < min) {
                    min = key;
                    best = b;
                }
            }
        }
        if (!best)
            continue;
        IcEntry& e = table[*best];
        const QString& name = e.fileName;
        grid.push_back({name.size() > 4 ? name.left(name.size() - 4) : QString(),
                        german ? e.descriptionDe : e.descriptionEn, e.pinField});
        if (sort == IcSort::ByType)
            e.fileName = QStringLiteral(" 9999999999999");
        else
            (german ? e.descriptionDe : e.descriptionEn) = QString(14, QChar(0x00FC));
    }
    return grid;
}

} // namespace pinatlas::test
