#include "display/SheetPages.h"

#include <algorithm>

namespace pinatlas {

std::vector<int> pageStarts(std::vector<int> breaks, int height, int pageHeight) {
    std::sort(breaks.begin(), breaks.end());
    pageHeight = std::max(pageHeight, 1);
    std::vector<int> starts{0};
    for (int start = 0; height - start > pageHeight;) {
        const int limit = start + pageHeight;
        // The last break that still fits on this page.
        const auto after = std::upper_bound(breaks.begin(), breaks.end(), limit);
        int next = limit;
        if (after != breaks.begin() && *(after - 1) > start)
            next = *(after - 1);
        starts.push_back(next);
        start = next;
    }
    return starts;
}

bool usesLetterPaper(QLocale::Territory territory) {
    switch (territory) {
    case QLocale::UnitedStates:
    case QLocale::Canada:
    case QLocale::Mexico:
    case QLocale::Chile:
    case QLocale::Colombia:
    case QLocale::CostaRica:
    case QLocale::DominicanRepublic:
    case QLocale::ElSalvador:
    case QLocale::Guatemala:
    case QLocale::Nicaragua:
    case QLocale::Panama:
    case QLocale::Philippines:
    case QLocale::PuertoRico:
    case QLocale::Venezuela:
        return true;
    default:
        return false;
    }
}

} // namespace pinatlas
